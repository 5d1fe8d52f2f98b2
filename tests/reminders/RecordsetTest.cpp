// The current recordset: its cursor, field reads, adds, changes and deletes, and what it
// reports when there is nothing to act on or the file refuses a write.
#include "common/OrvaneError.h"
#include "reminders/StoreFiles.h"

namespace {

class RecordsetTest : public ::testing::Test
{
protected:
    RecordsetTest()
        : events(files.open("Events.mdb"))
        , bills(files.open("Bills.mdb"))
    {
    }

    // Events A, B and C, then the table as a fresh current recordset.
    Recordset threeEvents()
    {
        Recordset rows = events.openTable("Events");
        for (const char *title : {"A", "B", "C"})
            addEvent(rows, title, "Occasion", "06/05/2002", "06/01/2002");
        return events.openTable("Events");
    }

    StoreFiles files;
    RecordStore events;
    RecordStore bills;
};

TEST_F(RecordsetTest, CursorWalksTableOrderAndStopsPastTheEnd)
{
    Recordset rows = threeEvents();
    EXPECT_EQ(rows.recordCount(), 3);
    EXPECT_EQ(fieldText(rows, "Title"), "A"); // on the first row from the start
    rows.moveNext();
    rows.moveNext();
    EXPECT_EQ(fieldText(rows, "Title"), "C");
    rows.moveNext();
    EXPECT_TRUE(rows.isPastEnd());
    EXPECT_FALSE(rows.hasCurrentRow());
    rows.moveNext(); // stays past the end
    EXPECT_EQ(rows.field("Title"), std::nullopt);
    EXPECT_EQ(rows.lastError().number, OrvaneError::NoCurrentRow);
    rows.moveLast();
    EXPECT_EQ(fieldText(rows, "Title"), "C");
    rows.moveFirst();
    EXPECT_EQ(fieldText(rows, "Title"), "A");
    EXPECT_EQ(rows.recordCount(), 3);

    Recordset none = bills.openTable("Bills");
    none.moveLast();
    EXPECT_EQ(none.recordCount(), 0);
    EXPECT_FALSE(none.hasCurrentRow());
}

TEST_F(RecordsetTest, FieldNamesIgnoreCaseAndEveryMonthReadsAsDecimalText)
{
    Recordset rows = bills.openTable("bills");
    addBill(rows, "Power Co", "06/15/2002", "15", 0);
    addBill(rows, "Water", "06/20/2002", "06/18/2002", 1);
    ASSERT_TRUE(rows.addNew()); // neither choice made: EM is not written
    rows.setField("Payee", "Gas");
    ASSERT_TRUE(rows.update());

    rows = bills.openTable("Bills");
    EXPECT_EQ(fieldText(rows, "PAYEE"), "Power Co");
    EXPECT_EQ(fieldText(rows, "ndate"), "15");
    EXPECT_EQ(fieldText(rows, "em"), "0");
    rows.moveNext();
    EXPECT_EQ(fieldText(rows, "EM"), "1");
    EXPECT_EQ(fieldText(rows, "Duedate"), "06/20/2002");
    rows.moveNext();
    EXPECT_EQ(fieldText(rows, "EM"), "");
    EXPECT_EQ(fieldText(rows, "Amount"), ""); // fields not set are stored empty
    EXPECT_EQ(rows.field("Notify"), std::nullopt);
    EXPECT_EQ(rows.lastError().number, OrvaneError::FieldNotFound);

    // EM given as text still lands as a number.
    ASSERT_TRUE(rows.edit());
    rows.setField("EM", QStringLiteral("1"));
    ASSERT_TRUE(rows.update());
    OtherProgram reader(files.path("Bills.mdb"));
    EXPECT_EQ(reader.value("SELECT group_concat(typeof(EM)) FROM Bills"),
              "integer,integer,integer");
}

TEST_F(RecordsetTest, NothingToActOnIsReportedNotCrashedOn)
{
    Recordset rows = threeEvents();
    rows.moveLast();
    rows.moveNext();
    EXPECT_FALSE(rows.edit());
    EXPECT_EQ(rows.lastError().number, OrvaneError::NoCurrentRow);
    EXPECT_TRUE(rows.lastError().description.contains("No current row in 'Events'"));
    EXPECT_FALSE(rows.deleteCurrent());
    EXPECT_FALSE(rows.setField("Title", "x"));
    EXPECT_EQ(rows.lastError().number, OrvaneError::UpdateWithoutEdit);
    EXPECT_FALSE(rows.update());
    EXPECT_EQ(rows.lastError().number, OrvaneError::UpdateWithoutEdit);

    Recordset nothing;
    EXPECT_EQ(nothing.recordCount(), 0);
    nothing.moveNext();
    EXPECT_EQ(nothing.field("Title"), std::nullopt);
    EXPECT_FALSE(nothing.addNew());
    EXPECT_FALSE(nothing.edit());
    EXPECT_FALSE(nothing.deleteCurrent());
}

TEST_F(RecordsetTest, EditChangesTheCurrentRowOnlyAndMovingAbandonsIt)
{
    Recordset rows = threeEvents();
    rows.moveNext();
    ASSERT_TRUE(rows.edit());
    EXPECT_TRUE(rows.setField("msg", "changed"));
    EXPECT_TRUE(rows.setField("NotifyDate", "07/01/2002"));
    ASSERT_TRUE(rows.update());
    EXPECT_EQ(fieldText(rows, "Msg"), "changed");

    // Moving abandons a pending change; so does cancelling a new row.
    ASSERT_TRUE(rows.edit());
    rows.setField("Title", "abandoned");
    rows.moveNext();
    EXPECT_FALSE(rows.update());
    ASSERT_TRUE(rows.addNew());
    rows.setField("Title", "never stored");
    rows.cancelUpdate();
    EXPECT_FALSE(rows.update());

    Recordset again = events.openTable("Events");
    EXPECT_EQ(column(again, "Title"), (QStringList{"A", "B", "C"}));
    EXPECT_EQ(column(again, "Msg"), (QStringList{"message of A", "changed", "message of C"}));
    EXPECT_EQ(column(again, "NotifyDate"), (QStringList{"06/01/2002", "07/01/2002", "06/01/2002"}));
}

TEST_F(RecordsetTest, DeleteLeavesNoCurrentRowAndNextGoesToTheFollowingRow)
{
    Recordset rows = threeEvents();
    rows.moveNext();
    ASSERT_TRUE(rows.deleteCurrent());
    EXPECT_EQ(rows.recordCount(), 2);
    EXPECT_FALSE(rows.hasCurrentRow());
    EXPECT_FALSE(rows.deleteCurrent()); // nothing more to delete there
    rows.moveNext();
    EXPECT_EQ(fieldText(rows, "Title"), "C");
    ASSERT_TRUE(rows.deleteCurrent()); // the last row
    rows.moveNext();
    EXPECT_TRUE(rows.isPastEnd());

    Recordset again = events.openTable("Events");
    EXPECT_EQ(column(again, "Title"), QStringList{"A"});
}

TEST_F(RecordsetTest, RowDeletedThroughAnotherRecordsetIsReported)
{
    Recordset first = threeEvents();
    Recordset second = events.openTable("Events");
    ASSERT_TRUE(second.deleteCurrent());

    EXPECT_EQ(first.field("Title"), std::nullopt);
    EXPECT_EQ(first.lastError().number, OrvaneError::RowDeleted);
    ASSERT_TRUE(first.edit());
    first.setField("Title", "revived");
    EXPECT_FALSE(first.update());
    EXPECT_EQ(first.lastError().number, OrvaneError::RowDeleted);
    Recordset again = events.openTable("Events");
    EXPECT_EQ(column(again, "Title"), (QStringList{"B", "C"}));
}

TEST_F(RecordsetTest, ValuesAreStoredExactlyAsGiven)
{
    const QString longTitle(300, u'T');
    const QString longMessage = QString(5000, u'm') + QStringLiteral("\r\nline two");
    const QString accents = QStringLiteral("Zoë's \"Fête\" – 日本; DROP TABLE Events; --");
    Recordset rows = events.openTable("Events");
    addEvent(rows, longTitle, accents, " 06/05/2002 ", "");
    ASSERT_TRUE(rows.edit());
    rows.setField("Msg", longMessage);
    ASSERT_TRUE(rows.update());

    rows = events.openTable("Events");
    EXPECT_EQ(fieldText(rows, "Title"), longTitle);
    EXPECT_EQ(fieldText(rows, "Type"), accents);
    EXPECT_EQ(fieldText(rows, "Msg"), longMessage);
    EXPECT_EQ(fieldText(rows, "Date"), " 06/05/2002 ");
    EXPECT_EQ(fieldText(rows, "NotifyDate"), "");
}

TEST_F(RecordsetTest, WriteRefusedByAnotherProgramsLockStoresNothingAndCanBeRetried)
{
    Recordset rows = threeEvents();
    OtherProgram other(files.path("Events.mdb"));
    ASSERT_TRUE(other.exec("BEGIN IMMEDIATE")); // holds the write lock; reading still works

    ASSERT_TRUE(rows.addNew());
    rows.setField("Title", "D");
    EXPECT_FALSE(rows.update());
    EXPECT_EQ(rows.lastError().number, OrvaneError::DatabaseLocked);
    EXPECT_TRUE(rows.lastError().description.contains(files.path("Events.mdb")));
    EXPECT_EQ(rows.recordCount(), 3);
    EXPECT_EQ(fieldText(rows, "Title"), "A");
    ASSERT_TRUE(other.exec("ROLLBACK"));
    EXPECT_TRUE(rows.update()); // the pending row was kept
    EXPECT_EQ(rows.recordCount(), 4);

    ASSERT_TRUE(other.exec("BEGIN IMMEDIATE"));
    EXPECT_FALSE(rows.deleteCurrent());
    EXPECT_EQ(rows.lastError().number, OrvaneError::DatabaseLocked);
    EXPECT_TRUE(rows.hasCurrentRow());
    ASSERT_TRUE(other.exec("ROLLBACK"));
    EXPECT_EQ(other.value("SELECT group_concat(Title) FROM Events"), "A,B,C,D");
}

} // namespace
