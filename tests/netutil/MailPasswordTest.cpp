#include "netutil/MailPassword.h"
#include "netutil/MailAccount.h"

#include "platform/IniSettingsStore.h"
#include "support/Fakes.h"

#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using Outcome = SecretStore::Outcome;
using Place = MailPassword::Place;

struct Profile
{
    QTemporaryDir dir;
    IniSettingsStore settings{dir.path() + QStringLiteral("/settings.ini")};
    QString password() { return settings.getSetting("Settings", "Password"); }
};

} // namespace

TEST(MailPassword, MovesToAKeyringThatTakesItAndStaysInTheFileWhereNoneDoes)
{
    const struct
    {
        Outcome keyring;
        const char *fileAfter;
        Place place;
        const char *placeSays;
    } cases[] = {
        {Outcome::Done, "", Place::Keyring, "desktop keyring"},
        {Outcome::NoKeyring, "secret", Place::SettingsFile, "no desktop keyring answered"},
        {Outcome::Refused, "secret", Place::SettingsFile, "the keyring refused it"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(int(c.keyring));
        Profile profile;
        profile.settings.saveSetting("Settings", "Server", "mail.example.test");
        profile.settings.saveSetting("Settings", "Password", "secret");
        MemorySecretStore keyring;
        keyring.failure = c.keyring;

        MailPassword first(profile.settings, keyring);
        QSignalSpy loaded(&first, &MailPassword::loaded);
        QSignalSpy notices(&first, &MailPassword::notice);
        first.load();
        ASSERT_EQ(loaded.size(), 1);
        EXPECT_EQ(loaded.at(0).at(0).toString(), "secret");
        EXPECT_EQ(profile.password(), c.fileAfter);
        EXPECT_EQ(first.place(), c.place);
        EXPECT_TRUE(first.placeText().contains(c.placeSays)) << first.placeText().toStdString();
        EXPECT_EQ(notices.size(), c.place == Place::Keyring ? 1 : 0);

        // The next start finds it where the first left it, and says nothing more.
        MailPassword second(profile.settings, keyring);
        QSignalSpy again(&second, &MailPassword::loaded);
        QSignalSpy quiet(&second, &MailPassword::notice);
        second.load();
        ASSERT_EQ(again.size(), 1);
        EXPECT_EQ(again.at(0).at(0).toString(), "secret");
        EXPECT_EQ(quiet.size(), 0);

        // A typed password goes to the same place; the file never keeps a keyring's copy.
        second.save("typed");
        EXPECT_EQ(profile.password(), c.place == Place::Keyring ? "" : "typed");
        EXPECT_EQ(keyring.secrets.value("mail password"), c.place == Place::Keyring ? "typed" : "");
        second.save(QString());
        EXPECT_TRUE(keyring.secrets.isEmpty());
        EXPECT_EQ(profile.password(), "");

        // A profile without a mail server leaves the keyring asleep.
        profile.settings.saveSetting("Settings", "Server", QString());
        const int calls = keyring.calls;
        MailPassword unused(profile.settings, keyring);
        QSignalSpy none(&unused, &MailPassword::loaded);
        unused.load();
        EXPECT_EQ(none.size(), 1);
        EXPECT_EQ(keyring.calls, calls);
    }
}

TEST(MailConnection, OldProfilesKeepPlainTextNewOnesStartEncryptedAndOddValuesNeverMeanPlain)
{
    const struct
    {
        const char *server, *security, *protocol;
        const char *wantSecurity, *wantProtocol;
    } cases[] = {
        {"pop.example.test", "", "", "None", "POP3"}, // from before the choice existed
        {"", "", "", "SSL/TLS", "POP3"},              // a new profile
        {"pop.example.test", "starttls", "imap", "STARTTLS", "IMAP"},
        {"pop.example.test", "plain please", "X.400", "SSL/TLS", "POP3"},
    };
    for (const auto &c : cases) {
        Profile profile;
        profile.settings.saveSetting("Settings", "Server", c.server);
        profile.settings.saveSetting("Settings", "Security", c.security);
        profile.settings.saveSetting("Settings", "Protocol", c.protocol);
        const MailConnection connection = MailConnection::load(profile.settings);
        EXPECT_EQ(connection.security, c.wantSecurity) << c.security;
        EXPECT_EQ(connection.protocol, c.wantProtocol) << c.protocol;
    }
}
