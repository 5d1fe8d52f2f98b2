// The dashboard and the webcam window from the keyboard alone: Tab, Space, Enter, the arrows,
// access keys, the menu key and the alarm's F6/F7, as someone without a mouse goes.
#include "clock/AlarmPanel.h"
#include "music/AddMusicWindow.h"
#include "music/MusicPanel.h"
#include "netutil/MailPanel.h"
#include "netutil/MailSetupDialog.h"
#include "support/DashboardFixture.h"
#include "webcam/frmMain.h"

#include <QApplication>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>

#include <functional>

namespace {

class KeyboardOnly : public DashboardFixture
{
protected:
    KeyboardOnly()
    {
        setSetting("System", "AutoHide", "True");
        clock.current = QDateTime(QDate(2026, 12, 9), QTime(7, 28));
    }
    static QWidget *focus() { return QApplication::focusWidget(); }
    static QString focusName() { return focus() ? focus()->objectName() : QStringLiteral("-"); }
    void key(int k, Qt::KeyboardModifiers modifiers = Qt::NoModifier, int times = 1)
    {
        for (int i = 0; i < times; ++i) {
            QWidget *target = QApplication::activePopupWidget();
            if (!target)
                target = focus() ? focus() : QApplication::activeWindow();
            QTest::keyClick(target, Qt::Key(k), modifiers);
            QCoreApplication::processEvents();
        }
    }
    void type(const QString &text)
    {
        QTest::keyClicks(focus(), text);
        QCoreApplication::processEvents();
    }
    // Tab until the named control has the focus; false when a whole round does not reach it.
    bool tabTo(const QString &name, int index = -1)
    {
        for (int i = 0; i < 150; ++i) {
            if (focusName() == name && (index < 0 || focus()->property("index").toInt() == index))
                return true;
            key(Qt::Key_Tab);
        }
        return false;
    }
};

TEST_F(KeyboardOnly, AnEventAnAlarmAndAWebcamWithoutAMouse)
{
    Dashboard &d = loaded();
    d.show();
    d.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));

    // An event for tomorrow: the panel opens with the focus inside it.
    ASSERT_TRUE(tabTo("cmdViewAllEvents"));
    key(Qt::Key_Space);
    QFrame *events = d.subPanel("picCalEvents");
    ASSERT_TRUE(events->isVisible());
    ASSERT_TRUE(events->isAncestorOf(focus())) << focusName().toStdString();
    ASSERT_TRUE(tabTo("cmdAddEvent"));
    key(Qt::Key_Space);
    const std::pair<Qt::Key, QString> fields[] = {{Qt::Key_D, "12/10/2026"},
                                                  {Qt::Key_N, "12/10/2026"},
                                                  {Qt::Key_Y, "Appointment"},
                                                  {Qt::Key_T, "Dentist"},
                                                  {Qt::Key_M, "Teeth"}};
    for (const auto &[access, text] : fields) {
        key(access, Qt::AltModifier);
        key(Qt::Key_A, Qt::ControlModifier);
        type(text);
    }
    key(Qt::Key_Tab); // past the fields, the title filled in: Save
    EXPECT_EQ(focusName(), "cmdSaveEvent");
    key(Qt::Key_Space);
    ASSERT_EQ(events->findChild<QListWidget *>("lstData")->count(), 1);
    EXPECT_EQ(focusName(), "cmdAddEvent"); // kept inside the panel
    ASSERT_TRUE(tabTo("cmdCloseEvents"));
    key(Qt::Key_Space);
    EXPECT_FALSE(events->isVisible());

    // Alarm 1 at 7:30: the sliders move with the arrows, the menu key switches it on.
    ASSERT_TRUE(tabTo("cmdAlarm", 0));
    key(Qt::Key_Space);
    ASSERT_TRUE(tabTo("hsbHour"));
    key(Qt::Key_Left, Qt::NoModifier, 5);
    ASSERT_TRUE(tabTo("hsbMin"));
    key(Qt::Key_Left, Qt::NoModifier, 29);
    ASSERT_TRUE(tabTo("cmdSetAlarm"));
    key(Qt::Key_Space);
    EXPECT_EQ(setting("Clock", "AlarmTime1"), "7:30:00 AM");
    ASSERT_TRUE(tabTo("cmdAlarm", 0));
    key(Qt::Key_Menu);
    ASSERT_TRUE(QApplication::activePopupWidget());
    key(Qt::Key_Down);
    key(Qt::Key_Return); // "On"
    EXPECT_EQ(setting("Clock", "Alarm1"), "on");

    // It rings; F6 snoozes and F7 stops it, wherever the focus is.
    clock.advanceMs(2 * 60 * 1000);
    d.alarmPanel().checkAlarms();
    ASSERT_TRUE(d.subPanel("picAlarmActive")->isVisible());
    key(Qt::Key_F6);
    EXPECT_FALSE(find<QFrame>("picAlarmActive")->findChild<QWidget *>("lblSnooze")->isHidden());
    key(Qt::Key_F7);
    EXPECT_FALSE(d.subPanel("picAlarmActive")->isVisible());

    // The webcam window from its menu, a cam chosen with the arrows, closed with its File menu.
    key(Qt::Key_C, Qt::AltModifier);
    ASSERT_TRUE(QApplication::activePopupWidget());
    key(Qt::Key_Return); // "Show WebCams", the first item, chosen as the menu opens
    QPointer<frmMain> cams = d.webCams(); // deleted once closed
    ASSERT_TRUE(cams && cams->isVisible());
    cams->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(cams));
    ASSERT_TRUE(tabTo("TreeView1"));
    auto *tree = static_cast<QTreeWidget *>(focus());
    key(Qt::Key_Down, Qt::NoModifier, 2);
    EXPECT_TRUE(tree->currentItem());
    key(Qt::Key_F, Qt::AltModifier);
    key(Qt::Key_E); // "&Exit"
    EXPECT_TRUE(!cams || !cams->isVisible());
}

} // namespace

namespace {

// The two dialogs that are plain windows; the others are Qt dialogs, which Escape closes.
TEST_F(KeyboardOnly, EscapeClosesTheWindowDialogs)
{
    Dashboard &d = loaded();
    d.show();
    const std::pair<const char *, std::function<QWidget *()>> dialogs[] = {
        {"mail setup",
         [&] {
             d.mail().onMnuSetupEmailClick();
             return static_cast<QWidget *>(&d.mail().setupDialog());
         }},
        {"find music",
         [&] {
             d.music().onCmdGetMusicReleased(10, 10);
             return static_cast<QWidget *>(d.music().addMusicWindow());
         }},
    };
    for (const auto &[name, open] : dialogs) {
        QPointer<QWidget> dialog = open();
        ASSERT_TRUE(dialog && dialog->isVisible()) << name;
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog)) << name;
        key(Qt::Key_Escape);
        EXPECT_TRUE(!dialog || !dialog->isVisible()) << name;
    }
}

} // namespace
