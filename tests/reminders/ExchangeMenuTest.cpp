// "Import Contacts..." and "Export Contacts..." on a loaded dashboard: the list shows what
// came in, and the user is told how it went.
#include "reminders/ExchangeMenu.h"
#include "reminders/AddressBookFixture.h"

namespace {

using ExchangeMenuTest = AddressBookFixture;

TEST_F(ExchangeMenuTest, ImportedContactsAppearInTheListAndAnExportSaysWhereItWent)
{
    seed({{"Abbott", "Al"}});
    loaded();
    writeFile(appPath("in.vcf"),
              "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Zimmer;Zoe;;;\r\nEND:VCARD\r\n"
              "BEGIN:VCARD\r\nVERSION:3.0\r\nEMAIL:x@example.test\r\nEND:VCARD\r\n");
    dashboard().exchange().importContacts(appPath("in.vcf"));
    EXPECT_EQ(listed(), QStringList({"Abbott", "Zimmer"}));
    EXPECT_EQ(messages().last(), "1 contacts added. 1 left out: card 2: it has no name");

    dashboard().exchange().exportContacts(appPath("out.vcf"));
    EXPECT_EQ(messages().last(), "2 contacts written to " + appPath("out.vcf") + ".");
    dashboard().exchange().exportContacts(appPath("no/such/folder/out.vcf"));
    EXPECT_TRUE(messages().last().contains("cannot be written")) << messages().last().toStdString();

    dashboard().exchange().exportReminders(appPath("out.ics"));
    EXPECT_EQ(messages().last(), "0 events and bills written to " + appPath("out.ics") + ".");
    dashboard().exchange().importReminders(appPath("out.vcf"));
    EXPECT_TRUE(messages().last().contains("no calendar")) << messages().last().toStdString();
}

} // namespace
