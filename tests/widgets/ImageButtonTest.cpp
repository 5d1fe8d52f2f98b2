#include "widgets/ImageButton.h"

#include "platform/AppFolder.h"
#include "support/StagedPaths.h"
#include "widgets/PictureList.h"
#include "widgets/ReleaseRule.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QFile>
#include <QMetaEnum>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <ostream>

// Failures name the picture rather than printing raw bytes.
static void PrintTo(ImageButton::Look look, std::ostream *out)
{
    *out << QMetaEnum::fromType<ImageButton::Look>().valueToKey(static_cast<int>(look));
}

namespace {

using Look = ImageButton::Look;

QPixmap filled(QSize size, Qt::GlobalColor colour)
{
    QPixmap pixmap(size);
    pixmap.fill(colour);
    return pixmap;
}

class ImageButtonTest : public ::testing::Test
{
protected:
    ImageButtonTest()
    {
        button.setAccessibleName(QStringLiteral("Play"));
        button.setPictures(filled({29, 18}, Qt::gray), filled({29, 18}, Qt::darkGray),
                           filled({29, 18}, Qt::yellow));
        // A host acts only on a release strictly inside its 29 x 18 pixel rectangle.
        QObject::connect(&button, &ImageButton::MouseUp, [this](int, int, int x, int y) {
            if (releasedInside(QPoint(x, y), QSize(29 * 15, 18 * 15)))
                ++acted;
        });
    }

    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton which = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : which;
        QMouseEvent e(type, QPointF(at), button.mapToGlobal(QPointF(at)), which, held, modifiers);
        QApplication::sendEvent(&button, &e);
    }

    ImageButton button;
    int acted = 0;
};

TEST_F(ImageButtonTest, HeldShowsPressedAndReleaseInsideRestoresTheLookInTwips)
{
    QSignalSpy downs(&button, &ImageButton::MouseDown);
    QSignalSpy ups(&button, &ImageButton::MouseUp);
    button.setLook(Look::Lit); // playing
    mouse(QEvent::MouseButtonPress, {5, 3});
    EXPECT_EQ(button.currentPicture(), Look::Pressed);
    ASSERT_EQ(downs.count(), 1);
    EXPECT_EQ(downs[0], QVariantList({1, 0, 75, 45}));
    EXPECT_EQ(ups.count(), 0);
    mouse(QEvent::MouseButtonRelease, {5, 3});
    EXPECT_EQ(button.currentPicture(), Look::Lit);
    EXPECT_EQ(button.look(), Look::Lit);
    ASSERT_EQ(ups.count(), 1);
    EXPECT_EQ(ups[0], QVariantList({1, 0, 75, 45}));
    EXPECT_EQ(acted, 1);
}

TEST_F(ImageButtonTest, ReleaseOutsideOnlyRestoresThePicture)
{
    QSignalSpy ups(&button, &ImageButton::MouseUp);
    mouse(QEvent::MouseButtonPress, {10, 10});
    mouse(QEvent::MouseButtonRelease, {40, -2}); // dragged off before letting go
    EXPECT_EQ(button.currentPicture(), Look::Normal);
    ASSERT_EQ(ups.count(), 1);
    EXPECT_EQ(ups[0], QVariantList({1, 0, 600, -30}));
    // On the edge is not inside either.
    mouse(QEvent::MouseButtonPress, {10, 10});
    mouse(QEvent::MouseButtonRelease, {0, 10});
    EXPECT_EQ(acted, 0);
}

TEST_F(ImageButtonTest, SecondPressOfADoubleClickIsAPress)
{
    QSignalSpy downs(&button, &ImageButton::MouseDown);
    mouse(QEvent::MouseButtonPress, {5, 5});
    mouse(QEvent::MouseButtonRelease, {5, 5});
    mouse(QEvent::MouseButtonDblClick, {5, 5});
    EXPECT_EQ(button.currentPicture(), Look::Pressed);
    EXPECT_EQ(downs.count(), 2);
}

TEST_F(ImageButtonTest, RightButtonShowsNoPressedPicture)
{
    QSignalSpy downs(&button, &ImageButton::MouseDown);
    QSignalSpy ups(&button, &ImageButton::MouseUp);
    mouse(QEvent::MouseButtonPress, {5, 5}, Qt::RightButton, Qt::ShiftModifier);
    EXPECT_EQ(button.currentPicture(), Look::Normal);
    ASSERT_EQ(downs.count(), 1);
    EXPECT_EQ(downs[0], QVariantList({2, 1, 75, 75}));
    mouse(QEvent::MouseButtonRelease, {5, 5}, Qt::RightButton);
    ASSERT_EQ(ups.count(), 1);
    EXPECT_EQ(ups[0][0].toInt(), 2);
}

TEST_F(ImageButtonTest, RightReleaseWhileLeftHeldKeepsThePressedPicture)
{
    mouse(QEvent::MouseButtonPress, {5, 5});
    mouse(QEvent::MouseButtonRelease, {5, 5}, Qt::RightButton);
    EXPECT_EQ(button.currentPicture(), Look::Pressed);
    mouse(QEvent::MouseButtonRelease, {5, 5});
    EXPECT_EQ(button.currentPicture(), Look::Normal);
}

TEST_F(ImageButtonTest, DisabledIgnoresTheMouseAndShowsItsLook)
{
    QSignalSpy downs(&button, &ImageButton::MouseDown);
    QSignalSpy ups(&button, &ImageButton::MouseUp);
    button.setEnabled(false);
    button.setLook(Look::Pressed); // a Delete with nothing to delete
    mouse(QEvent::MouseButtonPress, {5, 5});
    mouse(QEvent::MouseButtonRelease, {5, 5});
    EXPECT_EQ(downs.count(), 0);
    EXPECT_EQ(ups.count(), 0);
    EXPECT_EQ(button.currentPicture(), Look::Pressed);
    button.setLook(Look::Normal);
    mouse(QEvent::MouseButtonPress, {5, 5});
    EXPECT_EQ(button.currentPicture(), Look::Normal);
    button.click(); // nor does assistive technology press it
    EXPECT_EQ(ups.count(), 0);
}

TEST_F(ImageButtonTest, DisabledOrHiddenWhileHeldLetsGo)
{
    // A host may disable the button from its MouseDown handler; no release follows.
    mouse(QEvent::MouseButtonPress, {5, 5});
    button.setEnabled(false);
    button.setEnabled(true);
    EXPECT_FALSE(button.isHeld());
    EXPECT_EQ(button.currentPicture(), Look::Normal);
    button.show();
    mouse(QEvent::MouseButtonPress, {5, 5});
    button.hide();
    EXPECT_EQ(button.currentPicture(), Look::Normal);
}

TEST_F(ImageButtonTest, AssistivePressIsAReleaseAtTenTenTwips)
{
    QSignalSpy ups(&button, &ImageButton::MouseUp);
    button.setLook(Look::Lit);
    button.click(); // what the accessible press action ends in
    ASSERT_EQ(ups.count(), 1);
    EXPECT_EQ(ups[0], QVariantList({1, 0, 10, 10}));
    EXPECT_EQ(acted, 1);
    EXPECT_EQ(button.currentPicture(), Look::Lit);
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(&button);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::Button);
    EXPECT_EQ(a->text(QAccessible::Name), "Play");
    ASSERT_NE(a->actionInterface(), nullptr);
    EXPECT_TRUE(
        a->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
}

TEST_F(ImageButtonTest, HostClickingFromItsHandlerGetsOneMouseUp)
{
    QSignalSpy ups(&button, &ImageButton::MouseUp);
    QObject::connect(&button, &ImageButton::MouseUp, &button, [this] { button.click(); });
    mouse(QEvent::MouseButtonPress, {5, 5});
    mouse(QEvent::MouseButtonRelease, {5, 5});
    EXPECT_EQ(ups.count(), 1);
}

TEST_F(ImageButtonTest, SizedToThePictureAndDrawnScaled)
{
    EXPECT_EQ(button.sizeHint(), QSize(29, 18));
    EXPECT_EQ(button.size(), QSize(29, 18));
    button.setPictures(filled({10, 10}, Qt::red), filled({10, 10}, Qt::blue), {});
    button.resize(40, 40);
    EXPECT_EQ(button.grab().toImage().pixelColor(35, 35), QColor(Qt::red));
    mouse(QEvent::MouseButtonPress, {5, 5});
    EXPECT_EQ(button.grab().toImage().pixelColor(35, 35), QColor(Qt::blue));
    mouse(QEvent::MouseButtonRelease, {5, 5});
    button.setLook(Look::Lit); // no lit picture given: the normal one stands in
    EXPECT_EQ(button.grab().toImage().pixelColor(20, 20), QColor(Qt::red));
}

TEST(PictureList, NumberedFromOneInNameOrder)
{
    QTemporaryDir dir;
    // Written out of order: the list follows the names, not the disk.
    filled({3, 3}, Qt::blue).save(dir.filePath("03-blue.png"));
    filled({2, 2}, Qt::red).save(dir.filePath("01-red.png"));
    QFile broken(dir.filePath("02-broken.png"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();
    QFile notes(dir.filePath("00-notes.txt"));
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.close();

    const PictureList list = PictureList::load(dir.path());
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list.at(1).size(), QSize(2, 2));
    EXPECT_TRUE(list.at(2).isNull()); // keeps its number so 3 stays 3
    EXPECT_EQ(list.at(3).size(), QSize(3, 3));
    for (int outside : {0, -1, 4, 1000})
        EXPECT_TRUE(list.at(outside).isNull()) << outside;
    EXPECT_EQ(PictureList::load(dir.filePath("missing")).count(), 0);
    EXPECT_TRUE(PictureList::load(dir.filePath("missing")).at(1).isNull());
}

struct ShippedSet
{
    const char *folder;
    int count;
    QSize size;
};

void PrintTo(const ShippedSet &set, std::ostream *out)
{
    *out << set.folder;
}

class ShippedPictures : public ::testing::TestWithParam<ShippedSet>
{
};

TEST_P(ShippedPictures, HaveTheirCountAndSize)
{
    const ShippedSet set = GetParam();
    const PictureList list = PictureList::load(
        sourceDir() + QStringLiteral("/appfolder/resources/pictures/") + QLatin1String(set.folder));
    ASSERT_EQ(list.count(), set.count);
    for (int n = 1; n <= list.count(); ++n) {
        EXPECT_FALSE(list.at(n).isNull()) << n;
        EXPECT_EQ(list.at(n).size(), set.size) << n;
        if (n > 1) { // every picture is drawn, none a copy of the one before
            EXPECT_NE(list.at(n).toImage(), list.at(n - 1).toImage()) << n;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sets, ShippedPictures,
    ::testing::Values(ShippedSet{"music", 27, {29, 18}}, ShippedSet{"alarm", 2, {32, 32}},
                      ShippedSet{"alarmactive", 4, {102, 46}}, ShippedSet{"weather", 16, {45, 45}},
                      ShippedSet{"moon", 31, {48, 48}}, ShippedSet{"collecting", 1, {238, 58}}),
    [](const auto &info) { return std::string(info.param.folder); });

TEST(ShippedPictureFiles, MusicNumbersAndTheStagedCopy)
{
    // Hosts name the pictures by number: 20 is Play, 19 Play lit, 27 Stop pressed.
    const QString source = sourceDir() + QStringLiteral("/appfolder/resources/pictures/music");
    for (const char *name : {"19-play-lit.png", "20-play-normal.png", "27-stop-pressed.png"})
        EXPECT_TRUE(QFile::exists(source + "/" + name)) << name;
    // The build copies them into the application folder, found there the old way.
    const AppFolder app(stagedAppDir());
    EXPECT_EQ(PictureList::load(app.path("\\resources\\pictures\\music")).count(), 27);
    EXPECT_EQ(PictureList::load(app.path("\\Resources\\Pictures\\AlarmActive")).count(), 4);
}

} // namespace

TEST_F(ImageButtonTest, TabReachesItAndSpaceOrEnterPressesIt)
{
    EXPECT_TRUE(button.focusPolicy() & Qt::TabFocus);
    EXPECT_FALSE(button.focusPolicy() & Qt::ClickFocus); // a click leaves the focus alone
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        acted = 0;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QStringLiteral(" "));
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QStringLiteral(" "));
        QApplication::sendEvent(&button, &press);
        QApplication::sendEvent(&button, &release);
        EXPECT_EQ(acted, 1) << key;
    }
}
