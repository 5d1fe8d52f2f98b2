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
    // An unterminated quote at the end of the file does not lose the entry.
    EXPECT_EQ(MusicListFile::parse("\"/open.mp3"), QStringList({"/open.mp3"}));
}

TEST(MusicListFile, LegacyEightBitTextIsRead)
{
    EXPECT_EQ(MusicListFile::parse("\"/caf\xe9.mp3\"\r\n"), QStringList({"/caf\u00e9.mp3"}));
}

TEST(MusicListFile, AtMost32767Entries)
{
    QByteArray many;
    for (int i = 0; i < 32800; ++i)
        many += "\"/s" + QByteArray::number(i) + ".mp3\"\r\n";
    EXPECT_EQ(MusicListFile::parse(many).size(), 32767);
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
