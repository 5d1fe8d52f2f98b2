#pragma once

#include <QAbstractButton>
#include <QPixmap>

// A button that is only a picture: the transport buttons of the music player and the
// buttons of the alarm. It has a normal, a pressed and a lit picture; the host chooses the
// look (Play lit while playing, a disabled Delete pressed), a held left button shows the
// pressed picture over it. Positions are reported in twips, as the hosts' rectangles are,
// and hosts act on MouseUp only for a release strictly inside (see releasedInside()).
class ImageButton : public QAbstractButton
{
    Q_OBJECT
public:
    enum class Look { Normal, Lit, Pressed };
    Q_ENUM(Look)

    explicit ImageButton(QWidget *parent = nullptr);
    ~ImageButton() override;

    // Sizes the button to the normal picture; other sizes are drawn scaled.
    void setPictures(const QPixmap &normal, const QPixmap &pressed, const QPixmap &lit);
    QPixmap picture(Look which) const;

    Look look() const { return m_look; }
    void setLook(Look look);

    // Which picture is drawn now: the pressed one while held, else the host's look.
    Look currentPicture() const;
    bool isHeld() const { return m_held; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

Q_SIGNALS:
    void MouseDown(int button, int shift, int xTwips, int yTwips);
    void MouseUp(int button, int shift, int xTwips, int yTwips);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    // The release path shared by the mouse and assistive technology; at is in twips.
    void release(int button, int shift, QPoint at);
    void letGo();

    QPixmap m_normal, m_pressed, m_lit;
    Look m_look = Look::Normal;
    bool m_held = false;
    bool m_inRelease = false;
};
