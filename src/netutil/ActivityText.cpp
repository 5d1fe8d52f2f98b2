#include "netutil/ActivityText.h"

namespace {

const QString kCrLf = QStringLiteral("\r\n");

} // namespace

void ActivityText::reset(const QString &text)
{
    m_parts.clear();
    m_parts.push_back(text);
    m_size = text.size();
    m_added.clear();
    m_addedSize = 0;
}

void ActivityText::prepend(const QString &line)
{
    m_parts.push_front(line);
    m_size += line.size() + kCrLf.size();
    m_added.push_front(line);
    m_addedSize += line.size() + kCrLf.size();
    // Older lines wholly past the limit are dropped as they go; text() cuts the last one.
    while (m_parts.size() > 1 && m_size - m_parts.back().size() - kCrLf.size() > m_limit) {
        m_size -= m_parts.back().size() + kCrLf.size();
        m_parts.pop_back();
    }
    while (m_added.size() > 1 && m_addedSize > m_limit) {
        m_addedSize -= m_added.back().size() + kCrLf.size();
        m_added.pop_back();
    }
}

QString ActivityText::text() const
{
    QString text;
    text.reserve(m_size);
    for (std::size_t i = 0; i < m_parts.size(); ++i) {
        if (i > 0)
            text += kCrLf;
        text += m_parts[i];
    }
    if (text.size() > m_limit)
        text.truncate(text.lastIndexOf(kCrLf, m_limit - kCrLf.size()) + kCrLf.size());
    return text;
}

QString ActivityText::takeAdded()
{
    QString added;
    for (const QString &line : std::as_const(m_added))
        added += line + kCrLf;
    m_added.clear();
    m_addedSize = 0;
    return added;
}
