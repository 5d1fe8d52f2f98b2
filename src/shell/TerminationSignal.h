#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM and SIGINT, as a desktop session sends them at logout, turned into a signal on
// the event loop, so the dashboard closes through its normal close path. The handlers go in
// first thing (install()), so a request that comes while the program starts is kept too:
// requested() tells the load sequence, and received() is emitted once an event loop runs.
class TerminationSignal : public QObject
{
    Q_OBJECT
public:
    // Catches the two signals from now on; needs no application object. Harmless twice.
    static void install();
    // A request has come since install().
    static bool requested();

    explicit TerminationSignal(QObject *parent = nullptr);
    ~TerminationSignal() override;

Q_SIGNALS:
    void received();

private:
    QSocketNotifier *m_notifier = nullptr;
};
