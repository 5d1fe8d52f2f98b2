#pragma once

#include "widgets/LumoLayout.h"

#include <QAbstractButton>
#include <QColor>
#include <QPixmap>

#include <functional>

class SoundPlayer;

// The styled push button of the dashboard and every dialog: five drawing styles, a picture
// beside the caption, hover and press looks, hover and click sounds, a hand cursor and an
// address followed on click. Hosts act on MouseUp, and only for a release strictly inside
// the area their panel gives (see releasedInside()).
class LumoButton : public QAbstractButton
{
    Q_OBJECT
public:
    enum Style { Raised = 0, Flat = 1, Xp = 2, Rounded = 3, Plain = 4 };
    // Mouse buttons and shift states as the events report them.
    enum MouseButtonCode { LeftButton = 1, RightButton = 2, MiddleButton = 4 };
    enum ShiftCode { ShiftKey = 1, CtrlKey = 2, AltKey = 4 };

    // The hover and click sounds play through sound, their relative names found in
    // soundFolder (the application folder); without a player the button is silent.
    explicit LumoButton(const QString &caption, QWidget *parent = nullptr,
                        SoundPlayer *sound = nullptr, QString soundFolder = {});
    ~LumoButton() override;

    int buttonStyle() const { return m_style; }
    void setButtonStyle(int style);
    int picturePosition() const { return m_picturePosition; }
    void setPicturePosition(int position);
    QPixmap picture() const { return m_picture; }
    void setPicture(const QPixmap &picture);
    QPixmap pictureHover() const { return m_pictureHover; }
    void setPictureHover(const QPixmap &picture);
    int pictureSize() const { return m_pictureSize; }
    void setPictureSize(int size);
    int pictureWidth() const { return m_pictureWidth; }
    int pictureHeight() const { return m_pictureHeight; }
    int originalPicSizeW() const { return m_originalSize.width(); }
    int originalPicSizeH() const { return m_originalSize.height(); }
    QColor backColor() const;
    void setBackColor(const QColor &color);
    QColor foreColor() const;
    void setForeColor(const QColor &color);
    bool showFocusRect() const { return m_showFocusRect; }
    void setShowFocusRect(bool show);
    bool defCurHand() const { return m_defCurHand; }
    void setDefCurHand(bool hand);
    QString url() const { return m_url; }
    void setUrl(const QString &url) { m_url = url; }
    // How the host follows URL on a click (its shell, for mail and web addresses alike);
    // without one the address is not followed.
    using AddressOpener = std::function<void(const QString &address)>;
    void setAddressOpener(AddressOpener open) { m_openAddress = std::move(open); }
    bool xpDefaultColors() const { return m_xpDefaultColors; }
    void setXpDefaultColors(bool on);
    QColor xpColorHover() const;
    void setXpColorHover(const QColor &color);
    QColor xpColorPressed() const;
    void setXpColorPressed(const QColor &color);
    bool xpShowBorderAlways() const { return m_xpShowBorderAlways; }
    void setXpShowBorderAlways(bool on);
    QColor maskColor() const { return m_maskColor; }
    void setMaskColor(const QColor &color);
    bool transparentBG() const { return m_transparentBG; }
    void setTransparentBG(bool on);
    int bevel() const { return m_bevel; }
    void setBevel(int bevel);
    int bevelDepth() const { return m_bevelDepth; }
    void setBevelDepth(int depth);
    QString soundOver() const { return m_soundOver; }
    void setSoundOver(const QString &file) { m_soundOver = file; }
    QString soundClick() const { return m_soundClick; }
    void setSoundClick(const QString &file) { m_soundClick = file; }
    QString version() const { return QStringLiteral("040102-155"); }
    // The host's default button (drawn with a dark outer frame in style 0).
    bool isDefault() const { return m_default; }
    void setDefault(bool on)
    {
        m_default = on;
        update();
    }

    LumoLayout layoutNow() const;
    // The colours style 2 uses for hover and press.
    QColor hoverColor() const;
    QColor pressedColor() const;

    QSize sizeHint() const override;

Q_SIGNALS:
    void Click();
    void KeyDown(int keyCode, int shift);
    void KeyPress(int keyAscii);
    void KeyUp(int keyCode, int shift);
    void MouseDown(int button, int shift, int x, int y);
    void MouseMove(int button, int shift, int x, int y);
    void MouseUp(int button, int shift, int x, int y);
    void MouseIn(int shift);
    void MouseOut(int shift);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    // Input, in LumoButtonInput.cpp.
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void updateCursor();
    void updateRegion();
    QPixmap shownPicture() const;

    // Input, in LumoButtonInput.cpp.
    void startHover(int shift);
    void endHover(int shift);
    // The release path shared by the mouse, the space bar and assistive technology.
    void release(int button, int shift, QPoint at);
    void followUrl();
    void playSound(const QString &file);

    // Drawing, in LumoButtonPaint.cpp.
    void paintBackground(QPainter &p, const QColor &face);
    void paintEdge(QPainter &p, const QColor &face);
    void paintRoundedFace(QPainter &p);
    void paintBevel(QPainter &p, const QColor &face, bool sunken);
    void paintPicture(QPainter &p, const LumoLayout &l);
    void paintCaption(QPainter &p, const LumoLayout &l);
    QColor faceColor() const;

    SoundPlayer *m_sound;
    QString m_soundFolder;
    AddressOpener m_openAddress;
    int m_style = Xp;
    int m_picturePosition = LumoLayout::Left;
    QPixmap m_picture, m_pictureHover;
    int m_pictureSize = 1;
    int m_pictureWidth = 32, m_pictureHeight = 32;
    QSize m_originalSize{32, 32};
    QColor m_backColor, m_foreColor, m_xpHover, m_xpPressed;
    QColor m_maskColor{0, 0, 0};
    bool m_showFocusRect = true;
    bool m_defCurHand = true;
    bool m_xpDefaultColors = true;
    bool m_xpShowBorderAlways = false;
    bool m_transparentBG = false;
    int m_bevel = 1;
    int m_bevelDepth = 8;
    QString m_url;
    QString m_soundOver = QStringLiteral(".\\resources\\over.wav");
    QString m_soundClick = QStringLiteral(".\\resources\\click.wav");

    bool m_pressed = false;
    bool m_hover = false;
    bool m_focused = false;
    bool m_tabbedTo = false; // the focus came from the keyboard
    bool m_keyHeld = false;
    bool m_inRelease = false;
    bool m_default = false;
};
