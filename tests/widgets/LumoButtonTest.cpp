#include "widgets/LumoButton.h"
#include "support/Fakes.h"
#include "widgets/ReleaseRule.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>
#include <memory>

namespace {

class LumoButtonTest : public ::testing::Test
{
protected:
    LumoButtonTest()
    {
        QDir(dir.path()).mkpath("resources");
        for (const char *name : {"resources/over.wav", "resources/click.wav"}) {
            QFile f(dir.path() + "/" + name);
            f.open(QIODevice::WriteOnly);
        }
        button = std::make_unique<LumoButton>("&Set Alarm", nullptr, &sound, dir.path());
        button->resize(89, 26);
        button->setAddressOpener([this](const QString &address) { opened << address; });
    }

    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton which = Qt::LeftButton)
    {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : which;
        QMouseEvent e(type, QPointF(at), button->mapToGlobal(QPointF(at)),
                      type == QEvent::MouseMove ? Qt::NoButton : which, held, Qt::NoModifier);
        QApplication::sendEvent(button.get(), &e);
    }
    // What the button draws at a point: style 2 shows rest, hover and press in its face.
    QColor shown(QPoint at = {85, 2}) const { return button->grab().toImage().pixelColor(at); }
    void leave()
    {
        QEvent e(QEvent::Leave);
        QApplication::sendEvent(button.get(), &e);
    }
    void key(QEvent::Type type, int k, const QString &text = {})
    {
        QKeyEvent e(type, k, Qt::NoModifier, text);
        QApplication::sendEvent(button.get(), &e);
    }

    QTemporaryDir dir;
    FakeSoundPlayer sound;
    QStringList opened;
    std::unique_ptr<LumoButton> button;
};

TEST(ReleaseRule, OnlyStrictlyInside)
{
    const QSize area(89, 26);
    EXPECT_TRUE(releasedInside({1, 1}, area));
    EXPECT_TRUE(releasedInside({88, 25}, area));
    EXPECT_TRUE(releasedInside(kPressPoint, area));
    for (QPoint edge : {QPoint(0, 10), QPoint(10, 0), QPoint(89, 10), QPoint(10, 26),
                        QPoint(-5, 10), QPoint(0, 0)})
        EXPECT_FALSE(releasedInside(edge, area)) << edge.x() << "," << edge.y();
}

TEST_F(LumoButtonTest, ClickOnReleaseInsideWithSoundAndAddress)
{
    QSignalSpy clicks(button.get(), &LumoButton::Click);
    QSignalSpy ups(button.get(), &LumoButton::MouseUp);
    button->setUrl("mailto:me@example.org");
    mouse(QEvent::MouseMove, {10, 10});
    mouse(QEvent::MouseButtonPress, {10, 10});
    EXPECT_EQ(shown(), button->pressedColor());
    mouse(QEvent::MouseButtonRelease, {10, 10});
    EXPECT_EQ(shown(), button->hoverColor());
    EXPECT_EQ(clicks.count(), 1);
    ASSERT_EQ(ups.count(), 1);
    EXPECT_EQ(ups[0], QVariantList({1, 0, 10, 10}));
    ASSERT_EQ(sound.plays.size(), 2); // the hover's, then the click's
    EXPECT_TRUE(sound.plays[1].path.endsWith("resources/click.wav"));
    EXPECT_EQ(opened, QStringList{"mailto:me@example.org"});
}

TEST_F(LumoButtonTest, RightButtonNeitherPressesNorClicks)
{
    QSignalSpy clicks(button.get(), &LumoButton::Click);
    QSignalSpy downs(button.get(), &LumoButton::MouseDown);
    QSignalSpy ups(button.get(), &LumoButton::MouseUp);
    mouse(QEvent::MouseMove, {10, 10});
    mouse(QEvent::MouseButtonPress, {10, 10}, Qt::RightButton);
    EXPECT_EQ(shown(), button->hoverColor());
    mouse(QEvent::MouseButtonRelease, {10, 10}, Qt::RightButton);
    EXPECT_EQ(clicks.count(), 0);
    ASSERT_EQ(downs.count(), 1);
    EXPECT_EQ(downs[0][0].toInt(), 2);
    ASSERT_EQ(ups.count(), 1);
    EXPECT_EQ(ups[0][0].toInt(), 2);
    EXPECT_EQ(sound.plays.size(), 1); // the hover's only
}

TEST_F(LumoButtonTest, PressMoveOffReleaseOutsideGivesNoClick)
{
    QSignalSpy clicks(button.get(), &LumoButton::Click);
    QSignalSpy ups(button.get(), &LumoButton::MouseUp);
    QSignalSpy outs(button.get(), &LumoButton::MouseOut);
    mouse(QEvent::MouseMove, {5, 5});
    mouse(QEvent::MouseButtonPress, {5, 5});
    mouse(QEvent::MouseMove, {120, 40}); // held: Qt sends the leave only after the release
    EXPECT_EQ(outs.count(), 1);
    EXPECT_EQ(shown(), button->backColor()); // drawn released while away,
    mouse(QEvent::MouseMove, {6, 6});
    EXPECT_EQ(shown(), button->pressedColor()); // still held on coming back
    mouse(QEvent::MouseMove, {120, 40});
    mouse(QEvent::MouseButtonRelease, {120, 40});
    EXPECT_EQ(clicks.count(), 0);
    ASSERT_EQ(ups.count(), 1);
    EXPECT_EQ(ups[0][2].toInt(), 120);
}

TEST_F(LumoButtonTest, SpaceOrEnterClicksAndReportsMouseUpInTheMiddle)
{
    QSignalSpy clicks(button.get(), &LumoButton::Click);
    QSignalSpy ups(button.get(), &LumoButton::MouseUp);
    QSignalSpy keyDowns(button.get(), &LumoButton::KeyDown);
    button->setUrl("https://example.org/");
    key(QEvent::KeyPress, Qt::Key_Space, " ");
    EXPECT_EQ(shown(), button->pressedColor());
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", true);
    QApplication::sendEvent(button.get(), &repeat);
    key(QEvent::KeyRelease, Qt::Key_Space, " ");
    EXPECT_EQ(keyDowns.count(), 2);
    EXPECT_EQ(clicks.count(), 1);
    ASSERT_EQ(ups.count(), 1);
    const QPoint middle = button->rect().center();
    EXPECT_EQ(ups[0], QVariantList({1, 0, middle.x(), middle.y()}));
    // A host's release rule counts it, so the keyboard does what the mouse does.
    EXPECT_TRUE(releasedInside({ups[0][2].toInt(), ups[0][3].toInt()}, button->size()));
    EXPECT_EQ(opened.size(), 1); // the address is followed once
    key(QEvent::KeyPress, Qt::Key_Return, "\r");
    key(QEvent::KeyRelease, Qt::Key_Return, "\r");
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_EQ(ups.count(), 2);
    key(QEvent::KeyPress, Qt::Key_Menu); // a right click: the host's pop-up, no Click
    EXPECT_EQ(clicks.count(), 2);
    ASSERT_EQ(ups.count(), 3);
    EXPECT_EQ(ups[2], QVariantList({2, 0, middle.x(), middle.y()}));
}

TEST_F(LumoButtonTest, AccessKeyClicksOnlyWhenEnabled)
{
    QSignalSpy clicks(button.get(), &LumoButton::Click);
    QSignalSpy ups(button.get(), &LumoButton::MouseUp);
    button->show();
    button->activateWindow();
    QShortcutEvent shortcut(button->shortcut(), 0);
    EXPECT_EQ(button->shortcut(), QKeySequence(Qt::ALT | Qt::Key_S));
    QApplication::sendEvent(button.get(), &shortcut);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(ups.count(), 1); // as a click: the host acts
    button->setEnabled(false);
    QApplication::sendEvent(button.get(), &shortcut);
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(LumoButtonTest, HoverInAndOutWithPicturesAndSound)
{
    QPixmap normal(32, 32), lit(32, 32);
    normal.fill(Qt::red);
    lit.fill(Qt::green);
    button->setPicture(normal);
    button->setPictureHover(lit);
    QSignalSpy ins(button.get(), &LumoButton::MouseIn);
    QSignalSpy outs(button.get(), &LumoButton::MouseOut);
    QSignalSpy moves(button.get(), &LumoButton::MouseMove);
    mouse(QEvent::MouseMove, {3, 3});
    mouse(QEvent::MouseMove, {4, 4});
    EXPECT_EQ(ins.count(), 1);
    EXPECT_EQ(moves.count(), 2);
    const QPoint picture = button->layoutNow().picture.center();
    EXPECT_EQ(shown(), button->hoverColor());
    EXPECT_EQ(shown(picture), QColor(Qt::green));
    ASSERT_EQ(sound.plays.size(), 1);
    EXPECT_TRUE(sound.plays[0].path.endsWith("resources/over.wav"));
    EXPECT_EQ(outs.count(), 0);
    leave();
    EXPECT_EQ(outs.count(), 1);
    EXPECT_EQ(shown(), button->backColor());
    EXPECT_EQ(shown(picture), QColor(Qt::red));
    leave(); // already out: once only
    EXPECT_EQ(outs.count(), 1);
}

TEST_F(LumoButtonTest, HidingEndsTheHoverAndTheSpaceBarHoldsIt)
{
    QSignalSpy outs(button.get(), &LumoButton::MouseOut);
    button->show();
    mouse(QEvent::MouseMove, {3, 3});
    key(QEvent::KeyPress, Qt::Key_Space, " ");
    leave();
    EXPECT_EQ(outs.count(), 0);
    EXPECT_EQ(shown(), button->pressedColor());
    key(QEvent::KeyRelease, Qt::Key_Space, " ");
    mouse(QEvent::MouseMove, {4, 4});
    button->hide();
    EXPECT_EQ(outs.count(), 1);
}

TEST_F(LumoButtonTest, PointerOverAndOffAsQtDeliversIt)
{
    QWidget window;
    window.resize(200, 80);
    auto *over = new LumoButton("Over", &window, &sound, dir.path());
    over->setGeometry(10, 10, 89, 26);
    window.show();
    QApplication::processEvents(); // the window's own enter first, as on a desktop
    QSignalSpy ins(over, &LumoButton::MouseIn);
    QSignalSpy outs(over, &LumoButton::MouseOut);
    QTest::mouseMove(window.windowHandle(), {20, 20});
    EXPECT_EQ(ins.count(), 1);
    over->setEnabled(false); // as a host does from its click handler
    QTest::mouseMove(window.windowHandle(), {150, 60});
    EXPECT_EQ(outs.count(), 1);
}

TEST_F(LumoButtonTest, MissingSoundFilePlaysNothing)
{
    button->setSoundClick(".\\resources\\nothere.wav");
    mouse(QEvent::MouseButtonPress, {10, 10});
    mouse(QEvent::MouseButtonRelease, {10, 10});
    EXPECT_TRUE(sound.plays.isEmpty());
    EXPECT_EQ(sound.beeps, 0);
}

TEST_F(LumoButtonTest, PictureSizesAndDefaults)
{
    EXPECT_EQ(button->version(), "040102-155");
    EXPECT_EQ(button->buttonStyle(), 2);
    EXPECT_EQ(button->picturePosition(), 1);
    button->setPictureSize(2); // no picture: a 32 x 32 area
    EXPECT_EQ(button->pictureWidth(), 32);
    EXPECT_EQ(button->layoutNow().picture.size(), QSize(32, 32));
    QPixmap big(48, 40);
    big.fill(Qt::blue);
    button->setPicture(big);
    EXPECT_EQ(button->originalPicSizeW(), 48);
    EXPECT_EQ(button->pictureHeight(), 40);
    button->setPictureSize(0);
    EXPECT_EQ(button->pictureWidth(), 16);
    button->show();
    button->resize(4, 30); // too narrow to use: 150 twips
    EXPECT_EQ(button->width(), 10);
}

TEST_F(LumoButtonTest, XpColoursFollowTheHighlight)
{
    QPalette pal = button->palette();
    pal.setColor(QPalette::Highlight, QColor(49, 106, 197));
    button->setPalette(pal);
    EXPECT_EQ(button->hoverColor(), QColor(220, 255, 255));
    EXPECT_EQ(button->pressedColor(), QColor(205, 245, 255));
    button->setXpDefaultColors(false);
    button->setXpColorHover(Qt::yellow);
    EXPECT_EQ(button->hoverColor(), QColor(Qt::yellow));
}

TEST_F(LumoButtonTest, AssistiveTechnologyPressRunsTheReleasePath)
{
    QSignalSpy ups(button.get(), &LumoButton::MouseUp);
    QSignalSpy clicks(button.get(), &LumoButton::Click);
    button->click(); // what the accessible press action ends in
    EXPECT_EQ(clicks.count(), 1);
    ASSERT_EQ(ups.count(), 1);
    EXPECT_EQ(ups[0], QVariantList({1, 0, 10, 10}));
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(button.get());
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::Button);
    EXPECT_EQ(a->text(QAccessible::Name), "Set Alarm");
}

TEST(LumoLayout, PictureAndCaptionSideBySideOrStacked)
{
    const QSize button(120, 60), pic(32, 32), cap(40, 15);
    const LumoLayout left = LumoLayout::compute(button, pic, true, cap, true, LumoLayout::Left);
    EXPECT_EQ(left.inner, QRect(4, 4, 113, 53));
    EXPECT_EQ(left.caption.left() - left.picture.right() - 1, 4);
    EXPECT_LE(std::abs(left.picture.center().y() - left.inner.center().y()), 1);
    const LumoLayout right = LumoLayout::compute(button, pic, true, cap, true, LumoLayout::Right);
    EXPECT_GT(right.picture.left(), right.caption.left());
    const LumoLayout above = LumoLayout::compute(button, pic, true, cap, true, LumoLayout::Above);
    EXPECT_LT(above.picture.bottom(), above.caption.top());
    const LumoLayout alone = LumoLayout::compute(button, pic, true, {}, false, LumoLayout::Left);
    EXPECT_LE((alone.picture.center() - alone.inner.center()).manhattanLength(), 2);
    EXPECT_EQ(alone.focus, QRect(3, 3, 114, 54));
}

} // namespace
