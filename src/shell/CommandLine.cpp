#include "shell/CommandLine.h"

#include "platform/AppFolder.h"
#include "platform/DataFolder.h"
#include "platform/InstalledLayout.h"
#include "platform/LockFileInstance.h"
#include "reminders/ContactExchange.h"
#include "reminders/ReminderStores.h"

#include <QTextStream>

#include <exception>

namespace CommandLine {

namespace {

enum class Exchange { ExportContacts, ImportContacts };

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
    ReminderDatabase book;
    try {
        book.store.open(data.path(QStringLiteral("\\Address.mdb")));
    } catch (const std::exception &error) {
        return say(QStringLiteral("orvane: %1").arg(QString::fromLocal8Bit(error.what())), 1);
    }
    const bool exporting = exchange == Exchange::ExportContacts;
    const ContactExchange::Report report = exporting ? ContactExchange::exportFile(book, file)
                                                     : ContactExchange::importFile(book, file);
    if (!report.ok)
        return say(QStringLiteral("orvane: ") + report.summary(), 1);
    say(exporting ? QStringLiteral("%1 contacts written to %2.").arg(report.added).arg(file)
                  : report.summary(),
        0);
    return 0;
}

} // namespace CommandLine
