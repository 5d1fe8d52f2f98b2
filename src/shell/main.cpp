// Program entry: splash, dashboard load, splash closed when due, then the event loop.
#include "shell/Dashboard.h"
#include "shell/RealServices.h"
#include "shell/SplashWindow.h"
#include "shell/TerminationSignal.h"

#include <QApplication>

#include <optional>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvane"));
    QApplication::setQuitOnLastWindowClosed(false); // the unload step ends the process
    TerminationSignal termination;

    RealServices real(QApplication::applicationDirPath(), QApplication::applicationFilePath());
    SplashWindow splash(real.clock);
    splash.show();
    QApplication::processEvents();

    Dashboard dashboard(real.services);
    real.prompter.setParent(&dashboard);
    switch (dashboard.load()) {
    case Dashboard::LoadResult::SecondInstance:
        return 0;
    case Dashboard::LoadResult::Failed:
        dashboard.closeAfterFailedLoad();
        return 1;
    case Dashboard::LoadResult::Loaded:
        break;
    }
    dashboard.addSecondaryWindow(&splash);
    std::optional<int> ended;
    QObject::connect(&dashboard, &Dashboard::endProcessRequested, &app, [&ended](int status) {
        ended = status;
        QApplication::exit(status);
    });
    QObject::connect(&termination, &TerminationSignal::received, &dashboard,
                     [&dashboard] { dashboard.close(); });
    dashboard.show();
    splash.raise(); // the splash stays in front until it closes
    QApplication::processEvents();
    if (ended) // closed while starting (a signal during the first paint)
        return *ended;
    splash.closeWhenDue();
    return QApplication::exec();
}
