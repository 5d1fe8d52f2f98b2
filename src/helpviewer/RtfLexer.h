#pragma once

#include <QByteArrayView>

// One piece of an RTF stream. Text runs never hold a brace, a backslash or a line break (line
// breaks in RTF source mean nothing). A control word's parameter is clamped to the range of int.
struct RtfToken
{
    enum class Kind { End, GroupStart, GroupEnd, Word, Symbol, Hex, Text, Binary };
    Kind kind = Kind::End;
    QByteArrayView bytes; // the word's letters, a text run or binary data
    bool hasParam = false;
    int param = 0;
    char symbol = 0;       // the character after the backslash of a control symbol
    unsigned char hex = 0; // the byte of \'hh
};

// Cuts RTF bytes into tokens. Never reads past the end: a "\bin" longer than what is left yields
// what is left, and a control word cut off by the end is still a control word.
class RtfLexer
{
public:
    explicit RtfLexer(QByteArrayView data)
        : m_data(data)
    {
    }
    RtfToken next();
    bool atEnd() const { return m_pos >= m_data.size(); }

private:
    RtfToken controlWord();
    RtfToken controlSymbol();
    RtfToken text();

    QByteArrayView m_data;
    qsizetype m_pos = 0;
};
