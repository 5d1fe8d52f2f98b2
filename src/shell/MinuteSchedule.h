#pragma once

#include <QString>

// What one tick of the minute timer does: count the minute, check mail when the count
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

private:
    int m_counter = 0; // a 16-bit count; wraps instead of overflowing
};
