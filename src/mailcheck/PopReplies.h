#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Cuts what the socket delivers into POP3 replies: one reply per line, ending with LF (the
// CR before it stays part of the reply). A line that never ends is cut at kMaxLine bytes so
// a server that streams garbage cannot grow the buffer without bound.
class PopLineBuffer
{
public:
    static constexpr qsizetype kMaxLine = 4096;

    void append(const QByteArray &data) { m_pending += data; }
    // The next complete reply, or nothing until more data arrives.
    std::optional<QString> takeLine();
    void clear() { m_pending.clear(); }

private:
    QByteArray m_pending;
};

// The message count of a STAT reply ("+OK 12 3456" gives 12): the text from the fifth
// character up to the next blank, as a 16-bit count. Nothing when there is no blank after
// the fifth character, the text is not a plain number, or it is over 32767.
std::optional<int> statMessageCount(const QString &reply);
