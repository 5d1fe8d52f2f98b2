#pragma once

#include "weather/ReportFields.h"

#include <QHash>
#include <QStringList>

#include <functional>

// Records what a report wrote, in order: "Title= Denver", "picture Cond=15", "celsius shown".
class RecordingFields final : public ReportFields
{
public:
    QStringList log;
    QHash<WeatherField, QString> texts;
    QHash<WeatherPicture, int> pictures;
    int searches = 0;
    bool collectingHidden = false;
    QString address;
    std::function<void(WeatherField)> afterWrite;

    void setText(WeatherField field, const QString &text) override
    {
        log << QStringLiteral("%1=%2").arg(int(field)).arg(text);
        texts[field] = text;
        if (afterWrite)
            afterWrite(field);
    }
    void setPicture(WeatherPicture picture, int number) override
    {
        log << QStringLiteral("picture %1=%2").arg(int(picture)).arg(number);
        pictures[picture] = number;
    }
    void showCelsius() override { log << QStringLiteral("celsius shown"); }
    void hideCollecting() override
    {
        log << QStringLiteral("collecting hidden");
        collectingHidden = true;
    }
    void setAddress(const QString &a) override { address = a; }
    void searchCity() override { ++searches; }

    QString text(WeatherField field) const { return texts.value(field); }
    // The fields in the order they were first written.
    QList<WeatherField> order() const
    {
        QList<WeatherField> fields;
        for (const QString &entry : log) {
            bool ok = false;
            const int f = entry.section(u'=', 0, 0).toInt(&ok);
            if (ok && !fields.contains(WeatherField(f)))
                fields << WeatherField(f);
        }
        return fields;
    }
};
