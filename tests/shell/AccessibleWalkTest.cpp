// Every window and dialog, walked as a screen reader and a keyboard user meet it.
#include "support/AccessibleWalk.h"
#include "clock/AlarmMenu.h"
#include "clock/AlarmPanel.h"
#include "clock/SnoozeDialog.h"
#include "music/AddMusicWindow.h"
#include "music/MusicPanel.h"
#include "netutil/MailPanel.h"
#include "netutil/MailSetupDialog.h"
#include "shell/SubPanels.h"
#include "support/DashboardFixture.h"
#include "weather/SearchFor.h"
#include "weather/WeatherFieldsView.h"
#include "weather/WeatherPanel.h"
#include "webcam/CamTree.h"
#include "webcam/frmAddModify.h"
#include "webcam/frmMain.h"
#include "webcam/frmPrefs.h"

#include <QFrame>

#include <cstdio>

namespace {

class AccessibleWalkTest : public DashboardFixture
{
protected:
    void check(QWidget *window, const QString &name, AccessibleWalk walk = {})
    {
        ASSERT_TRUE(window) << name.toStdString();
        window->show();
        walk.walk(window);
        std::printf("%s\n", qPrintable(walk.summary(name)));
        EXPECT_TRUE(walk.faults.isEmpty()) << walk.faults.join('\n').toStdString();
        EXPECT_GT(walk.controls, 0) << name.toStdString();
    }
};

TEST_F(AccessibleWalkTest, EveryWindowAndDialogIsNamedReadAndReachedByTab)
{
    Dashboard &d = loaded();
    d.show();
    // Values on show, as after a report: each is read with its caption.
    d.weather().fields().setText(WeatherField::Humidity, "45%");
    d.weather().fields().setText(WeatherField::Today, "Sunny, with a high near 50.");
    AccessibleWalk dashboard;
    dashboard.walk(&d);
    for (const SubPanelPlace &place : subPanelPlaces()) {
        QFrame *panel = d.subPanel(place.name);
        panel->show();
        dashboard.walk(&d);
        panel->hide();
    }
    check(&d, "dashboard", dashboard);

    d.weather().openCitySearch();
    check(d.weather().citySearch(), "city search");
    d.mail().onMnuSetupEmailClick();
    check(&d.mail().setupDialog(), "mail setup");
    d.alarmPanel().menu().onMnuSnoozeTimeClick();
    check(d.alarmPanel().menu().snoozeDialog(), "snooze time");
    d.music().onCmdGetMusicReleased(10, 10);
    check(d.music().addMusicWindow(), "find music");

    d.onMnuShowWebCamsClick();
    frmMain *cams = d.webCams();
    check(cams, "webcam window");
    cams->onMnuPreferencesClick();
    check(cams->prefsDialog(), "webcam preferences");
    cams->camTree().onMnuAddCamClick();
    check(cams->camDialog(), "add cam");
}

} // namespace
