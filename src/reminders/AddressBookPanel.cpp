#include "reminders/AddressBookPanel.h"

#include "platform/AppFolder.h"
#include "platform/Prompter.h"
#include "reminders/AddressNameList.h"
#include "widgets/LumoButton.h"

#include <QFrame>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QSignalBlocker>

namespace {

const QString kLastNameField = QStringLiteral("Lastname");

QString boxText(const QWidget *box)
{
    if (const auto *line = qobject_cast<const QLineEdit *>(box))
        return line->text();
    return static_cast<const QPlainTextEdit *>(box)->toPlainText();
}

void setBoxText(QWidget *box, const QString &text)
{
    if (auto *line = qobject_cast<QLineEdit *>(box)) {
        line->setText(text);
        line->setCursorPosition(0); // a long address shows its beginning
    } else
        static_cast<QPlainTextEdit *>(box)->setPlainText(text);
}

} // namespace

AddressBookPanel::AddressBookPanel(Services &services, QWidget *surface, TipPanel &tips,
                                   ReminderStores &stores)
    : RecordPanel(services, surface, tips, stores)
    , m_ui(AddressControls::build(surface, services))
    , m_book(stores.addressBook())
{
    setObjectName(QStringLiteral("AddressBook"));
    connect(m_ui.search, &QLineEdit::textChanged, this, [this] { onTxtSearchChange(); });
    // A click, or Enter on the entry reached with the arrow keys.
    connect(m_ui.list, &QListView::clicked, this,
            [this](const QModelIndex &index) { onLstAddressClick(index.row()); });
    connect(m_ui.list, &QListView::activated, this,
            [this](const QModelIndex &index) { onLstAddressClick(index.row()); });
    onReleased<AddressBookPanel>({
        {m_ui.view, &AddressBookPanel::onCmdViewAddressReleased},
        {m_ui.add, &AddressBookPanel::onCmdAddAddressReleased},
        {m_ui.edit, &AddressBookPanel::onCmdEditAddressReleased},
        {m_ui.save, &AddressBookPanel::onCmdSaveAddressReleased},
        {m_ui.remove, &AddressBookPanel::onCmdDeleteAddressReleased},
        {m_ui.cancel, &AddressBookPanel::onCmdCancelAddressReleased},
        {m_ui.close, &AddressBookPanel::onCmdCloseAddressReleased},
    });
    enableOnly(Add | Close);
}

void AddressBookPanel::load()
{
    m_stores.openAddressBook(m_services.dataFolder.path(QStringLiteral("\\Address.mdb")));
    // An empty book is no error: nothing to list, and no message while the program starts.
    if (m_book.current().recordCount() > 0)
        List_Addresses();
    else
        clearList();
    Enabled_False_Address();
}

void AddressBookPanel::onTxtSearchChange()
{
    m_book.search(m_ui.search->text());
    List_Addresses();
}

void AddressBookPanel::List_Addresses()
{
    if (fillList() > 0)
        return;
    // Names that are no longer found must not stay listed.
    clearList();
    m_services.prompter.tell(QStringLiteral("No Addresses Found"), QStringLiteral("Error"),
                             Prompter::Icon::None);
    const QString text = m_ui.search->text();
    if (text.isEmpty())
        return;
    // The characters nothing continues are taken away again, with one message however
    // many there were (a pasted text may bring many).
    const QString shorter = m_book.shortenUntilFound(text);
    {
        const QSignalBlocker quiet(m_ui.search);
        m_ui.search->setText(shorter);
    }
    List_Addresses(); // something was found, or the box is empty: no further round
}

void AddressBookPanel::Show_All3()
{
    // An empty book leaves the list empty, where its hint says so; the box stays for a
    // search that found nothing.
    if (fillList() == 0)
        clearList();
}

void AddressBookPanel::onLstAddressClick(int row)
{
    if (row < 0 || row >= m_ui.names->rowCount())
        return;
    showPages();
    m_book.select(m_ui.names->name(row));
    fill_text_address();
    Enabled_False_Address();
    enableOnly(m_book.hasSelection() ? Edit | Delete | Add | Close : Add | Close);
}

int AddressBookPanel::fillList()
{
    Recordset &rows = m_book.current();
    const int count = rows.recordCount();
    if (count == 0)
        return 0;
    m_ui.names->show(rows);
    // As after every list fill: the cursor past the last row, no current row.
    rows.moveLast();
    rows.moveNext();
    return count;
}

void AddressBookPanel::clearList()
{
    m_ui.names->clear();
}

void AddressBookPanel::fill_text_address()
{
    const Contact contact = m_book.selected();
    for (qsizetype i = 0; i < m_ui.boxes.size(); ++i)
        setBoxText(m_ui.boxes[i], contact.value(i));
}

Contact AddressBookPanel::Database_data_Address() const
{
    Contact contact;
    for (const QWidget *box : m_ui.boxes)
        contact << boxText(box);
    return contact;
}

void AddressBookPanel::Set_Boxes()
{
    for (QWidget *box : m_ui.boxes)
        setBoxText(box, QString());
    m_book.clearSelection();
    Enabled_False_Address();
}

void AddressBookPanel::Enabled_False_Address()
{
    for (QWidget *box : m_ui.boxes)
        box->setEnabled(false);
}

void AddressBookPanel::Enable_True_Address()
{
    for (QWidget *box : m_ui.boxes)
        box->setEnabled(true);
}

void AddressBookPanel::showPages()
{
    m_ui.page1->show();
    m_ui.page2->show();
    m_ui.page1->raise();
    m_ui.page2->raise();
}

void AddressBookPanel::clearSearchQuietly()
{
    const QSignalBlocker quiet(m_ui.search);
    m_ui.search->clear();
}
