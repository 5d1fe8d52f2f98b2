// The floor the idle dashboard is measured against: the least a Qt program can do to show a
// clock, one label redrawn once a second. bench/idle-cpu.sh runs it with FLOOR=1.
#include <QApplication>
#include <QLabel>
#include <QTime>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel clock;
    clock.setWindowTitle(QStringLiteral("Clock floor"));
    clock.setMinimumSize(320, 80);
    const auto show = [&clock] {
        clock.setText(QTime::currentTime().toString(u"hh:mm:ss"));
    };
    show();
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &clock, show);
    tick.start(1000);
    clock.show();
    return app.exec();
}
