#pragma once

#include <QString>

#include <optional>

// How the panel turns what the user typed into a report query.
namespace WeatherQuery {

// A ZIP code stays as typed; words get "+" for every blank ("Denver CO" -> "Denver+CO").
QString usQuery(const QString &typed);

// "England" and "Scotland" become "United Kingdom", then blanks become "+". Nullopt for a
// number: a world report needs a city and a country.
std::optional<QString> worldQuery(const QString &typed);

// Typed text with a comma is refused (the field is emptied with a message).
inline bool hasComma(const QString &typed)
{
    return typed.contains(u',');
}

} // namespace WeatherQuery

// The panel's two clocks: the collecting picture goes after five half-second ticks, and an
// automatic report is due every twentieth minute while weather is enabled.
class WeatherSchedule
{
public:
    static constexpr int kCollectTicks = 5;
    static constexpr int kRefreshMinutes = 20;

    void startCollecting(bool resetTicks = true);
    bool collecting() const { return m_collecting; }
    // True when this tick hides the collecting picture.
    bool collectTick();
    // True when this minute's tick runs an automatic report.
    bool refreshTick(bool weatherDisabled);

private:
    bool m_collecting = false;
    int m_collectTicks = 0;
    int m_minutes = 0;
};
