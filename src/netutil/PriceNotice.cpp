#include "netutil/PriceNotice.h"

#include "common/HostAddress.h"
#include "common/MarkerCut.h"
#include "common/PageFetch.h"
#include "platform/Prompter.h"

#include <QUrl>

std::optional<QString> priceNoticeText(QStringView page)
{
    const QString one = QStringLiteral("1)");
    // The intro is looked for from the second character: a page may open with "1)".
    const auto intro = markerCut(page, {2, one, 2, QStringLiteral("%")});
    const auto price = markerCut(page, {1, one, 16, QStringLiteral(":")});
    const auto version = markerCut(page, {1, one, 10, QStringLiteral("<")});
    const auto updated = markerCut(page, {1, one, 23, QStringLiteral("!")});
    if (!intro || !price || !version || !updated)
        return std::nullopt;
    const QChar cr = u'\r';
    return intro->toString() + cr + cr + QStringLiteral("Current Price: ") + price->toString() + cr
        + QStringLiteral("Current Version: ") + version->toString() + cr
        + QStringLiteral("Updated: ") + updated->toString() + cr;
}

QString infoHost(const QString &makerSite)
{
    return resolveHost("ORVANE_INFO_HOST", {}, makerSite);
}

PriceNotice::PriceNotice(Prompter &prompter, QNetworkAccessManager &network, QObject *parent)
    : QObject(parent)
    , m_prompter(prompter)
    , m_network(network)
{
}

void PriceNotice::show(const QString &host)
{
    // Made at the first request: most runs never ask, and start-up need not pay for it.
    if (!m_fetch) {
        m_fetch = new PageFetch(m_network, this);
        connect(m_fetch, &PageFetch::finished, this, &PriceNotice::onFetched);
    }
    if (m_fetch->running())
        return;
    m_host = host;
    // An error page is no information page, whatever its text would cut to.
    m_fetch->start(PageRequest{QUrl(host + QStringLiteral("/PROGINFO.txt")), PageFetch::kTimeoutMs,
                               PageRequest::Answer::BelowClientError});
}

void PriceNotice::onFetched(bool ok, const QString &page)
{
    const std::optional<QString> notice = ok ? priceNoticeText(page) : std::nullopt;
    if (notice) {
        m_prompter.ask(
            {*notice, QStringLiteral("ORVANE"), Prompter::Icon::None, Prompter::Buttons::Ok});
    } else {
        const QString why
            = ok ? QStringLiteral("its page holds no price information") : m_fetch->failure();
        m_prompter.tell(QStringLiteral("The price information could not be fetched from %1:\n%2.")
                            .arg(m_host, why),
                        QStringLiteral("Current Pricing"), Prompter::Icon::Information);
    }
    Q_EMIT done(notice.has_value());
}
