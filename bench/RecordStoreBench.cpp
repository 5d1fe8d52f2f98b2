// The record stores at 100,000 events, bills and contacts: each named query, opening a
// table, and a list fill of the whole table. Targets: a notify-date or due-date query under
// 2 ms, a last-name prefix search under 5 ms, opening a table under 50 ms.
#include "BulkRows.h"
#include "reminders/ListFill.h"
#include "reminders/RecordStore.h"
#include "reminders/ReminderQueries.h"

#include <QDate>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <random>

namespace {

constexpr int Rows = 100000;
const QStringList Types{"Anniversary", "Appointment", "Birthday", "Occasion", "To Do!"};

QString dateText(const QDate &date)
{
    return date.toString(QStringLiteral("MM/dd/yyyy"));
}

// Dates spread over ten years: about 27 rows per date.
QDate someDay(std::mt19937 &random)
{
    return QDate(2000, 1, 1).addDays(std::uniform_int_distribution<int>(0, 3652)(random));
}

class Stores
{
public:
    static Stores &get()
    {
        static Stores stores;
        return stores;
    }

    QString path(const char *name) const { return m_dir.path() + u'/' + QLatin1String(name); }

    RecordStore events;
    RecordStore bills;
    RecordStore addresses;

private:
    Stores()
    {
        for (const char *name : {"Events.mdb", "Bills.mdb", "Address.mdb"})
            QFile::copy(QStringLiteral(ORVANE_STAGED_APP_DIR "/") + QLatin1String(name),
                        path(name));
        std::mt19937 random(2002);
        bulkInsert(
            path("Events.mdb"),
            "INSERT INTO Events (Title, Type, Msg, Date, NotifyDate) VALUES (?1,?2,?3,?4,?5)", Rows,
            [&](int i) {
                const QDate date = someDay(random);
                return QStringList{QStringLiteral("Event %1").arg(i), Types[i % 5],
                                   QStringLiteral("A message of some length"), dateText(date),
                                   dateText(date.addDays(-3))};
            });
        bulkInsert(path("Bills.mdb"),
                   "INSERT INTO Bills (Payee, Amount, DueDate, NDate, EM) VALUES (?1,?2,?3,?4,?5)",
                   Rows, [&](int i) {
                       const QString due = dateText(someDay(random));
                       const bool monthly = i % 2 == 0;
                       return QStringList{QStringLiteral("Payee %1").arg(i),
                                          QStringLiteral("99.95"), due,
                                          monthly ? due.mid(3, 2) : due,
                                          monthly ? QStringLiteral("0") : QStringLiteral("1")};
                   });
        bulkInsert(
            path("Address.mdb"),
            "INSERT INTO AddressBook (Firstname, Lastname, City, email) VALUES (?1,?2,?3,?4)", Rows,
            [&](int i) {
                return QStringList{QStringLiteral("First%1").arg(i), someLastName(random),
                                   QStringLiteral("Springfield"),
                                   QStringLiteral("someone%1@example.org").arg(i)};
            });
        events.open(path("Events.mdb"));
        bills.open(path("Bills.mdb"));
        addresses.open(path("Address.mdb"));
    }

    QTemporaryDir m_dir;
};

// Each iteration asks for another value, so no answer is simply repeated.
template<typename Query>
void runQuery(benchmark::State &state, RecordStore &store, Query query,
              const std::function<QString(int)> &value)
{
    int i = 0;
    qint64 rows = 0;
    for (auto _ : state) {
        Recordset result = query(store, value(i++));
        rows += result.recordCount();
        benchmark::DoNotOptimize(result);
    }
    state.counters["rows"] = benchmark::Counter(double(rows) / double(i));
}

QString dayOf(int i)
{
    return dateText(QDate(2004, 1, 1).addDays(i % 365));
}

void BM_EventsByNotifyDate(benchmark::State &state)
{
    runQuery(state, Stores::get().events, ReminderQueries::eventsByNotifyDate, dayOf);
}

void BM_EventsByDate(benchmark::State &state)
{
    runQuery(state, Stores::get().events, ReminderQueries::eventsByDate, dayOf);
}

void BM_EventsByType(benchmark::State &state)
{
    runQuery(state, Stores::get().events, ReminderQueries::eventsByType,
             [](int i) { return Types[i % 5]; });
}

void BM_EventByTitle(benchmark::State &state)
{
    runQuery(state, Stores::get().events, ReminderQueries::eventByTitle,
             [](int i) { return QStringLiteral("event %1").arg(i * 7919 % Rows); });
}

void BM_BillsByNotifyDate(benchmark::State &state)
{
    runQuery(state, Stores::get().bills, ReminderQueries::billsByNotifyDate, dayOf);
}

void BM_BillsByNotifyDay(benchmark::State &state)
{
    runQuery(state, Stores::get().bills, ReminderQueries::billsByNotifyDate,
             [](int i) { return QStringLiteral("%1").arg(i % 28 + 1, 2, 10, QLatin1Char('0')); });
}

void BM_BillsByDueDate(benchmark::State &state)
{
    runQuery(state, Stores::get().bills, ReminderQueries::billsByDueDate, dayOf);
}

void BM_BillByPayee(benchmark::State &state)
{
    runQuery(state, Stores::get().bills, ReminderQueries::billByPayee,
             [](int i) { return QStringLiteral("PAYEE %1").arg(i * 7919 % Rows); });
}

// Names that are in the store, taken from its first rows.
void BM_AddressByLastName(benchmark::State &state)
{
    RecordStore &addresses = Stores::get().addresses;
    Recordset firstRows = addresses.openTable(QStringLiteral("AddressBook"));
    QStringList names;
    for (int i = 0; i < 100; ++i, firstRows.moveNext())
        names << firstRows.field(QStringLiteral("Lastname")).value_or(QString());
    runQuery(state, addresses, ReminderQueries::addressByLastName,
             [&names](int i) { return names[i % names.size()]; });
}

// Typed texts of one, two and three letters.
void BM_AddressesByLastNameStart(benchmark::State &state)
{
    const int length = int(state.range(0));
    runQuery(state, Stores::get().addresses, ReminderQueries::addressesByLastNameStart,
             [length](int i) {
                 QString typed = QStringLiteral("smi").left(length);
                 typed[0] = QChar(u'a' + i % 26);
                 return typed;
             });
}

void BM_OpenTable(benchmark::State &state)
{
    RecordStore &store = state.range(0) == 0 ? Stores::get().events
        : state.range(0) == 1                ? Stores::get().bills
                                             : Stores::get().addresses;
    const QString table = state.range(0) == 0 ? QStringLiteral("Events")
        : state.range(0) == 1                 ? QStringLiteral("Bills")
                                              : QStringLiteral("AddressBook");
    for (auto _ : state) {
        Recordset rows = store.openTable(table);
        benchmark::DoNotOptimize(rows);
    }
}

// Opening the file as the load sequence does, then its table.
void BM_OpenDatabaseAndTable(benchmark::State &state)
{
    const QString path = Stores::get().path("Events.mdb");
    for (auto _ : state) {
        RecordStore store;
        store.open(path);
        Recordset rows = store.openTable(QStringLiteral("Events"));
        benchmark::DoNotOptimize(rows);
    }
}

// The event list of every event, with a count text after each row.
void BM_ListFillWholeTable(benchmark::State &state)
{
    for (auto _ : state) {
        Recordset rows = Stores::get().events.openTable(QStringLiteral("Events"));
        QStringList list;
        QString count;
        ListFill::fill(rows, QStringLiteral("Title"), ListFill::Mode::Replace,
                       {[&list] { list.clear(); }, [&list](const QString &t) { list.append(t); },
                        [&count](int i) {
                            count = QString::number(i) + " Events Scheduled";
                        }});
        benchmark::DoNotOptimize(list);
    }
}

} // namespace

BENCHMARK(BM_EventsByNotifyDate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EventsByDate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EventsByType)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EventByTitle)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BillsByNotifyDate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BillsByNotifyDay)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BillsByDueDate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BillByPayee)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddressByLastName)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddressesByLastNameStart)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenTable)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenDatabaseAndTable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListFillWholeTable)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
