#pragma once

#include <QString>

// What each minute of the clock does: count the minute, check mail when the count
// reaches the stored delay, and refresh the connectivity status.
class MinuteSchedule
{
public:
    struct Actions
    {
        bool checkMail = false;
        bool checkConnectivity = false;
    };

    // The delay is the mail setup's field as typed. An empty or non-numeric delay means no
    // scheduled mail check, but the status is still refreshed every minute: a profile
    // without a saved mail setup must not freeze the status for the whole run.
    Actions tick(const QString &delayText, bool mailDisabled);
    int counter() const { return m_counter; }
    // The count starts afresh: mail was enabled or its setup saved, so a count that passed
    // the delay while mail was off must not keep the scheduled checks away.
    void restart() { m_counter = 0; }

private:
    int m_counter = 0; // a 16-bit count; stops at its largest value
};
