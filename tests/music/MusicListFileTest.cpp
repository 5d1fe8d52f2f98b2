#include "music/MusicListFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(MusicListFile, RoundTripKeepsEntriesAndOrder)
{
    const QStringList entries{"/home/me/Music/b.mp3", "/home/me/Music/a, b.mp3",
                              "/x/say \"hi\".wav", "/x/caf\u00e9.mp3", "/x/ lead.mp3"};
    EXPECT_EQ(MusicListFile::parse(MusicListFile::serialize(entries)), entries);
    EXPECT_EQ(MusicListFile::serialize({"/a.mp3"}), "\"/a.mp3\"\r\n");
}

TEST(MusicListFile, EmptyListIsAnEmptyFile)
{
    EXPECT_EQ(MusicListFile::serialize({}), QByteArray());
    EXPECT_TRUE(MusicListFile::parse("").isEmpty());
}

TEST(MusicListFile, FilesFromOtherWritersReadAsBefore)
{
    // Unquoted: a comma ends the field, so a comma path becomes two entries.
    EXPECT_EQ(MusicListFile::parse("C:\\a, b.mp3\r\n"), QStringList({"C:\\a", "b.mp3"}));
    // LF line ends, blank lines, a quoted field followed by junk before the line end.
    EXPECT_EQ(MusicListFile::parse("\"/a.mp3\"\n\n\"/b.mp3\" x\n/c.mp3"),
              QStringList({"/a.mp3", "/b.mp3", "/c.mp3"}));
    // An old file with a lone quote inside a path: the field ends at that quote.
    EXPECT_EQ(MusicListFile::parse("\"/say \"hi.mp3\"\r\n"), QStringList({"/say "}));
    // An unterminated quote ends at its line end and does not swallow the next entry.
    EXPECT_EQ(MusicListFile::parse("\"/open.mp3\r\n\"/next.mp3\"\r\n\"/last.mp3"),
              QStringList({"/open.mp3", "/next.mp3", "/last.mp3"}));
    // An editor's byte order mark is not part of the first path.
    EXPECT_EQ(MusicListFile::parse("\xEF\xBB\xBF\"/a.mp3\"\r\n"), QStringList({"/a.mp3"}));
}

TEST(MusicListFile, EachEntryKeepsItsOwnEncodingAndItsBytes)
{
    // UTF-8 lines next to a legacy 8-bit line and a file name that is not UTF-8 at all.
    const QByteArray file = "\"/m/Caf\xc3\xa9.mp3\"\r\n"
                            "\"/m/Bj\xc3\xb6rk - J\xc3\xb3ga.mp3\"\r\n"
                            "\"/m/caf\xe9.mp3\"\r\n"
                            "\"/m/\xff\xfe \"\"x\"\" \xc3.mp3\"\r\n";
    MusicListFile::EightBit eightBit;
    const QStringList entries = MusicListFile::parse(file, &eightBit);
    EXPECT_EQ(entries,
              QStringList({"/m/Caf\u00e9.mp3", "/m/Bj\u00f6rk - J\u00f3ga.mp3", "/m/caf\u00e9.mp3",
                           "/m/\u00ff\u00fe \"x\" \u00c3.mp3"}));
    EXPECT_EQ(MusicListFile::serialize(entries, eightBit), file);
    // A name may begin with the character that also serves as a byte order mark.
    const QStringList marked{"\ufeff.mp3", "x"};
    EXPECT_EQ(MusicListFile::parse(MusicListFile::serialize(marked)), marked);
}

TEST(MusicListFile, EveryEntryIsKept)
{
    QStringList many;
    for (int i = 0; i < 40000; ++i)
        many << "/s" + QString::number(i) + ".mp3";
    const QStringList read = MusicListFile::parse(MusicListFile::serialize(many));
    ASSERT_EQ(read.size(), many.size());
    EXPECT_EQ(read, many);
}

TEST(MusicListFile, ReadAndWriteFiles)
{
    QTemporaryDir dir;
    const QString path = dir.path() + "/List.txt";
    EXPECT_EQ(MusicListFile::read(path), QStringList()); // absent: empty, no error
    ASSERT_TRUE(MusicListFile::write(path, {"/a.mp3", "/b.mp3"}));
    EXPECT_EQ(MusicListFile::read(path), QStringList({"/a.mp3", "/b.mp3"}));
    EXPECT_FALSE(MusicListFile::read(dir.path()).has_value()); // exists, cannot be read
    EXPECT_FALSE(MusicListFile::write(dir.path() + "/missing/List.txt", {"/a.mp3"}));
}

} // namespace
