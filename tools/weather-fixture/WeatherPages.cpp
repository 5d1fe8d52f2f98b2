#include "WeatherPages.h"

namespace WeatherPages {

namespace {

struct Cut
{
    int skip; // from the marker's first character to the value's
    QString value;
    QString end;
};

const QString kRowEnd = QStringLiteral("</td></tr>");

// The page grows segment by segment; positions count from 1 as the reports count them.
class PageText
{
public:
    void add(const QString &text) { m_text += text; }
    // The next segment starts at or after this position.
    void padTo(int position)
    {
        while (m_text.size() + 1 < position)
            m_text += (m_text.size() % 64 == 63) ? u'\n' : u' ';
    }
    void segment(const QString &marker, const QList<Cut> &cuts)
    {
        const qsizetype at = m_text.size() + 1;
        m_text += marker;
        for (const Cut &cut : cuts) {
            while (m_text.size() + 1 < at + cut.skip)
                m_text += u' ';
            m_text += cut.value + cut.end;
        }
        m_text += u'\n';
    }
    const QString &text() const { return m_text; }

private:
    QString m_text;
};

void head(PageText &page, const QString &place)
{
    page.add(QStringLiteral("<html><head><title>Weather Underground: ") + place
             + QStringLiteral(" Forecast</title></head>\n<body>\n"));
}

void windRows(PageText &page, const Report &r)
{
    page.padTo(3600);
    page.segment(QStringLiteral("<td>Windchill</td>"),
                 {{26, r.windChill, QStringLiteral("&nbsp;F</b></td></tr>")}});
    page.segment(QStringLiteral("<td>Wind Gust</td>"),
                 {{26, r.windGust, QStringLiteral("</b> mph</td></tr>")}});
    page.padTo(7089);
}

void todayRows(PageText &page, const Report &r, int todaySkip, int tonightSkip)
{
    page.segment(QStringLiteral("<b>Today</b>"), {{todaySkip, r.today, kRowEnd}});
    if (!r.afternoon.isEmpty())
        page.segment(QStringLiteral("<b>This Afternoon</b>"), {{26, r.afternoon, kRowEnd}});
    page.segment(QStringLiteral("Tonight"), {{tonightSkip, r.tonight, kRowEnd}});
}

void conditionRows(PageText &page, const Report &r)
{
    page.segment(QStringLiteral("Humidity"), {{21, r.humidity, QStringLiteral("%</b></td>")}});
    page.segment(QStringLiteral("<td>Conditions</td>"),
                 {{27, r.conditions, QStringLiteral("</b></td></tr>")}});
    page.segment(QStringLiteral("Sunrise"), {{20, r.sunrise, QStringLiteral("</B></td>")}});
    page.segment(QStringLiteral("Sunset"), {{18, r.sunset, QStringLiteral("</b></td>")}});
}

QString end(PageText &page)
{
    page.add(QStringLiteral("</body></html>\n"));
    return page.text();
}

} // namespace

Report withTomorrow(Report report, const QString &name)
{
    report.days = {{name, QStringLiteral("Sunny. Highs in the lower 50s."),
                    QStringLiteral("Partly cloudy. Lows in the mid 20s.")}};
    return report;
}

QString usPage(const Report &r)
{
    PageText page;
    head(page, r.place);
    windRows(page, r);
    page.segment(QStringLiteral("Temperature"),
                 {{24, r.temperature, QStringLiteral("&#176;</b> F</td></tr>")}});
    conditionRows(page, r);
    page.segment(QStringLiteral("Dewpoint"),
                 {{21, r.dewPoint, QStringLiteral("&#176;</b> F</td></tr>")}});
    todayRows(page, r, 17, 16);
    for (const DayForecast &d : r.days) {
        const QString night = d.name + QStringLiteral(" Night");
        page.segment(QStringLiteral("<b>") + night,
                     {{int(night.size()) + 12, u' ' + d.night + u' ', kRowEnd}});
    }
    page.segment(QStringLiteral("Moon Phase"), {{97, r.moon, QStringLiteral(".gif\">")}});
    page.padTo(16000);
    page.segment(QStringLiteral("Wind</td>"), {{17, r.wind, kRowEnd}});
    page.padTo(20000);
    for (const DayForecast &d : r.days)
        page.segment(QStringLiteral("<b>") + d.name + QStringLiteral("</b>"),
                     {{int(d.name.size()) + 12, d.day, kRowEnd}});
    return end(page);
}

namespace {

void worldTop(PageText &page, const Report &r)
{
    head(page, r.place);
    windRows(page, r);
    page.segment(QStringLiteral("Temperature"),
                 {{24, r.temperature, QStringLiteral("</b>&#176; F")},
                  {44, r.celsius, QStringLiteral("</b>&#176; C</td></tr>")}});
    conditionRows(page, r);
    page.segment(QStringLiteral("Dewpoint"),
                 {{41, r.dewPoint, QStringLiteral("</b>&#176; C</td></tr>")}});
}

} // namespace

QString worldPage(const Report &r)
{
    PageText page;
    worldTop(page, r);
    todayRows(page, r, 18, 17);
    // The day's own row comes first: its name alone also starts the night's row.
    for (const DayForecast &d : r.days)
        page.segment(d.name, {{int(d.name.size()) + 10, d.day, kRowEnd}});
    for (const DayForecast &d : r.days) {
        const QString night = d.name + QStringLiteral(" Night");
        page.segment(night, {{int(night.size()) + 10, d.night, kRowEnd}});
    }
    page.padTo(12000);
    page.segment(QStringLiteral("<tr ><td>Wind</td>"),
                 {{26, r.wind, QStringLiteral("km/h</td></tr>")}});
    page.padTo(13009);
    page.segment(QStringLiteral("<td>Moon Phase</td>"), {{83, r.moon, QStringLiteral(".gif\">")}});
    return end(page);
}

QString searchedPage(const Report &r)
{
    PageText page;
    worldTop(page, r);
    todayRows(page, r, 18, 15);
    for (const DayForecast &d : r.days)
        page.segment(QStringLiteral("<b>") + d.name + QStringLiteral("</b>"),
                     {{int(d.name.size()) + 11, d.day, kRowEnd}});
    for (const DayForecast &d : r.days)
        page.segment(d.name + QStringLiteral(" Night"), {{25, d.night, kRowEnd}});
    page.padTo(12000);
    page.segment(QStringLiteral("<td>Wind</td>"), {{18, r.wind, kRowEnd}});
    page.padTo(13009);
    page.segment(QStringLiteral("<td>Moon Phase</td>"), {{83, r.moon, QStringLiteral(".gif\">")}});
    return end(page);
}

QString notFoundPage()
{
    return shortPage(QStringLiteral("City Not Found"));
}

QString searchForPage(const QString &words)
{
    return shortPage(QStringLiteral("Search For ") + words);
}

QString shortPage(const QString &place)
{
    PageText page;
    head(page, place);
    page.add(QStringLiteral("<p>Nothing more here.</p>\n"));
    return end(page);
}

} // namespace WeatherPages
