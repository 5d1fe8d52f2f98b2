#include "weather/ReportCutter.h"

#include "weather/ReportFields.h"
#include "weather/WeatherRules.h"

using namespace WeatherRules;

namespace {

bool isNotFound(ReportKind kind, const QString &title)
{
    if (kind == ReportKind::Us)
        return title.contains(QStringLiteral("City Not Found"));
    return title.contains(QStringLiteral("Search For")) || title.contains(QStringLiteral("Welcome"))
        || title.contains(QStringLiteral("City Not"));
}

QString orNotAvailable(const QString &value)
{
    return isNumeric(value) ? value : QStringLiteral("N/A");
}

} // namespace

void showNotFound(ReportKind kind, ReportFields &fields)
{
    switch (kind) {
    case ReportKind::Us:
        fields.hideCollecting();
        fields.setText(WeatherField::Title, QStringLiteral("CITY NOT FOUND"));
        break;
    case ReportKind::World:
        fields.searchCity();
        break;
    case ReportKind::Searched:
        fields.setText(WeatherField::Title, QStringLiteral("No Data Found"));
        break;
    }
}

ReportCutter::ReportCutter(ReportKind kind, ReportFields &fields, std::function<QDate()> today)
    : m_kind(kind)
    , m_fields(fields)
    , m_today(std::move(today))
{
}

int ReportCutter::run(QStringView page)
{
    m_page = page;
    int result = 0;
    if (!title(result))
        return result;
    for (Step s : order(m_kind)) {
        if (!step(s))
            return -1;
    }
    m_fields.hideCollecting();
    return 0;
}

bool ReportCutter::title(int &result)
{
    const std::optional<QStringView> cut = markerCut(m_page, titleRule());
    if (!cut) {
        result = -1;
        return false;
    }
    const QString title = cut->toString();
    if (!isNotFound(m_kind, title)) {
        m_fields.setText(WeatherField::Title, title);
        return true;
    }
    result = 0;
    showNotFound(m_kind, m_fields);
    return false;
}

bool ReportCutter::step(Step step)
{
    // Tomorrow's name is taken at the moment of the step: a run across midnight looks for
    // the new day's paragraphs from then on.
    const bool needsDay = step == Step::Tomorrow || step == Step::TomNight;
    const QString day = needsDay ? tomorrowName(m_today()) : QString();
    const std::optional<QStringView> cut = markerCut(m_page, rule(m_kind, step, day));
    if (!cut)
        return false;
    const QString value = cut->toString();
    const bool us = m_kind == ReportKind::Us;
    const QString kph = QStringLiteral(" kph");
    switch (step) {
    case Step::Temperature: {
        m_fields.setText(WeatherField::CurTemp, value + kDegree);
        if (!us)
            return true;
        m_fields.showCelsius();
        const std::optional<QString> celsius = celsiusText(value);
        if (celsius)
            m_fields.setText(WeatherField::Celsius, *celsius);
        return celsius.has_value();
    }
    case Step::Celsius:
        m_fields.setText(WeatherField::Celsius, value + kDegree + u'c');
        return true;
    case Step::Humidity:
        m_fields.setText(WeatherField::Humidity, value + u'%');
        return true;
    case Step::Dew:
        m_fields.setText(WeatherField::Dew, value + kDegree + (us ? u'F' : u'C'));
        return true;
    case Step::Conditions:
        m_fields.setText(WeatherField::Cond, value);
        m_fields.setPicture(WeatherPicture::Cond, conditionPicture(value));
        return true;
    case Step::Sunrise:
        m_fields.setText(WeatherField::Sunrise, us ? value.left(8) : value);
        return true;
    case Step::Sunset:
        m_fields.setText(WeatherField::Sunset, us ? value.left(8) : value);
        return true;
    case Step::Tonight:
        m_fields.setText(WeatherField::Tonight, us ? value : withDegreeSigns(value));
        return true;
    case Step::Wind: {
        const QString wind = withoutBold(value);
        const bool calm = us || wind == QLatin1String("Calm");
        m_fields.setText(WeatherField::Wind, calm ? wind : wind + kph);
        return true;
    }
    case Step::WindChill:
        m_fields.setText(WeatherField::WindChill, orNotAvailable(value) + kDegree);
        return true;
    case Step::WindGust:
        m_fields.setText(WeatherField::WindGust,
                         orNotAvailable(value) + (us ? QStringLiteral(" MPH") : kph));
        return true;
    case Step::Today:
        return writeToday(value);
    case Step::Tomorrow:
        m_fields.setText(WeatherField::Tomorrow, us ? value : withDegreeSigns(value));
        return true;
    case Step::TomNight:
        m_fields.setText(WeatherField::TomNight, us ? value.trimmed() : withDegreeSigns(value));
        return true;
    case Step::Moon: {
        const std::optional<int> picture = moonPicture(value);
        if (picture)
            m_fields.setPicture(WeatherPicture::Moon, *picture);
        return picture.has_value();
    }
    }
    return false;
}

bool ReportCutter::writeToday(const QString &value)
{
    QString today = value;
    m_fields.setText(WeatherField::Today, today);
    if (today.startsWith(QLatin1String("ETA"))) {
        const std::optional<QStringView> afternoon = markerCut(m_page, afternoonRule());
        if (!afternoon)
            return false;
        today = afternoon->toString();
        m_fields.setText(WeatherField::Today, today);
    }
    const QLatin1String noForecast(m_kind == ReportKind::Us ? "EQUIV" : "TA");
    if (today.startsWith(noForecast))
        m_fields.setText(WeatherField::Today, QStringLiteral("n/a"));
    return true;
}
