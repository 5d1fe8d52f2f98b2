#include "weather/CitySearch.h"
#include "common/Cp1252.h"
#include "platform/AppFolder.h"
#include "support/StagedPaths.h"
#include "weather/CityData.h"
#include "weather/CityFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kHost = QStringLiteral("http://127.0.0.1:9");

QByteArray record(const QString &name, const QString &code, int width, int length)
{
    return toCp1252(name.leftJustified(width) + code.leftJustified(length - width));
}

class CitySearchTest : public ::testing::Test
{
protected:
    CitySearchTest() { QDir(dir.path()).mkpath(QStringLiteral("TextFiles")); }

    void write(const QString &name, const QByteArray &bytes)
    {
        QFile f(dir.path() + u'/' + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    void writeList(const QString &name, const QStringList &lines)
    {
        write(QStringLiteral("TextFiles/") + name,
              toCp1252(lines.join(QStringLiteral("\r\n")) + "\r\n"));
    }
    // Canada with two provinces, Ontario holding a city Canada.dat lacks; France and Norway.
    void shipSample()
    {
        writeList("Canada.txt", {"Ontario", "Nunavut"});
        writeList("2ontario.TXT", {"Toronto", "Miramichi", " Ottawa "});
        write("Canada.dat", record("Toronto", "CYYZ", 20, 25) + record("OTTAWA", "CYOW", 20, 25));
        writeList("2France.txt", {"Paris", "Lyon", "  Nice", "Zürich"});
        writeList("2Norway.txt", {"Oslo", "NONE LISTED", "Bergen"});
        write("Country.dat",
              record("  paris", "LFPG", 25, 30) + record("Zürich", "LSZH ", 25, 30)
                  + record("Lyon", "LFLL", 25, 30));
    }

    QTemporaryDir dir;
    AppFolder folder{dir.path()};
    CitySearch search{folder, kHost};
};

} // namespace

TEST(CityDataTest, RecordCountRoundsHalvesToEvenAndIsAtLeastOne)
{
    EXPECT_EQ(CityData::recordCount(61, 30), 2);
    EXPECT_EQ(CityData::recordCount(0, 30), 1);
    EXPECT_EQ(CityData::recordCount(14, 30), 1);  // rounds to 0, still one record
    EXPECT_EQ(CityData::recordCount(45, 30), 2);  // 1.5 -> 2
    EXPECT_EQ(CityData::recordCount(75, 30), 2);  // 2.5 -> 2
    EXPECT_EQ(CityData::recordCount(105, 30), 4); // 3.5 -> 4
    EXPECT_EQ(CityData::recordCount(50, 25), 2);
}

TEST(CityDataTest, FirstMatchTrimmedAndUpperCasedPartialLastRecordReadAsFarAsItGoes)
{
    CityData data;
    // Two "LYON" records: the first wins. The third is cut inside its code.
    const QByteArray bytes = record(" lyon", "AAAA", 25, 30) + record("LYON", "BBBB", 25, 30)
        + record("Nice", "LFMN", 25, 30).left(27);
    data.setBytes(bytes, 30, 25);
    EXPECT_EQ(data.count(), 3); // 87 / 30 = 2.9
    ASSERT_TRUE(data.find("LYON"));
    EXPECT_EQ(data.find("LYON")->record, 1);
    EXPECT_EQ(data.find("LYON")->code, "AAAA");
    ASSERT_TRUE(data.find("NICE"));
    EXPECT_EQ(data.find("NICE")->code, "LF");
    EXPECT_FALSE(data.find("lyon"));  // the chosen name arrives upper-cased
    EXPECT_FALSE(data.find("LYON ")); // blanks of the chosen name are part of it

    // 45 bytes make 2 records, the second only half there; an empty file one empty record.
    data.setBytes(record("Oslo", "ENGM", 25, 30) + QByteArray("BERGEN", 6).leftJustified(15, ' '),
                  30, 25);
    EXPECT_EQ(data.count(), 2);
    EXPECT_EQ(data.find("BERGEN")->code, "");
    data.setBytes({}, 30, 25);
    EXPECT_EQ(data.count(), 1);
    EXPECT_FALSE(data.find(""));
}

TEST_F(CitySearchTest, CanadaFillsProvincesThenCitiesThenGivesTheStationAddress)
{
    shipSample();
    CitySearch::Step step = search.chooseCountry("Canada");
    EXPECT_EQ(step.list, CitySearch::List::Second);
    EXPECT_EQ(step.entries, QStringList({"Ontario", "Nunavut"}));
    EXPECT_EQ(search.data().count(), 2);
    EXPECT_TRUE(step.message.isEmpty());
    EXPECT_FALSE(step.lookedUp);

    EXPECT_EQ(search.chooseSecond("Nunavut").list, CitySearch::List::None); // no city file
    step = search.chooseSecond("Ontario");
    EXPECT_EQ(step.list, CitySearch::List::Third);
    EXPECT_EQ(step.entries, QStringList({"Toronto", "Miramichi", " Ottawa "}));

    step = search.chooseCity("Toronto");
    EXPECT_TRUE(step.lookedUp);
    EXPECT_EQ(step.address, kHost + "/global/stations/CYYZ.html");
    EXPECT_EQ(search.lastMatch(), 1);
    EXPECT_TRUE(step.message.isEmpty());

    step = search.chooseCity("Miramichi");
    EXPECT_TRUE(step.lookedUp);
    EXPECT_FALSE(step.address);
    EXPECT_EQ(step.message, "MIRAMICHI NOT FOUND!");
    EXPECT_EQ(search.chooseCity(" Ottawa ").message, " OTTAWA  NOT FOUND!");
}

TEST_F(CitySearchTest, OtherCountriesListCitiesAndStaySilentWhenNotFound)
{
    shipSample();
    CitySearch::Step step = search.chooseCountry("France");
    EXPECT_EQ(step.entries, QStringList({"Paris", "Lyon", "  Nice", "Zürich"}));
    EXPECT_EQ(search.chooseSecond("Paris").address, kHost + "/global/stations/LFPG.html");
    step = search.chooseSecond("Zürich"); // through Windows-1252 both ways
    EXPECT_EQ(step.address, kHost + "/global/stations/LSZH.html");
    EXPECT_EQ(search.lastMatch(), 2);
    step = search.chooseSecond("  Nice");
    EXPECT_TRUE(step.lookedUp);
    EXPECT_FALSE(step.address);
    EXPECT_TRUE(step.message.isEmpty());

    step = search.chooseCountry("Norway");
    EXPECT_EQ(step.entries, QStringList({"Oslo"})); // filling stops at the marker
    EXPECT_EQ(step.message,
              "No cities listed.\r\nAll cities can be found by typing in for "
              "example:\r\nDublin Ireland");
    EXPECT_TRUE(step.title.isEmpty());
    EXPECT_FALSE(step.error);
}

TEST_F(CitySearchTest, MissingFilesAreNamedAndFindNothing)
{
    writeList("Canada.txt", {"Ontario"});
    CitySearch::Step step = search.chooseCountry("Canada"); // no Canada.dat
    EXPECT_TRUE(step.error);
    EXPECT_TRUE(step.entries.isEmpty());
    EXPECT_TRUE(step.message.contains(dir.path() + "/Canada.dat")) << qPrintable(step.message);
    EXPECT_EQ(step.title, "Orvane Error: Missing Data");
    EXPECT_EQ(search.chooseCity("Toronto").message, "TORONTO NOT FOUND!");

    write("Canada.dat", record("Toronto", "CYYZ", 20, 25));
    step = search.chooseCountry("Canada");
    EXPECT_FALSE(step.error);
    step = search.chooseSecond("Ontario"); // no 2Ontario.txt
    EXPECT_TRUE(step.error);
    EXPECT_TRUE(step.message.contains("2Ontario.txt"));
    EXPECT_EQ(step.list, CitySearch::List::Third);

    write("Country.dat", {});
    step = search.chooseCountry("Spain"); // no 2Spain.txt
    EXPECT_TRUE(step.error);
    EXPECT_TRUE(step.message.contains("2Spain.txt"));
    QDir(dir.path()).mkpath("Country.dat.d");
    QDir(dir.path()).remove("Country.dat");
    QDir(dir.path()).rename("Country.dat.d", "Country.dat"); // a folder where the file was
    EXPECT_TRUE(search.chooseCountry("Spain").error);
}

TEST(ShippedCitiesTest, EveryListedCityIsFoundInItsDataFile)
{
    const AppFolder shipped(sourceDir() + QStringLiteral("/appfolder"));
    int cities = 0;
    for (const QString &country : CityFiles::countries()) {
        CitySearch search(shipped, kHost);
        const CitySearch::Step step = search.chooseCountry(country);
        ASSERT_FALSE(step.error) << qPrintable(step.message);
        QList<QPair<QString, QStringList>> lists;
        if (!CityFiles::forCountry(country).regional)
            lists.append({country, step.entries});
        for (const QString &entry : step.entries) {
            if (!CityFiles::forCountry(country).regional)
                break;
            const CitySearch::Step region = search.chooseSecond(entry);
            ASSERT_EQ(region.list, CitySearch::List::Third) << qPrintable(entry);
            ASSERT_FALSE(region.error) << qPrintable(region.message);
            EXPECT_FALSE(region.entries.isEmpty()) << qPrintable(entry);
            lists.append({entry, region.entries});
        }
        for (const auto &[where, names] : lists) {
            for (const QString &name : names) {
                const CitySearch::Step found = search.chooseCity(name);
                EXPECT_TRUE(found.address) << qPrintable(where + ": " + name);
                ++cities;
            }
        }
    }
    EXPECT_GT(cities, 1000);
}
