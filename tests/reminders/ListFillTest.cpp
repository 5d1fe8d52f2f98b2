// The list fill shared by every reminder list: what the list receives, in which order the
// count callback runs, and where it leaves the cursor.
#include "common/OrvaneError.h"
#include "reminders/ListWidgetFill.h"
#include "reminders/ReminderQueries.h"
#include "reminders/StoreFiles.h"

#include <QListWidget>

namespace {

class ListFillTest : public ::testing::Test
{
protected:
    ListFillTest()
        : events(files.open("Events.mdb"))
    {
        Recordset rows = events.openTable("Events");
        for (const char *title : {"A", "B", "C"})
            addEvent(rows, title, "Occasion", "06/05/2002", "06/01/2002");
    }

    // Every call the fill makes, in order.
    ListFill::Target recorder()
    {
        return {[this] { calls << "clear"; }, [this](const QString &text) { calls << text; },
                [this](int row) {
                    calls << QString::number(row);
                }};
    }

    StoreFiles files;
    RecordStore events;
    QStringList calls;
};

TEST_F(ListFillTest, ListsEveryRowFromTheFirstAndLeavesNoCurrentRow)
{
    Recordset rows = events.openTable("Events");
    rows.moveLast(); // wherever the cursor stood, the fill starts at the first row
    EXPECT_EQ(ListFill::fill(rows, "title", ListFill::Mode::Replace, recorder()), 3);
    EXPECT_EQ(calls, (QStringList{"clear", "A", "1", "B", "2", "C", "3"}));

    EXPECT_TRUE(rows.isPastEnd());
    EXPECT_FALSE(rows.edit());
    EXPECT_EQ(rows.lastError().number, OrvaneError::NoCurrentRow);
    EXPECT_FALSE(rows.deleteCurrent());
    rows.moveFirst(); // a new movement brings a row back
    EXPECT_EQ(fieldText(rows, "Title"), "A");
}

// An empty result leaves the list alone; appending keeps what it held.
TEST_F(ListFillTest, ListWidgetReceivesTheEntriesAndCounts)
{
    QListWidget list;
    list.addItems({"old 1", "old 2"});
    const auto entries = [&list] {
        QStringList texts;
        for (int i = 0; i < list.count(); ++i)
            texts << list.item(i)->text();
        return texts;
    };

    Recordset none = ReminderQueries::eventsByDate(events, "01/01/1999");
    EXPECT_EQ(fillListWidget(list, none, "Title", ListFill::Mode::Replace), 0);
    EXPECT_EQ(entries(), (QStringList{"old 1", "old 2"}));

    Recordset rows = events.openTable("Events");
    EXPECT_EQ(fillListWidget(list, rows, "Title", ListFill::Mode::Append), 3);
    EXPECT_EQ(entries(), (QStringList{"old 1", "old 2", "A", "B", "C"}));

    QStringList counts;
    rows = events.openTable("Events");
    fillListWidget(list, rows, "Title", ListFill::Mode::Replace,
                   [&counts](int row) { counts << QString::number(row) + " Events Scheduled"; });
    EXPECT_EQ(entries(), (QStringList{"A", "B", "C"}));
    EXPECT_EQ(counts.last(), "3 Events Scheduled");
    EXPECT_EQ(counts.size(), 3);
    EXPECT_FALSE(rows.hasCurrentRow());
}

} // namespace
