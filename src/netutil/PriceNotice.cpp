#include "netutil/PriceNotice.h"

#include "common/MarkerCut.h"
#include "common/PageFetch.h"
#include "platform/Prompter.h"

#include <QNetworkAccessManager>
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
    QString host = qEnvironmentVariable("ORVANE_INFO_HOST").trimmed();
    if (host.isEmpty())
        host = makerSite;
    if (!host.contains(QLatin1String("://")))
        host.prepend(QLatin1String("http://"));
    while (host.endsWith(u'/'))
        host.chop(1);
    return host;
}

PriceNotice::PriceNotice(Prompter &prompter, QObject *parent)
    : QObject(parent)
    , m_prompter(prompter)
{
}

void PriceNotice::show(const QString &host)
{
    // Made at the first request: most runs never ask, and start-up need not pay for it.
    if (!m_fetch) {
        m_network = new QNetworkAccessManager(this);
        m_fetch = new PageFetch(*m_network, this);
        connect(m_fetch, &PageFetch::finished, this, &PriceNotice::onFetched);
    }
    m_fetch->start(QUrl(host + QStringLiteral("/PROGINFO.txt")));
}

void PriceNotice::onFetched(bool ok, const QString &page)
{
    // An error page is no information page, whatever its text would cut to.
    const bool answered = ok && m_fetch->status() < 400;
    const std::optional<QString> notice = answered ? priceNoticeText(page) : std::nullopt;
    if (notice)
        m_prompter.ask(
            {*notice, QStringLiteral("ORVANE"), Prompter::Icon::None, Prompter::Buttons::Ok});
    Q_EMIT done(notice.has_value());
}
