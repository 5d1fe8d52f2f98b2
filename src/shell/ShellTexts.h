#pragma once

#include <QString>

// Texts and addresses of the shell, kept in one place.
namespace ShellTexts {

inline const QString kTrayToolTip = QStringLiteral("Orvane: Double-click to restore");
inline const QString kConnected = QStringLiteral("Connected to the Internet");
inline const QString kNotConnected = QStringLiteral("Not Connected to the Internet");
inline const QString kCaptionPrefix = QStringLiteral("Orvane    ");

// The task-bar advice, once per user. The desktop panel takes the place of the task bar.
QString taskbarAdvice();
inline const QString kAdviceTitle = QStringLiteral("AutoHide Taskbar");

QString aboutText();
inline const QString kStartupWarning = QStringLiteral(
    "It is very important to remove Orvane from the start-up menu if you choose to uninstall "
    "the software!");
inline const QString kStartupWarningTitle = QStringLiteral("VERY IMPORTANT!");

// Link items.
inline const QString kWebCamsOfTheWorld = QStringLiteral("https://www.earthcam.com/");
inline const QString kWebCamSearch
    = QStringLiteral("https://search.yahoo.com/bin/search?p=Web+cams");
inline const QString kSecondCamDirectoryCaption = QStringLiteral("SkylineWebcams");
inline const QString kSecondCamDirectory = QStringLiteral("https://www.skylinewebcams.com/");
inline const QString kMakerSiteCaption = QStringLiteral("Orvane Home Page");
inline const QString kMakerSite = QStringLiteral("https://orvane.example.org/");

// The help program, relative to the application folder.
inline const QString kHelpProgram = QStringLiteral("\\Help\\OrvaneHelp");

} // namespace ShellTexts
