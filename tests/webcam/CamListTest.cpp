#include "webcam/CamList.h"
#include "webcam/WebcamFiles.h"
#include "webcam/cInifile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class CamListTest : public ::testing::Test
{
protected:
    CamListTest()
    {
        QFile f(WebcamFiles(dir.path()).favorites());
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[Harbour]\r\nAddress=http://h/1.jpg\r\nUpdateInterval=30\r\n\r\n"
                "[Beach]\r\nAddress=http://b/2.jpg\r\nUpdateInterval=x\r\n");
        f.close();
        ini.setPath(f.fileName());
    }
    QString value(const QString &section, const QString &key)
    {
        ini.setSection(section);
        ini.setKey(key);
        ini.setDefault("missing");
        return ini.VALUE();
    }
    CamList::Applied apply(const CamList::Edit &edit, bool answer = true)
    {
        return CamList::apply(ini, edit, [&] {
            ++questions;
            return answer;
        });
    }

    QTemporaryDir dir;
    cInifile ini;
    int questions = 0;
};

} // namespace

TEST(CamListRules, RatesAreWholeNumbersFrom1To3600)
{
    for (const char *good : {"1", "60", "3600"})
        EXPECT_TRUE(CamList::validRate(good)) << good;
    for (const char *bad : {"", "0", "3601", "2.5", "-5", "ten", " 5", "99999"})
        EXPECT_FALSE(CamList::validRate(bad)) << bad;
}

TEST(CamListRules, OneNodePerAddressInFileOrderWithTitlesTrimmed)
{
    QTemporaryDir dir;
    const WebcamFiles files(dir.path());
    EXPECT_EQ(files.favorites(), dir.path() + "/favorites.dat");
    EXPECT_EQ(files.temporary(), dir.path() + "/temp.dat");
    QFile f(files.favorites());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[  b  ]\r\nAddress=http://x/b\r\n[A]\r\nAddress=http://x/a\r\n"
            "[again]\r\nAddress=http://x/b\r\n[c]\r\n");
    f.close();
    cInifile ini;
    ini.setPath(files.favorites());
    const QList<CamList::Node> nodes = CamList::readNodes(ini);
    ASSERT_EQ(nodes.size(), 3);
    EXPECT_EQ(nodes[0].text, "b");
    EXPECT_EQ(nodes[0].key, "WEBNODE http://x/b");
    EXPECT_EQ(nodes[1].text, "A");
    EXPECT_EQ(nodes[2].key, "WEBNODE "); // no address: still a cam
    EXPECT_EQ(CamList::addressOf("WEBNODE http://x/WEBNODE b"), "http://x/b");
}

TEST_F(CamListTest, AddWritesUntickedAsXButABadRateStillBlocksAndNothingIsWritten)
{
    const QByteArray before = [&] {
        QFile f(ini.Path());
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    CamList::Edit edit{false, {}, "Park", "http://p/3.jpg", "abc", false};
    EXPECT_EQ(apply(edit), CamList::Applied::BadRate);
    QFile f(ini.Path());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);

    // An address the file would cut is refused, not stored cut.
    edit.rateText = "20";
    edit.address = "http://p/" + QString(250, 'a') + ".jpg";
    EXPECT_EQ(apply(edit), CamList::Applied::AddressTooLong);
    edit.address = "http://p/3.jpg";
    EXPECT_EQ(apply(edit), CamList::Applied::Written);
    EXPECT_EQ(value("Park", "UpdateInterval"), "x");
    // Adding over an existing title overwrites it without a question.
    EXPECT_EQ(apply({false, {}, "Harbour", "http://h/new.jpg", "15", true}),
              CamList::Applied::Written);
    EXPECT_EQ(value("Harbour", "Address"), "http://h/new.jpg");
    EXPECT_EQ(value("Harbour", "UpdateInterval"), "15");
    EXPECT_EQ(questions, 0);
}

TEST_F(CamListTest, RenamingOverAnotherCamAsksFirst)
{
    const CamList::Edit rename{true, "Beach", "Harbour", "http://b/new.jpg", "45", true};
    EXPECT_EQ(apply(rename, false), CamList::Applied::Declined);
    EXPECT_EQ(value("Harbour", "Address"), "http://h/1.jpg");
    EXPECT_EQ(value("Beach", "Address"), "http://b/2.jpg");

    EXPECT_EQ(apply(rename, true), CamList::Applied::Written);
    EXPECT_EQ(questions, 2);
    EXPECT_EQ(value("Harbour", "Address"), "http://b/new.jpg");
    EXPECT_EQ(value("Harbour", "UpdateInterval"), "45");
    EXPECT_EQ(value("Beach", "Address"), "missing");

    // A title whose Address reads "OK" counts as free; a change of case only is a rename that
    // finds the cam itself, so it asks too.
    ini.setSection("Free");
    ini.setKey("Address");
    ini.setVALUE("OK");
    EXPECT_EQ(apply({true, "Harbour", "Free", "http://f.jpg", "5", true}),
              CamList::Applied::Written);
    EXPECT_EQ(apply({true, "Free", "FREE", "http://f.jpg", "5", true}), CamList::Applied::Written);
    EXPECT_EQ(questions, 3);
    EXPECT_EQ(value("free", "Address"), "http://f.jpg");
}
