#include "weather/SearchFor.h"
#include "FixtureServer.h"
#include "WeatherPages.h"
#include "support/DashboardFixture.h"
#include "weather/WeatherPanel.h"
#include "widgets/LumoButton.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace WeatherPages;

namespace {

class SearchForTest : public DashboardFixture
{
protected:
    SearchForTest()
    {
        EXPECT_TRUE(server.start());
        setSetting("System", "WeatherHost", server.host());
        setSetting("System", "WeatherSource", "pages");
        setSetting("System", "AutoHide", "True");
        server.setPage("Springfield", searchForPage("Springfield"));
        Report toronto = withTomorrow({}, "Thursday");
        toronto.place = "Toronto, Ontario";
        server.setStationPage("CYTZ", searchedPage(toronto));
    }

    // A world query the service answers with its "Search For" page: the dialog opens.
    SearchFor *opened()
    {
        loaded();
        find<QLineEdit>("txtZipWorld")->setText("Springfield");
        panel().onCmdGetWorldWeatherReleased(10, 10);
        EXPECT_TRUE(QTest::qWaitFor([this] { return !panel().reportRunning(); }, 10000));
        return panel().citySearch();
    }
    WeatherPanel &panel() { return dashboard().weather(); }
    QComboBox *combo(SearchFor *d, const char *name) { return d->findChild<QComboBox *>(name); }
    bool searchEnabled(SearchFor *d)
    {
        return d->findChild<LumoButton *>("cmdSearch")->isEnabled();
    }
    void choose(SearchFor *d, const char *list, const QString &entry)
    {
        QComboBox *box = combo(d, list);
        const int index = box->findText(entry);
        ASSERT_GE(index, 0) << qPrintable(entry);
        if (QLatin1String(list) == QLatin1String("cboCountry"))
            d->onCboCountryClick(index);
        else if (QLatin1String(list) == QLatin1String("cboCBO2"))
            d->onCboCBO2Click(index);
        else
            d->onCboCBO3Click(index);
    }
    QString address() { return find<QLineEdit>("txtWebSite")->text(); }
    QString title() { return find<QLabel>("lblTitle")->text(); }
    bool closed()
    {
        return QTest::qWaitFor([this] { return !panel().citySearch() && !panel().reportRunning(); },
                               10000);
    }

    FixtureServer server;
};

} // namespace

TEST_F(SearchForTest, CanadaProvinceCityThenSearchFillsThePanelFromTheStationPage)
{
    SearchFor *d = opened();
    ASSERT_TRUE(d);
    EXPECT_TRUE(d->isModal());
    EXPECT_EQ(combo(d, "cboCountry")->count(), 22);
    EXPECT_EQ(combo(d, "cboCountry")->itemText(21), "United Kingdom");
    EXPECT_FALSE(searchEnabled(d));
    EXPECT_FALSE(combo(d, "cboCBO2")->isVisibleTo(d));
    // The world report is not over while the dialog is open: no second query.
    panel().onCmdGetWorldWeatherReleased(10, 10);
    EXPECT_EQ(server.requests(), 1);

    choose(d, "cboCountry", "Canada");
    EXPECT_EQ(combo(d, "cboCBO2")->count(), 11);
    EXPECT_TRUE(combo(d, "cboCBO2")->isVisibleTo(d));
    EXPECT_EQ(combo(d, "cboCBO2")->placeholderText(), "Select From List");
    choose(d, "cboCBO2", "Ontario");
    EXPECT_TRUE(combo(d, "cboCBO3")->isVisibleTo(d));
    EXPECT_GT(combo(d, "cboCBO3")->count(), 10);
    EXPECT_FALSE(searchEnabled(d));
    find<QLabel>("lblCurTemp")->setText("99");
    choose(d, "cboCBO3", "Toronto");
    EXPECT_EQ(address(), server.host() + "/global/stations/CYTZ.html");
    EXPECT_EQ(find<QLabel>("lblCurTemp")->text(), ""); // the clearing step ran
    ASSERT_TRUE(searchEnabled(d));

    d->onCmdSearchReleased(165, 10); // on the edge: outside
    EXPECT_EQ(server.requests(), 1);
    d->onCmdSearchReleased(10, 10);
    ASSERT_TRUE(closed());
    EXPECT_EQ(server.paths().last(), "/global/stations/CYTZ.html");
    EXPECT_EQ(title(), " Toronto, Ontario");
    EXPECT_NE(find<QLabel>("lblCurTemp")->text(), "");
}

TEST_F(SearchForTest, FailedLookupSearchesTheOldAddressAndDoNotSearchCloses)
{
    // A Canadian list entry the data file lacks.
    writeFile(appPath("TextFiles/2Ontario.txt"), "Miramichi\r\nToronto\r\n");
    SearchFor *d = opened();
    ASSERT_TRUE(d);
    const QString before = address();
    choose(d, "cboCountry", "Canada");
    choose(d, "cboCBO2", "Ontario");
    choose(d, "cboCBO3", "Miramichi");
    ASSERT_FALSE(prompter.shown.isEmpty());
    EXPECT_EQ(prompter.shown.last().text, "MIRAMICHI NOT FOUND!");
    EXPECT_EQ(address(), before);
    ASSERT_TRUE(searchEnabled(d));
    // France lists its cities in the second list only; Ontario's go.
    choose(d, "cboCountry", "France");
    EXPECT_GT(combo(d, "cboCBO2")->count(), 10);
    EXPECT_EQ(combo(d, "cboCBO2")->findText("Toronto"), -1);
    EXPECT_FALSE(combo(d, "cboCBO3")->isVisibleTo(d));
    EXPECT_EQ(combo(d, "cboCBO3")->count(), 0);
    d->onCmdSearchReleased(10, 10);
    ASSERT_TRUE(closed());
    EXPECT_EQ(server.paths().last(), "/cgi-bin/findweather/getForecast?query=Springfield");
    EXPECT_EQ(title(), "No Data Found");

    d = opened();
    ASSERT_TRUE(d);
    d->onCmdDoNotSearchReleased(163, 10); // outside
    EXPECT_TRUE(panel().citySearch());
    d->onCmdDoNotSearchReleased(10, 10);
    EXPECT_FALSE(find<QFrame>("picCollectData")->isVisibleTo(&dashboard()));
    ASSERT_TRUE(closed());
    EXPECT_EQ(server.requests(), 3);
}

TEST_F(SearchForTest, MissingDataFileIsNamedAndTheDialogStaysUsable)
{
    QFile::remove(appPath("Country.dat"));
    SearchFor *d = opened();
    ASSERT_TRUE(d);
    choose(d, "cboCountry", "Spain");
    ASSERT_FALSE(prompter.shown.isEmpty());
    EXPECT_TRUE(prompter.shown.last().text.contains("Country.dat"));
    EXPECT_EQ(combo(d, "cboCBO2")->count(), 0);
    find<QFrame>("picCollectData")->show();
    QTest::keyClick(d, Qt::Key_Escape); // as "Do Not Search"
    EXPECT_FALSE(find<QFrame>("picCollectData")->isVisibleTo(&dashboard()));
    EXPECT_TRUE(closed());
}
