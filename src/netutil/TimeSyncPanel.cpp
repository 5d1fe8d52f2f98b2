#include "netutil/TimeSyncPanel.h"

#include "netutil/TimeClient.h"
#include "platform/Prompter.h"
#include "widgets/LumoButton.h"
#include "widgets/OfflineQuestion.h"
#include "widgets/ReleaseRule.h"
#include "widgets/SmallControls.h"

#include <QLabel>
#include <QLineEdit>
#include <QTextDocument>

namespace {

// Under the events, above the address book, in pixels.
constexpr int kSyncLeft = 522, kSyncTop = 250;

const QString kSuccessStyle = QStringLiteral("background: blue; color: yellow;");
const QString kFailureStyle = QStringLiteral("background: black; color: red;");

} // namespace

TimeSyncPanel::TimeSyncPanel(Services &services, QWidget *surface, OfflineQuestion &offline,
                             const Connectivity::State &connectivity)
    : QObject(surface)
    , m_services(services)
    , m_offline(offline)
    , m_connectivity(connectivity)
    , m_cmdTimeSync(smallButton(QStringLiteral("Time Sync"), "cmdTimeSync", surface, services))
    , m_txtStatus(new QLineEdit(surface))
    , m_lblReason(new QLabel(surface))
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
    m_lblReason->setObjectName(QStringLiteral("lblSyncReason"));
    m_lblReason->setTextFormat(Qt::PlainText);
    m_lblReason->setWordWrap(true);
    m_lblReason->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lblReason->setAutoFillBackground(true);
    m_lblReason->setGeometry(kSyncLeft, kSyncTop + 20, 232, 14);
    setSmallFont(m_lblReason);
    m_lblReason->hide();
    connect(m_cmdTimeSync, &LumoButton::MouseUp, this,
            [this](int, int, int x, int y) { onCmdTimeSyncReleased(x, y); });
}

void TimeSyncPanel::load()
{
    m_server = TimeServer::fromSettings(m_services.settings);
}

void TimeSyncPanel::onCmdTimeSyncReleased(int x, int y)
{
    if (!releasedInside({x, y}, {72, 16}) || m_client)
        return;
    if (!m_offline.goOn(m_connectivity.connected, QStringLiteral("get the time")))
        return;
    m_client = new TimeClient(m_services.clock, m_services.systemClock, this);
    setStatus(QStringLiteral("Pending..."), {});
    m_cmdTimeSync->setEnabled(false);
    connect(m_client, &TimeClient::finished, this, &TimeSyncPanel::show);
    m_client->start(m_server);
}

void TimeSyncPanel::show(const TimeSyncOutcome &outcome)
{
    setStatus(outcome.text(), outcome.ok() ? kSuccessStyle : kFailureStyle, outcome.reason(),
              outcome.offsetText());
    m_cmdTimeSync->setEnabled(true);
    if (m_client)
        m_client->deleteLater();
    m_client = nullptr;
    Q_EMIT finished();
}

void TimeSyncPanel::setStatus(const QString &text, const QString &style, const QString &reason,
                              const QString &detail)
{
    m_txtStatus->setText(text);
    m_txtStatus->setCursorPosition(0);
    // The reason comes from the system: shown as text even where it holds a "<".
    QStringList tip{text, detail, reason};
    tip.removeAll(QString());
    m_txtStatus->setToolTip(Qt::convertFromPlainText(tip.join(u'\n')));
    m_txtStatus->setStyleSheet(style);
    m_lblReason->setText(reason);
    m_lblReason->setVisible(!reason.isEmpty());
    if (!reason.isEmpty()) {
        // Tall enough for the whole reason; a long one lies over the group below until the
        // next synchronisation.
        m_lblReason->resize(m_lblReason->width(),
                            m_lblReason->heightForWidth(m_lblReason->width()));
        m_lblReason->raise();
    }
}
