// OrvaneHelp: the help viewer. It reads its topic files from its own folder and nothing else.
#include "HelpWindow.h"

#include <QApplication>
#include <QDesktopServices>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("OrvaneHelp"));
    HelpWindow window(QCoreApplication::applicationDirPath(),
                      [](const QUrl &url) { QDesktopServices::openUrl(url); });
    window.show();
    return app.exec();
}
