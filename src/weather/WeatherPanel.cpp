#include "weather/WeatherPanel.h"

#include "common/NamedTimer.h"
#include "common/TextValues.h"
#include "platform/AppFolder.h"
#include "platform/Prompter.h"
#include "platform/SettingsStore.h"
#include "weather/ForecastBox.h"
#include "weather/SearchFor.h"
#include "weather/WeatherFieldsView.h"
#include "weather/WeatherHost.h"
#include "weather/WeatherRules.h"
#include "weather/clsWeather.h"
#include "widgets/LumoButton.h"
#include "widgets/OfflineQuestion.h"
#include "widgets/ReleaseRule.h"
#include "widgets/SmallControls.h"
#include "widgets/TipPanel.h"

#include <QAction>
#include <QEvent>
#include <QFrame>
#include <QLineEdit>
#include <QTimer>

namespace {

const QString kSystem = QStringLiteral("System");
const QString kUs = QStringLiteral("us");
const QString kWorld = QStringLiteral("world");
const QPoint kTipPlace{7455, 5940};

QString lines(std::initializer_list<const char *> parts)
{
    QStringList text;
    for (const char *part : parts)
        text << QString::fromLatin1(part);
    return text.join(QStringLiteral("\r\n"));
}

} // namespace

WeatherPanel::WeatherPanel(Services &services, QWidget *surface, QAction *disableWeather,
                           QFrame *picCollectData, TipPanel &tips, OfflineQuestion &offline,
                           const Connectivity::State &connectivity)
    : QObject(surface)
    , m_services(services)
    , m_disableWeather(disableWeather)
    , m_tips(tips)
    , m_offline(offline)
    , m_connectivity(connectivity)
    , m_fields(new WeatherFieldsView(
          surface, QPoint(kLeft, kTop),
          services.appFolder.path(QStringLiteral("\\resources\\pictures")), picCollectData))
    , m_forecast(new ForecastBox(surface))
    , m_timerWeather(namedTimer(this, "TimerWeather", 500))
    , m_fetch(new WeatherFetch(services, *m_fields, this))
{
    m_txtZip = placeField("txtZip", QStringLiteral("Ex: 80917  or  Denver CO"), 8);
    m_txtZipWorld = placeField("txtZipWorld", QStringLiteral("Ex: London United Kingdom"), 34);
    m_cmdUS = button(QStringLiteral("Get US Weather"), "cmdGetUSWeather", {166, 10, 86, 19});
    m_cmdWorld
        = button(QStringLiteral("Get World Weather"), "cmdGetWorldWeather", {163, 36, 97, 19});
    m_cmdForecast = button(QStringLiteral("Get Forecast"), "cmdGetForecast", {0, 62, 80, 25});
    connect(m_cmdUS, &LumoButton::MouseUp, this,
            [this](int, int, int x, int y) { onCmdGetUSWeatherReleased(x, y); });
    connect(m_cmdWorld, &LumoButton::MouseUp, this,
            [this](int, int, int x, int y) { onCmdGetWorldWeatherReleased(x, y); });
    connect(m_cmdForecast, &LumoButton::MouseUp, this,
            [this](int, int, int x, int y) { onCmdGetForecastReleased(x, y); });
    connect(m_txtZip, &QLineEdit::textChanged, this, &WeatherPanel::onTxtZipChange);
    connect(m_txtZipWorld, &QLineEdit::textChanged, this, &WeatherPanel::onTxtZipWorldChange);
    connect(m_disableWeather, &QAction::triggered, this, &WeatherPanel::onMnuDisableWeatherClick);
    m_fields->setSearchCity([this] { openCitySearch(); });

    connect(m_timerWeather, &QTimer::timeout, this, &WeatherPanel::onTimerWeather);
    connect(m_fetch, &WeatherFetch::finished, this, &WeatherPanel::onReportFinished);
}

WeatherPanel::~WeatherPanel() = default;

QLineEdit *WeatherPanel::placeField(const char *name, const QString &toolTip, int top)
{
    auto *field = new QLineEdit(static_cast<QWidget *>(parent()));
    field->setObjectName(QString::fromLatin1(name));
    field->setToolTip(toolTip);
    field->setAccessibleName(toolTip);
    field->setGeometry(kLeft, kTop + top, 158, 22);
    field->installEventFilter(this);
    return field;
}

LumoButton *WeatherPanel::button(const QString &caption, const char *name, const QRect &place)
{
    LumoButton *b = smallButton(caption, name, static_cast<QWidget *>(parent()), m_services);
    // The release areas fix the sizes; the captions get a font that fits them on one line.
    QFont font = b->font();
    font.setPixelSize(9);
    font.setStretch(QFont::SemiCondensed);
    b->setFont(font);
    b->setGeometry(place.translated(kLeft, kTop));
    return b;
}

void WeatherPanel::loadSwitch()
{
    const QString stored
        = m_services.settings.getSetting(kSystem, QStringLiteral("NoWeather"), QStringLiteral("1"));
    // A value nobody could have written (hand-edited) keeps weather off, the safe side.
    m_disabled = textToBool(stored).value_or(true);
    m_disableWeather->setChecked(m_disabled);
}

void WeatherPanel::load()
{
    m_fields->setCelsiusVisible(false);
    setButtons(false, false);
    m_cmdForecast->setEnabled(false);
    const QString one = QStringLiteral("1");
    m_txtZip->setText(m_services.settings.getSetting(kSystem, QStringLiteral("USA"), one));
    m_txtZipWorld->setText(m_services.settings.getSetting(kSystem, QStringLiteral("World"), one));
    m_mode = m_services.settings.getSetting(kSystem, QStringLiteral("USWorld"), one);
    setSource(WeatherSource::stored(m_services.settings));
}

void WeatherPanel::startCollecting(bool resetTicks)
{
    m_schedule.startCollecting(resetTicks);
    m_timerWeather->start();
}

void WeatherPanel::firstActivation()
{
    if (m_disabled)
        return;
    startCollecting(false);
    if (!m_connectivity.connected)
        return;
    if (m_mode == kUs)
        onCmdGetUSWeatherReleased(kPressPoint.x(), kPressPoint.y());
    else if (m_mode == kWorld)
        onCmdGetWorldWeatherReleased(kPressPoint.x(), kPressPoint.y());
}

void WeatherPanel::setCitySearch(std::function<void()> search)
{
    m_fields->setSearchCity(std::move(search));
}

void WeatherPanel::openCitySearch()
{
    if (m_search) {
        m_search->raise();
        return;
    }
    auto *parentWidget = static_cast<QWidget *>(parent());
    m_search = new SearchFor(m_services, *m_fields, weatherHost(m_services.settings),
                             parentWidget->window());
    m_search->setAttribute(Qt::WA_DeleteOnClose);
    m_search->setWindowModality(Qt::ApplicationModal);
    connect(m_search, &SearchFor::searchRequested, this, &WeatherPanel::startSearchedReport);
    m_search->show();
}

SearchFor *WeatherPanel::citySearch() const
{
    return m_search;
}

void WeatherPanel::startSearchedReport(const QString &address)
{
    if (reportRunning())
        return;
    m_fields->showCollecting();
    startCollecting(true);
    WeatherRequest request{ReportKind::Searched, address, {}, {}};
    if (m_search) {
        request.city = m_search->search().chosenCity();
        request.country = m_search->search().country();
    }
    m_fetch->start(request);
}

bool WeatherPanel::busy() const
{
    // While the city search is open the world report it came from is not over.
    return reportRunning() || m_search;
}

bool WeatherPanel::connectionConfirmed()
{
    // Asked before a report starts; nothing else can start one while the question is open (a
    // refresh then is skipped), so a Yes never starts a second report beside a first.
    return m_offline.goOn(m_connectivity.connected, QStringLiteral("get the weather")) && !busy();
}

void WeatherPanel::onReportFinished(ReportKind kind)
{
    // The dialog stays until the report it asked for has arrived.
    if (kind == ReportKind::Searched && m_search)
        m_search->accept();
    // The picture's half-second ticks count from the end of the report, not from the press.
    startCollecting(true);
}

void WeatherPanel::onCmdGetUSWeatherReleased(int x, int y)
{
    if (!releasedInside({x, y}, {86, 19}) || busy() || !connectionConfirmed())
        return;
    m_fields->showCollecting();
    m_fields->setCelsiusVisible(false);
    m_txtZip->setText(WeatherQuery::usQuery(m_txtZip->text()));
    startCollecting(true);
    m_fields->clear();
    m_fetch->start({ReportKind::Us, m_txtZip->text(), {}, {}});
    m_services.settings.saveSetting(kSystem, QStringLiteral("USA"), m_txtZip->text());
    m_services.settings.saveSetting(kSystem, QStringLiteral("USWorld"), kUs);
    m_mode = kUs;
    m_tips.hide();
}

void WeatherPanel::onCmdGetWorldWeatherReleased(int x, int y)
{
    if (!releasedInside({x, y}, {97, 19}) || busy() || !connectionConfirmed())
        return;
    m_fields->showCollecting();
    m_fields->setCelsiusVisible(true);
    const std::optional<QString> query = WeatherQuery::worldQuery(m_txtZipWorld->text());
    if (!query) {
        m_services.prompter.tell(QStringLiteral("Please Enter a City and Country"), QString(),
                                 Prompter::Icon::None);
        m_txtZipWorld->clear();
        m_fields->hideCollecting();
        return;
    }
    m_txtZipWorld->setText(*query);
    startCollecting(true);
    m_fields->clear();
    m_fetch->start({ReportKind::World, m_txtZipWorld->text(), {}, {}});
    m_services.settings.saveSetting(kSystem, QStringLiteral("World"), m_txtZipWorld->text());
    m_services.settings.saveSetting(kSystem, QStringLiteral("USWorld"), kWorld);
    m_mode = kWorld;
    m_tips.hide();
}

void WeatherPanel::onCmdGetForecastReleased(int x, int y)
{
    if (!releasedInside({x, y}, {80, 25}))
        return;
    m_forecast->show(m_fields->text(WeatherField::Today), m_fields->text(WeatherField::Tonight),
                     m_fields->text(WeatherField::Tomorrow),
                     m_fields->text(WeatherField::TomNight));
}

bool WeatherPanel::refuseComma(QLineEdit *field, const char *example)
{
    if (!WeatherQuery::hasComma(field->text()))
        return false;
    m_services.prompter.tell(lines({"Do not enter any commas >,<", example}), QString(),
                             Prompter::Icon::None);
    field->clear();
    return true;
}

void WeatherPanel::onTxtZipChange()
{
    refuseComma(m_txtZip, "Ex: DENVER COLORADO");
}

void WeatherPanel::onTxtZipClick()
{
    if (refuseComma(m_txtZip, "Ex: DENVER CO") || !m_tips.tipsOn())
        return;
    m_tips.show(
        lines({"Enter a 5-digit zip or a city and state", "", "A Zip Code example: enter as 80917",
               "A City/State example: Colorado Springs", "",
               "You may need to enter the state as well"}),
        kTipPlace);
}

void WeatherPanel::onTxtZipGotFocus()
{
    setButtons(true, false);
}

void WeatherPanel::onTxtZipWorldChange()
{
    refuseComma(m_txtZipWorld, "Ex: PARIS FRANCE");
}

void WeatherPanel::onTxtZipWorldClick()
{
    if (!m_tips.tipsOn())
        return;
    m_tips.show(lines({"Enter a non-us city and state", "", "An example: London United Kingdom",
                       "Notice we did not use London England?", "",
                       "Not all cities are accessible this way... or at all. We did not input "
                       "all world cities."}),
                kTipPlace);
}

void WeatherPanel::onTxtZipWorldGotFocus()
{
    setButtons(false, true);
}

void WeatherPanel::setButtons(bool us, bool world)
{
    m_cmdUS->setEnabled(us);
    m_cmdWorld->setEnabled(world);
    m_cmdForecast->setEnabled(us || world);
}

void WeatherPanel::onTimerWeather()
{
    // While a page is on its way the picture stays; its ticks count from the report's end.
    if (reportRunning())
        return;
    if (!m_schedule.collectTick())
        return;
    m_fields->hideCollecting();
    m_timerWeather->stop();
}

void WeatherPanel::onMinute()
{
    if (!m_schedule.refreshTick(m_disabled))
        return;
    if (m_mode == kUs)
        onCmdGetUSWeatherReleased(kPressPoint.x(), kPressPoint.y());
    else if (m_mode == kWorld)
        onCmdGetWorldWeatherReleased(kPressPoint.x(), kPressPoint.y());
}

void WeatherPanel::onMnuDisableWeatherClick()
{
    m_disabled = !m_disabled;
    m_disableWeather->setChecked(m_disabled);
    m_services.settings.saveSetting(kSystem, QStringLiteral("NoWeather"), boolToText(m_disabled));
}

bool WeatherPanel::eventFilter(QObject *watched, QEvent *event)
{
    const bool us = watched == m_txtZip;
    if (us || watched == m_txtZipWorld) {
        if (event->type() == QEvent::FocusIn)
            us ? onTxtZipGotFocus() : onTxtZipWorldGotFocus();
        else if (event->type() == QEvent::MouseButtonRelease)
            us ? onTxtZipClick() : onTxtZipWorldClick();
    }
    return QObject::eventFilter(watched, event);
}
