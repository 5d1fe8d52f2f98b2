#pragma once

#include "common/MarkerCut.h"

#include <QDate>
#include <QStringView>

#include <functional>

class ReportFields;

// The three report variants: the same procedure with their own markers, offsets, units and
// order of steps.
enum class ReportKind { Us, World, Searched };

// What a report shows when the service does not know the place: "CITY NOT FOUND" (US), the
// world city search (world), "No Data Found" (a city the search picked).
void showNotFound(ReportKind kind, ReportFields &fields);

// Cuts one fetched page into the report fields, writing each as soon as it is cut. A failed
// step ends the run; fields written before it keep their new text.
class ReportCutter
{
public:
    enum class Step {
        Temperature,
        Celsius,
        Humidity,
        Dew,
        Conditions,
        Sunrise,
        Sunset,
        Tonight,
        Wind,
        WindChill,
        WindGust,
        Today,
        Tomorrow,
        TomNight,
        Moon,
    };

    // `today` is asked afresh by each step that needs tomorrow's day name.
    ReportCutter(ReportKind kind, ReportFields &fields, std::function<QDate()> today);

    // 0 when the run reached its end or stopped at a not-found title, -1 when a step failed.
    int run(QStringView page);

    // The steps after the title, in the variant's order, and the rule of each (tomorrow's
    // day name `day` is part of some markers).
    static const QList<Step> &order(ReportKind kind);
    static CutRule rule(ReportKind kind, Step step, const QString &day);
    static const CutRule &titleRule();
    static const CutRule &afternoonRule();

private:
    // false when the run ends here (normally or not)
    bool title(int &result);
    bool step(Step step);
    bool writeToday(const QString &value);

    ReportKind m_kind;
    ReportFields &m_fields;
    std::function<QDate()> m_today;
    QStringView m_page;
};
