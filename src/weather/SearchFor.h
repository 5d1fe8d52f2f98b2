#pragma once

#include "weather/CitySearch.h"

#include <QDialog>

class LumoButton;
class QComboBox;
class WeatherFieldsView;
struct Services;

// The world city search dialog: a country, then a province or state, then a city from the
// shipped lists; the city's station page address goes to the hidden address field. "Search"
// asks for the searched-city report on that field's address; the owner closes the dialog
// once that report's page has arrived.
class SearchFor : public QDialog
{
    Q_OBJECT
public:
    SearchFor(Services &services, WeatherFieldsView &fields, const QString &host, QWidget *owner);

    // Handlers, named after the control and its event.
    void onCboCountryClick(int index);
    void onCboCBO2Click(int index);
    void onCboCBO3Click(int index);
    void onCmdSearchReleased(int x, int y);
    void onCmdDoNotSearchReleased(int x, int y);

    const CitySearch &search() const { return m_search; }
    // Escape and the window's close box act as "Do Not Search".
    void reject() override;

Q_SIGNALS:
    void searchRequested(const QString &address);

private:
    QComboBox *comboBox(const char *name, int top);
    void apply(const CitySearch::Step &step);

    Services &m_services;
    WeatherFieldsView &m_fields;
    CitySearch m_search;
    QComboBox *m_cboCountry;
    QComboBox *m_cboCBO2;
    QComboBox *m_cboCBO3;
    LumoButton *m_cmdSearch;
    LumoButton *m_cmdDoNotSearch;
};
