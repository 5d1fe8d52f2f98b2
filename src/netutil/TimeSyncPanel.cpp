#include "netutil/TimeSyncPanel.h"

#include "netutil/OfflineQuestion.h"
#include "netutil/TimeClient.h"
#include "platform/Prompter.h"
#include "widgets/LumoButton.h"
#include "widgets/ReleaseRule.h"
#include "widgets/SmallControls.h"
#include "widgets/TipPanel.h"

#include <QLineEdit>

namespace {

// Under the events, above the address book, in pixels.
constexpr int kSyncLeft = 522, kSyncTop = 250;

const QString kSuccessStyle = QStringLiteral("background: blue; color: yellow;");
const QString kFailureStyle = QStringLiteral("background: black; color: red;");

} // namespace

TimeSyncPanel::TimeSyncPanel(Services &services, QWidget *surface, TipPanel &tips,
                             const Connectivity::State &connectivity)
    : QObject(surface)
    , m_services(services)
    , m_tips(tips)
    , m_connectivity(connectivity)
    , m_cmdTimeSync(smallButton(QStringLiteral("Time Sync"), "cmdTimeSync", surface, services))
    , m_txtStatus(new QLineEdit(surface))
{
    m_cmdTimeSync->setGeometry(kSyncLeft, kSyncTop + 2, 72, 16);
    m_cmdTimeSync->setToolTip(QStringLiteral("Set this computer's clock from an Internet time "
                                             "server"));
    m_txtStatus->setObjectName(QStringLiteral("txtStatus"));
    m_txtStatus->setReadOnly(true);
    // Not a tab stop: focus leaving the disabled button must not select the status text.
    m_txtStatus->setFocusPolicy(Qt::ClickFocus);
    m_txtStatus->setAccessibleName(QStringLiteral("Time Sync status"));
    m_txtStatus->setGeometry(kSyncLeft + 78, kSyncTop, 154, 20);
    setSmallFont(m_txtStatus);
    connect(m_cmdTimeSync, &LumoButton::MouseUp, this,
            [this](int, int, int x, int y) { onCmdTimeSyncReleased(x, y); });
}

void TimeSyncPanel::load()
{
    m_server = TimeServer::fromEnvironment();
}

void TimeSyncPanel::onCmdTimeSyncReleased(int x, int y)
{
    if (!releasedInside({x, y}, {72, 16}) || m_client)
        return;
    if (!goOnWhenOffline(m_connectivity.connected, m_services.prompter, m_tips,
                         QStringLiteral("get the time")))
        return;
    m_client = new TimeClient(m_services.clock, m_services.systemClock, this);
    setStatus(QStringLiteral("Pending..."), {});
    m_cmdTimeSync->setEnabled(false);
    connect(m_client, &TimeClient::finished, this, &TimeSyncPanel::show);
    m_client->start(m_server);
}

void TimeSyncPanel::show(const TimeSyncOutcome &outcome)
{
    setStatus(outcome.text(), outcome.ok() ? kSuccessStyle : kFailureStyle);
    m_cmdTimeSync->setEnabled(true);
    if (m_client)
        m_client->deleteLater();
    m_client = nullptr;
    Q_EMIT finished();
}

void TimeSyncPanel::setStatus(const QString &text, const QString &style)
{
    m_txtStatus->setText(text);
    m_txtStatus->setCursorPosition(0);
    // The whole text, for a reason too long for the field.
    m_txtStatus->setToolTip(text);
    m_txtStatus->setStyleSheet(style);
}
