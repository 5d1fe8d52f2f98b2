#include "weather/WeatherPanel.h"

#include "common/TextValues.h"
#include "platform/SettingsStore.h"

#include <QAction>
#include <QWidget>

WeatherPanel::WeatherPanel(Services &services, QWidget *surface, QAction *disableWeather)
    : QObject(surface)
    , m_services(services)
    , m_surface(surface)
    , m_disableWeather(disableWeather)
{
}

void WeatherPanel::loadSwitch()
{
    const QString stored = m_services.settings.getSetting(
        QStringLiteral("System"), QStringLiteral("NoWeather"), QStringLiteral("1"));
    // A value nobody could have written (hand-edited) keeps weather off, the safe side.
    m_disableWeather->setChecked(textToBool(stored).value_or(true));
}

void WeatherPanel::load() { }

void WeatherPanel::fetchLastReport() { }

bool WeatherPanel::weatherEnabled() const
{
    return !m_disableWeather->isChecked();
}
