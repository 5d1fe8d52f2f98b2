// The shell's own menu items, the tray options panel, the tip panel and small controls.
#include "common/Twips.h"
#include "shell/ErrorReport.h"
#include "shell/SplashTiming.h"
#include "shell/SubPanels.h"
#include "support/DashboardFixture.h"
#include "widgets/LumoButton.h"
#include "widgets/TipPanel.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

namespace {

class ShellMenus : public DashboardFixture
{
protected:
    void SetUp() override { setSetting("System", "AutoHide", "True"); }
};

TEST_F(ShellMenus, MenuBarHasEveryTopLevelMenuInOrder)
{
    QStringList titles;
    for (QAction *action : dashboard().menuBar()->actions())
        titles << action->text();
    EXPECT_EQ(titles,
              QStringList({"&File", "T&ime Format", "&Alarm", "Ann&ounce Time", "&Program Info",
                           "&Weather", "&Email", "Web&Cam", "Internet &Links"}));
    // The two popup menus never show in the bar.
    EXPECT_EQ(dashboard().menus().popUp->title(), "PopUp");
    EXPECT_EQ(dashboard().menus().alarmPopUp->title(), "AlarmPopUp");
    EXPECT_EQ(dashboard().menus().testAlarms.size(), 8);
    EXPECT_EQ(dashboard().menus().alarmSounds[7]->text(), "Rooster");
}

TEST_F(ShellMenus, ShowTipsTogglesAndIsStored)
{
    Dashboard &d = loaded();
    d.menus().showTips->trigger();
    EXPECT_TRUE(d.menus().showTips->isChecked());
    EXPECT_EQ(setting("System", "Tips"), "True");
    d.menus().showTips->trigger();
    EXPECT_FALSE(d.menus().showTips->isChecked());
    EXPECT_EQ(setting("System", "Tips"), "False");
}

TEST_F(ShellMenus, TipPanelShowsAndHidesOnlyWhileTipsAreOn)
{
    Dashboard &d = loaded();
    TipPanel &tips = d.tips();
    tips.show("Step one", QPoint(4275, 2460));
    EXPECT_FALSE(tips.panel()->isVisibleTo(&d));

    d.onMnuShowTipsClick();
    tips.show("Step one", QPoint(4275, 2460));
    EXPECT_TRUE(tips.panel()->isVisibleTo(&d));
    EXPECT_EQ(tips.label()->text(), "Step one");
    EXPECT_EQ(tips.panel()->pos(), QPoint(twips(4275), twips(2460)));
    tips.onClick();
    EXPECT_FALSE(tips.panel()->isVisibleTo(&d));

    tips.show("Step two");
    d.onMnuShowTipsClick(); // tips off: a finishing step leaves the panel alone
    tips.hide();
    EXPECT_TRUE(tips.panel()->isVisibleTo(&d));
}

TEST_F(ShellMenus, TrayBoxesDriveTheIconAndAreStored)
{
    Dashboard &d = loaded();
    auto *check1 = find<QCheckBox>("Check1");
    auto *check2 = find<QCheckBox>("Check2");
    check1->click();
    EXPECT_TRUE(tray.shown);
    EXPECT_EQ(tray.toolTip, "Orvane: Double-click to restore");
    EXPECT_EQ(setting("System", "Tray"), "1");
    check2->click();
    EXPECT_EQ(tray.minimizeMode, 3);
    EXPECT_EQ(setting("System", "Minimize"), "1");
    check2->click(); // unticking puts the icon back to the state of "Show In tray?"
    EXPECT_EQ(tray.minimizeMode, 0);
    EXPECT_TRUE(tray.shown);
    check1->click();
    EXPECT_FALSE(tray.shown);
    EXPECT_EQ(setting("System", "Tray"), "0");
    EXPECT_EQ(setting("System", "Minimize"), "0");

    d.menus().trayOptions->trigger();
    EXPECT_TRUE(find<QFrame>("picTray")->isVisibleTo(&d));
    find<LumoButton>("Command1")->click(); // released at (10, 10)
    EXPECT_FALSE(find<QFrame>("picTray")->isVisibleTo(&d));
}

TEST_F(ShellMenus, StartupEntryMovesBetweenActiveAndParked)
{
    Dashboard &d = loaded();
    d.menus().removeFromStartup->trigger();
    EXPECT_EQ(autostart.current, Autostart::State::Absent);
    EXPECT_TRUE(prompter.shown.isEmpty());

    d.menus().addToStartup->trigger();
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_EQ(prompter.shown[0].title, "VERY IMPORTANT!");
    EXPECT_EQ(prompter.shown[0].icon, Prompter::Icon::Warning);
    EXPECT_EQ(prompter.shown[0].text,
              "It is very important to remove Orvane from the start-up "
              "menu if you choose to uninstall the software!");
    EXPECT_EQ(autostart.current, Autostart::State::Active);
    d.menus().removeFromStartup->trigger();
    EXPECT_EQ(autostart.current, Autostart::State::Parked);
    d.menus().addToStartup->trigger();
    EXPECT_EQ(autostart.current, Autostart::State::Active);
}

TEST_F(ShellMenus, HelpStartsTheHelpProgramOnlyWhenItIsThere)
{
    Dashboard &d = loaded();
    d.onMnuHelpClick();
    EXPECT_TRUE(shell.started.isEmpty());

    // The staged folder "Help" holds the topics; the program is found whatever its case.
    QDir().mkpath(appPath("Help"));
    writeFile(appPath("Help/orvanehelp"), "#!/bin/sh\n");
    QFile::setPermissions(appPath("Help/orvanehelp"), QFile::ReadOwner | QFile::ExeOwner);
    d.onMnuHelpClick();
    ASSERT_EQ(shell.started.size(), 1);
    EXPECT_EQ(shell.started[0], QStringList{appPath("Help/orvanehelp")});
}

TEST_F(ShellMenus, AboutAndLinks)
{
    Dashboard &d = loaded();
    d.menus().about->trigger();
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_TRUE(prompter.shown[0].text.startsWith("Orvane version 1.0\n"));
    EXPECT_TRUE(prompter.shown[0].text.contains("Weather data by Open-Meteo.com"));
    EXPECT_TRUE(prompter.shown[0].title.isEmpty());
    EXPECT_EQ(prompter.shown[0].buttons, Prompter::Buttons::Ok);

    for (QAction *link :
         {d.menus().webCamsOfTheWorld, d.menus().webCamSearch, d.menus().link1, d.menus().link2})
        link->trigger();
    ASSERT_EQ(shell.opened.size(), 4);
    EXPECT_TRUE(shell.opened[1].endsWith("/bin/search?p=Web+cams"));
    for (const QString &address : shell.opened)
        EXPECT_TRUE(address.startsWith("https://")) << address.toStdString();

    d.menus().restore->trigger();
    EXPECT_EQ(tray.restores, 1);
}

TEST_F(ShellMenus, SmallControlsOfTheSurface)
{
    Dashboard &d = loaded();
    auto *collect = find<QFrame>("picCollectData");
    collect->show();
    d.onPicCollectDataClick();
    EXPECT_FALSE(collect->isVisibleTo(&d));

    QFrame *warning = find<QFrame>("picWarning");
    warning->show();
    onCmdWarningCloseReleased(warning, 89, 10); // on the edge: outside
    EXPECT_TRUE(warning->isVisibleTo(&d));
    onCmdWarningCloseReleased(warning, 88, 25);
    EXPECT_FALSE(warning->isVisibleTo(&d));

    d.onFormDragDrop(find<QFrame>("picAlarms"), QPoint(40, 50));
    EXPECT_EQ(find<QFrame>("picAlarms")->pos(), QPoint(40, 50));
}

TEST(ErrorReport, DescriptionThenNumberInParentheses)
{
    ScriptedPrompter prompter;
    reportError(prompter, "File not found", 53);
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_EQ(prompter.shown[0].text, "File not found (53)");
    EXPECT_EQ(prompter.shown[0].title, "Orvane Error");
    EXPECT_EQ(prompter.shown[0].icon, Prompter::Icon::Critical);
}

TEST(SplashTiming, StaysUpMoreThanThreeSecondsHoweverFastTheLoad)
{
    EXPECT_EQ(splashRemainingMs(1000, 1000), 3001);
    EXPECT_EQ(splashRemainingMs(1000, 3500), 501);
    EXPECT_EQ(splashRemainingMs(1000, 4001), 0);
    EXPECT_EQ(splashRemainingMs(1000, 90000), 0);
}

} // namespace
