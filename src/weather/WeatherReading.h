#pragma once

#include "weather/ReportFields.h"

#include <QList>
#include <QString>

// What one report read, as a value: every field text, picture and panel step in the order the
// report came to it. The reports fill it; the panel applies it to its fields when the report
// ends, so a run that failed half-way shows what it read before the failure, in that order.
class WeatherReading final : public ReportFields
{
public:
    void setText(WeatherField field, const QString &text) override;
    void setPicture(WeatherPicture picture, int number) override;
    void showCelsius() override;
    void hideCollecting() override;
    void setAddress(const QString &address) override;
    void searchCity() override;

    bool isEmpty() const { return m_steps.isEmpty(); }
    // Replays every step on `fields`, in order.
    void applyTo(ReportFields &fields) const;

private:
    enum class Kind { Text, Picture, Celsius, HideCollecting, Address, SearchCity };
    struct Step
    {
        Kind kind;
        int which = 0; // the field, or the picture list
        QString text;
        int number = 0;
    };
    QList<Step> m_steps;
};
