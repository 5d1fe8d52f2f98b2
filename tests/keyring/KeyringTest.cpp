#include "netutil/MailPassword.h"

#include "platform/IniSettingsStore.h"
#include "platform/KeychainSecretStore.h"

#include <QProcess>
#include <QSignalSpy>

#include <gtest/gtest.h>

// Run by keyring-test.sh on a private session bus with gnome-keyring; never on the user's.

namespace {

QString settingsFile()
{
    return qEnvironmentVariable("ORVANE_SETTINGS_DIR") + QStringLiteral("/settings.ini");
}

// What another program on the bus finds in the keyring under the password's attributes.
QString lookedUp()
{
    QProcess tool;
    tool.start(QStringLiteral("secret-tool"),
               {QStringLiteral("lookup"), QStringLiteral("user"), QStringLiteral("mail password")});
    tool.waitForFinished(10000);
    return QString::fromUtf8(tool.readAllStandardOutput());
}

// Loads the password as a start of the program does, and waits for the keyring's answers.
QString startAndLoad(IniSettingsStore &settings, KeychainSecretStore &keyring,
                     QStringList *notices = nullptr, QString *place = nullptr)
{
    MailPassword password(settings, keyring);
    QSignalSpy loaded(&password, &MailPassword::loaded);
    QSignalSpy placed(&password, &MailPassword::placeChanged);
    QObject::connect(&password, &MailPassword::notice,
                     [notices](const QString &text) { notices ? notices->append(text) : void(); });
    password.load();
    if (loaded.isEmpty())
        loaded.wait(10000);
    if (placed.isEmpty())
        placed.wait(10000);
    if (place)
        *place = password.placeText();
    return loaded.isEmpty() ? QStringLiteral("(no answer)") : loaded.at(0).at(0).toString();
}

} // namespace

TEST(Keyring, UnlockedTakesThePasswordFromTheFileAndGivesItBackAtTheNextStart)
{
    ASSERT_FALSE(qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"));
    KeychainSecretStore keyring;
    QStringList notices;
    QString place;
    {
        IniSettingsStore settings(settingsFile());
        settings.saveSetting("Settings", "Server", "mail.example.test");
        settings.saveSetting("Settings", "Password", "hunter2");
        EXPECT_EQ(startAndLoad(settings, keyring, &notices, &place), "hunter2");
        EXPECT_EQ(settings.getSetting("Settings", "Password"), "");
    }
    EXPECT_EQ(notices.size(), 1);
    EXPECT_TRUE(place.contains("desktop keyring")) << place.toStdString();
    EXPECT_EQ(lookedUp(), "hunter2");

    IniSettingsStore again(settingsFile());
    notices.clear();
    EXPECT_EQ(startAndLoad(again, keyring, &notices), "hunter2");
    EXPECT_TRUE(notices.isEmpty());
}

TEST(Keyring, RefusingLeavesThePasswordInThePrivateFileAndSaysSo)
{
    ASSERT_FALSE(qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"));
    KeychainSecretStore keyring;
    IniSettingsStore settings(settingsFile());
    settings.saveSetting("Settings", "Server", "mail.example.test");
    settings.saveSetting("Settings", "Password", "hunter2");
    QStringList notices;
    QString place;
    EXPECT_EQ(startAndLoad(settings, keyring, &notices, &place), "hunter2");
    EXPECT_EQ(settings.getSetting("Settings", "Password"), "hunter2");
    EXPECT_TRUE(notices.isEmpty());
    EXPECT_TRUE(place.contains("settings.ini") && place.contains("the keyring refused it"))
        << place.toStdString();
    EXPECT_EQ(QFile::permissions(settingsFile()) & (QFile::ReadGroup | QFile::ReadOther), 0);
}
