#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM and SIGINT, as a desktop session sends them at logout, turned into a signal on
// the event loop, so the dashboard closes through its normal close path.
class TerminationSignal : public QObject
{
    Q_OBJECT
public:
    explicit TerminationSignal(QObject *parent = nullptr);
    ~TerminationSignal() override;

Q_SIGNALS:
    void received();

private:
    QSocketNotifier *m_notifier = nullptr;
};
