#include "webcam/frmFullscreen.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QLabel *label(frmFullscreen &view, const char *name)
{
    return view.findChild<QLabel *>(name);
}

TEST(frmFullscreen, OnlyEscSpaceOrAClickOnThePictureCloseIt)
{
    frmFullscreen view;
    view.open();
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_A})
        QTest::keyClick(&view, key);
    EXPECT_TRUE(view.isVisible());
    QTest::keyClick(&view, Qt::Key_Escape);
    EXPECT_FALSE(view.isVisible());
    EXPECT_EQ(view.result(), QDialog::Rejected);
    view.open();
    QTest::keyClick(&view, Qt::Key_Space);
    EXPECT_FALSE(view.isVisible());
    view.open();
    QTest::mouseClick(label(view, "imgFullscreen"), Qt::LeftButton);
    EXPECT_FALSE(view.isVisible());
}

TEST(frmFullscreen, PictureFillsTheViewIndicatorSitsBottomRight)
{
    frmFullscreen view;
    QPixmap red(32, 24);
    red.fill(Qt::red);
    view.setPicture(red);
    view.open();
    EXPECT_FALSE(view.indicatorVisible());
    view.setWindowState(Qt::WindowNoState);
    view.resize(401, 303);
    QApplication::processEvents();
    ASSERT_EQ(view.size(), QSize(401, 303));
    // Stretched corner to corner.
    const QImage shown = view.grab().toImage();
    EXPECT_EQ(shown.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(400, 302), QColor(Qt::red));
    // 120 twips from the right and bottom edges.
    view.setIndicatorVisible(true);
    const QRect indicator = label(view, "imgRefresh")->geometry();
    EXPECT_EQ(indicator.bottomRight() + QPoint(1, 1), QPoint(401 - 8, 303 - 8));
}

} // namespace
