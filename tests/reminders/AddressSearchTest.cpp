// The address book's search box and list: narrowing by the start of the last name, the
// letter nothing continues taken back, the empty book.
#include "AddressBookFixture.h"

#include "common/Twips.h"
#include "widgets/TipPanel.h"

#include <QLabel>

namespace {

using AddressSearch = AddressBookFixture;

TEST_F(AddressSearch, TypingNarrowsByLastNameStartAndTakesBackAnUnmatchedLetter)
{
    seed({{"Smith"}, {"Osmond"}, {"smythe"}, {"Jones"}, {"Smith", "Ann"}});
    loaded();
    EXPECT_EQ(listed(), QStringList({"Smith", "Osmond", "smythe", "Jones", "Smith"}));
    EXPECT_TRUE(prompter.shown.isEmpty());

    type("Sm");
    EXPECT_EQ(listed(), QStringList({"Smith", "smythe", "Smith"})); // case ignored, store order
    type("x");
    ASSERT_EQ(messages(), QStringList{"No Addresses Found"});
    EXPECT_EQ(prompter.shown[0].title, "Error");
    EXPECT_EQ(search()->text(), "Sm");
    EXPECT_EQ(listed(), QStringList({"Smith", "smythe", "Smith"}));

    // A pasted text: one message, and back to the longest start that names someone.
    search()->setText("Smithsonian");
    EXPECT_EQ(messages().size(), 2);
    EXPECT_EQ(search()->text(), "Smith");
    EXPECT_EQ(listed(), QStringList({"Smith", "Smith"}));

    // Pattern characters are plain characters.
    search()->setText("%");
    EXPECT_EQ(search()->text(), "");
    EXPECT_EQ(listed().size(), 5);
    search()->setText("_mith");
    EXPECT_EQ(search()->text(), "");
    EXPECT_EQ(messages().size(), 4);
}

TEST_F(AddressSearch, EmptyBookStartsQuietlyAndATypedLetterGivesTwoMessages)
{
    loaded();
    EXPECT_TRUE(prompter.shown.isEmpty());
    EXPECT_EQ(listed().size(), 0);

    type("a");
    EXPECT_EQ(messages(), QStringList({"No Addresses Found", "No Addresses Found"}));
    EXPECT_EQ(search()->text(), "");
    EXPECT_EQ(listed().size(), 0);
    EXPECT_FALSE(find<QFrame>("PicAddress1")->isVisible());
}

TEST_F(AddressSearch, SelectionShowsTheFirstContactOfThatNameWithLockedBoxes)
{
    seed({{"Smith", "Ann"}, {"Jones"}, {"Smith", "Bob"}});
    loaded();
    dashboard().show();
    // A click on the second Smith shows the first.
    const QModelIndex secondSmith = panel().controls().names->index(2);
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                      list()->visualRect(secondSmith).center());
    EXPECT_TRUE(find<QFrame>("PicAddress1")->isVisible());
    EXPECT_TRUE(find<QFrame>("picAddress2")->isVisible());
    EXPECT_EQ(box("txtFirstName")->text(), "Ann");
    EXPECT_EQ(box("txtLastName")->text(), "Smith");
    EXPECT_EQ(box("txtCity")->text(), "");
    EXPECT_FALSE(box("txtFirstName")->isEnabled());
    EXPECT_EQ(enabledButtons(),
              QStringList({"Add Address", "Edit Address", "Delete Address", "Close"}));

    // Close hides both pages; the list stays.
    panel().onCmdCloseAddressReleased(kPressPoint.x(), kPressPoint.y());
    EXPECT_FALSE(find<QFrame>("PicAddress1")->isVisible());
    EXPECT_FALSE(find<QFrame>("picAddress2")->isVisible());
    EXPECT_EQ(listed().size(), 3);
}

TEST_F(AddressSearch, ViewShowsTheWholeBookWithItsTipAndActsOnlyOnAReleaseInside)
{
    setSetting("System", "Tips", "True");
    seed({{"Smith"}, {"Jones"}});
    loaded();
    dashboard().show();
    type("J");
    panel().onCmdViewAddressReleased(101, 10); // on the edge: outside
    EXPECT_FALSE(find<QFrame>("PicAddress1")->isVisible());

    panel().onCmdViewAddressReleased(100, 21);
    EXPECT_TRUE(find<QFrame>("PicAddress1")->isVisible());
    EXPECT_EQ(listed(), QStringList({"Smith", "Jones"}));
    EXPECT_EQ(enabledButtons(), QStringList({"Add Address", "Close"}));
    QFrame *tip = find<QFrame>("picTip");
    EXPECT_TRUE(tip->isVisible());
    EXPECT_EQ(tip->pos(), QPoint(twips(4800), twips(4755)));
    EXPECT_TRUE(dashboard().tips().label()->text().startsWith(
        "To add a new address, click the ADD ADDRESS button\n\nTo delete or edit"));

    panel().onCmdCloseAddressReleased(kPressPoint.x(), kPressPoint.y());
    EXPECT_FALSE(tip->isVisible());
}

} // namespace
