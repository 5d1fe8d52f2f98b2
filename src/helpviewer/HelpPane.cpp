#include "HelpPane.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <utility>

HelpPane::HelpPane(QWidget *parent)
    : QTextEdit(parent)
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
}

void HelpPane::mousePressEvent(QMouseEvent *event)
{
    m_pressedAnchor
        = event->button() == Qt::LeftButton ? anchorAt(event->position().toPoint()) : QString();
    QTextEdit::mousePressEvent(event);
}

void HelpPane::mouseReleaseEvent(QMouseEvent *event)
{
    QTextEdit::mouseReleaseEvent(event);
    // A link opens when pressed and released on it, as a button does.
    const QString anchor
        = event->button() == Qt::LeftButton ? anchorAt(event->position().toPoint()) : QString();
    if (!anchor.isEmpty() && anchor == std::exchange(m_pressedAnchor, QString()))
        Q_EMIT linkActivated(QUrl(anchor));
}

void HelpPane::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const QString anchor = textCursor().charFormat().anchorHref();
    if (enter && textCursor().hasSelection() && !anchor.isEmpty()) {
        Q_EMIT linkActivated(QUrl(anchor));
        event->accept();
        return;
    }
    QTextEdit::keyPressEvent(event);
}
