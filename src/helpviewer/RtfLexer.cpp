#include "RtfLexer.h"

#include <climits>

namespace {

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

RtfToken make(RtfToken::Kind kind, QByteArrayView bytes = {})
{
    RtfToken token;
    token.kind = kind;
    token.bytes = bytes;
    return token;
}

// Names longer than any real control word are cut here; they are unknown words either way.
constexpr qsizetype kLongestName = 32;

} // namespace

RtfToken RtfLexer::next()
{
    while (m_pos < m_data.size()) {
        const char c = m_data[m_pos];
        if (c == '\r' || c == '\n') {
            ++m_pos;
            continue;
        }
        if (c == '{') {
            ++m_pos;
            return make(RtfToken::Kind::GroupStart);
        }
        if (c == '}') {
            ++m_pos;
            return make(RtfToken::Kind::GroupEnd);
        }
        if (c == '\\') {
            ++m_pos;
            if (m_pos >= m_data.size())
                return make(RtfToken::Kind::End);
            return isLetter(m_data[m_pos]) ? controlWord() : controlSymbol();
        }
        return text();
    }
    return make(RtfToken::Kind::End);
}

RtfToken RtfLexer::controlWord()
{
    RtfToken token = make(RtfToken::Kind::Word);
    const qsizetype start = m_pos;
    while (m_pos < m_data.size() && isLetter(m_data[m_pos]))
        ++m_pos;
    token.bytes = m_data.sliced(start, qMin(m_pos - start, kLongestName));

    bool negative = false;
    if (m_pos + 1 < m_data.size() && m_data[m_pos] == '-' && isDigit(m_data[m_pos + 1])) {
        negative = true;
        ++m_pos;
    }
    long long value = 0;
    while (m_pos < m_data.size() && isDigit(m_data[m_pos])) {
        token.hasParam = true;
        if (value <= INT_MAX)
            value = value * 10 + (m_data[m_pos] - '0');
        ++m_pos;
    }
    value = qMin<long long>(value, INT_MAX);
    token.param = int(negative ? -value : value);
    if (m_pos < m_data.size() && m_data[m_pos] == ' ')
        ++m_pos;

    if (token.bytes == "bin" && token.hasParam) {
        const qsizetype length
            = qBound<qsizetype>(0, qsizetype(token.param), m_data.size() - m_pos);
        token = make(RtfToken::Kind::Binary, m_data.sliced(m_pos, length));
        m_pos += length;
    }
    return token;
}

RtfToken RtfLexer::controlSymbol()
{
    const char c = m_data[m_pos++];
    if (c == '\'') {
        // Two hex digits make a byte; a cut or broken pair is dropped with its digits.
        int value = 0;
        int digits = 0;
        while (digits < 2 && m_pos < m_data.size() && hexValue(m_data[m_pos]) >= 0) {
            value = value * 16 + hexValue(m_data[m_pos++]);
            ++digits;
        }
        if (digits < 2)
            return make(RtfToken::Kind::Symbol); // symbol 0: nothing
        RtfToken token = make(RtfToken::Kind::Hex);
        token.hex = static_cast<unsigned char>(value);
        return token;
    }
    RtfToken token = make(RtfToken::Kind::Symbol);
    // A backslash before a line break is the old spelling of \par.
    token.symbol = c == '\r' || c == '\n' ? '\n' : c;
    if (c == '\r' && m_pos < m_data.size() && m_data[m_pos] == '\n')
        ++m_pos;
    return token;
}

RtfToken RtfLexer::text()
{
    const qsizetype start = m_pos;
    while (m_pos < m_data.size()) {
        const char c = m_data[m_pos];
        if (c == '{' || c == '}' || c == '\\' || c == '\r' || c == '\n')
            break;
        ++m_pos;
    }
    return make(RtfToken::Kind::Text, m_data.sliced(start, m_pos - start));
}
