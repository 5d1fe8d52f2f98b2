#include "platform/XdgAutostart.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

// A launcher's reading of an Exec value, layer by layer: the file's string escapes, then the
// field codes (only "%%" may appear), then the quoting into arguments. {} if it would refuse.
QStringList decodeExec(const QString &value)
{
    static const QMap<QChar, QChar> escapes{
        {'s', ' '}, {'n', '\n'}, {'t', '\t'}, {'r', '\r'}, {'\\', '\\'}};
    QString text;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == '\\' || c == '%') {
            const QChar next = ++i < value.size() ? value[i] : QChar();
            if (c == '%' ? next != '%' : !escapes.contains(next))
                return {};
            text += c == '%' ? c : escapes[next];
        } else {
            text += c;
        }
    }
    QStringList args;
    QString arg;
    bool inArg = false, quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted && c == '\\') {
            if (++i == text.size() || !QStringLiteral("\"`$\\").contains(text[i]))
                return {};
            arg += text[i];
        } else if (c == '"') {
            quoted = !quoted;
            inArg = true;
        } else if (quoted && (c == '`' || c == '$')) {
            return {}; // must have been escaped
        } else if (!quoted && c == ' ') {
            if (inArg)
                args.append(arg);
            arg.clear();
            inArg = false;
        } else if (!quoted && QStringLiteral("\\'<>~|&;*?#()`$\t\n").contains(c)) {
            return {}; // reserved characters only ever appear quoted
        } else {
            arg += c;
            inArg = true;
        }
    }
    if (quoted)
        return {};
    if (inArg)
        args.append(arg);
    return args;
}

QMap<QString, QString> readEntry(const QString &path)
{
    QMap<QString, QString> keys;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return keys;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    EXPECT_EQ(lines.value(0), QStringLiteral("[Desktop Entry]"));
    for (const QString &line : lines) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq > 0)
            keys.insert(line.left(eq), line.mid(eq + 1));
    }
    return keys;
}

class XdgAutostartTest : public ::testing::Test
{
protected:
    QTemporaryDir temp;
    QString folder = temp.path() + QStringLiteral("/config/autostart");
    QString program = QStringLiteral("/opt/Orvane Suite/Orvane");
    QString launchers = temp.path() + QStringLiteral("/data/Orvanenm");
    XdgAutostart autostart{folder, program, launchers};
    QString entry = folder + QStringLiteral("/orvane.desktop");
};

} // namespace

TEST_F(XdgAutostartTest, AddCreatesTheFolderAndAnActiveEntry)
{
    ASSERT_EQ(autostart.state(), Autostart::State::Absent);
    autostart.addToStartup();

    EXPECT_EQ(autostart.state(), Autostart::State::Active);
    const auto keys = readEntry(entry);
    EXPECT_EQ(keys.value("Type"), "Application");
    EXPECT_EQ(keys.value("Name"), "Orvane");
    EXPECT_EQ(keys.value("Comment"), "Reminders, clock, music and more");
    EXPECT_EQ(keys.value("Terminal"), "false");
    EXPECT_NE(keys.value("Hidden", "false"), "true");
    EXPECT_EQ(decodeExec(keys.value("Exec")), QStringList{program});
    EXPECT_FALSE(QFileInfo::exists(launchers)); // a plain path needs no launcher script
}

TEST_F(XdgAutostartTest, RemoveParksTheEntryInsteadOfDeletingIt)
{
    autostart.addToStartup();
    autostart.removeFromStartup();

    ASSERT_TRUE(QFile::exists(entry));
    EXPECT_EQ(autostart.state(), Autostart::State::Parked);
    const auto keys = readEntry(entry);
    EXPECT_EQ(keys.value("Hidden"), "true");
    EXPECT_EQ(decodeExec(keys.value("Exec")), QStringList{program});
}

TEST_F(XdgAutostartTest, RemoveThenAddLeavesExactlyOneActiveEntry)
{
    autostart.addToStartup();
    autostart.removeFromStartup();
    autostart.addToStartup();

    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("orvane.desktop")});
    EXPECT_EQ(autostart.state(), Autostart::State::Active);
    EXPECT_NE(readEntry(entry).value("Hidden", "false"), "true");
}

TEST_F(XdgAutostartTest, RemoveWithoutAnAutostartFolderCreatesNothing)
{
    autostart.removeFromStartup();

    EXPECT_FALSE(QFileInfo::exists(folder));
    EXPECT_EQ(autostart.state(), Autostart::State::Absent);
}

TEST_F(XdgAutostartTest, HiddenIsReadWithoutRegardToCaseAndOnlyInItsGroup)
{
    QDir().mkpath(folder);
    QFile file(entry);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Desktop Entry]\nExec=x\nHidden = TRUE\n");
    file.flush();
    EXPECT_EQ(autostart.state(), Autostart::State::Parked);
    file.resize(0);
    file.write("[Desktop Entry]\nExec=x\n[Desktop Action quit]\nHidden=true\n");
    file.flush();
    EXPECT_EQ(autostart.state(), Autostart::State::Active);
}

TEST_F(XdgAutostartTest, FailingToWriteIsQuiet)
{
    // A plain file where the folder should be: the folder cannot be made (even as root).
    QFile blocker(folder);
    QDir().mkpath(temp.path() + QStringLiteral("/config"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    autostart.addToStartup();
    EXPECT_EQ(autostart.state(), Autostart::State::Absent);

    // A folder where the entry should be: the entry cannot be replaced.
    const QString otherFolder = temp.path() + QStringLiteral("/other");
    QDir().mkpath(otherFolder + QStringLiteral("/orvane.desktop"));
    XdgAutostart other(otherFolder, program, launchers);
    other.removeFromStartup();
    other.addToStartup();
    EXPECT_TRUE(QFileInfo(otherFolder + QStringLiteral("/orvane.desktop")).isDir());
}

TEST(XdgAutostartExec, AwkwardPathsStartExactlyThatProgram)
{
    const QStringList paths{
        QStringLiteral("/usr/bin/orvane"),
        QStringLiteral("/home/ann/My Programs/Orvane"),
        QStringLiteral("/tmp/it's \"quoted\"/Orvane"),
        QStringLiteral("/tmp/$HOME/`id`/$(reboot)/Orvane"),
        QStringLiteral("/tmp/back\\slash\\\\twice/Orvane"),
        QStringLiteral("/tmp/100% sure/%f %%u/Orvane"),
        QStringLiteral("/tmp/tab\tand\nnewline/Orvane"),
        QStringLiteral("/tmp/ünïcødé ~ & ; | * ? # ( ) < >/Orvane"),
    };
    for (const QString &path : paths)
        EXPECT_EQ(decodeExec(XdgAutostart::execValue(path)), QStringList{path}) << qPrintable(path);
}

TEST(XdgAutostartLaunch, GioStartsTheEntryOfAProgramWhosePathHoldsPercentAndBackslash)
{
    QTemporaryDir temp;
    const QString folder = temp.path() + QStringLiteral("/100% it's\\here");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString program = folder + QStringLiteral("/Orvane");
    {
        QFile script(program);
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\n: > \"$0.started $*\"\n");
        script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner
                              | QFileDevice::ExeOwner);
    }
    XdgAutostart autostart(temp.path() + QStringLiteral("/autostart"), program,
                           temp.path() + QStringLiteral("/data/Orvanenm"));
    autostart.addToStartup();
    EXPECT_FALSE(readEntry(autostart.entryPath()).value("Exec").contains('%'));

    QProcess gio;
    gio.setProcessChannelMode(QProcess::MergedChannels);
    gio.start(QStringLiteral("gio"), {QStringLiteral("launch"), autostart.entryPath()});
    ASSERT_TRUE(gio.waitForFinished(20000)) << "gio (libglib2.0-bin) did not run";
    EXPECT_EQ(gio.exitCode(), 0) << gio.readAll().toStdString();
    // gio returns once the program is started; it marks that it ran, so wait for that.
    const QString mark = program + QStringLiteral(".started ");
    QDeadlineTimer deadline(20000);
    while (!QFileInfo::exists(mark) && !deadline.hasExpired())
        QThread::msleep(10);
    EXPECT_TRUE(QFileInfo::exists(mark));
}

TEST(XdgAutostartExec, BackslashInsideQuotesIsWrittenFourTimes)
{
    EXPECT_EQ(XdgAutostart::execValue(QStringLiteral("/a b/\"q\"$\\%")),
              QStringLiteral(R"("/a b/\\"q\\"\\$\\\\%%")"));
}

TEST(XdgAutostartFolder, FollowsXdgConfigHomeElseHome)
{
    const bool configWasSet = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
    const QByteArray savedHome = qgetenv("HOME");
    QTemporaryDir temp;
    qputenv("HOME", temp.path().toUtf8());

    qputenv("XDG_CONFIG_HOME", (temp.path() + "/cfg").toUtf8());
    EXPECT_EQ(XdgAutostart::defaultFolder(), temp.path() + "/cfg/autostart");
    qputenv("XDG_CONFIG_HOME", "");
    EXPECT_EQ(XdgAutostart::defaultFolder(), temp.path() + "/.config/autostart");
    qputenv("XDG_CONFIG_HOME", "relative/cfg");
    EXPECT_EQ(XdgAutostart::defaultFolder(), temp.path() + "/.config/autostart");

    if (configWasSet)
        qputenv("XDG_CONFIG_HOME", savedConfig);
    else
        qunsetenv("XDG_CONFIG_HOME");
    qputenv("HOME", savedHome);
}
