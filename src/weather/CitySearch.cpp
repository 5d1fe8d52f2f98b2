#include "weather/CitySearch.h"

#include "platform/AppFolder.h"
#include "weather/CityFiles.h"

namespace {

const QString kMissingTitle = QStringLiteral("Orvane Error: Missing Data");

QString missing(const QString &what, const QString &path)
{
    return QStringLiteral("The %1 cannot be read:\r\n%2\r\n\r\nPlease choose another country "
                          "or type the city and country in the weather panel.")
        .arg(what, path);
}

} // namespace

CitySearch::CitySearch(const AppFolder &folder, QString host)
    : m_folder(folder)
    , m_host(std::move(host))
{
}

CitySearch::Step CitySearch::chooseCountry(const QString &country)
{
    m_country = country;
    const CityFiles::CountryFiles files = CityFiles::forCountry(country);
    m_regional = files.regional;
    const QString dataPath = m_folder.path(u'\\' + files.dataFile);
    if (!m_data.load(dataPath, files.recordLength, files.nameWidth)) {
        Step step;
        step.list = List::Second;
        step.message = missing(QStringLiteral("city data file"), dataPath);
        step.title = kMissingTitle;
        step.error = true;
        return step;
    }
    Step step = fillFrom(List::Second, files.listFile, true);
    return step;
}

CitySearch::Step CitySearch::chooseSecond(const QString &entry)
{
    if (!m_regional)
        return lookUp(entry);
    const std::optional<QString> file = CityFiles::regionFile(m_country, entry);
    if (!file)
        return {};
    return fillFrom(List::Third, *file, false);
}

CitySearch::Step CitySearch::chooseCity(const QString &entry)
{
    return lookUp(entry);
}

CitySearch::Step CitySearch::fillFrom(List list, const QString &file, bool stopAtNoneListed)
{
    Step step;
    step.list = list;
    const QString path = m_folder.path(QStringLiteral("\\TextFiles\\") + file);
    const CityFiles::ListFile read = CityFiles::readList(path, stopAtNoneListed);
    if (!read.readable) {
        step.message = missing(QStringLiteral("city list file"), path);
        step.title = kMissingTitle;
        step.error = true;
        return step;
    }
    step.entries = read.lines;
    if (read.noneListed)
        step.message = QStringLiteral("No cities listed.\r\nAll cities can be found by typing in "
                                      "for example:\r\nDublin Ireland");
    return step;
}

CitySearch::Step CitySearch::lookUp(const QString &entry)
{
    Step step;
    step.lookedUp = true;
    m_city = entry.toUpper();
    const std::optional<CityData::Match> match = m_data.find(m_city);
    if (match) {
        m_match = match->record;
        step.address = stationAddress(m_host, match->code);
    } else if (m_regional) {
        step.message = m_city + QStringLiteral(" NOT FOUND!");
    }
    return step;
}
