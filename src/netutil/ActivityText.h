#pragma once

#include <QString>

#include <deque>

// A running activity log, newest line first: each new line goes before what was there,
// followed by CR LF. Only the newest `limit` characters are kept, cut after a whole line. A new
// line costs the same whatever the log holds, so a server that sends thousands of lines cannot
// make each one dearer than the last.
class ActivityText
{
public:
    explicit ActivityText(qsizetype limit)
        : m_limit(limit)
    {
    }

    // The whole text replaced (a state such as "Mail Disabled").
    void reset(const QString &text);
    void prepend(const QString &line);
    QString text() const;
    // The lines prepended since the last call, newest first, as the text begins with them.
    QString takeAdded();

private:
    qsizetype m_limit;
    std::deque<QString> m_parts; // newest first; the text is them joined by CR LF
    qsizetype m_size = 0;
    std::deque<QString> m_added; // newest first
    qsizetype m_addedSize = 0;
};
