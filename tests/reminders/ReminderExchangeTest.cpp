#include "reminders/ReminderExchange.h"
#include "reminders/ReminderStores.h"

#include "support/PeerScript.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ctime>

namespace {

const QDate kToday(2026, 12, 10);

// The events and bills databases copied from the shipped empty ones.
struct Reminders
{
    QTemporaryDir dir;
    ReminderDatabase events, bills;
    Reminders()
    {
        for (const char *name : {"Events.mdb", "Bills.mdb"}) {
            QFile::copy(stagedAppDir() + '/' + name, dir.filePath(name));
            QFile::setPermissions(dir.filePath(name), QFile::ReadOwner | QFile::WriteOwner);
        }
        events.store.open(dir.filePath("Events.mdb"));
        bills.store.open(dir.filePath("Bills.mdb"));
    }
    QString path(const char *name) const { return dir.filePath(name); }
    QStringList event(int row)
    {
        Recordset rows = events.store.openTable("Events");
        QStringList fields;
        for (const char *f : {"Title", "Type", "Msg", "Date", "NotifyDate"})
            fields << rows.fieldAt(row, f).value_or("(none)");
        return fields;
    }
    int count() { return events.store.openTable("Events").recordCount(); }
    void add(ReminderDatabase &db, const char *table, const QStringList &names,
             const QStringList &values)
    {
        Recordset rows = db.store.openTable(table);
        rows.addNew();
        for (qsizetype i = 0; i < names.size(); ++i)
            rows.setField(names[i], values[i]);
        rows.update();
    }
};

// Dates where the user is: the tests put the user in UTC.
struct InUtc
{
    InUtc()
    {
        old = qgetenv("TZ");
        qputenv("TZ", "UTC");
        tzset();
    }
    ~InUtc()
    {
        qputenv("TZ", old);
        tzset();
    }
    QByteArray old;
};

} // namespace

TEST(ReminderExchange, AnotherProgramsCalendarBecomesEventsOnceWithItsZonesAndRules)
{
    const InUtc utc;
    Reminders r;
    runPeer("reminders/ical-peer.py", {"write", r.path("peer.ics")});
    const ExchangeReport report
        = ReminderExchange::importFile(r.events, r.path("peer.ics"), kToday);
    ASSERT_TRUE(report.ok) << report.error.toStdString();
    ASSERT_EQ(report.added, 3);
    EXPECT_EQ(r.event(0),
              QStringList({"Party", "Appointment",
                           "Bring cake, candles; and a long enough note to be folded "
                           "by the writer",
                           "12/24/2026", "12/22/2026"}));
    // 23:30 in New York is the next day in UTC.
    EXPECT_EQ(r.event(1),
              QStringList({"Late call", "Work", "Late call", "12/21/2026", "12/21/2026"}));
    // Weekly from Monday 5 January: the next Monday from today.
    EXPECT_EQ(r.event(2),
              QStringList({"Standup", "Appointment", "Standup", "12/14/2026", "12/14/2026"}));
    EXPECT_TRUE(report.summary().contains("Standup recurs: taken at its next date, 12/14/2026"))
        << report.summary().toStdString();

    const ExchangeReport again = ReminderExchange::importFile(r.events, r.path("peer.ics"), kToday);
    EXPECT_EQ(again.added, 0);
    EXPECT_EQ(r.count(), 3);
}

TEST(ReminderExchange, OurCalendarReadsTheSameInAnotherProgramAndEventsRoundTrip)
{
    const InUtc utc;
    Reminders r;
    const QStringList eventFields{"Title", "Type", "Msg", "Date", "NotifyDate"};
    r.add(r.events, "Events", eventFields,
          {"Dentist", "Appointment", "Teeth; 9 o'clock, sharp", "12/18/2026", "12/16/2026"});
    const QStringList billFields{"Payee", "Amount", "DueDate", "NDate", "EM"};
    r.add(r.bills, "Bills", billFields, {"Power Co", "$42.10", "12/15/2026", "10", "0"});
    r.add(r.bills, "Bills", billFields, {"Dr. Who", "100", "01/05/2027", "01/01/2027", "1"});
    const ExchangeReport written = ReminderExchange::exportFile(
        r.events, r.bills, r.path("out.ics"), QDateTime(kToday, QTime(8, 0), Qt::UTC));
    ASSERT_TRUE(written.ok) << written.error.toStdString();
    EXPECT_EQ(written.added, 3);

    const QList<QJsonObject> read
        = peerObjects("reminders/ical-peer.py", {"read", r.path("out.ics")});
    ASSERT_EQ(read.size(), 3);
    EXPECT_EQ(read[0]["summary"].toString(), "Dentist");
    EXPECT_EQ(read[0]["start"].toString(), "2026-12-18");
    EXPECT_TRUE(read[0]["allday"].toBool());
    EXPECT_EQ(read[0]["trigger_days"].toInt(), -2);
    EXPECT_EQ(read[1]["rrule"].toString(), "FREQ=MONTHLY;BYMONTHDAY=15");
    EXPECT_EQ(read[1]["description"].toString(), "Amount: $42.10\nPayee: Power Co");
    EXPECT_EQ(read[1]["trigger_days"].toInt(), -5);
    EXPECT_EQ(read[2]["rrule"].toString(), "");
    EXPECT_EQ(read[2]["trigger_days"].toInt(), -4);

    Reminders empty;
    ASSERT_TRUE(ReminderExchange::importFile(empty.events, r.path("out.ics"), kToday).ok);
    EXPECT_EQ(empty.event(0), r.event(0));
    EXPECT_EQ(empty.event(1),
              QStringList({"Power Co", "Bill", "Amount: $42.10\nPayee: Power Co", "12/15/2026",
                           "12/10/2026"}));
}

TEST(ReminderExchange, BadFilesGiveAReasonAndLeaveTheEventsUntouched)
{
    Reminders r;
    for (const auto &[name, content] :
         {std::pair{"text.ics", QByteArray("Dear Ann,\nsee you.\n")},
          std::pair{"empty.ics", QByteArray()},
          std::pair{"cut.ics", QByteArray("BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nSUMMARY:x\r\n")}}) {
        QFile file(r.path(name));
        file.open(QIODevice::WriteOnly);
        file.write(content);
        file.close();
        const ExchangeReport report = ReminderExchange::importFile(r.events, r.path(name), kToday);
        EXPECT_TRUE(!report.ok || report.added == 0) << name;
        EXPECT_FALSE(report.summary().isEmpty()) << name;
    }
    EXPECT_EQ(r.count(), 0);
}
