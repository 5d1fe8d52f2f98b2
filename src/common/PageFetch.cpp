#include "common/PageFetch.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QStringDecoder>
#include <QTimer>

#include <optional>

std::optional<QString> pageText(const QByteArray &body, const QByteArray &contentType)
{
    if (body.size() > PageFetch::kMaxBytes || body.contains('\0'))
        return std::nullopt;
    const QByteArray type = contentType.split(';').first().trimmed().toLower();
    const bool text = type.isEmpty() || type.startsWith("text/") || type.endsWith("+xml")
        || type == "application/xml" || type == "application/json" || type.endsWith("+json");
    if (!text)
        return std::nullopt;
    QByteArray charset;
    for (const QByteArray &part : contentType.split(';')) {
        const QByteArray p = part.trimmed();
        if (p.toLower().startsWith("charset="))
            charset = p.mid(8).trimmed().replace('"', "");
    }
    // Stateless: a sequence cut off at the end is an error, not something to wait for.
    QStringDecoder decoder(charset.isEmpty() ? "UTF-8" : charset.constData(),
                           QStringDecoder::Flag::Stateless);
    if (!decoder.isValid())
        decoder = QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString page = decoder.decode(body);
    // Older pages were written in Latin-1 without saying so.
    if (decoder.hasError())
        page = QString::fromLatin1(body);
    return page;
}

PageFetch::PageFetch(QNetworkAccessManager &network, QObject *parent)
    : QObject(parent)
    , m_network(network)
    , m_timeout(new QTimer(this))
{
    m_timeout->setObjectName(QStringLiteral("timFetchTimeout"));
    m_timeout->setSingleShot(true);
    m_timeout->setInterval(kTimeoutMs);
    connect(m_timeout, &QTimer::timeout, this, &PageFetch::onTimeout);
}

PageFetch::~PageFetch()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
    }
}

void PageFetch::start(const QUrl &address, int timeoutMs)
{
    if (running())
        return;
    m_body.clear();
    m_status = 0;
    QNetworkRequest request(address);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(5);
    m_reply = m_network.get(request);
    connect(m_reply, &QNetworkReply::readyRead, this, &PageFetch::onReadyRead);
    connect(m_reply, &QNetworkReply::finished, this, &PageFetch::onReplyFinished);
    m_timeout->start(qBound(1, timeoutMs, kTimeoutMs));
}

void PageFetch::onReadyRead()
{
    if (!m_reply)
        return;
    m_body += m_reply->readAll();
    if (m_body.size() > kMaxBytes)
        end(false); // no need to take in the rest of an oversized body
}

void PageFetch::onReplyFinished()
{
    if (!m_reply)
        return;
    m_body += m_reply->readAll();
    // A status line means the server answered: its page is cut whatever the status.
    const bool answered = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid()
        && m_reply->error() != QNetworkReply::OperationCanceledError;
    if (!answered) {
        end(false);
        return;
    }
    m_status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const std::optional<QString> page = pageText(m_body, m_reply->rawHeader("Content-Type"));
    end(page.has_value(), page.value_or(QString()));
}

void PageFetch::onTimeout()
{
    if (running())
        end(false);
}

void PageFetch::end(bool ok, const QString &page)
{
    m_timeout->stop();
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    if (reply) {
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
    m_body.clear();
    Q_EMIT finished(ok, page);
}
