#include "common/HttpExchange.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>

namespace {

QString describe(QNetworkReply::NetworkError error, const QString &host)
{
    switch (error) {
    case QNetworkReply::ConnectionRefusedError:
        return QStringLiteral("%1 refused the connection").arg(host);
    case QNetworkReply::HostNotFoundError:
        return QStringLiteral("%1 could not be found").arg(host);
    case QNetworkReply::RemoteHostClosedError:
        return QStringLiteral("%1 closed the connection before it answered").arg(host);
    case QNetworkReply::InsecureRedirectError:
        return QStringLiteral("%1 sent the request on to an unencrypted address").arg(host);
    case QNetworkReply::TooManyRedirectsError:
        return QStringLiteral("%1 sent the request on too many times").arg(host);
    case QNetworkReply::SslHandshakeFailedError:
        return QStringLiteral("the secure connection to %1 failed").arg(host);
    default:
        return QStringLiteral("the connection to %1 failed").arg(host);
    }
}

// Network failures (1..199) and protocol failures (301..399) break a transfer; the content
// and server "errors" are HTTP statuses, answers like any other.
bool transferFailed(QNetworkReply::NetworkError error)
{
    return (error > QNetworkReply::NoError && error < QNetworkReply::ContentAccessDenied)
        || (error >= QNetworkReply::ProtocolUnknownError
            && error < QNetworkReply::InternalServerError);
}

bool unreachable(QNetworkReply::NetworkError error)
{
    return error == QNetworkReply::ConnectionRefusedError
        || error == QNetworkReply::HostNotFoundError
        || error == QNetworkReply::NetworkSessionFailedError
        || error == QNetworkReply::TemporaryNetworkFailureError
        || error == QNetworkReply::ProxyConnectionRefusedError
        || error == QNetworkReply::ProxyNotFoundError;
}

} // namespace

QByteArray HttpResult::header(const QByteArray &name) const
{
    for (const auto &[key, value] : headers)
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    return {};
}

bool bodyComplete(const QNetworkReply &reply, qint64 received)
{
    if (transferFailed(reply.error()))
        return false;
    const QByteArray encoding = reply.rawHeader("Content-Encoding").trimmed().toLower();
    const QVariant length = reply.header(QNetworkRequest::ContentLengthHeader);
    // A compressed body's length counts the bytes before Qt unpacked them.
    if (!length.isValid() || !(encoding.isEmpty() || encoding == "identity"))
        return true;
    return received >= length.toLongLong();
}

HttpExchange::HttpExchange(QNetworkAccessManager &network, QObject *parent)
    : QObject(parent)
    , m_network(network)
    , m_timeout(new QTimer(this))
{
    m_timeout->setObjectName(QStringLiteral("timFetchTimeout"));
    m_timeout->setSingleShot(true);
    connect(m_timeout, &QTimer::timeout, this, &HttpExchange::onTimeout);
}

HttpExchange::~HttpExchange()
{
    detach();
}

void HttpExchange::start(const HttpRequest &request)
{
    if (running())
        return;
    m_request = request;
    m_result = {};
    m_received = 0;
    m_headSeen = false;
    QNetworkRequest http(request.address);
    if (request.redirects == HttpRequest::Redirects::FollowSafe) {
        http.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                          QNetworkRequest::NoLessSafeRedirectPolicy);
        http.setMaximumRedirectsAllowed(5);
    } else {
        http.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                          QNetworkRequest::ManualRedirectPolicy);
    }
    if (request.bytesAsSent) {
        http.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
        http.setRawHeader("Accept-Encoding", "identity");
    }
    if (request.rangeFrom >= 0)
        http.setRawHeader("Range", "bytes=" + QByteArray::number(request.rangeFrom) + '-');
    if (!request.ifModifiedSince.isEmpty())
        http.setRawHeader("If-Modified-Since", request.ifModifiedSince);
    m_reply = m_network.get(http);
    if (request.readBuffer > 0)
        m_reply->setReadBufferSize(request.readBuffer);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &HttpExchange::onMetaData);
    connect(m_reply, &QNetworkReply::readyRead, this, &HttpExchange::onReadyRead);
    connect(m_reply, &QNetworkReply::finished, this, &HttpExchange::onReplyFinished);
    armTimeout();
}

void HttpExchange::armTimeout()
{
    qint64 ms = qMax(1, m_request.timeoutMs);
    if (!m_request.deadline.isForever())
        ms = qBound<qint64>(1, m_request.deadline.remainingTime(), ms);
    m_timeout->start(int(ms));
}

qint64 HttpExchange::bytesAvailable() const
{
    return m_reply ? m_reply->bytesAvailable() : 0;
}

QByteArray HttpExchange::read(qint64 most)
{
    if (!m_reply)
        return {};
    const QByteArray piece = m_reply->read(most);
    m_received += piece.size();
    return piece;
}

QByteArray HttpExchange::readAll()
{
    return read(bytesAvailable());
}

bool HttpExchange::takeHead()
{
    if (m_headSeen)
        return true;
    const QVariant code = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!code.isValid())
        return false;
    m_headSeen = true;
    m_result.status = code.toInt();
    const QByteArray reason
        = m_reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toByteArray().trimmed();
    m_result.statusLine
        = ("HTTP/1.1 " + QByteArray::number(m_result.status) + ' ' + reason).trimmed();
    for (const auto &pair : m_reply->rawHeaderPairs())
        m_result.headers.append({pair.first, pair.second});
    return true;
}

void HttpExchange::onMetaData()
{
    if (!m_reply || m_headSeen || !takeHead())
        return;
    if (m_request.limit == HttpRequest::Limit::Idle)
        armTimeout();
    Q_EMIT headersArrived();
}

bool HttpExchange::headFirst()
{
    // Qt may tell of the body or the end before the head: the head is always told first, and a
    // handler of it may have ended the exchange.
    if (m_reply && !m_headSeen)
        onMetaData();
    return m_reply != nullptr;
}

void HttpExchange::onReadyRead()
{
    if (!headFirst())
        return;
    if (m_request.limit == HttpRequest::Limit::Idle)
        armTimeout();
    Q_EMIT bodyArrived();
}

void HttpExchange::onReplyFinished()
{
    if (!headFirst())
        return;
    if (m_headSeen && m_reply->bytesAvailable() > 0) {
        Q_EMIT bodyArrived();
        if (!m_reply)
            return;
    }
    const QString host = m_request.address.host();
    const QNetworkReply::NetworkError error = m_reply->error();
    // A refused redirect ends the exchange on the redirect's own head.
    if (!m_headSeen || error == QNetworkReply::OperationCanceledError
        || error == QNetworkReply::InsecureRedirectError
        || error == QNetworkReply::TooManyRedirectsError) {
        m_result.unreachable = !m_headSeen && unreachable(error);
        end(describe(error, host));
        return;
    }
    m_result.complete = bodyComplete(*m_reply, m_received + m_reply->bytesAvailable());
    end(m_result.complete
            ? QString()
            : QStringLiteral("%1 broke off the answer after %2 bytes").arg(host).arg(m_received));
}

void HttpExchange::onTimeout()
{
    if (running())
        end(QStringLiteral("%1 did not answer within %2 seconds")
                .arg(m_request.address.host())
                .arg((m_timeout->interval() + 999) / 1000));
}

void HttpExchange::abort()
{
    detach();
}

void HttpExchange::end(const QString &failure)
{
    m_result.failure = failure;
    detach();
    Q_EMIT finished();
}

void HttpExchange::detach()
{
    m_timeout->stop();
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    if (reply) {
        reply->disconnect(this);
        if (!reply->isFinished())
            reply->abort();
        reply->deleteLater();
    }
}
