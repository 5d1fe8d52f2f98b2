#include "weather/WeatherFieldsView.h"

#include "widgets/SmallControls.h"

#include "widgets/ValueLabel.h"
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>

namespace {

const QColor kTemperature{0x1d, 0x4e, 0x89};
const QColor kShadow{0xb8, 0xc4, 0xd2};
constexpr int kShadowOffset = 2; // 30 twips

void setPointSize(QLabel *label, qreal points, bool bold)
{
    QFont font = label->font();
    font.setPointSizeF(points);
    font.setBold(bold);
    label->setFont(font);
}

} // namespace

WeatherFieldsView::WeatherFieldsView(QWidget *surface, QPoint origin, const QString &pictures,
                                     QFrame *picCollectData)
    : QObject(surface)
    , m_surface(surface)
    , m_origin(origin)
    , m_picCollectData(picCollectData)
    , m_txtWebSite(new QLineEdit(surface))
    , m_conditions(PictureList::load(QDir(pictures).filePath(QStringLiteral("weather"))))
    , m_moons(PictureList::load(QDir(pictures).filePath(QStringLiteral("moon"))))
{
    m_txtWebSite->setObjectName(QStringLiteral("txtWebSite"));
    m_txtWebSite->hide();

    QLabel *title = addLabel("lblTitle", {0, 92, 262, 20}, QStringLiteral("n/a"));
    setPointSize(title, 10, true);
    m_labels.append({WeatherField::Title, title});
    m_imgCond = addLabel("imgCond", {0, 114, 45, 45});
    m_imgCond->setAccessibleName(QStringLiteral("Conditions picture"));
    addTemperatures();
    m_imgMoon = addLabel("imgMoon", {212, 112, 48, 48});
    m_imgMoon->setAccessibleName(QStringLiteral("Moon phase"));
    QLabel *cond = addLabel("lblCond", {0, 162, 262, 18}, QStringLiteral("n/a"));
    m_labels.append({WeatherField::Cond, cond});
    readAsValue(cond, QStringLiteral("Conditions"));
    addRow(WeatherField::Humidity, "Humidity:", "lblHumidity", 184);
    addRow(WeatherField::Dew, "Dew Point:", "lblDew", 200);
    addRow(WeatherField::Wind, "Wind:", "lblWind", 216);
    addRow(WeatherField::WindChill, "Wind Chill:", "lblWindChill", 232);
    addRow(WeatherField::WindGust, "Wind Gust:", "lblWindGust", 248);
    addRow(WeatherField::Sunrise, "Sunrise:", "lblSunrise", 264);
    addRow(WeatherField::Sunset, "Sunset:", "lblSunset", 280);
    addParagraph(WeatherField::Today, "Today", "lblToday", 300);
    addParagraph(WeatherField::Tonight, "Tonight", "lblTonight", 356);
    addParagraph(WeatherField::Tomorrow, "Tomorrow", "lblTomorrow", 412);
    addParagraph(WeatherField::TomNight, "Tomorrow Night", "lblTomNight", 468);

    const QPixmap collecting
        = PictureList::load(QDir(pictures).filePath(QStringLiteral("collecting"))).at(1);
    if (m_picCollectData && !collecting.isNull()) {
        auto *picture = new QLabel(m_picCollectData);
        picture->setObjectName(QStringLiteral("imgCollectData"));
        picture->setAccessibleName(QStringLiteral("Collecting data"));
        picture->setAlignment(Qt::AlignCenter);
        picture->setPixmap(collecting);
        picture->setGeometry(m_picCollectData->rect());
        picture->setAutoFillBackground(true);
        picture->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
}

QLabel *WeatherFieldsView::addLabel(const char *name, const QRect &place, const QString &text)
{
    return placedLabel(text, m_surface, place.translated(m_origin), name);
}

void WeatherFieldsView::addTemperatures()
{
    // Each pair shows one text twice: the shadow first, so that the text lies over it.
    const struct
    {
        WeatherField field;
        const char *name;
        QRect place;
        qreal points;
        QString design;
    } pairs[]
        = {{WeatherField::CurTemp, "lblCurTemp", {52, 110, 92, 46}, 24, QStringLiteral("000")},
           {WeatherField::Celsius, "lblCelcius", {148, 120, 62, 30}, 15, QStringLiteral("99")}};
    for (const auto &pair : pairs) {
        QLabel *shadow
            = addLabel(pair.name, pair.place.translated(kShadowOffset, kShadowOffset), pair.design);
        QLabel *text = addLabel(pair.name, pair.place, pair.design);
        for (QLabel *label : {text, shadow}) {
            setPointSize(label, pair.points, true);
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, label == text ? kTemperature : kShadow);
            label->setPalette(palette);
        }
        text->setProperty("element", 0);
        shadow->setProperty("element", 1);
        readAsValue(text,
                    pair.field == WeatherField::CurTemp ? QStringLiteral("Temperature")
                                                        : QStringLiteral("Celsius"));
        readAsShadow(shadow);
        m_labels.append({pair.field, text});
        m_labels.append({pair.field, shadow});
    }
}

void WeatherFieldsView::addRow(WeatherField field, const char *caption, const char *name, int top)
{
    QLabel *title = addLabel(nullptr, {0, top, 76, 16}, QString::fromLatin1(caption));
    setSmallFont(title);
    QLabel *value = addLabel(name, {78, top, 184, 16});
    setSmallFont(value);
    readAsValue(value, QString::fromLatin1(caption).chopped(1));
    m_labels.append({field, value});
}

void WeatherFieldsView::addParagraph(WeatherField field, const char *caption, const char *name,
                                     int top)
{
    QLabel *title = addLabel(nullptr, {0, top, 262, 14}, QString::fromLatin1(caption));
    setSmallFont(title);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    QLabel *value = addLabel(name, {0, top + 14, 262, 40});
    setSmallFont(value);
    value->setWordWrap(true);
    value->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    readAsValue(value, QString::fromLatin1(caption));
    m_labels.append({field, value});
}

QLabel *WeatherFieldsView::label(WeatherField field, int element) const
{
    for (const auto &[f, label] : m_labels)
        if (f == field && label->property("element").toInt() == element)
            return label;
    return nullptr;
}

void WeatherFieldsView::setText(WeatherField field, const QString &text)
{
    for (const auto &[f, label] : std::as_const(m_labels))
        if (f == field)
            label->setText(text);
}

void WeatherFieldsView::setPicture(WeatherPicture picture, int number)
{
    const bool cond = picture == WeatherPicture::Cond;
    (cond ? m_condNumber : m_moonNumber) = number;
    (cond ? m_imgCond : m_imgMoon)->setPixmap((cond ? m_conditions : m_moons).at(number));
}

void WeatherFieldsView::setCelsiusVisible(bool visible)
{
    for (const auto &[f, label] : std::as_const(m_labels))
        if (f == WeatherField::Celsius)
            label->setVisible(visible);
}

void WeatherFieldsView::setTitleToolTip(const QString &text)
{
    label(WeatherField::Title)->setToolTip(text);
}

void WeatherFieldsView::showCelsius()
{
    setCelsiusVisible(true);
}

void WeatherFieldsView::showCollecting()
{
    if (m_picCollectData) {
        m_picCollectData->show();
        m_picCollectData->raise();
    }
}

void WeatherFieldsView::hideCollecting()
{
    if (m_picCollectData)
        m_picCollectData->hide();
}

void WeatherFieldsView::setAddress(const QString &address)
{
    m_txtWebSite->setText(address);
}

QString WeatherFieldsView::address() const
{
    return m_txtWebSite->text();
}

void WeatherFieldsView::searchCity()
{
    if (m_searchCity)
        m_searchCity();
}

void WeatherFieldsView::clear()
{
    for (const auto &[f, label] : std::as_const(m_labels))
        if (f != WeatherField::Title)
            label->clear();
    m_imgCond->clear();
    m_imgMoon->clear();
    m_condNumber = m_moonNumber = 0;
}

QString WeatherFieldsView::text(WeatherField field) const
{
    QLabel *shown = label(field);
    return shown ? shown->text() : QString();
}

int WeatherFieldsView::pictureNumber(WeatherPicture picture) const
{
    return picture == WeatherPicture::Cond ? m_condNumber : m_moonNumber;
}
