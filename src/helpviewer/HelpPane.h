#pragma once

#include <QTextEdit>
#include <QUrl>

// The topic pane: a read-only text document whose links open with a click or, once Tab has
// reached one, with Enter. A document to a screen reader, read by line and by word, with a
// caret the arrow keys move.
class HelpPane : public QTextEdit
{
    Q_OBJECT
public:
    explicit HelpPane(QWidget *parent = nullptr);

Q_SIGNALS:
    void linkActivated(const QUrl &link);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString m_pressedAnchor;
};
