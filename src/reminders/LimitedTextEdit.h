#pragma once

#include <QPlainTextEdit>

// A box of several lines that takes at most a given number of characters (a line break
// counts as one), whether typed, pasted or set by the program.
class LimitedTextEdit : public QPlainTextEdit
{
    Q_OBJECT
public:
    LimitedTextEdit(int maxLength, QWidget *parent = nullptr);

    int maxLength() const { return m_maxLength; }

private:
    void cutToLimit();

    int m_maxLength;
};
