// The databases at start-up and at "&Exit": a database that cannot be opened fails the load
// with a report naming it and is never created or written; the hooks open and close all three.
#include "reminders/ReminderPanels.h"
#include "reminders/StoreFiles.h"
#include "support/DashboardFixture.h"
#include "widgets/TipPanel.h"

#include <QFile>
#include <QFileInfo>
#include <QWidget>

namespace {

class ReminderStartup : public DashboardFixture
{
protected:
    // The single report of a failed load, after checking that the load failed.
    QString failureReport()
    {
        EXPECT_EQ(dashboard().load(), Dashboard::LoadResult::Failed);
        EXPECT_EQ(prompter.shown.size(), 1);
        if (prompter.shown.isEmpty())
            return {};
        EXPECT_EQ(prompter.shown[0].title, "Orvane Error");
        return prompter.shown[0].text;
    }
};

TEST_F(ReminderStartup, MissingAddressDatabaseStopsTheLoadAndIsNotCreated)
{
    const QString path = appPath("Address.mdb");
    ASSERT_TRUE(QFile::remove(path));
    EXPECT_EQ(failureReport(),
              QStringLiteral("Could not find the database file '%1' (3024)").arg(path));
    EXPECT_EQ(dashboard().loadTrace().last(), "addressBook"); // later steps skipped
    dashboard().closeAfterFailedLoad();
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST_F(ReminderStartup, BillsFileThatIsNoDatabaseIsReportedAndLeftAlone)
{
    const QString path = appPath("Bills.mdb");
    ASSERT_TRUE(QFile::remove(path));
    writeFile(path, "not a database\n");
    const QString report = failureReport();
    EXPECT_EQ(report, QStringLiteral("The file '%1' is not a database (3343)").arg(path));
    EXPECT_EQ(dashboard().loadTrace().last(), "dateStartup");
    dashboard().closeAfterFailedLoad();
    EXPECT_EQ(readFile(path), "not a database\n");
}

TEST_F(ReminderStartup, EventsFileWithoutItsTableIsReported)
{
    const QString path = appPath("Events.mdb");
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QFile::copy(appPath("Bills.mdb"), path));
    EXPECT_EQ(failureReport(),
              QStringLiteral("The database file '%1' has no table 'Events' (3078)").arg(path));
}

TEST_F(ReminderStartup, EventsTableWithOtherColumnsIsReportedAndLeftAlone)
{
    const QString path = appPath("Events.mdb");
    ASSERT_TRUE(QFile::remove(path));
    writeFile(path, "");
    ASSERT_TRUE(OtherProgram(path).exec("CREATE TABLE events (Title TEXT, Kind TEXT, Msg TEXT, "
                                        "Date TEXT, NotifyDate TEXT)"));
    const QByteArray before = readFile(path);
    EXPECT_EQ(failureReport(),
              QStringLiteral("The table 'Events' in the database file '%1' has no column 'Type' "
                             "(3265)")
                  .arg(path));
    dashboard().closeAfterFailedLoad();
    EXPECT_EQ(readFile(path), before);
}

TEST_F(ReminderStartup, HooksOpenEachTableAsCurrentAndExitClosesThemAll)
{
    // The application folder finds its files whatever their case.
    ASSERT_TRUE(QFile::rename(appPath("Address.mdb"), appPath("ADDRESS.MDB")));
    QWidget surface;
    TipPanel tips(&surface);
    const Connectivity::State connectivity;
    ReminderPanels panels(*services, &surface, tips, connectivity);
    panels.loadAddressBook();
    panels.dateStartup();

    ReminderStores &stores = panels.stores();
    EXPECT_EQ(stores.addressBook().store.path(), appPath("ADDRESS.MDB"));
    EXPECT_EQ(stores.addressBook().current.tableName(), "AddressBook");
    EXPECT_EQ(stores.bills().current.tableName(), "Bills");
    EXPECT_EQ(stores.events().current.tableName(), "Events");
    EXPECT_FALSE(stores.events().current.hasError());

    // At a change of date the events and bills are opened again, replacing the old ones.
    panels.dateStartup();
    EXPECT_TRUE(stores.bills().store.isOpen());

    panels.closeStores();
    EXPECT_FALSE(stores.events().store.isOpen());
    EXPECT_FALSE(stores.bills().store.isOpen());
    EXPECT_FALSE(stores.addressBook().store.isOpen());
}

} // namespace
