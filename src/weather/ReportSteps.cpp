// The markers, offsets and order of the three report variants. The offsets are the pages'
// layout as the service writes it; they are part of the behaviour.
#include "weather/ReportCutter.h"

namespace {

using Step = ReportCutter::Step;

const QString kRowEnd = QStringLiteral("</td></tr>");

CutRule usRule(Step step, const QString &day)
{
    switch (step) {
    case Step::Temperature:
        return {7089, QStringLiteral("Temperature"), 24, QStringLiteral("&#176;</b> F")};
    case Step::Celsius: // not a cut in this variant
        break;
    case Step::Humidity:
        return {7089, QStringLiteral("Humidity"), 21, QStringLiteral("%")};
    case Step::Dew:
        return {7089, QStringLiteral("Dewpoint"), 21, QStringLiteral("&#176;</b> F")};
    case Step::Conditions:
        return {7089, QStringLiteral("<td>Conditions</td>"), 27, QStringLiteral("</b></td></tr>")};
    case Step::Sunrise:
        return {7089, QStringLiteral("Sunrise"), 20, QStringLiteral("</B></td>")};
    case Step::Sunset:
        return {7089, QStringLiteral("Sunset"), 18, QStringLiteral("</b></")};
    case Step::Tonight:
        return {7089, QStringLiteral("Tonight"), 16, kRowEnd};
    case Step::Wind:
        return {16000, QStringLiteral("Wind</td>"), 17, kRowEnd};
    case Step::WindChill:
        return {3600, QStringLiteral("<td>Windchill</td>"), 26, QStringLiteral("&")};
    case Step::WindGust:
        return {3600, QStringLiteral("<td>Wind Gust</td>"), 26, QStringLiteral("</b> mph")};
    case Step::Today:
        return {7089, QStringLiteral("<b>Today</b>"), 17, kRowEnd};
    case Step::Tomorrow:
        return {20000, QStringLiteral("<b>") + day + QStringLiteral("</b>"), int(day.size()) + 12,
                kRowEnd};
    case Step::TomNight: {
        const QString night = day + QStringLiteral(" Night");
        return {7089, QStringLiteral("<b>") + night, int(night.size()) + 12, kRowEnd};
    }
    case Step::Moon:
        return {7089, QStringLiteral("Moon Phase"), 97, QStringLiteral(".gif")};
    }
    return {0, {}, 0, {}};
}

CutRule worldRule(Step step, const QString &day)
{
    switch (step) {
    case Step::Temperature:
        return {7089, QStringLiteral("Temperature"), 24, QStringLiteral("</b>&#176; F")};
    case Step::Celsius:
        return {7089, QStringLiteral("Temperature"), 44, QStringLiteral("</b>&#176; C")};
    case Step::Dew:
        return {7089, QStringLiteral("Dewpoint"), 41, QStringLiteral("</b>&#176; C")};
    case Step::Tonight:
        return {7089, QStringLiteral("Tonight"), 17, kRowEnd};
    case Step::Wind:
        return {12000, QStringLiteral("<tr ><td>Wind</td>"), 26, QStringLiteral("km/h</td></tr")};
    case Step::Moon:
        return {13009, QStringLiteral("<td>Moon Phase</td>"), 83, QStringLiteral(".gif")};
    case Step::Today:
        return {7089, QStringLiteral("<b>Today</b>"), 18, kRowEnd};
    case Step::Tomorrow:
        return {7089, day, int(day.size()) + 10, kRowEnd};
    case Step::TomNight: {
        const QString night = day + QStringLiteral(" Night");
        return {7089, night, int(night.size()) + 10, kRowEnd};
    }
    default:
        return usRule(step, day);
    }
}

CutRule searchedRule(Step step, const QString &day)
{
    switch (step) {
    case Step::Tonight:
        return {7089, QStringLiteral("Tonight"), 15, kRowEnd};
    case Step::TomNight:
        return {7089, day + QStringLiteral(" Night"), 25, kRowEnd};
    case Step::Tomorrow:
        return {7089, QStringLiteral("<b>") + day + QStringLiteral("</b>"), int(day.size()) + 11,
                kRowEnd};
    case Step::Wind:
        return {12000, QStringLiteral("<td>Wind</td>"), 18, kRowEnd};
    default:
        return worldRule(step, day);
    }
}

} // namespace

const QList<Step> &ReportCutter::order(ReportKind kind)
{
    static const QList<Step> us{Step::Temperature, Step::Humidity, Step::Dew,     Step::Conditions,
                                Step::Sunrise,     Step::Sunset,   Step::Tonight, Step::Wind,
                                Step::WindChill,   Step::WindGust, Step::Today,   Step::Tomorrow,
                                Step::TomNight,    Step::Moon};
    static const QList<Step> world{
        Step::Temperature, Step::Celsius, Step::Humidity, Step::Dew,      Step::Conditions,
        Step::Sunrise,     Step::Sunset,  Step::Tonight,  Step::Wind,     Step::WindChill,
        Step::WindGust,    Step::Moon,    Step::Today,    Step::Tomorrow, Step::TomNight};
    static const QList<Step> searched{
        Step::Temperature, Step::Celsius, Step::Humidity,  Step::Dew,      Step::Conditions,
        Step::Sunrise,     Step::Sunset,  Step::Today,     Step::Tonight,  Step::TomNight,
        Step::Tomorrow,    Step::Wind,    Step::WindChill, Step::WindGust, Step::Moon};
    switch (kind) {
    case ReportKind::Us:
        return us;
    case ReportKind::World:
        return world;
    case ReportKind::Searched:
        break;
    }
    return searched;
}

CutRule ReportCutter::rule(ReportKind kind, Step step, const QString &day)
{
    switch (kind) {
    case ReportKind::Us:
        return usRule(step, day);
    case ReportKind::World:
        return worldRule(step, day);
    case ReportKind::Searched:
        break;
    }
    return searchedRule(step, day);
}

const CutRule &ReportCutter::titleRule()
{
    static const CutRule title{10, QStringLiteral("Weather Underground: "), 20,
                               QStringLiteral(" Forecast")};
    return title;
}

const CutRule &ReportCutter::afternoonRule()
{
    static const CutRule afternoon{7089, QStringLiteral("<b>This Afternoon</b>"), 26, kRowEnd};
    return afternoon;
}
