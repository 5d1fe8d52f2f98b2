#pragma once

#include <QString>

#include <optional>

// The message count of a STAT reply ("+OK 12 3456" gives 12): the text from the fifth
// character up to the next blank, as a 16-bit count. Nothing when there is no blank after
// the fifth character, the text is not a plain number, or it is over 32767.
std::optional<int> statMessageCount(const QString &reply);
