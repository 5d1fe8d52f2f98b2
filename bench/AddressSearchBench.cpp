// A keystroke in the address book's search box over 100,000 contacts: the query, the list
// fill and the list box laid out and painted, as the user waits for them. Target: under 10 ms for a letter typed
// into the box.
#include "reminders/AddressBookPanel.h"
#include "reminders/AddressNameList.h"
#include "support/FakeServices.h"
#include "widgets/TipPanel.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QWidget>

#include <benchmark/benchmark.h>
#include <random>
#include <sqlite3.h>

namespace {

constexpr int Rows = 100000;

QString someLastName(std::mt19937 &random)
{
    std::uniform_int_distribution<int> letter(0, 25);
    QString name(1, QChar(u'A' + letter(random)));
    const int length = std::uniform_int_distribution<int>(3, 9)(random);
    for (int i = 0; i < length; ++i)
        name += QChar(u'a' + letter(random));
    return name;
}

void fillBook(const QString &path)
{
    std::mt19937 random(2002);
    sqlite3 *db = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt *insert = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO AddressBook (Firstname, Lastname) VALUES (?1, ?2)", -1,
                       &insert, nullptr);
    for (int i = 0; i < Rows; ++i) {
        const QByteArray first = QStringLiteral("First%1").arg(i).toUtf8();
        const QByteArray last = someLastName(random).toUtf8();
        sqlite3_bind_text(insert, 1, first.constData(), int(first.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 2, last.constData(), int(last.size()), SQLITE_TRANSIENT);
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
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
        QFile::copy(QStringLiteral(ORVANE_STAGED_APP_DIR "/Address.mdb"),
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

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
