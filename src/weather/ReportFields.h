#pragma once

#include <QString>

// The display fields a weather report writes, each as soon as its value is cut.
enum class WeatherField {
    Title,
    CurTemp, // both elements of the pair
    Celsius, // both elements of the pair
    Humidity,
    Dew,
    Cond,
    Sunrise,
    Sunset,
    Tonight,
    Wind,
    WindChill,
    WindGust,
    Today,
    Tomorrow,
    TomNight,
};

enum class WeatherPicture { Cond, Moon };

// Where a reading goes: a report records into its WeatherReading, which the panel applies to
// its fields (tests apply it to a recording double).
class ReportFields
{
public:
    virtual ~ReportFields() = default;
    virtual void setText(WeatherField field, const QString &text) = 0;
    // The picture of this number in the condition (1 to 16) or moon (1 to 31) list.
    virtual void setPicture(WeatherPicture picture, int number) = 0;
    virtual void showCelsius() = 0;
    // The collecting-data picture, hidden when a report ends normally.
    virtual void hideCollecting() = 0;
    // The hidden address field (txtWebSite): the address of the last page asked for.
    virtual void setAddress(const QString &address) = 0;
    // The world report did not find the place: the city search takes over.
    virtual void searchCity() = 0;
};
