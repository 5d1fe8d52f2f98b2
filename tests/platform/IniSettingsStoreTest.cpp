#include "platform/IniSettingsStore.h"
#include "support/Fakes.h"
#include "support/Unprivileged.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <unistd.h>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &data)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(data), data.size());
}

// Moves the modification time on, so a rewrite within the file system's time granularity still
// looks like the change it is.
void touchLater(const QString &path, int seconds)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QDateTime old = file.fileTime(QFileDevice::FileModificationTime);
    ASSERT_TRUE(file.setFileTime(old.addSecs(seconds), QFileDevice::FileModificationTime));
}

// Counts warnings instead of printing them, for as long as it lives.
class WarningCounter
{
public:
    WarningCounter() { s_count = 0, m_previous = qInstallMessageHandler(&count); }
    ~WarningCounter() { qInstallMessageHandler(m_previous); }
    int warnings() const { return s_count; }

private:
    static void count(QtMsgType type, const QMessageLogContext &, const QString &)
    {
        s_count += type == QtWarningMsg ? 1 : 0;
    }
    static inline int s_count = 0;
    QtMessageHandler m_previous;
};

class EnvironmentVariable
{
public:
    explicit EnvironmentVariable(const char *name)
        : m_name(name)
        , m_had(qEnvironmentVariableIsSet(name))
        , m_old(qgetenv(name))
    {
    }
    ~EnvironmentVariable() { m_had ? qputenv(m_name, m_old) : qunsetenv(m_name); }

private:
    const char *m_name;
    bool m_had;
    QByteArray m_old;
};

class IniSettingsStoreTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    QString folder() const { return m_dir.filePath("Orvanenm"); }
    QString path() const { return folder() + "/settings.ini"; }
    void writeSettings(const QByteArray &data)
    {
        QDir().mkpath(folder());
        writeAll(path(), data);
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(IniSettingsStoreTest, FirstSaveMakesTheFolderAndLaterStoresReadIt)
{
    IniSettingsStore store(path());
    EXPECT_EQ(store.getSetting("Clock", "Alarm", "none"), "none");
    EXPECT_FALSE(QDir(folder()).exists()); // reading makes nothing

    store.saveSetting("Clock", "Alarm", "07:30 AM");
    EXPECT_EQ(readAll(path()), "[Clock]\nAlarm=07:30 AM\n");
    EXPECT_EQ(IniSettingsStore(path()).getSetting("clock", "ALARM"), "07:30 AM");
}

TEST_F(IniSettingsStoreTest, TheFileAndItsFolderArePrivateToTheUser)
{
    const auto mode = [](const QString &file) {
        struct stat info = {};
        ::stat(QFile::encodeName(file).constData(), &info);
        return info.st_mode & 07777;
    };
    // A file an earlier version left readable by everyone: private as soon as it is read.
    writeSettings("[Settings]\nPassword=secret\n");
    ::chmod(QFile::encodeName(path()).constData(), 0644);
    ::chmod(QFile::encodeName(folder()).constData(), 0755);
    IniSettingsStore store(path());
    EXPECT_EQ(store.getSetting("Settings", "Password"), "secret");
    EXPECT_EQ(mode(path()), 0600u);
    // Every save writes the file private from its first byte, and the folder too.
    store.saveSetting("Settings", "Password", "other");
    EXPECT_EQ(mode(path()), 0600u);
    EXPECT_EQ(mode(folder()), 0700u);
    QFile::remove(path());
    QDir().rmdir(folder());
    IniSettingsStore fresh(path());
    fresh.saveSetting("Settings", "User", "alice");
    EXPECT_EQ(mode(path()), 0600u);
    EXPECT_EQ(mode(folder()), 0700u);
}

TEST_F(IniSettingsStoreTest, NamesIgnoreCaseAndTheLastWriteWins)
{
    IniSettingsStore store(path());
    store.saveSetting("System", "Theme", "Blue");
    store.saveSetting("system", "THEME", "Red");
    store.saveSetting("SYSTEM", "theme", "Green");
    EXPECT_EQ(store.getSetting("sYsTeM", "tHeMe"), "Green");
    EXPECT_EQ(readAll(path()), "[System]\nTheme=Green\n");
    store.saveSetting("System", "Empty", "");
    EXPECT_EQ(store.getSetting("System", "Empty", "default"), ""); // stored empty is not absent
}

TEST_F(IniSettingsStoreTest, ValuesRoundTripExactly)
{
    const QStringList values = {"  leading",
                                "trailing  ",
                                " ",
                                "a=b;c",
                                "; not a comment",
                                "# nor this",
                                "\"quoted\"",
                                "\"",
                                "say \"hi\"",
                                "line1\nline2",
                                "cr\r\nlf\r",
                                "\n",
                                "C:\\Music\\a",
                                "\\n is not a line break",
                                "[Section]",
                                "tab\there\t",
                                QString::fromUtf8("Köln € 東京"),
                                ""};
    {
        IniSettingsStore store(path());
        for (int i = 0; i < values.size(); ++i)
            store.saveSetting("Values", QString("Key%1").arg(i), values[i]);
    }
    IniSettingsStore fresh(path()); // nothing cached: everything comes from the file
    for (int i = 0; i < values.size(); ++i)
        EXPECT_EQ(fresh.getSetting("Values", QString("Key%1").arg(i), "absent"), values[i]) << i;
}

TEST_F(IniSettingsStoreTest, PlainValuesStayPlainAndHandWrittenQuotesAreKept)
{
    writeSettings("[Hand]\nOpen=\"unfinished\nOdd=\"a\"b\"\nQuoted=\"A \\\"B\\\"\"\n");
    IniSettingsStore store(path());
    EXPECT_EQ(store.getSetting("Hand", "Open"), "\"unfinished");
    EXPECT_EQ(store.getSetting("Hand", "Odd"), "\"a\"b\"");
    EXPECT_EQ(store.getSetting("Hand", "Quoted"), "A \"B\"");

    store.saveSetting("Paths", "Sound", "\\Alarms\\Bell.wav");
    store.saveSetting("Paths", "Query", "a=b;c");
    store.saveSetting("Paths", "Padded", " x");
    EXPECT_TRUE(readAll(path()).endsWith(
        "[Paths]\nSound=\\Alarms\\Bell.wav\nQuery=a=b;c\nPadded=\" x\"\n"));
}

TEST_F(IniSettingsStoreTest, CommentsAndLineEndsOfTheFileSurviveASave)
{
    const QByteArray original = "; written by hand\r\n[Clock]\r\n# keep me\r\nAlarm=07:00 AM\r\n"
                                "what is this\r\n\r\n[Music]\r\nVolume=80\r\n";
    writeSettings(original);
    IniSettingsStore store(path());
    store.saveSetting("clock", "alarm", "08:00 AM");
    store.saveSetting("Clock", "Snooze", "5");
    store.saveSetting("Weather", "City", "Oslo");
    QByteArray expected = original;
    expected.replace("Alarm=07:00 AM\r\n", "Alarm=08:00 AM\r\nSnooze=5\r\n");
    expected += "\r\n[Weather]\r\nCity=Oslo\r\n";
    EXPECT_EQ(readAll(path()), expected);
}

TEST_F(IniSettingsStoreTest, SeesAnotherWritersChangesAndKeepsThemOnSave)
{
    IniSettingsStore store(path());
    store.saveSetting("A", "Mine", "1");
    EXPECT_EQ(store.getSetting("A", "Other", "none"), "none");

    // Another process rewrites the file; the same size, so only the time tells.
    writeAll(path(), "[A]\nMine=2\n");
    touchLater(path(), 10);
    EXPECT_EQ(store.getSetting("A", "Mine"), "2");

    writeAll(path(), "[A]\nMine=2\nOther=3\n");
    store.saveSetting("B", "Later", "4"); // rereads first, so Other is not lost
    EXPECT_EQ(readAll(path()), "[A]\nMine=2\nOther=3\n\n[B]\nLater=4\n");
    EXPECT_EQ(store.getSetting("A", "Other"), "3");

    ASSERT_TRUE(QFile::remove(path()));
    EXPECT_EQ(store.getSetting("A", "Mine", "gone"), "gone");
}

TEST_F(IniSettingsStoreTest, CorruptFileReadsAsDefaultsAndReadsNeverWrite)
{
    QByteArray junk(4096, '\0');
    for (int i = 0; i < junk.size(); ++i)
        junk[i] = char((i * 7919) % 251); // every byte value, including NUL, CR and LF
    writeSettings(junk);
    touchLater(path(), -3600);
    const QDateTime before = QFileInfo(path()).lastModified();

    IniSettingsStore store(path());
    EXPECT_EQ(store.getSetting("Clock", "Alarm", "default"), "default");
    EXPECT_EQ(store.getSetting("Clock", "Alarm", "default"), "default");
    EXPECT_EQ(readAll(path()), junk);
    EXPECT_EQ(QFileInfo(path()).lastModified(), before);

    store.saveSetting("Clock", "Alarm", "07:00 AM"); // readable, so rewriting keeps its bytes
    EXPECT_TRUE(readAll(path()).startsWith(junk));
    EXPECT_EQ(IniSettingsStore(path()).getSetting("Clock", "Alarm"), "07:00 AM");
}

// The one box a run shows when its settings cannot be saved.
void expectToldOnce(const ScriptedPrompter &prompter, const QString &file)
{
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_EQ(prompter.shown[0].icon, Prompter::Icon::Warning);
    EXPECT_TRUE(prompter.shown[0].text.contains("'" + file + "'"))
        << prompter.shown[0].text.toStdString();
}

TEST_F(IniSettingsStoreTest, UnreadableFileIsNeverReplaced)
{
    if (rerunAsNobody())
        return;
    writeSettings("[Private]\nKey=secret\n");
    ASSERT_TRUE(QFile::setPermissions(path(), QFileDevice::WriteOwner));

    ScriptedPrompter prompter;
    IniSettingsStore store(path());
    store.setPrompter(&prompter);
    EXPECT_EQ(store.getSetting("Private", "Key", "default"), "default");
    {
        WarningCounter counter;
        store.saveSetting("Clock", "Alarm", "07:00 AM");
        store.saveSetting("Clock", "Snooze", "5");
        EXPECT_EQ(counter.warnings(), 2);
    }
    expectToldOnce(prompter, path());
    EXPECT_EQ(store.getSetting("Clock", "Alarm"), "07:00 AM"); // still known in memory
    ASSERT_TRUE(QFile::setPermissions(path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    EXPECT_EQ(readAll(path()), "[Private]\nKey=secret\n");
}

TEST_F(IniSettingsStoreTest, WriteProtectedFileAndFolderAreToldOnceAndLeftAlone)
{
    if (rerunAsNobody())
        return;
    writeSettings("[Clock]\nAlarm=06:00 AM\n");
    const auto readOnly = QFileDevice::ReadOwner | QFileDevice::ExeOwner;
    ASSERT_TRUE(QFile::setPermissions(path(), QFileDevice::ReadOwner));
    ASSERT_TRUE(QFile::setPermissions(folder(), readOnly));

    ScriptedPrompter prompter;
    IniSettingsStore store(path());
    store.setPrompter(&prompter);
    EXPECT_EQ(store.getSetting("Clock", "Alarm"), "06:00 AM");
    store.saveSetting("Clock", "Alarm", "07:00 AM");
    store.saveSetting("Clock", "Snooze", "5");
    expectToldOnce(prompter, path());
    EXPECT_EQ(store.getSetting("Clock", "Alarm"), "07:00 AM");
    QFile::setPermissions(folder(), readOnly | QFileDevice::WriteOwner);
    EXPECT_EQ(readAll(path()), "[Clock]\nAlarm=06:00 AM\n");
}

TEST_F(IniSettingsStoreTest, FailedWriteWarnsOnceAndKeepsTheValue)
{
    // These hold for root too: a file where the folder should be, a folder where the file
    // should be.
    writeAll(m_dir.filePath("blocker"), "a file where the folder should be");
    QDir().mkpath(path());
    for (const QString &file : {m_dir.filePath("blocker/settings.ini"), path()}) {
        ScriptedPrompter prompter;
        IniSettingsStore store(file);
        store.setPrompter(&prompter);
        WarningCounter counter;
        store.saveSetting("Clock", "Alarm", "07:00 AM");
        store.saveSetting("Clock", "Alarm", "08:00 AM");
        EXPECT_EQ(counter.warnings(), 2);
        EXPECT_EQ(store.getSetting("Clock", "Alarm"), "08:00 AM");
        expectToldOnce(prompter, file);
    }
    EXPECT_TRUE(QFileInfo(path()).isDir());
}

TEST_F(IniSettingsStoreTest, SavesLeaveNoTemporaryFilesBehind)
{
    IniSettingsStore store(path());
    for (int i = 0; i < 20; ++i)
        store.saveSetting(QString("S%1").arg(i % 3), "Count", QString::number(i));
    EXPECT_EQ(QDir(folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"settings.ini"});
    EXPECT_EQ(store.getSetting("s1", "count"), "19");
}

TEST(IniSettingsStorePath, FollowsTheEnvironment)
{
    const EnvironmentVariable own("ORVANE_SETTINGS_DIR"), xdg("XDG_CONFIG_HOME"), home("HOME");
    qputenv("ORVANE_SETTINGS_DIR", "/tmp/own");
    qputenv("XDG_CONFIG_HOME", "/tmp/xdg");
    qputenv("HOME", "/tmp/home");
    EXPECT_EQ(IniSettingsStore::defaultPath(), "/tmp/own/settings.ini");
    qunsetenv("ORVANE_SETTINGS_DIR");
    EXPECT_EQ(IniSettingsStore::defaultPath(), "/tmp/xdg/Orvanenm/settings.ini");
    qputenv("XDG_CONFIG_HOME", "");
    EXPECT_EQ(IniSettingsStore::defaultPath(), "/tmp/home/.config/Orvanenm/settings.ini");
}
