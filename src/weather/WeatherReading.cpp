#include "weather/WeatherReading.h"

void WeatherReading::setText(WeatherField field, const QString &text)
{
    m_steps.append({Kind::Text, int(field), text, 0});
}

void WeatherReading::setPicture(WeatherPicture picture, int number)
{
    m_steps.append({Kind::Picture, int(picture), {}, number});
}

void WeatherReading::showCelsius()
{
    m_steps.append({Kind::Celsius, 0, {}, 0});
}

void WeatherReading::hideCollecting()
{
    m_steps.append({Kind::HideCollecting, 0, {}, 0});
}

void WeatherReading::setAddress(const QString &address)
{
    m_steps.append({Kind::Address, 0, address, 0});
}

void WeatherReading::searchCity()
{
    m_steps.append({Kind::SearchCity, 0, {}, 0});
}

void WeatherReading::applyTo(ReportFields &fields) const
{
    for (const Step &step : m_steps) {
        switch (step.kind) {
        case Kind::Text:
            fields.setText(WeatherField(step.which), step.text);
            break;
        case Kind::Picture:
            fields.setPicture(WeatherPicture(step.which), step.number);
            break;
        case Kind::Celsius:
            fields.showCelsius();
            break;
        case Kind::HideCollecting:
            fields.hideCollecting();
            break;
        case Kind::Address:
            fields.setAddress(step.text);
            break;
        case Kind::SearchCity:
            fields.searchCity();
            break;
        }
    }
}
