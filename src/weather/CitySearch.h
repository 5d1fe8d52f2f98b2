#pragma once

#include "weather/CityData.h"

#include <QString>
#include <QStringList>

#include <optional>

class AppFolder;

// The rules of the world city search dialog, without its widgets: what each choice reads,
// which list it fills, what it tells the user and which station address a city gives.
class CitySearch
{
public:
    enum class List { None, Second, Third };

    // What one choice asks the dialog to do, in this order: fill a list, show a message,
    // write the address (and clear the report fields), enable "Search".
    struct Step
    {
        List list = List::None; // the list emptied and filled with `entries`
        QStringList entries;
        QString message; // none when empty
        QString title;   // empty: the application title
        bool error = false;
        std::optional<QString> address;
        bool lookedUp = false;
    };

    // `host` is the weather service's address (see weatherHost()).
    CitySearch(const AppFolder &folder, QString host);

    Step chooseCountry(const QString &country);
    // An entry of the second list: a province or state, or for other countries the city.
    Step chooseSecond(const QString &entry);
    Step chooseCity(const QString &entry);
    // The data file is let go ("Search", "Do Not Search").
    void close() { m_data.close(); }

    const CityData &data() const { return m_data; }
    const QString &chosenCity() const { return m_city; }
    const QString &country() const { return m_country; }
    int lastMatch() const { return m_match; }

private:
    Step fillFrom(List list, const QString &file, bool stopAtNoneListed);
    Step lookUp(const QString &entry);

    const AppFolder &m_folder;
    QString m_host;
    QString m_country;
    bool m_regional = false;
    CityData m_data;
    QString m_city;
    int m_match = 0;
};
