// The address book in and out as vCard at 10,000 contacts: an import into the shipped empty
// book (one transaction, every card checked against the book for doubles) and an export.
#include "reminders/ContactExchange.h"
#include "reminders/ReminderStores.h"
#include "reminders/VCard.h"

#include "BenchMemory.h"

#include <QTemporaryDir>

namespace {

constexpr int kContacts = 10'000;

QByteArray cards()
{
    QList<Contact> contacts;
    for (int i = 0; i < kContacts; ++i)
        contacts.append({QStringLiteral("Ann%1").arg(i), QStringLiteral("M\u00fcller %1").arg(i),
                         QStringLiteral("555 %1").arg(i, 4, 10, QLatin1Char('0')),
                         QStringLiteral("%1 High Street").arg(i), QString(),
                         QStringLiteral("Springfield"), QStringLiteral("IL"), QStringLiteral("USA"),
                         QStringLiteral("62701"), QStringLiteral("555 9876"), QStringLiteral("42"),
                         QString(), QStringLiteral("ann%1@example.test").arg(i), QString(),
                         QStringLiteral("Acme"), QStringLiteral("04/12/1985"), QString(),
                         QStringLiteral("Met at the fair, table %1").arg(i)});
    return VCard::serialize(contacts);
}

struct Book
{
    QTemporaryDir dir;
    ReminderDatabase db;
    explicit Book(const QByteArray &vcards)
    {
        QFile::copy(QStringLiteral(ORVANE_STAGED_APP_DIR "/Address.mdb"), dir.filePath("a.mdb"));
        QFile::setPermissions(dir.filePath("a.mdb"), QFile::ReadOwner | QFile::WriteOwner);
        db.store.open(dir.filePath("a.mdb"));
        QFile file(dir.filePath("in.vcf"));
        file.open(QIODevice::WriteOnly);
        file.write(vcards);
    }
};

void BM_ImportContacts(benchmark::State &state)
{
    const QByteArray vcards = cards();
    for (auto _ : state) {
        state.PauseTiming();
        Book book(vcards);
        state.ResumeTiming();
        const Memory memory;
        const ContactExchange::Report report
            = ContactExchange::importFile(book.db, book.dir.filePath("in.vcf"));
        if (!report.ok || report.added != kContacts)
            state.SkipWithError("not every contact was imported");
        state.PauseTiming();
        memory.report(state);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ImportContacts)->Unit(benchmark::kMillisecond);

void BM_ExportContacts(benchmark::State &state)
{
    Book book(cards());
    ContactExchange::importFile(book.db, book.dir.filePath("in.vcf"));
    for (auto _ : state) {
        const Memory memory;
        const ContactExchange::Report report
            = ContactExchange::exportFile(book.db, book.dir.filePath("out.vcf"));
        if (!report.ok || report.added != kContacts)
            state.SkipWithError("not every contact was written");
        state.PauseTiming();
        memory.report(state);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ExportContacts)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
