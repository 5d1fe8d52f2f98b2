// Program entry: splash, dashboard load, splash closed when due, then the event loop.
#include "music/MprisService.h"
#include "music/MusicPanel.h"
#include "platform/AppId.h"
#include "platform/InstalledLayout.h"
#include "shell/CommandLine.h"
#include "shell/Dashboard.h"
#include "shell/RealServices.h"
#include "shell/SplashWindow.h"
#include "shell/TerminationSignal.h"

#include <QApplication>

#include <optional>

int main(int argc, char **argv)
{
    // Before anything else: a logout while the program starts must still end it cleanly.
    TerminationSignal::install();
    // An exchange asked for on the command line runs without a window, or a display.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const bool exchange = std::any_of(arguments.begin(), arguments.end(), [](const QString &a) {
        return a.startsWith(QLatin1String("--export-")) || a.startsWith(QLatin1String("--import-"));
    });
    if (exchange) {
        QCoreApplication core(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("Orvane"));
        if (const std::optional<int> status
            = CommandLine::runExchange(arguments, QCoreApplication::applicationDirPath()))
            return *status;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvane"));
    // Lets the desktop match the window to the installed launcher and its icon.
    QGuiApplication::setDesktopFileName(AppId::kId);
    QApplication::setQuitOnLastWindowClosed(false); // the unload step ends the process
    TerminationSignal termination;

    const QString folder = QApplication::applicationDirPath();
    RealServices real(folder, QApplication::applicationFilePath(),
                      InstalledLayout::launcherFor(folder));
    SplashWindow splash(real.clock);
    splash.show();
    QApplication::processEvents();

    Dashboard dashboard(real.services);
    real.prompter.setParent(&dashboard);
    bool loaded = false;
    // While loading, the load sequence stops after its current step; a box open now or later
    // closes as Escape would. Once loaded, the dashboard closes as "&Exit" does.
    QObject::connect(&termination, &TerminationSignal::received, &dashboard, [&] {
        real.prompter.dismiss();
        for (int i = 0; i < 8 && QApplication::activeModalWidget(); ++i)
            QApplication::activeModalWidget()->close();
        if (loaded)
            dashboard.close();
    });
    dashboard.setStopRequest(&TerminationSignal::requested);
    switch (dashboard.load()) {
    case Dashboard::LoadResult::SecondInstance:
        return 0;
    case Dashboard::LoadResult::Failed:
        dashboard.closeAfterFailedLoad();
        return 1;
    case Dashboard::LoadResult::Stopped:
        dashboard.closeAfterFailedLoad();
        return 0;
    case Dashboard::LoadResult::Loaded:
        break;
    }
    loaded = true;
    dashboard.addSecondaryWindow(&splash);
    // The desktop's media controls and keys reach the player through the session bus.
    MprisService mpris(dashboard.music().player(),
                       {[&real] { real.tray.restore(); },
                        [&dashboard] {
                            dashboard.onMnuExitClick();
                        }});
    mpris.publish();
    std::optional<int> ended;
    QObject::connect(&dashboard, &Dashboard::endProcessRequested, &app, [&ended](int status) {
        ended = status;
        QApplication::exit(status);
    });
    dashboard.show();
    splash.raise(); // the splash stays in front until it closes
    QApplication::processEvents();
    if (ended) // closed while starting (a signal during the first paint)
        return *ended;
    splash.closeWhenDue();
    return QApplication::exec();
}
