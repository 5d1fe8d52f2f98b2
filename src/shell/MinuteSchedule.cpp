#include "shell/MinuteSchedule.h"

#include "common/TextValues.h"

#include <limits>

MinuteSchedule::Actions MinuteSchedule::tick(const QString &delayText, bool mailDisabled)
{
    m_counter = m_counter < std::numeric_limits<qint16>::max() ? m_counter + 1 : 0;
    Actions actions;
    const std::optional<int> delay = textToInt(delayText);
    if (delay && *delay == m_counter) {
        // With mail disabled this minute's refresh is skipped and the count keeps growing.
        if (mailDisabled)
            return actions;
        actions.checkMail = true;
        m_counter = 0;
    }
    actions.checkConnectivity = true;
    return actions;
}
