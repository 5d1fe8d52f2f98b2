#pragma once

#include <QObject>
#include <QPoint>
#include <optional>

class QFrame;
class QLabel;
class QWidget;

// The guidance panel of the step-by-step entries. It shows and hides only while the tips
// flag is on; a click on the panel or its text hides it.
class TipPanel : public QObject
{
    Q_OBJECT
public:
    explicit TipPanel(QWidget *surface);

    void show(const QString &text, std::optional<QPoint> twipsPosition = std::nullopt);
    void hide();
    // A later step's text in the panel as it stands (shown or not, where it is).
    void setText(const QString &text);
    bool tipsOn() const { return m_tipsOn; }
    void setTipsOn(bool on) { m_tipsOn = on; }
    QFrame *panel() const { return m_panel; }
    QLabel *label() const { return m_label; }

    // picTip / lblTip click.
    void onClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fitToText();

    QFrame *m_panel;
    QLabel *m_label;
    bool m_tipsOn = false;
};
