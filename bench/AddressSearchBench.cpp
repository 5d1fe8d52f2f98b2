// A keystroke in the address book's search box over 100,000 contacts: the query, the list
// fill and the list box laid out and painted, as the user waits for them. Target: under 10 ms for a
// letter typed into the box.
#include "BulkRows.h"
#include "reminders/AddressBookPanel.h"
#include "reminders/AddressNameList.h"
#include "support/FakeServices.h"
#include "support/StagedPaths.h"
#include "widgets/TipPanel.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QWidget>

#include <benchmark/benchmark.h>

namespace {

constexpr int Rows = 100000;

void fillBook(const QString &path)
{
    std::mt19937 random(2002);
    bulkInsert(path, "INSERT INTO AddressBook (Firstname, Lastname) VALUES (?1, ?2)", Rows,
               [&](int i) {
                   return QStringList{QStringLiteral("First%1").arg(i), someLastName(random)};
               });
}

// One address book panel over the filled book, loaded as at start-up.
class Book
{
public:
    static Book &get()
    {
        static Book book;
        return book;
    }

    QLineEdit *search() { return panel.controls().search; }
    int listed() { return panel.controls().names->rowCount(); }

private:
    Book()
        : fakes(dir.path(), dir.path() + QStringLiteral("/settings.ini"))
        , tips(&surface)
        , panel(fakes.services, &surface, tips, stores)
    {
        QFile::copy(stagedAppDir() + QStringLiteral("/Address.mdb"),
                    dir.path() + QStringLiteral("/Address.mdb"));
        fillBook(dir.path() + QStringLiteral("/Address.mdb"));
        panel.load();
        surface.resize(800, 600);
        surface.show();
        QApplication::processEvents();
    }

    QTemporaryDir dir;
    FakeServices fakes;
    QWidget surface;
    TipPanel tips;
    ReminderStores stores;
    AddressBookPanel panel;
};

// From the text "from" (set untimed), one keystroke makes it "to".
void keystroke(benchmark::State &state, const QString &from, const QString &to)
{
    Book &book = Book::get();
    qint64 listed = 0;
    for (auto _ : state) {
        state.PauseTiming();
        book.search()->setText(from);
        QApplication::processEvents();
        state.ResumeTiming();
        book.search()->setText(to);
        QApplication::processEvents(); // the list laid out and painted
        listed += book.listed();
    }
    state.counters["listed"] = benchmark::Counter(double(listed) / double(state.iterations()));
}

// The whole book listed, then the first letter: about 1 in 26 names.
void BM_FirstLetter(benchmark::State &state)
{
    keystroke(state, QString(), QStringLiteral("S"));
}

void BM_SecondLetter(benchmark::State &state)
{
    keystroke(state, QStringLiteral("S"), QStringLiteral("Sm"));
}

void BM_ThirdLetter(benchmark::State &state)
{
    keystroke(state, QStringLiteral("Sm"), QStringLiteral("Smi"));
}

// A letter no name continues: the message (answered at once) and the letter taken back.
void BM_UnmatchedLetter(benchmark::State &state)
{
    keystroke(state, QStringLiteral("Sm"), QStringLiteral("Sm#"));
}

// The last letter erased: all 100,000 names listed again.
void BM_EraseToWholeBook(benchmark::State &state)
{
    keystroke(state, QStringLiteral("S"), QString());
}

} // namespace

BENCHMARK(BM_FirstLetter)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SecondLetter)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ThirdLetter)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UnmatchedLetter)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EraseToWholeBook)->Unit(benchmark::kMillisecond);
