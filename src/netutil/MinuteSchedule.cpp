#include "netutil/MinuteSchedule.h"

#include "common/TextValues.h"

#include <limits>

MinuteSchedule::Actions MinuteSchedule::tick(const QString &delayText, bool mailDisabled)
{
    m_counter = std::min<int>(m_counter + 1, std::numeric_limits<qint16>::max());
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
