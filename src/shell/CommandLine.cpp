#include "shell/CommandLine.h"

#include "platform/AppFolder.h"
#include "platform/DataFolder.h"
#include "platform/InstalledLayout.h"
#include "platform/LockFileInstance.h"
#include "reminders/ContactExchange.h"
#include "reminders/ReminderExchange.h"
#include "reminders/ReminderStores.h"

#include <QDateTime>
#include <QTextStream>

#include <exception>

namespace CommandLine {

namespace {

enum class Exchange { ExportContacts, ImportContacts, ExportReminders, ImportReminders };

int say(const QString &text, int status)
{
    QTextStream(stderr) << text << Qt::endl;
    return status;
}

} // namespace

std::optional<int> runExchange(const QStringList &arguments, const QString &programFolder)
{
    static const QList<std::pair<QString, Exchange>> options{
        {QStringLiteral("--export-contacts"), Exchange::ExportContacts},
        {QStringLiteral("--import-contacts"), Exchange::ImportContacts},
        {QStringLiteral("--export-reminders"), Exchange::ExportReminders},
        {QStringLiteral("--import-reminders"), Exchange::ImportReminders},
    };
    std::optional<Exchange> exchange;
    QString option;
    for (const auto &[name, kind] : options) {
        if (arguments.contains(name)) {
            exchange = kind;
            option = name;
        }
    }
    if (!exchange)
        return std::nullopt;
    const qsizetype at = arguments.indexOf(option);
    if (arguments.size() != 2 || at != 0)
        return say(
            QStringLiteral("orvane: %1 takes one file, and nothing else with it.").arg(option), 2);
    const QString file = arguments[at + 1];
    LockFileInstance lock(LockFileInstance::defaultPath());
    if (!lock.tryLock())
        return say(QStringLiteral("orvane: Orvane is running and holds the databases; close it "
                                  "first."),
                   3);
    const AppFolder data(
        DataFolder::choose(programFolder, !InstalledLayout::launcherFor(programFolder).isEmpty()));
    ReminderDatabase book, events, bills;
    try {
        if (exchange == Exchange::ExportContacts || exchange == Exchange::ImportContacts) {
            book.store.open(data.path(QStringLiteral("\\Address.mdb")));
        } else {
            events.store.open(data.path(QStringLiteral("\\Events.mdb")));
            bills.store.open(data.path(QStringLiteral("\\Bills.mdb")));
        }
    } catch (const std::exception &error) {
        return say(QStringLiteral("orvane: %1").arg(QString::fromLocal8Bit(error.what())), 1);
    }
    const QDateTime now = QDateTime::currentDateTime();
    ExchangeReport report;
    QString done;
    switch (*exchange) {
    case Exchange::ExportContacts:
        report = ContactExchange::exportFile(book, file);
        done = QStringLiteral("%1 contacts written to %2.");
        break;
    case Exchange::ImportContacts:
        report = ContactExchange::importFile(book, file);
        break;
    case Exchange::ExportReminders:
        report = ReminderExchange::exportFile(events, bills, file, now);
        done = QStringLiteral("%1 events and bills written to %2.");
        break;
    case Exchange::ImportReminders:
        report = ReminderExchange::importFile(events, file, now.date());
        break;
    }
    if (!report.ok)
        return say(QStringLiteral("orvane: ") + report.summary(), 1);
    say(done.isEmpty() ? report.summary() : done.arg(report.added).arg(file), 0);
    return 0;
}

} // namespace CommandLine
