// The address book's guided entry: adding, changing and deleting contacts, and what the
// buttons do when there is nothing to act on or the database refuses.
#include "AddressBookFixture.h"
#include "widgets/HintList.h"

#include "reminders/AddressFields.h"

namespace {

class AddressEntry : public AddressBookFixture
{
protected:
    void press(void (AddressBookPanel::*handler)(int, int))
    {
        (panel().*handler)(kPressPoint.x(), kPressPoint.y());
    }
    void add() { press(&AddressBookPanel::onCmdAddAddressReleased); }
    void edit() { press(&AddressBookPanel::onCmdEditAddressReleased); }
    void save() { press(&AddressBookPanel::onCmdSaveAddressReleased); }
    void remove() { press(&AddressBookPanel::onCmdDeleteAddressReleased); }
    void view() { panel().onCmdViewAddressReleased(kPressPoint.x(), kPressPoint.y()); }
    QString firstNameOf(const char *lastName)
    {
        OtherProgram file(appPath("Address.mdb"));
        return file.value(QStringLiteral("SELECT Firstname FROM AddressBook WHERE Lastname = '%1'")
                              .arg(QString::fromUtf8(lastName).replace("'", "''"))
                              .toUtf8());
    }
};

TEST_F(AddressEntry, OBrienIsFoundChangedAndDeleted)
{
    setSetting("System", "Tips", "True");
    seed({{"Smith"}, {"O'Brien", "Pat"}});
    loaded();
    dashboard().show();
    type("o'b");
    EXPECT_EQ(listed(), QStringList{"O'Brien"});
    select("O'Brien");
    EXPECT_EQ(box("txtFirstName")->text(), "Pat");

    edit();
    EXPECT_TRUE(box("txtFirstName")->isEnabled());
    EXPECT_EQ(enabledButtons(), QStringList({"Save Address", "Cancel", "Close"}));
    EXPECT_TRUE(find<QFrame>("picTip")->isVisible());
    box("txtFirstName")->setText("Patrick");
    save();
    EXPECT_FALSE(find<QFrame>("picTip")->isVisible());
    EXPECT_EQ(firstNameOf("O'Brien"), "Patrick");
    EXPECT_EQ(search()->text(), "");
    EXPECT_EQ(listed(), QStringList({"Smith", "O'Brien"}));
    EXPECT_EQ(box("txtFirstName")->text(), "");
    EXPECT_FALSE(box("txtFirstName")->isEnabled());
    EXPECT_EQ(enabledButtons(), QStringList({"Add Address", "Close"}));

    select("O'Brien");
    prompter.setNextAnswer(Prompter::Answer::No);
    remove();
    EXPECT_EQ(stored("SELECT count(*) FROM AddressBook"), "2");
    remove();
    ASSERT_EQ(prompter.shown.size(), 2);
    EXPECT_EQ(prompter.shown[1].text, "Are You Sure You Want To Delete This Address");
    EXPECT_EQ(prompter.shown[1].title, "Delete Address");
    EXPECT_EQ(prompter.shown[1].buttons, Prompter::Buttons::YesNo);
    EXPECT_EQ(stored("SELECT group_concat(Lastname) FROM AddressBook"), "Smith");
    EXPECT_EQ(listed(), QStringList{"Smith"});
    EXPECT_EQ(box("txtFirstName")->text(), "");
}

TEST_F(AddressEntry, OnlyALastNameIsNeededAndTheOtherSeventeenFieldsAreStoredEmpty)
{
    loaded();
    view();
    EXPECT_TRUE(messages().isEmpty()); // nothing to view yet: the empty list says it
    EXPECT_EQ(find<HintListView>("lstAddress")->hint(), "No Addresses Found");
    add();
    EXPECT_TRUE(box("txtLastName")->isEnabled());
    save();
    box("txtLastName")->setText("   ");
    save();
    EXPECT_EQ(messages(), QStringList(2, "Last Name field must be filled in"));
    EXPECT_EQ(prompter.shown.last().title, "Orvane Error: Missing Data");
    EXPECT_EQ(stored("SELECT count(*) FROM AddressBook"), "0");
    EXPECT_TRUE(box("txtLastName")->isEnabled()); // the entry stays open

    box("txtLastName")->setText("Lee");
    save();
    QStringList empty;
    for (const AddressField &f : addressFields())
        if (f.field != "Lastname")
            empty << f.field + " = ''";
    EXPECT_EQ(empty.size(), 17);
    EXPECT_EQ(stored(("SELECT count(*) FROM AddressBook WHERE Lastname = 'Lee' AND "
                      + empty.join(" AND "))
                         .toUtf8()),
              "1");
    EXPECT_EQ(listed(), QStringList{"Lee"});
    select("Lee");
    for (QWidget *b : panel().controls().boxes) {
        const bool last = b->objectName() == "txtLastName";
        const QString text = qobject_cast<QLineEdit *>(b)
            ? qobject_cast<QLineEdit *>(b)->text()
            : qobject_cast<QPlainTextEdit *>(b)->toPlainText();
        EXPECT_EQ(text, last ? "Lee" : "") << b->objectName().toStdString();
    }
}

TEST_F(AddressEntry, BoxesRefuseInputBeyondTheirLimits)
{
    loaded();
    add();
    QTest::keyClicks(box("txtBirthday"), "12/31/1999 and more");
    EXPECT_EQ(box("txtBirthday")->text(), "12/31/1999");
    auto *comments = find<QPlainTextEdit>("txtComments");
    QTest::keyClicks(comments, QString(150, 'a'));
    comments->moveCursor(QTextCursor::Start);
    QTest::keyClicks(comments, QString(60, 'b'));
    EXPECT_EQ(comments->toPlainText(), QString(50, 'b') + QString(150, 'a'));
    EXPECT_EQ(box("txtLastName")->maxLength(), 40);
}

TEST_F(AddressEntry, EditAndDeleteWithoutASelectedContactDoNothing)
{
    seed({{"Smith"}});
    loaded();
    view(); // the list fill leaves no current contact
    EXPECT_FALSE(button("cmdDeleteAddress")->isEnabled());
    EXPECT_FALSE(button("cmdEditAddress")->isEnabled());
    remove();
    edit();
    EXPECT_TRUE(prompter.shown.isEmpty());
    EXPECT_FALSE(box("txtLastName")->isEnabled());
    EXPECT_EQ(stored("SELECT count(*) FROM AddressBook"), "1");

    // After "Add", "Cancel" nothing is selected either.
    add();
    press(&AddressBookPanel::onCmdCancelAddressReleased);
    remove();
    EXPECT_EQ(stored("SELECT count(*) FROM AddressBook"), "1");
}

TEST_F(AddressEntry, EditAndDeleteActOnTheShownContactAfterASearchMeanwhile)
{
    seed({{"Smith", "Ann"}, {"Jones", "Bob"}});
    loaded();
    select("Jones");
    edit();
    box("txtFirstName")->setText("Robert");
    type("Sm"); // a new current recordset with no current row
    save();
    EXPECT_EQ(firstNameOf("Jones"), "Robert");
    EXPECT_EQ(firstNameOf("Smith"), "Ann");

    select("Smith");
    type("J");
    remove();
    EXPECT_EQ(stored("SELECT group_concat(Lastname) FROM AddressBook"), "Jones");

    // Deleting the last contact leaves no stale name in the list.
    select("Jones");
    remove();
    EXPECT_EQ(listed().size(), 0);
    EXPECT_EQ(messages().last(), "No Addresses Found");
}

TEST_F(AddressEntry, ASaveTheDatabaseRefusesIsReportedAndKeepsTheEntryOpen)
{
    loaded();
    add();
    box("txtLastName")->setText("Lee");
    box("txtCity")->setText("Leeds");
    OtherProgram(appPath("Address.mdb")).exec("ALTER TABLE AddressBook RENAME TO Gone");
    save();
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_EQ(prompter.shown[0].title, "Orvane Error");
    EXPECT_EQ(prompter.shown[0].icon, Prompter::Icon::Critical);
    EXPECT_EQ(box("txtCity")->text(), "Leeds");
    EXPECT_TRUE(box("txtCity")->isEnabled());
    EXPECT_TRUE(button("cmdSaveAddress")->isEnabled());
}

} // namespace
