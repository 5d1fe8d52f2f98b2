#include "webcam/cInifile.h"
#include "support/Unprivileged.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class cInifileTest : public ::testing::Test
{
protected:
    cInifileTest() { ini.setPath(path()); }
    QString path() const { return dir.path() + "/favorites.dat"; }
    void write(const QByteArray &bytes)
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray bytes() const
    {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QString read(const QString &section, const QString &key, const QString &def = {})
    {
        ini.setSection(section);
        ini.setKey(key);
        ini.setDefault(def);
        return ini.VALUE();
    }
    void put(const QString &section, const QString &key, const QString &value)
    {
        ini.setSection(section);
        ini.setKey(key);
        ini.setVALUE(value);
    }

    QTemporaryDir dir;
    cInifile ini;
};

} // namespace

TEST_F(cInifileTest, AMissingFileReadsAsEmptyAndTheFirstWriteCreatesItInTheWindowsFormat)
{
    EXPECT_EQ(read("Cam", "Address", "none"), "none");
    QStringList names{"stale"};
    int count = -1;
    ini.EnumerateAllSections(names, count);
    EXPECT_EQ(count, 0);
    EXPECT_TRUE(names.isEmpty());

    put(QString::fromUtf8("Caf\u00e9 \u20ac"), "Address", "http://x/a.jpg");
    EXPECT_TRUE(ini.Success());
    put("Second", "Address", QString(300, u'v'));
    // Western code page, CR LF, a blank line between sections.
    EXPECT_EQ(bytes(),
              "[Caf\xe9 \x80]\r\nAddress=http://x/a.jpg\r\n\r\n[Second]\r\nAddress="
                  + QByteArray(300, 'v') + "\r\n");
    EXPECT_EQ(read(QString::fromUtf8("CAF\u00c9 \u20ac"), "ADDRESS"), "http://x/a.jpg");
    EXPECT_EQ(read("second", "address"), QString(254, u'v'));
}

TEST_F(cInifileTest, WritesReplaceInPlaceAppendAndDeleteKeepingWhatTheyDoNotTouch)
{
    write("; my cams\r\n[ Harbour ]\r\n  Address =  http://h/1.jpg  \r\njunk line\r\n"
          "UpdateInterval=30\r\n\r\n[Beach]\r\nAddress=http://b/2.jpg\r\n");
    EXPECT_EQ(read("harbour", "address"), "http://h/1.jpg"); // spaces around names and values
    put("Harbour", "UpdateInterval", QString::fromUtf16(u"4\0005", 3)); // NUL removed
    put("Park", "Address", "http://p/3.jpg");
    EXPECT_EQ(bytes(),
              "; my cams\r\n[ Harbour ]\r\n  Address =  http://h/1.jpg  \r\njunk line\r\n"
              "UpdateInterval=45\r\n\r\n[Beach]\r\nAddress=http://b/2.jpg\r\n\r\n"
              "[Park]\r\nAddress=http://p/3.jpg\r\n");

    ini.setSection("HARBOUR");
    ini.setKey("updateinterval");
    ini.DeleteKey();
    ini.setSection("beach");
    ini.DeleteSection();
    EXPECT_TRUE(ini.Success());
    EXPECT_EQ(bytes(),
              "; my cams\r\n[ Harbour ]\r\n  Address =  http://h/1.jpg  \r\njunk line\r\n"
              "\r\n[Park]\r\nAddress=http://p/3.jpg\r\n");
    QStringList names;
    int count = 0;
    ini.EnumerateAllSections(names, count);
    EXPECT_EQ(names, QStringList({"Harbour", "Park"}));
    ini.setSection("Harbour");
    ini.EnumerateCurrentSection(names, count);
    EXPECT_EQ(names, QStringList({"Address"}));
}

TEST_F(cInifileTest, SectionNamesStopAt8192CharactersWithTheLastNameCut)
{
    QByteArray text;
    for (int i = 0; i < 100; ++i)
        text += "[" + QByteArray::number(1000 + i) + QByteArray(95, 'n') + "]\r\n";
    write(text); // 100 names of 99 characters: 10000 with their NULs
    EXPECT_EQ(ini.Sections().size(), cInifile::kListLimit);
    QStringList names;
    int count = 0;
    ini.EnumerateAllSections(names, count);
    ASSERT_EQ(count, 82); // 81 whole names, then 8191 - 81 * 100 = 91 characters of the next
    EXPECT_EQ(names[80], "1080" + QString(95, u'n'));
    EXPECT_EQ(names[81], "1081" + QString(87, u'n'));
}

TEST_F(cInifileTest, AFileThatCannotBeReadIsNeverRewritten)
{
    if (rerunAsNobody())
        return;
    write("[Harbour]\r\nAddress=http://h/1.jpg\r\n");
    QFile::setPermissions(path(), QFileDevice::WriteOwner);
    EXPECT_EQ(read("Harbour", "Address", "gone"), "gone");
    put("Park", "Address", "http://p/3.jpg");
    EXPECT_EQ(ini.LastReturnCode(), 0);
    ini.setSection("Harbour");
    ini.DeleteSection();
    EXPECT_FALSE(ini.Success());
    QFile::setPermissions(path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(bytes(), "[Harbour]\r\nAddress=http://h/1.jpg\r\n");
}

TEST_F(cInifileTest, ARewriteReplacesTheFileWholeOrNotAtAll)
{
    if (rerunAsNobody())
        return;
    write("[Harbour]\r\nAddress=http://h/1.jpg\r\n");
    // The file may be written but its folder may not: no new file can be made beside it, so
    // nothing is written at all rather than the file rewritten in place.
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    put("Harbour", "Address", "http://h/2.jpg");
    EXPECT_EQ(ini.LastReturnCode(), 0);
    EXPECT_EQ(bytes(), "[Harbour]\r\nAddress=http://h/1.jpg\r\n");
    QFile::setPermissions(dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    put("Harbour", "Address", "http://h/2.jpg");
    EXPECT_EQ(read("Harbour", "Address"), "http://h/2.jpg");
}

TEST(cInifileForm, NumbersAndThePlaceKeptOnTheScreen)
{
    EXPECT_EQ(cInifile::CLngDefault(" 42 ", 7), 42);
    EXPECT_EQ(cInifile::CLngDefault("2.5", 7), 2);
    EXPECT_EQ(cInifile::CLngDefault("FAIL", 7), 7);
    EXPECT_EQ(cInifile::CLngDefault("1e12", 7), 7);

    QTemporaryDir dir;
    cInifile ini;
    ini.setPath(dir.path() + "/form.ini");
    ini.setSection("Main");
    ini.setKey("Kept");
    ini.SaveFormPosition({-300, 100, 30000, 6000, false, false});
    EXPECT_EQ(ini.Key(), "Kept");
    // Screen 1024 x 768 pixels: 4 pixels (60 twips) of margin on every side.
    const auto placed = ini.LoadFormPosition({}, 3000, 3000, 15360, 11520);
    ASSERT_TRUE(placed);
    EXPECT_EQ(placed->left, 60);
    EXPECT_EQ(placed->width, 15360 - 120);
    EXPECT_EQ(placed->top, 100);
    EXPECT_EQ(placed->height, 6000);
    EXPECT_FALSE(placed->maximized);
    EXPECT_FALSE(ini.LoadFormPosition({}, 20000, 3000, 15360, 11520)); // cannot fit
    ini.SaveFormPosition({0, 0, 10, 10, false, true});                 // maximized: only the flag
    EXPECT_TRUE(ini.LoadFormPosition({}, 3000, 3000, 15360, 11520)->maximized);
}
