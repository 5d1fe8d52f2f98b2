#include "clock/AlarmSettings.h"
#include "clock/AlarmFixture.h"
#include "clock/AlarmMenu.h"
#include "clock/SnoozeDialog.h"
#include "widgets/LumoButton.h"
#include "widgets/TipPanel.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QScrollBar>

namespace {

using AlarmSetup = AlarmFixture;

TEST(AlarmTimes, StoredTextsConvertBothWays)
{
    EXPECT_EQ(AlarmSettings::parseTime("7:30:00 AM"), QTime(7, 30));
    EXPECT_EQ(AlarmSettings::parseTime("12:05 AM"), QTime(0, 5));
    EXPECT_EQ(AlarmSettings::parseTime("0:05"), QTime(0, 5));
    EXPECT_EQ(AlarmSettings::parseTime("19:05:00"), QTime(19, 5));
    EXPECT_FALSE(AlarmSettings::parseTime("24:05"));
    EXPECT_FALSE(AlarmSettings::parseTime("1"));
    EXPECT_EQ(AlarmSettings::timeText(QTime(12, 0)), "12:00:00 PM");
}

TEST_F(AlarmSetup, FreshProfileShowsNoTitlesAFiveMinuteSnoozeAndTheAlarmSound)
{
    Dashboard &d = loaded();
    for (QLabel *label : d.findChildren<QLabel *>("lblATitle"))
        EXPECT_EQ(label->text(), "");
    EXPECT_EQ(d.findChildren<LumoButton *>("cmdAlarm").size(), 8);
    EXPECT_EQ(d.menus().snoozeTime->text(), "Snooze: 5 Minutes");
    EXPECT_TRUE(d.menus().alarmSounds[0]->isChecked());
    EXPECT_EQ(timer("TimerAlarm")->interval(), 700);
}

TEST_F(AlarmSetup, SetAlarmStoresTheOpenPanelsSlotAndNeverArmsIt)
{
    setSetting("System", "Tips", "True");
    loaded();
    alarm().onCmdAlarmClick(4);
    EXPECT_EQ(text("lblAlarmHeader"), "Alarm 4 Settings");
    EXPECT_EQ(text("lblAlarmTime"), "12:59");
    EXPECT_FALSE(dashboard().tips().panel()->isHidden());
    AlarmSettingsPanel &panel = alarm().settingsPanel();
    panel.hour()->setValue(7);
    panel.minute()->setValue(5);
    EXPECT_EQ(text("lblAlarmHour"), "7AM");
    EXPECT_EQ(text("lblAlarmMin"), "5");
    EXPECT_EQ(text("lblAlarmTime"), "7:05 AM");
    panel.title()->setText("Pills");

    alarm().onCmdAlarmRightReleased(6); // another slot's popup, dismissed
    dashboard().menus().alarmPopUp->hide();
    panel.onCmdSetAlarmReleased(10, 10);
    EXPECT_EQ(setting("Clock", "AlarmTime4"), "7:05:00 AM");
    EXPECT_EQ(setting("Clock", "A4Title"), "7:05:00 AM: Pills");
    EXPECT_EQ(setting("Clock", "AlarmTime6"), "");
    EXPECT_EQ(setting("Clock", "Alarm4"), "");
    EXPECT_EQ(alarm().alarmSlots().title(4), "7:05:00 AM: Pills");
    EXPECT_EQ(alarm().alarmSlots().button(4)->toolTip(), "Alarm 4 (off): 7:05:00 AM: Pills");
    EXPECT_EQ(alarm().alarmSlots().button(6)->toolTip(), "Alarm 6 (off): not set");
    EXPECT_TRUE(find<QFrame>("picAlarms")->isHidden());
    EXPECT_TRUE(dashboard().tips().label()->text().startsWith("You have setup the alarm"));

    clock.current = QDateTime(QDate(2026, 12, 9), QTime(7, 4, 59, 500));
    check();
    EXPECT_FALSE(ringingShown());

    alarm().onCmdAlarmRightReleased(4);
    dashboard().menus().alarmOn->trigger();
    EXPECT_EQ(setting("Clock", "Alarm4"), "on");
    EXPECT_TRUE(alarm().alarmSlots().showsOn(4));
    EXPECT_EQ(alarm().alarmSlots().button(4)->accessibleName(), "Alarm 4 (on): 7:05:00 AM: Pills");
    clock.current = QDateTime(QDate(2026, 12, 10), QTime(7, 4, 59, 500));
    check();
    EXPECT_TRUE(ringingShown());
}

TEST_F(AlarmSetup, HourSliderEndsAreMidnightAndNoonOrZeroInTwentyFourHourMode)
{
    loaded();
    AlarmSettingsPanel &panel = alarm().settingsPanel();
    alarm().onCmdAlarmClick(1);
    panel.minute()->setValue(0);
    panel.hour()->setValue(24);
    EXPECT_EQ(text("lblAlarmTime"), "12:00 PM");
    panel.hour()->setValue(12);
    EXPECT_EQ(text("lblAlarmTime"), "12:00 AM");
    EXPECT_EQ(text("lblAlarmHour"), "12AM");
    panel.onCmdSetAlarmReleased(10, 10);
    EXPECT_EQ(setting("Clock", "AlarmTime1"), "12:00:00 AM");

    dashboard().menus().show24Hour->trigger();
    alarm().onCmdAlarmClick(2);
    panel.hour()->setValue(24);
    EXPECT_EQ(text("lblAlarmTime"), "0:00"); // no designator left over from 12-hour mode
    panel.hour()->setValue(19);
    EXPECT_EQ(text("lblAlarmTime"), "19:00");
    panel.onCmdSetAlarmReleased(10, 10);
    EXPECT_EQ(setting("Clock", "AlarmTime2"), "7:00:00 PM");
    panel.onCmdSetAlarmReleased(84, 10); // on the edge: outside
    EXPECT_EQ(alarm().settingsPanel().selectedSlot(), 2);
}

TEST_F(AlarmSetup, SoundsSetTheirIntervalTestingChangesNothing)
{
    Dashboard &d = loaded();
    d.menus().alarmSounds[3]->trigger(); // Bird
    EXPECT_EQ(setting("Clock", "AlarmFile"), "\\Alarms\\Bird.wav");
    EXPECT_EQ(setting("Clock", "AlarmType"), "Alarm");
    EXPECT_EQ(timer("TimerAlarm")->interval(), 4000);
    d.menus().alarmSounds[6]->trigger(); // Psycho keeps the interval in force
    EXPECT_EQ(timer("TimerAlarm")->interval(), 4000);
    EXPECT_TRUE(d.menus().alarmSounds[6]->isChecked());
    EXPECT_FALSE(d.menus().alarmSounds[3]->isChecked());

    d.menus().testAlarms[1]->trigger(); // its file is named "beep.wav"
    d.menus().testAlarms[5]->trigger();
    EXPECT_EQ(played(), QStringList({"Beep.wav", "Cuckoo.wav"}));
    EXPECT_EQ(setting("Clock", "AlarmFile"), "\\Alarms\\Psycho.wav");
    EXPECT_TRUE(d.menus().alarmSounds[6]->isChecked());

    d.menus().mp3->trigger(); // empty playlist: nothing changes
    EXPECT_EQ(prompter.shown.last().text, "You need an MP3 in the PlayList");
    EXPECT_FALSE(d.menus().mp3->isChecked());
    EXPECT_EQ(setting("Clock", "AlarmType"), "Alarm");
}

TEST_F(AlarmSetup, SnoozeDialogOffersOnlyItsLengths)
{
    Dashboard &d = loaded();
    d.menus().snoozeTime->trigger();
    auto *dialog = find<SnoozeDialog>("frmSnooze");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Set Snooze Duration");
    EXPECT_EQ(dialog->shownLength(), "5");
    EXPECT_FALSE(dialog->combo()->isEditable());
    EXPECT_EQ(dialog->combo()->count(), 20);
    EXPECT_FALSE(dialog->setButton()->isEnabled());
    dialog->combo()->setCurrentText("20");
    dialog->onCboSnoozeClick();
    EXPECT_EQ(dialog->shownLength(), "20");
    dialog->onCmdSetSnoozeReleased(10, 10);
    EXPECT_EQ(setting("Clock", "Snooze"), "20");
    EXPECT_EQ(d.menus().snoozeTime->text(), "Snooze: 20 Minutes");

    setSetting("Clock", "Snooze", "soon");
    alarm().menu().readSnoozeLength();
    EXPECT_EQ(d.menus().snoozeTime->text(), "Snooze: 5 Minutes");
}

} // namespace
