#include "reminders/ExchangeMenu.h"

#include "platform/Clock.h"
#include "platform/Prompter.h"
#include "reminders/AddressBookPanel.h"
#include "reminders/ContactExchange.h"
#include "reminders/ReminderExchange.h"
#include "reminders/ReminderPanels.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>

namespace {

const QString kTitle = QStringLiteral("Orvane Address Book");
const QString kCards = QStringLiteral("vCard files (*.vcf *.vcard *.VCF);;All files (*)");
const QString kRemindersTitle = QStringLiteral("Orvane Reminders");
const QString kCalendars = QStringLiteral("iCalendar files (*.ics *.ICS);;All files (*)");

} // namespace

ExchangeMenu::ExchangeMenu(Services &services, ReminderPanels &reminders, const Actions &actions,
                           QWidget *window)
    : QObject(window)
    , m_services(services)
    , m_reminders(reminders)
    , m_window(window)
{
    choose(actions.importContacts, false, QStringLiteral("Import Contacts"), QString(), kCards,
           &ExchangeMenu::importContacts);
    choose(actions.exportContacts, true, QStringLiteral("Export Contacts"),
           QStringLiteral("Contacts.vcf"), kCards, &ExchangeMenu::exportContacts);
    choose(actions.importReminders, false, QStringLiteral("Import Reminders"), QString(),
           kCalendars, &ExchangeMenu::importReminders);
    choose(actions.exportReminders, true, QStringLiteral("Export Reminders"),
           QStringLiteral("Reminders.ics"), kCalendars, &ExchangeMenu::exportReminders);
}

void ExchangeMenu::choose(QAction *action, bool saving, const QString &title,
                          const QString &suggested, const QString &types,
                          void (ExchangeMenu::*run)(const QString &))
{
    connect(action, &QAction::triggered, this, [=, this] {
        const QString path = saving
            ? QFileDialog::getSaveFileName(m_window, title, QDir::home().filePath(suggested), types)
            : QFileDialog::getOpenFileName(m_window, title, QDir::homePath(), types);
        if (!path.isEmpty())
            (this->*run)(path);
    });
}

void ExchangeMenu::tell(const ExchangeReport &report, const QString &title)
{
    m_services.prompter.tell(report.summary(), title,
                             report.ok ? Prompter::Icon::Information : Prompter::Icon::Critical);
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
    tell(report, kTitle);
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

void ExchangeMenu::importReminders(const QString &path)
{
    tell(ReminderExchange::importFile(m_reminders.stores().events(), path,
                                      m_services.clock.now().date()),
         kRemindersTitle);
}

void ExchangeMenu::exportReminders(const QString &path)
{
    const ExchangeReport report = ReminderExchange::exportFile(
        m_reminders.stores().events(), m_reminders.stores().bills(), path, m_services.clock.now());
    m_services.prompter.tell(
        report.ok ? QStringLiteral("%1 events and bills written to %2.").arg(report.added).arg(path)
                  : report.summary(),
        kRemindersTitle, report.ok ? Prompter::Icon::Information : Prompter::Icon::Critical);
}
