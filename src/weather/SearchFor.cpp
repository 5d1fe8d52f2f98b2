#include "weather/SearchFor.h"

#include "platform/Prompter.h"
#include "platform/Services.h"
#include "weather/CityFiles.h"
#include "weather/WeatherFieldsView.h"
#include "widgets/LumoButton.h"
#include "widgets/ReleaseRule.h"
#include "widgets/SmallControls.h"

#include <QComboBox>
#include <QLabel>

namespace {

const QString kSelect = QStringLiteral("Select From List");

} // namespace

SearchFor::SearchFor(Services &services, WeatherFieldsView &fields, const QString &host,
                     QWidget *owner)
    : QDialog(owner)
    , m_services(services)
    , m_fields(fields)
    , m_search(services.appFolder, host)
{
    setObjectName(QStringLiteral("SearchFor"));
    setWindowTitle(QStringLiteral("Search For"));
    setFixedSize(380, 250);
    placedLabel(QStringLiteral("We are unable to find your request."), this, {20, 12, 340, 18});
    placedLabel(QStringLiteral("Select a City/Country from the below list"), this,
                {20, 32, 340, 18});
    m_cboCountry = comboBox("cboCountry", 60);
    m_cboCountry->addItems(CityFiles::countries());
    m_cboCountry->setPlaceholderText(QStringLiteral("Select a Country"));
    m_cboCBO2 = comboBox("cboCBO2", 92);
    m_cboCBO3 = comboBox("cboCBO3", 124);
    m_cboCBO2->hide();
    m_cboCBO3->hide();

    m_cmdSearch = smallButton(QStringLiteral("&Search"), "cmdSearch", this, services);
    m_cmdSearch->setGeometry(20, 170, 165, 50);
    m_cmdDoNotSearch
        = smallButton(QStringLiteral("&Do Not Search"), "cmdDoNotSearch", this, services);
    m_cmdDoNotSearch->setGeometry(197, 199, 163, 21);
    connect(m_cmdSearch, &LumoButton::MouseUp, this,
            [this](int, int, int x, int y) { onCmdSearchReleased(x, y); });
    connect(m_cmdDoNotSearch, &LumoButton::MouseUp, this,
            [this](int, int, int x, int y) { onCmdDoNotSearchReleased(x, y); });
    connect(m_cboCountry, &QComboBox::activated, this, &SearchFor::onCboCountryClick);
    connect(m_cboCBO2, &QComboBox::activated, this, &SearchFor::onCboCBO2Click);
    connect(m_cboCBO3, &QComboBox::activated, this, &SearchFor::onCboCBO3Click);
    m_cmdSearch->setEnabled(false);
}

QComboBox *SearchFor::comboBox(const char *name, int top)
{
    auto *box = new QComboBox(this);
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(QString::fromLatin1(name));
    box->setPlaceholderText(kSelect);
    // A list of a few dozen cities scrolls instead of covering the screen.
    box->setStyleSheet(QStringLiteral("combobox-popup: 0;"));
    box->setMaxVisibleItems(20);
    box->setGeometry(20, top, 340, 24);
    return box;
}

void SearchFor::onCboCountryClick(int index)
{
    if (index < 0)
        return;
    m_cboCBO2->show();
    // The cities of another country's province would look up in the wrong data file.
    m_cboCBO3->clear();
    m_cboCBO3->hide();
    apply(m_search.chooseCountry(m_cboCountry->itemText(index)));
}

void SearchFor::onCboCBO2Click(int index)
{
    if (index >= 0)
        apply(m_search.chooseSecond(m_cboCBO2->itemText(index)));
}

void SearchFor::onCboCBO3Click(int index)
{
    if (index >= 0)
        apply(m_search.chooseCity(m_cboCBO3->itemText(index)));
}

void SearchFor::apply(const CitySearch::Step &step)
{
    QComboBox *list = step.list == CitySearch::List::Second ? m_cboCBO2
        : step.list == CitySearch::List::Third              ? m_cboCBO3
                                                            : nullptr;
    if (list) {
        list->clear();
        list->addItems(step.entries);
        list->setCurrentIndex(-1);
        list->show();
    }
    if (!step.message.isEmpty())
        m_services.prompter.tell(step.message, step.title,
                                 step.error ? Prompter::Icon::Critical : Prompter::Icon::None);
    if (step.address) {
        m_fields.setAddress(*step.address);
        m_fields.clear();
    }
    if (step.lookedUp)
        m_cmdSearch->setEnabled(true);
}

void SearchFor::onCmdSearchReleased(int x, int y)
{
    if (!releasedInside({x, y}, {165, 50}) || !m_cmdSearch->isEnabled())
        return;
    m_search.close();
    m_cmdSearch->setEnabled(false); // one report per dialog
    Q_EMIT searchRequested(m_fields.address());
}

void SearchFor::onCmdDoNotSearchReleased(int x, int y)
{
    if (releasedInside({x, y}, {163, 21}))
        reject();
}

void SearchFor::reject()
{
    m_fields.hideCollecting();
    m_search.close();
    QDialog::reject();
}
