#include "shell/DashboardMenus.h"

#include "shell/ShellTexts.h"

#include <QActionGroup>
#include <QMainWindow>
#include <QMenuBar>

namespace {

QAction *item(QMenu *menu, const QString &caption, const QString &name, bool checkable = false)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    action->setCheckable(checkable);
    return action;
}

QMenu *submenu(QWidget *parent, const QString &caption, const QString &name)
{
    auto *menu = new QMenu(caption, parent);
    menu->setObjectName(name);
    return menu;
}

} // namespace

const QList<const char *> &alarmSoundNames()
{
    static const QList<const char *> names{"Alarm", "Beep",   "Bell",   "Bird",
                                           "Buzz",  "Cuckoo", "Psycho", "Rooster"};
    return names;
}

DashboardMenus DashboardMenus::build(QMainWindow *window)
{
    DashboardMenus m{};
    QMenuBar *bar = window->menuBar();
    auto S = [](const char *s) {
        return QString::fromLatin1(s);
    };

    // Every title has its own access key: Alt and the letter open it from the keyboard. None is
    // a letter a panel's fields use (Date, Notify, Type, Title, Message).
    QMenu *file = bar->addMenu(S("&File"));
    file->setObjectName(S("mnuFile"));
    m.showTips = item(file, S("Show Tips"), S("mnuShowTips"), true);
    m.desktopNotifications
        = item(file, S("Desktop Notifications"), S("mnuDesktopNotifications"), true);
    m.trayOptions = item(file, S("&Tray Options"), S("mnuTrayOptions"));
    QMenu *startup = file->addMenu(S("&Startup Options"));
    startup->setObjectName(S("mnuStartupOptions"));
    m.addToStartup = item(startup, S("&Add To Startup"), S("mnuAddToStartup"));
    m.removeFromStartup = item(startup, S("&Remove From Startup"), S("mnuRemoveFromStartup"));
    file->addSeparator();
    m.importContacts = item(file, S("&Import Contacts..."), S("mnuImportContacts"));
    m.exportContacts = item(file, S("E&xport Contacts..."), S("mnuExportContacts"));
    m.importReminders = item(file, S("Import &Reminders..."), S("mnuImportReminders"));
    m.exportReminders = item(file, S("Export Re&minders..."), S("mnuExportReminders"));
    file->addSeparator();
    m.exit = item(file, S("&Exit"), S("mnuExit"));

    m.alarmPopUp = submenu(window, S("AlarmPopUp"), S("mnuAlarmPopUp"));
    m.alarmOn = item(m.alarmPopUp, S("On"), S("mnuAlarmOn"));
    m.alarmOff = item(m.alarmPopUp, S("Off"), S("mnuAlarmOff"));

    QMenu *format = bar->addMenu(S("T&ime Format"));
    format->setObjectName(S("mnuTimeFormat"));
    m.show24Hour = item(format, S("Show As 24-Hour Clock"), S("mnuShow24Hour"), true);
    m.showSeconds = item(format, S("Show Seconds"), S("mnuShowSeconds"), true);
    m.snoozeTime = item(format, S("Snooze Time"), S("mnuSnoozeTime"));

    QMenu *alarm = bar->addMenu(S("&Alarm"));
    alarm->setObjectName(S("mnuAlarm"));
    m.mp3 = item(alarm, S("MP3"), S("mnuMP3"), true);
    m.cd = item(alarm, S("CD"), S("mnuCD"), true);
    QMenu *sounds = alarm->addMenu(S("Alarm Sounds"));
    sounds->setObjectName(S("mnuAlarmSounds"));
    alarm->addSeparator();
    QMenu *tests = alarm->addMenu(S("Test Alarms"));
    tests->setObjectName(S("mnuTestAlarms"));
    for (int i = 0; i < alarmSoundNames().size(); ++i) {
        const QString caption = S(alarmSoundNames()[i]);
        m.alarmSounds.append(item(sounds, caption, S("mnuAlarmSound%1").arg(i), true));
        m.testAlarms.append(item(tests, caption, S("mnuTestAlarm%1").arg(i)));
    }

    QMenu *announce = bar->addMenu(S("Ann&ounce Time"));
    announce->setObjectName(S("mnuAnnounceTime"));
    m.every15 = item(announce, S("Every 15 Minutes"), S("mnuEvery15"), true);
    m.every30 = item(announce, S("Every 30 Minutes"), S("mnuEvery30"), true);
    m.everyHour = item(announce, S("Every Hour"), S("mnuEveryHour"), true);

    QMenu *info = bar->addMenu(S("&Program Info"));
    info->setObjectName(S("mnuProgramInfo"));
    m.currentPricing = item(info, S("Current Pricing"), S("mnuCurrentPricing"));
    m.about = item(info, S("About"), S("mnuAbout"));
    m.help = item(info, S("Help"), S("mnuHelp"));

    QMenu *weather = bar->addMenu(S("&Weather"));
    weather->setObjectName(S("mnuWeather"));
    m.disableWeather = item(weather, S("Disable Weather"), S("mnuDisableWeather"), true);
    QMenu *source = weather->addMenu(S("Source"));
    source->setObjectName(S("mnuWeatherSource"));
    m.sourceLive = item(source, S("Live (Open-Meteo)"), S("mnuSourceLive"), true);
    m.sourcePages = item(source, S("Weather Pages"), S("mnuSourcePages"), true);
    auto *sources = new QActionGroup(source);
    sources->addAction(m.sourceLive);
    sources->addAction(m.sourcePages);

    QMenu *email = bar->addMenu(S("&Email"));
    email->setObjectName(S("mnuEmail"));
    m.setupEmail = item(email, S("Setup Email"), S("mnuSetupEmail"));
    m.checkPop3Email = item(email, S("Check Pop3 Email"), S("mnuCheckPop3Email"));
    m.disableEmail = item(email, S("Disable Email"), S("mnuDisableEmail"), true);

    QMenu *webcam = bar->addMenu(S("Web&Cam"));
    webcam->setObjectName(S("mnuWebCam"));
    m.showWebCams = item(webcam, S("Show WebCams"), S("mnuShowWebCams"));
    QMenu *links = webcam->addMenu(S("WebCam Links"));
    links->setObjectName(S("mnuWebCamLinks"));
    m.webCamsOfTheWorld = item(links, S("WebCams of the World"), S("mnuWebCamsOfTheWorld"));
    m.webCamSearch = item(links, S("Yahoo WebCam Search"), S("mnuWebCamSearch"));

    m.popUp = submenu(window, S("PopUp"), S("mnuPopUp"));
    m.restore = item(m.popUp, S("Restore Orvane"), S("mnuRestore"));
    m.viewWebCams = item(m.popUp, S("View WebCams"), S("mnuViewWebCams"));

    QMenu *internet = bar->addMenu(S("Internet &Links"));
    internet->setObjectName(S("mnuInternetLinks"));
    m.link1 = item(internet, ShellTexts::kSecondCamDirectoryCaption, S("mnuLink1"));
    m.link2 = item(internet, ShellTexts::kMakerSiteCaption, S("mnuLink2"));
    return m;
}
