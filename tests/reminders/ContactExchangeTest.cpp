#include "reminders/ContactExchange.h"
#include "reminders/ReminderStores.h"

#include "support/PeerScript.h"

#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// An address book copied from the shipped empty one.
struct Book
{
    QTemporaryDir dir;
    ReminderDatabase db;
    Book()
    {
        QFile::copy(stagedAppDir() + "/Address.mdb", dir.filePath("Address.mdb"));
        QFile::setPermissions(dir.filePath("Address.mdb"), QFile::ReadOwner | QFile::WriteOwner);
        db.store.open(dir.filePath("Address.mdb"));
    }
    QString path(const char *name) const { return dir.filePath(name); }
    int count() { return db.store.openTable("AddressBook").recordCount(); }
    QString field(int row, const char *name)
    {
        return db.store.openTable("AddressBook").fieldAt(row, name).value_or("(none)");
    }
};

QByteArray readAll(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void writeAll(const QString &path, const QByteArray &content)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(content);
}

// A phone's export: version 2.1, quoted-printable, Latin-1.
const QByteArray kPhoneCard = "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=ISO-8859-1;ENCODING="
                              "QUOTED-PRINTABLE:M=FCller;J=F6rg\r\nTEL;CELL:+49 170 1234\r\n"
                              "NOTE;ENCODING=QUOTED-PRINTABLE:first line=0D=0Asecond =\r\nline\r\n"
                              "END:VCARD\r\n";

} // namespace

TEST(ContactExchange, CardsAnotherProgramWroteAreImportedFieldByFieldAndOnlyOnce)
{
    Book book;
    runPeer("reminders/vcard-peer.py", {"write", book.path("peer.vcf")});
    QByteArray cards = readAll(book.path("peer.vcf")) + kPhoneCard;
    writeAll(book.path("all.vcf"), cards);

    const ContactExchange::Report first
        = ContactExchange::importFile(book.db, book.path("all.vcf"));
    ASSERT_TRUE(first.ok) << first.error.toStdString();
    EXPECT_EQ(first.added, 3);
    ASSERT_EQ(first.skipped.size(), 1);
    EXPECT_EQ(first.skipped[0], "card 3: it has no name");
    const struct
    {
        int row;
        const char *field, *value;
    } expected[] = {
        {0, "Lastname", "Smith, Jr."},
        {0, "Firstname", "Ann"},
        {0, "Homephone", "555 1234"},
        {0, "Address", "1 Main St"},
        {0, "City", "Springfield"},
        {0, "Zip", "62701"},
        {0, "BusinessName", "Acme; Widgets"},
        {0, "Birthday", "04/12/1985"},
        {0, "Comments", "Line one\nLine two, with a comma; and a semicolon, long enough to fold"},
        {1, "Lastname", "Featherstonehaugh-Cholmondeley-Marjoriba"},
        {1, "BusinessPhone", "555 9876"},
        {1, "ExtBusinessPhone", "42"},
        {1, "FAX", "555 9877"},
        {1, "Anniversary", "06/12/2010"},
        {1, "Comments", "Last name: Featherstonehaugh-Cholmondeley-Marjoribanks"},
        {2, "Lastname", "M\u00fcller"},
        {2, "Firstname", "J\u00f6rg"},
        {2, "Homephone", "+49 170 1234"},
        {2, "Comments", "first line\nsecond line"},
    };
    for (const auto &e : expected)
        EXPECT_EQ(book.field(e.row, e.field), QString::fromUtf8(e.value)) << e.field;

    const ContactExchange::Report again
        = ContactExchange::importFile(book.db, book.path("all.vcf"));
    EXPECT_TRUE(again.ok);
    EXPECT_EQ(again.added, 0);
    EXPECT_EQ(book.count(), 3);
    EXPECT_TRUE(again.summary().startsWith("0 contacts added. 4 left out:"));
}

TEST(ContactExchange, OurFileReadsTheSameInAnotherProgramAndRoundTripsByteForByte)
{
    Book book;
    writeAll(book.path("in.vcf"), kPhoneCard);
    runPeer("reminders/vcard-peer.py", {"write", book.path("peer.vcf")});
    ASSERT_TRUE(ContactExchange::importFile(book.db, book.path("peer.vcf")).ok);
    ASSERT_TRUE(ContactExchange::importFile(book.db, book.path("in.vcf")).ok);
    ASSERT_TRUE(ContactExchange::exportFile(book.db, book.path("out.vcf")).ok);

    const QList<QJsonObject> read
        = peerObjects("reminders/vcard-peer.py", {"read", book.path("out.vcf")});
    ASSERT_EQ(read.size(), 3);
    EXPECT_EQ(read[0]["N"].toArray().at(0).toString(), "Smith, Jr.");
    EXPECT_EQ(read[0]["ORG"].toArray().at(0).toString(), "Acme; Widgets");
    EXPECT_EQ(read[0]["ADR:home"].toArray().at(1).toString(), "1 Main St");
    EXPECT_EQ(read[0]["NOTE"].toString(),
              "Line one\nLine two, with a comma; and a semicolon, long enough to fold");
    EXPECT_EQ(read[1]["TEL:voice,work"].toString(), "555 9876 ext. 42");
    EXPECT_EQ(read[1]["ANNIVERSARY"].toString(), "20100612");
    EXPECT_EQ(read[2]["N"].toArray().at(1).toString(), QString::fromUtf8("J\u00f6rg"));

    Book empty;
    ASSERT_TRUE(ContactExchange::importFile(empty.db, book.path("out.vcf")).ok);
    ASSERT_TRUE(ContactExchange::exportFile(empty.db, empty.path("again.vcf")).ok);
    EXPECT_EQ(readAll(empty.path("again.vcf")), readAll(book.path("out.vcf")));
}

TEST(ContactExchange, BadFilesGiveAReasonAndLeaveTheBookUntouched)
{
    Book book;
    writeAll(book.path("one.vcf"), kPhoneCard);
    ASSERT_TRUE(ContactExchange::importFile(book.db, book.path("one.vcf")).ok);
    const struct
    {
        const char *name;
        QByteArray content;
        const char *says;
    } cases[] = {
        {"text.vcf", "Dear Ann,\nsee you.\n", "no vCard"},
        {"empty.vcf", "", "is empty"},
        {"latin1.vcf", "BEGIN:VCARD\r\nN:M\xfcller;J\r\nEND:VCARD\r\n", "not UTF-8"},
        {"missing.vcf", {}, "cannot be read"},
    };
    for (const auto &c : cases) {
        if (QByteArray(c.name) != "missing.vcf")
            writeAll(book.path(c.name), c.content);
        const ContactExchange::Report report
            = ContactExchange::importFile(book.db, book.path(c.name));
        EXPECT_FALSE(report.ok) << c.name;
        EXPECT_TRUE(report.summary().contains(c.says)) << report.summary().toStdString();
    }
    QFile huge(book.path("huge.vcf"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(50 * 1024 * 1024));
    huge.close();
    EXPECT_TRUE(ContactExchange::importFile(book.db, huge.fileName()).error.contains("too large"));
    EXPECT_EQ(book.count(), 1);
}
