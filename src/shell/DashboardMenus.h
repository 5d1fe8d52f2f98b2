#pragma once

#include <QList>

class QAction;
class QMainWindow;
class QMenu;

// The dashboard's menu bar and its two hidden popup menus. Every item carries an object
// name ("mnu...") so the panel that owns it can find and wire it.
struct DashboardMenus
{
    // File
    QAction *showTips, *desktopNotifications, *trayOptions, *addToStartup, *removeFromStartup,
        *importContacts, *exportContacts, *importReminders, *exportReminders, *exit;
    // AlarmPopUp (hidden)
    QMenu *alarmPopUp;
    QAction *alarmOn, *alarmOff;
    // Time Format
    QAction *show24Hour, *showSeconds, *snoozeTime;
    // Alarm
    QAction *mp3, *cd;
    QList<QAction *> alarmSounds, testAlarms;
    // Announce Time
    QAction *every15, *every30, *everyHour;
    // Program Info
    QAction *currentPricing, *about, *help;
    // Weather (with its Source submenu), Email
    QAction *disableWeather, *sourceLive, *sourcePages, *setupEmail, *checkPop3Email, *disableEmail;
    // WebCam
    QAction *showWebCams, *webCamsOfTheWorld, *webCamSearch;
    // PopUp (hidden, offered by the tray icon)
    QMenu *popUp;
    QAction *restore, *viewWebCams;
    // Internet Links
    QAction *link1, *link2;

    static DashboardMenus build(QMainWindow *window);
};

// The eight sound names, in menu order.
const QList<const char *> &alarmSoundNames();
