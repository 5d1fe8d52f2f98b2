#pragma once

#include <QString>

// Texts of the webcam window and its dialogs.
namespace WebcamTexts {

inline const QString kCaption = QStringLiteral("ORVANE WebCam");
inline const QString kHomePage = QStringLiteral("https://orvane.example.org/");
inline const QString kLogoTip = QStringLiteral(" Click here to visit the Camzel Website ");
inline const QString kBadRate
    = QStringLiteral("Refresh Rate must be an integer between 1 and 3600.");
inline const QString kReplaceCam
    = QStringLiteral("A cam by that name already exists.\r\nWould you like to replace it?");
inline const QString kSavePrefs
    = QStringLiteral("Do you wish to save the changes you have made to your preferences?");
inline QString removeQuestion(const QString &title)
{
    return QStringLiteral("Are you certain you wish to remove the cam, \"%1\"?").arg(title);
}

} // namespace WebcamTexts
