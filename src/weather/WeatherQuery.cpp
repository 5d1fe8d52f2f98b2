#include "weather/WeatherQuery.h"

#include "weather/WeatherRules.h"

namespace WeatherQuery {

QString usQuery(const QString &typed)
{
    if (WeatherRules::isNumeric(typed))
        return typed;
    return QString(typed).replace(u' ', u'+');
}

std::optional<QString> worldQuery(const QString &typed)
{
    QString text = typed;
    const QString kingdom = QStringLiteral("United Kingdom");
    text.replace(QStringLiteral("England"), kingdom);
    text.replace(QStringLiteral("Scotland"), kingdom);
    if (WeatherRules::isNumeric(text))
        return std::nullopt;
    return text.replace(u' ', u'+');
}

} // namespace WeatherQuery

void WeatherSchedule::startCollecting(bool resetTicks)
{
    m_collecting = true;
    if (resetTicks)
        m_collectTicks = 0;
}

bool WeatherSchedule::collectTick()
{
    if (!m_collecting)
        return false;
    if (++m_collectTicks < kCollectTicks)
        return false;
    m_collecting = false;
    return true;
}

bool WeatherSchedule::refreshTick(bool weatherDisabled)
{
    if (++m_minutes < kRefreshMinutes)
        return false;
    m_minutes = 0;
    return !weatherDisabled;
}
