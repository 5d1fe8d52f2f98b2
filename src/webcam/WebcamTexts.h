#pragma once

#include <QString>

// Texts of the webcam window and its dialogs.
namespace WebcamTexts {

inline const QString kCaption = QStringLiteral("ORVANE WebCam");
inline const QString kHomePage = QStringLiteral("https://orvane.example.org/");
inline const QString kWelcomeHint
    = QStringLiteral("Choose a cam in the list on the left. To add one, use Edit \u2192 Add Cam, "
                     "or type the address of a picture in the address bar.");
inline const QString kLogoTip = QStringLiteral(" Click here to visit the Camzel Website ");
inline const QString kBadRate
    = QStringLiteral("Refresh Rate must be an integer between 1 and 3600.");
inline const QString kAddressTooLong
    = QStringLiteral("The cam's address is longer than 254 characters, which the list of cams "
                     "cannot keep whole.\r\nPlease use a shorter address.");
inline const QString kReplaceCam
    = QStringLiteral("A cam by that name already exists.\r\nWould you like to replace it?");
inline const QString kSavePrefs
    = QStringLiteral("Do you wish to save the changes you have made to your preferences?");
inline QString removeQuestion(const QString &title)
{
    return QStringLiteral("Are you certain you wish to remove the cam, \"%1\"?").arg(title);
}

// The download's messages, with their titles.
inline const QString kDownloadError = QStringLiteral("Error Downloading File");
inline const QString kNothingToDownload = QStringLiteral("Nothing to download!");
inline const QString kAuthorizationFailed = QStringLiteral("Authorization failed!");
inline const QString kCannotConnect = QStringLiteral(
    "Cannot establish connection.\r\rCheck your Internet connection and try again.");
inline const QString kNoSpace
    = QStringLiteral("There is not enough free space on disk for this "
                     "file.\r\rPlease free up some disk space and try again.");
inline QString notFound(const QString &url)
{
    return QStringLiteral("Cam download failed!\r\nThe image, \"%1\" was not found.").arg(url);
}
inline QString serverResponse(const QString &statusLine)
{
    return QStringLiteral("The server returned the following response:\r\r") + statusLine;
}
inline QString errorOccurred(const QString &description)
{
    return QStringLiteral("Error: ") + description + QStringLiteral(" occurred.");
}
inline QString cannotWrite(int number, const QString &description)
{
    return QStringLiteral("Cannot write file to disk.\r\rError %1: %2")
        .arg(number)
        .arg(description);
}

} // namespace WebcamTexts
