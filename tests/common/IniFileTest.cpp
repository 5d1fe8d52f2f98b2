#include "common/IniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

IniFile parsed(const QByteArray &text)
{
    IniFile ini;
    EXPECT_TRUE(ini.parse(text));
    return ini;
}

} // namespace

TEST(IniFile, SectionsAndKeysIgnoreCaseAndKeepTheFilesSpelling)
{
    IniFile ini = parsed("[System]\nTheme = Blue\n");
    EXPECT_EQ(ini.value("system", "THEME"), "Blue");
    EXPECT_TRUE(ini.contains(" SYSTEM ", "theme"));
    ini.setValue("SYSTEM", "theme", "Red");
    ini.setValue("system", "THEME", "Green"); // the last write wins
    EXPECT_EQ(ini.value("System", "Theme"), "Green");
    EXPECT_EQ(ini.serialize(), "[System]\nTheme = Green\n");
    EXPECT_EQ(ini.sections(), QStringList{"System"});
    EXPECT_EQ(ini.keys("sYsTeM"), QStringList{"Theme"});
}

TEST(IniFile, UnchangedLinesSurviveByteForByte)
{
    const QByteArray text = "; Orvane settings\n"
                            "stray text before any section\n"
                            "\n"
                            "[Clock]\n"
                            "# a hash comment\n"
                            "  Alarm  =  07:30 AM  \n"
                            "no equals sign here\n"
                            "=value without a key\n"
                            "\t\n"
                            "[Weather ; broken header\n"
                            "City=Lost\n"
                            "[Music] ; trailing comment\n"
                            "Volume=80"; // no line end at the very end
    IniFile ini = parsed(text);
    EXPECT_EQ(ini.serialize(), text);

    ini.setValue("Clock", "Alarm", "08:00 AM");
    QByteArray expected = text;
    expected.replace("  Alarm  =  07:30 AM  ", "  Alarm  =  08:00 AM");
    EXPECT_EQ(ini.serialize(), expected);
    EXPECT_EQ(ini.value("Music", "Volume"), "80");
}

TEST(IniFile, MalformedLinesNeitherStopTheParseNorLeakIntoOtherSections)
{
    const char binary[] = "\x01\x02=\xff\x00\x7f";
    const QByteArray text = "[A]\nx=1\n[Broken\nx=2\ny=3\n[]\nz=4\n[B]\nw=5\n"
        + QByteArray(binary, sizeof binary - 1);
    IniFile ini = parsed(text);
    EXPECT_EQ(ini.serialize(), text);
    EXPECT_EQ(ini.value("A", "x"), "1");
    EXPECT_FALSE(ini.contains("A", "y")); // under the broken header, not under [A]
    EXPECT_FALSE(ini.contains("A", "z"));
    EXPECT_EQ(ini.value("B", "w"), "5");
    EXPECT_EQ(ini.sections(), (QStringList{"A", "B"}));
    EXPECT_EQ(ini.value("missing", "key", "fallback"), "fallback");
}

TEST(IniFile, DuplicatesResolveToTheFirstAndRemoveAllTogether)
{
    IniFile ini = parsed("[a]\nk=first\nk=second\n[b]\nq=1\n[A]\nk=third\nm=2\n");
    EXPECT_EQ(ini.value("a", "k"), "first");
    EXPECT_EQ(ini.value("a", "m"), "2"); // a repeated header continues the section
    EXPECT_EQ(ini.keys("a"), (QStringList{"k", "m"}));
    EXPECT_EQ(ini.sections(), (QStringList{"a", "b"}));

    ini.setValue("a", "k", "new");
    EXPECT_EQ(ini.serialize(), "[a]\nk=new\nk=second\n[b]\nq=1\n[A]\nk=third\nm=2\n");
    EXPECT_TRUE(ini.removeKey("A", "K"));
    EXPECT_FALSE(ini.contains("a", "k"));
    EXPECT_FALSE(ini.removeKey("a", "k"));
    EXPECT_TRUE(ini.removeSection("a"));
    EXPECT_EQ(ini.serialize(), "[b]\nq=1\n");
    EXPECT_FALSE(ini.removeSection("a"));
}

TEST(IniFile, NewKeysGoAfterTheSectionsEntriesAndNewSectionsAtTheEnd)
{
    IniFile ini = parsed("top=1\n; about A\n[A]\nx=1\n; note\n\n\n[B]\n");
    ini.setValue("a", "y", "2");
    ini.setValue("B", "z", "3");
    ini.setValue("", "second", "4");
    ini.setValue("New", "k", "5");
    EXPECT_EQ(ini.serialize(),
              "top=1\nsecond=4\n; about A\n[A]\nx=1\ny=2\n; note\n\n\n"
              "[B]\nz=3\n\n[New]\nk=5\n");
    EXPECT_EQ(ini.value("", "top"), "1");
    EXPECT_EQ(ini.keys(""), (QStringList{"top", "second"}));

    IniFile empty;
    empty.setValue("", "first", "1");
    empty.setValue("S", "k", "v");
    EXPECT_EQ(empty.serialize(), "first=1\n\n[S]\nk=v\n");
}

TEST(IniFile, RemovingTheLastSectionTakesItsSeparatorAlong)
{
    IniFile ini = parsed("; head\nlone=1\n[A]\nx=1\n\n[B]\ny=2\n");
    EXPECT_TRUE(ini.removeSection("b"));
    EXPECT_EQ(ini.serialize(), "; head\nlone=1\n[A]\nx=1\n");
    EXPECT_TRUE(ini.removeSection("")); // only the nameless entries; the file's comments stay
    EXPECT_EQ(ini.serialize(), "; head\n[A]\nx=1\n");
}

TEST(IniFile, LineBreaksInValuesCannotForgeStructure)
{
    IniFile ini;
    ini.setValue("A", "k", "1\n[Evil]\r\nx=2");
    ini.setValue("A\n[B]", "key\r\nother", "v");
    EXPECT_EQ(ini.sections(), (QStringList{"A", "A [B]"}));
    EXPECT_EQ(ini.value("A", "k"), "1 [Evil]  x=2");
    EXPECT_EQ(ini.serialize().count('\n'), 5);
    ini.setValue("A", "  ", "ignored"); // an empty key would read back as an unknown line
    EXPECT_EQ(ini.keys("A"), QStringList{"k"});
}

TEST(IniFile, KeepsTheFilesLineEnds)
{
    IniFile crlf = parsed("[A]\r\nx=1\r\n");
    EXPECT_EQ(crlf.lineEnding(), "\r\n");
    EXPECT_EQ(crlf.value("A", "x"), "1");
    crlf.setValue("A", "y", "2");
    crlf.setValue("B", "z", "3");
    EXPECT_EQ(crlf.serialize(), "[A]\r\nx=1\r\ny=2\r\n\r\n[B]\r\nz=3\r\n");

    IniFile mixed = parsed("[A]\nx=1\r\ny=2\rz=3"); // CR LF and a lone CR in an LF file
    EXPECT_EQ(mixed.value("A", "x"), "1");
    EXPECT_EQ(mixed.value("A", "y"), "2");
    EXPECT_EQ(mixed.value("A", "z"), "3");
    EXPECT_EQ(mixed.serialize(), "[A]\nx=1\r\ny=2\rz=3");
    mixed.setValue("A", "w", "4");
    EXPECT_EQ(mixed.serialize(), "[A]\nx=1\r\ny=2\rz=3\nw=4\n");

    IniFile chosen;
    chosen.setLineEnding("\r\n");
    chosen.setValue("S", "k", "v");
    EXPECT_EQ(chosen.serialize(), "[S]\r\nk=v\r\n");
}

TEST(IniFile, ReadsUtf8AndOlderLatin1Text)
{
    IniFile ini = parsed("\xEF\xBB\xBF[Caf\xC3\xA9]\nName=Jos\xE9\nCity=K\xC3\xB6ln\n");
    EXPECT_EQ(ini.value("CAFÉ", "name"), QString::fromUtf8("José"));
    EXPECT_EQ(ini.value("café", "city"), QString::fromUtf8("Köln"));
    ini.setValue("Café", "Note", QString::fromUtf8("€"));
    EXPECT_EQ(ini.serialize(),
              "\xEF\xBB\xBF[Caf\xC3\xA9]\nName=Jos\xE9\nCity=K\xC3\xB6ln\nNote=\xE2\x82\xAC\n");
    EXPECT_EQ(parsed(ini.serialize()).value("café", "note"), QString::fromUtf8("€"));
}

TEST(IniFile, LoadsAndSavesFiles)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("settings.ini");

    IniFile ini = parsed("[A]\nx=1\n");
    EXPECT_TRUE(ini.load(path)); // missing: an empty document
    EXPECT_TRUE(ini.sections().isEmpty());
    EXPECT_FALSE(ini.load(dir.path())); // a folder cannot be read as a file
    EXPECT_TRUE(ini.sections().isEmpty());

    ini.setValue("A", "x", "1");
    EXPECT_FALSE(ini.save(dir.filePath("missing/settings.ini")));
    EXPECT_FALSE(QDir(dir.filePath("missing")).exists()); // no folders made behind our back
    ASSERT_TRUE(ini.save(path));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"settings.ini"});

    IniFile again;
    ASSERT_TRUE(again.load(path));
    EXPECT_EQ(again.value("a", "X"), "1");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "[A]\nx=1\n");
}
