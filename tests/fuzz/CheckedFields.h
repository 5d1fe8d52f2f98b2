#pragma once

#include "weather/ReportFields.h"

#include <cstdlib>

// Report fields that end the run on what no panel could show: a picture number the panel has
// no picture for, or (when `longestText` is set) a text longer than that.
class CheckedFields final : public ReportFields
{
public:
    explicit CheckedFields(qsizetype longestText = 0)
        : m_longestText(longestText)
    {
    }
    void setText(WeatherField, const QString &text) override
    {
        if (m_longestText > 0 && text.size() > m_longestText)
            std::abort();
    }
    void setPicture(WeatherPicture picture, int number) override
    {
        const int last = picture == WeatherPicture::Cond ? 16 : 31;
        if (number < 1 || number > last)
            std::abort();
    }
    void showCelsius() override { }
    void hideCollecting() override { }
    void setAddress(const QString &) override { }
    void searchCity() override { }

private:
    qsizetype m_longestText;
};
