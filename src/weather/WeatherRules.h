#pragma once

#include <QChar>
#include <QDate>
#include <QString>

#include <optional>

// The small rules the reports apply to cut values.
namespace WeatherRules {

inline constexpr QChar kDegree{0xB0};

// A number as the user writes one (or as the service writes one); an empty text is none.
std::optional<double> number(const QString &text);
inline bool isNumeric(const QString &text)
{
    return number(text).has_value();
}

// "2°c" for 36 °F: the Celsius value rounded to a whole number, halves to even. Nullopt when
// the temperature is not a number.
std::optional<QString> celsiusText(const QString &fahrenheit);

// The condition picture (1 to 16) for the service's exact condition words.
int conditionPicture(const QString &words);

// The moon picture (1 to 31) for the service's moon picture name ("moon12" gives 13), or
// nullopt when characters 5 and 6 are not a number of a picture.
std::optional<int> moonPicture(const QString &name);

// Every "<b>" and "</b>" taken out.
QString withoutBold(QString text);
// Every "&#176;" written as the degree sign.
QString withDegreeSigns(QString text);

// Tomorrow's full weekday name in English ("Thursday"), as the pages write it.
QString tomorrowName(const QDate &today);

} // namespace WeatherRules
