#pragma once

#include "weather/ReportFields.h"
#include "widgets/PictureList.h"

#include <QObject>

#include <functional>

class QFrame;
class QLabel;
class QLineEdit;
class QWidget;

// The report fields of the weather panel on the dashboard surface: labels, the temperature
// pairs with their shadows, the condition and moon pictures and the hidden address field.
// Report readings are applied to them through ReportFields.
class WeatherFieldsView : public QObject, public ReportFields
{
    Q_OBJECT
public:
    // `origin` is the pixel point the panel's fields are placed from; the pictures come from
    // the application folder's `pictures` folder.
    WeatherFieldsView(QWidget *surface, QPoint origin, const QString &pictures,
                      QFrame *picCollectData);

    void setText(WeatherField field, const QString &text) override;
    void setPicture(WeatherPicture picture, int number) override;
    void showCelsius() override;
    void hideCollecting() override;
    void setAddress(const QString &address) override;
    QString address() const;
    void searchCity() override;

    void setSearchCity(std::function<void()> search) { m_searchCity = std::move(search); }
    void setCelsiusVisible(bool visible);
    void setTitleToolTip(const QString &text);
    void showCollecting();
    // Every report field emptied and both pictures removed; the title stays.
    void clear();
    QString text(WeatherField field) const;
    // The number of the picture shown, 0 for none.
    int pictureNumber(WeatherPicture picture) const;
    QFrame *picCollectData() const { return m_picCollectData; }

private:
    QLabel *label(WeatherField field, int element = 0) const;
    QLabel *addLabel(const char *name, const QRect &place, const QString &text = {});
    void addRow(WeatherField field, const char *caption, const char *name, int top);
    void addParagraph(WeatherField field, const char *caption, const char *name, int top);
    void addTemperatures();

    QWidget *m_surface;
    QPoint m_origin;
    QFrame *m_picCollectData;
    QLineEdit *m_txtWebSite;
    QLabel *m_imgCond = nullptr;
    QLabel *m_imgMoon = nullptr;
    QList<QPair<WeatherField, QLabel *>> m_labels;
    PictureList m_conditions;
    PictureList m_moons;
    int m_condNumber = 0;
    int m_moonNumber = 0;
    std::function<void()> m_searchCity;
};
