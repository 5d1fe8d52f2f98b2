#include "reminders/LimitedTextEdit.h"

#include <QTextCursor>

LimitedTextEdit::LimitedTextEdit(int maxLength, QWidget *parent)
    : QPlainTextEdit(parent)
    , m_maxLength(maxLength)
{
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, &LimitedTextEdit::cutToLimit);
}

void LimitedTextEdit::cutToLimit()
{
    const qsizetype excess = toPlainText().size() - m_maxLength;
    if (excess <= 0)
        return;
    // What was just typed or pasted ends at the cursor: that is what gets refused. Text set
    // by the program leaves the cursor at the start, so there its end is cut instead.
    QTextCursor cursor = textCursor();
    const int end = cursor.position() >= excess ? cursor.position() : int(toPlainText().size());
    cursor.setPosition(end - int(excess));
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.removeSelectedText(); // runs this again, now within the limit
}
