#include "reminders/ExchangeMenu.h"

#include "platform/Prompter.h"
#include "reminders/AddressBookPanel.h"
#include "reminders/ContactExchange.h"
#include "reminders/ReminderPanels.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>

namespace {

const QString kTitle = QStringLiteral("Orvane Address Book");
const QString kCards = QStringLiteral("vCard files (*.vcf *.vcard *.VCF);;All files (*)");

} // namespace

ExchangeMenu::ExchangeMenu(Services &services, ReminderPanels &reminders, const Actions &actions,
                           QWidget *window)
    : QObject(window)
    , m_services(services)
    , m_reminders(reminders)
    , m_window(window)
{
    connect(actions.importContacts, &QAction::triggered, this, [this] {
        const QString path = QFileDialog::getOpenFileName(
            m_window, QStringLiteral("Import Contacts"), QDir::homePath(), kCards);
        if (!path.isEmpty())
            importContacts(path);
    });
    connect(actions.exportContacts, &QAction::triggered, this, [this] {
        const QString path = QFileDialog::getSaveFileName(
            m_window, QStringLiteral("Export Contacts"),
            QDir::home().filePath(QStringLiteral("Contacts.vcf")), kCards);
        if (!path.isEmpty())
            exportContacts(path);
    });
}

void ExchangeMenu::importContacts(const QString &path)
{
    const ContactExchange::Report report
        = ContactExchange::importFile(m_reminders.stores().addressBook(), path);
    if (report.ok && report.added > 0) {
        AddressBookPanel &book = m_reminders.addressBook();
        book.Set_Boxes();
        book.List_Addresses();
    }
    m_services.prompter.tell(report.summary(), kTitle,
                             report.ok ? Prompter::Icon::Information : Prompter::Icon::Critical);
}

void ExchangeMenu::exportContacts(const QString &path)
{
    const ContactExchange::Report report
        = ContactExchange::exportFile(m_reminders.stores().addressBook(), path);
    m_services.prompter.tell(
        report.ok ? QStringLiteral("%1 contacts written to %2.").arg(report.added).arg(path)
                  : report.summary(),
        kTitle, report.ok ? Prompter::Icon::Information : Prompter::Icon::Critical);
}
