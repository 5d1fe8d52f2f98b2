// The named queries: which rows each finds, in which order, and that nothing typed by the
// user changes what a query means or makes it fail.
#include "reminders/ReminderQueries.h"
#include "common/DateText.h"
#include "reminders/StoreFiles.h"

#include <QDate>

namespace {

using namespace ReminderQueries;

class ReminderQueriesTest : public ::testing::Test
{
protected:
    ReminderQueriesTest()
        : events(files.open("Events.mdb"))
        , bills(files.open("Bills.mdb"))
        , addresses(files.open("Address.mdb"))
    {
    }

    StoreFiles files;
    RecordStore events;
    RecordStore bills;
    RecordStore addresses;
};

TEST_F(ReminderQueriesTest, EventsMatchTheirFieldWithoutRegardToCaseInTableOrder)
{
    Recordset rows = events.openTable("Events");
    addEvent(rows, "Mum", "Birthday", "06/05/2002", "06/01/2002");
    addEvent(rows, "Dentist", "Appointment", "06/01/2002", "05/30/2002");
    addEvent(rows, "Dad", "birthday", "07/09/2002", "06/01/2002");
    addEvent(rows, "Hand typed", "To Do!", "6/5/2002", "6/1/2002");

    Recordset notified = eventsByNotifyDate(events, "06/01/2002");
    EXPECT_EQ(column(notified, "Title"), (QStringList{"Mum", "Dad"}));
    Recordset dated = eventsByDate(events, "06/01/2002");
    EXPECT_EQ(column(dated, "Title"), QStringList{"Dentist"});
    Recordset birthdays = eventsByType(events, "BIRTHDAY");
    EXPECT_EQ(column(birthdays, "Title"), (QStringList{"Mum", "Dad"}));
    Recordset toDo = eventsByType(events, "To Do!");
    EXPECT_EQ(column(toDo, "Title"), QStringList{"Hand typed"});
    Recordset byTitle = eventByTitle(events, "dentist");
    EXPECT_EQ(column(byTitle, "Type"), QStringList{"Appointment"});

    // Dates are texts: the hand-typed form is another value, and a query never finds it.
    EXPECT_EQ(eventsByDate(events, "06/05/2002").recordCount(), 1);
    EXPECT_EQ(eventsByNotifyDate(events, DateText::toText(QDate(2002, 6, 1))).recordCount(), 2);
    EXPECT_EQ(eventsByNotifyDate(events, "6/1/2002").recordCount(), 1);
    EXPECT_EQ(eventsByDate(events, "06/06/2002").recordCount(), 0);
}

TEST_F(ReminderQueriesTest, TitleWithApostropheIsFoundAsTyped)
{
    Recordset rows = events.openTable("Events");
    addEvent(rows, "Dad's Birthday", "Birthday", "06/05/2002", "06/01/2002");
    addEvent(rows, "Dad''s Birthday", "Birthday", "06/05/2002", "06/01/2002");
    addEvent(rows, "x' OR '1'='1", "Occasion", "06/05/2002", "06/01/2002");

    Recordset found = eventByTitle(events, "Dad's Birthday");
    EXPECT_EQ(column(found, "Title"), QStringList{"Dad's Birthday"});
    Recordset injected = eventByTitle(events, "x' OR '1'='1");
    EXPECT_EQ(column(injected, "Title"), QStringList{"x' OR '1'='1"});
    Recordset nobody = eventByTitle(events, "' OR ''='");
    EXPECT_EQ(nobody.recordCount(), 0);
    EXPECT_FALSE(nobody.hasError());

    EXPECT_EQ(Apostrophe("Dad's Birthday"), "Dad''s Birthday");
    EXPECT_EQ(Apostrophe("''x'"), "''''x''");
    EXPECT_EQ(Apostrophe("none"), "none");
}

TEST_F(ReminderQueriesTest, DuplicateTitleFindsTheFirstInStoreOrderAndActsOnIt)
{
    Recordset rows = events.openTable("Events");
    addEvent(rows, "Party", "Occasion", "06/05/2002", "06/01/2002");
    addEvent(rows, "Other", "Occasion", "06/05/2002", "06/01/2002");
    addEvent(rows, "party", "Occasion", "07/05/2002", "07/01/2002");

    Recordset selected = eventByTitle(events, "Party");
    EXPECT_EQ(selected.recordCount(), 2);
    EXPECT_EQ(fieldText(selected, "Date"), "06/05/2002");
    ASSERT_TRUE(selected.edit());
    selected.setField("Msg", "edited");
    ASSERT_TRUE(selected.update());
    ASSERT_TRUE(selected.deleteCurrent());

    Recordset table = events.openTable("Events");
    EXPECT_EQ(column(table, "Date"), (QStringList{"06/05/2002", "07/05/2002"}));
    EXPECT_EQ(column(table, "Msg"), (QStringList{"message of Other", "message of party"}));
}

TEST_F(ReminderQueriesTest, MonthlyBillsMatchTheDayTextOfEveryMonth)
{
    Recordset rows = bills.openTable("Bills");
    addBill(rows, "Rent", "06/15/2002", "15", 0);
    addBill(rows, "Phone", "06/05/2002", "05", 0);
    addBill(rows, "Once", "06/20/2002", "06/15/2002", 1);
    addBill(rows, "Car", "07/15/2002", "07/14/2002", 1);

    for (const QDate day : {QDate(2002, 6, 15), QDate(2003, 1, 15)}) {
        Recordset monthly = billsByNotifyDate(bills, DateText::dayText(DateText::toText(day)));
        EXPECT_EQ(column(monthly, "Payee"), QStringList{"Rent"});
    }
    Recordset fifth = billsByNotifyDate(bills, DateText::dayText("11/05/2002"));
    EXPECT_EQ(column(fifth, "Payee"), QStringList{"Phone"});
    EXPECT_EQ(billsByNotifyDate(bills, "5").recordCount(), 0);
    Recordset once = billsByNotifyDate(bills, "06/15/2002");
    EXPECT_EQ(column(once, "Payee"), QStringList{"Once"});
    Recordset due = billsByDueDate(bills, "07/15/2002");
    EXPECT_EQ(column(due, "Payee"), QStringList{"Car"});
    Recordset payee = billByPayee(bills, "PHONE");
    EXPECT_EQ(column(payee, "EM"), QStringList{"0"});
}

TEST_F(ReminderQueriesTest, LastNamePrefixSearchIgnoresCaseAndMatchesOnlyTheStart)
{
    Recordset rows = addresses.openTable("AddressBook");
    for (const char *name : {"Smith", "Osmond", "smart", "Smythe", "SMALL", "Jones"})
        addContact(rows, name);

    Recordset sm = addressesByLastNameStart(addresses, "sm");
    EXPECT_EQ(column(sm, "Lastname"), (QStringList{"Smith", "smart", "Smythe", "SMALL"}));
    Recordset smi = addressesByLastNameStart(addresses, "SMI");
    EXPECT_EQ(column(smi, "LastName"), QStringList{"Smith"});
    EXPECT_EQ(addressesByLastNameStart(addresses, "mith").recordCount(), 0);
    Recordset exact = addressByLastName(addresses, "smith");
    EXPECT_EQ(column(exact, "Lastname"), QStringList{"Smith"});
}

TEST_F(ReminderQueriesTest, SearchTextIsMatchedLiterallyAndNeverFails)
{
    // A name past the engine's 50,000-byte pattern limit, to be found by a search that long.
    const QString longName = QString(60000, u'L') + QStringLiteral("ong");
    Recordset rows = addresses.openTable("AddressBook");
    for (const QString &name :
         {QStringLiteral("O'Brien"), QStringLiteral("100% Cotton"), QStringLiteral("100 Acres"),
          QStringLiteral("a_b"), QStringLiteral("axb"), QStringLiteral("C:\\dir"),
          QStringLiteral("C:dir"), QStringLiteral("[Bracket]"), QStringLiteral("Star*"),
          QStringLiteral("Stark"), longName, QString()})
        addContact(rows, name);

    const struct
    {
        QString typed;
        QStringList found;
    } cases[] = {
        {"o'", {"O'Brien"}},
        {"100%", {"100% Cotton"}},
        {"a_", {"a_b"}},
        {"C:\\", {"C:\\dir"}},
        {"[b", {"[Bracket]"}},
        {"star*", {"Star*"}},
        {"%", {}},
        {"_", {}},
        {"\\", {}},
        {"'", {}},
        {"\"", {}},
        {QStringLiteral("a\0b"), {}},
        {QString(1, QChar(0)), {}}, // not the contact without a last name
        {QString(60000, u'x'), {}},
        {QString(60000, u'l'), {longName}},
    };
    // The same answers from a file without the last-name index, where every row meets LIKE.
    OtherProgram other(files.path("Address.mdb"));
    for (const bool indexed : {true, false}) {
        if (!indexed) {
            ASSERT_TRUE(other.exec("DROP INDEX AddressBookLastname"));
        }
        for (const auto &c : cases) {
            Recordset found = addressesByLastNameStart(addresses, c.typed);
            EXPECT_FALSE(found.hasError()) << found.lastError().description.toStdString();
            EXPECT_EQ(column(found, "Lastname"), c.found)
                << c.typed.left(20).toStdString() << (indexed ? " indexed" : " not indexed");
        }
    }
}

TEST_F(ReminderQueriesTest, RowAddedToAQueryResultJoinsIt)
{
    Recordset rows = addresses.openTable("AddressBook");
    addContact(rows, "Smith");
    addContact(rows, "Jones");

    Recordset sm = addressesByLastNameStart(addresses, "sm");
    addContact(sm, "Brown", "Ann"); // joins the result although it does not match
    EXPECT_EQ(sm.recordCount(), 2);
    EXPECT_EQ(fieldText(sm, "Lastname"), "Smith"); // the cursor stays where it was
    EXPECT_EQ(column(sm, "Firstname"), (QStringList{"", "Ann"}));

    Recordset birthdays = eventsByType(events, "Birthday");
    addEvent(birthdays, "Mum", "Birthday", "06/05/2002", "06/01/2002");
    EXPECT_EQ(column(birthdays, "Title"), QStringList{"Mum"});
}

TEST_F(ReminderQueriesTest, QueryOnAFileWithoutItsTableReportsIt)
{
    Recordset wrong = eventsByDate(bills, "06/05/2002");
    EXPECT_EQ(wrong.recordCount(), 0);
    EXPECT_TRUE(wrong.hasError());
    EXPECT_TRUE(wrong.lastError().description.contains("has no table 'Events'"));
}

} // namespace
