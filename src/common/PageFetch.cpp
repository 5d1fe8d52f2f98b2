#include "common/PageFetch.h"

#include "common/Cp1252.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QStringDecoder>
#include <QTimer>

#include <optional>

namespace {

// Counts what a body holds as UTF-8: well-formed sequences of more than one byte, and bytes
// that belong to none.
struct Utf8Count
{
    qsizetype sequences = 0;
    qsizetype badBytes = 0;
};

Utf8Count countUtf8(const QByteArray &body)
{
    Utf8Count count;
    const auto *p = reinterpret_cast<const unsigned char *>(body.constData());
    const qsizetype n = body.size();
    for (qsizetype i = 0; i < n;) {
        const unsigned char b = p[i];
        const int length = b < 0x80  ? 1
            : b >= 0xC2 && b <= 0xDF ? 2
            : b >= 0xE0 && b <= 0xEF ? 3
            : b >= 0xF0 && b <= 0xF4 ? 4
                                     : 0;
        bool good = length > 0 && i + length <= n;
        for (int k = 1; good && k < length; ++k)
            good = (p[i + k] & 0xC0) == 0x80;
        if (!good) {
            ++count.badBytes;
            ++i;
            continue;
        }
        if (length > 1)
            ++count.sequences;
        i += length;
    }
    return count;
}

QString undeclaredText(const QByteArray &body)
{
    const Utf8Count count = countUtf8(body);
    // A page of UTF-8 with a stray byte or two keeps its accents; one with no UTF-8 sequence
    // at all, or more bad bytes than good sequences, was written in the Windows code page.
    if (count.badBytes == 0 || (count.sequences > 0 && count.badBytes <= count.sequences))
        return QString::fromUtf8(body);
    return fromCp1252(body);
}

QByteArray declaredCharset(const QByteArray &contentType)
{
    for (const QByteArray &part : contentType.split(';')) {
        const QByteArray p = part.trimmed();
        if (p.toLower().startsWith("charset="))
            return p.mid(8).trimmed().replace('"', "").toLower();
    }
    return {};
}

QString describe(QNetworkReply::NetworkError error, const QString &host)
{
    switch (error) {
    case QNetworkReply::ConnectionRefusedError:
        return QStringLiteral("%1 refused the connection").arg(host);
    case QNetworkReply::HostNotFoundError:
        return QStringLiteral("%1 could not be found").arg(host);
    case QNetworkReply::RemoteHostClosedError:
        return QStringLiteral("%1 closed the connection before the page was whole").arg(host);
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

} // namespace

std::optional<QString> pageText(const QByteArray &body, const QByteArray &contentType)
{
    if (body.size() > PageFetch::kMaxBytes || body.contains('\0'))
        return std::nullopt;
    const QByteArray type = contentType.split(';').first().trimmed().toLower();
    const bool text = type.isEmpty() || type.startsWith("text/") || type.endsWith("+xml")
        || type == "application/xml" || type == "application/json" || type.endsWith("+json");
    if (!text)
        return std::nullopt;
    const QByteArray charset = declaredCharset(contentType);
    // Pages that say Latin-1 or ASCII mean the Windows code page, as browsers read them.
    if (charset == "windows-1252" || charset == "cp1252" || charset == "iso-8859-1"
        || charset == "latin1" || charset == "us-ascii")
        return fromCp1252(body);
    if (!charset.isEmpty()) {
        // Stateless: a sequence cut off at the end is an error, not something to wait for.
        QStringDecoder decoder(charset.constData(), QStringDecoder::Flag::Stateless);
        if (decoder.isValid())
            return decoder.decode(body);
    }
    return undeclaredText(body);
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
    start(PageRequest{address, timeoutMs, PageRequest::Answer::AnyStatus});
}

void PageFetch::start(const PageRequest &request)
{
    if (running())
        return;
    m_request = request;
    m_body.clear();
    m_status = 0;
    m_failure.clear();
    QNetworkRequest http(request.address);
    http.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                      QNetworkRequest::NoLessSafeRedirectPolicy);
    http.setMaximumRedirectsAllowed(5);
    m_reply = m_network.get(http);
    connect(m_reply, &QNetworkReply::readyRead, this, &PageFetch::onReadyRead);
    connect(m_reply, &QNetworkReply::finished, this, &PageFetch::onReplyFinished);
    m_timeout->start(qBound(1, request.timeoutMs, kTimeoutMs));
}

void PageFetch::onReadyRead()
{
    if (!m_reply)
        return;
    m_body += m_reply->readAll();
    if (m_body.size() > kMaxBytes) // no need to take in the rest of an oversized body
        fail(QStringLiteral("%1 sent more than %2 MB")
                 .arg(m_request.address.host())
                 .arg(kMaxBytes / (1024 * 1024)));
}

void PageFetch::onReplyFinished()
{
    if (!m_reply)
        return;
    m_body += m_reply->readAll();
    const QString host = m_request.address.host();
    const QVariant status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid() || m_reply->error() == QNetworkReply::OperationCanceledError) {
        fail(describe(m_reply->error(), host));
        return;
    }
    m_status = status.toInt();
    if (!bodyComplete(*m_reply, m_body.size())) {
        fail(QStringLiteral("%1 broke off the page after %2 bytes").arg(host).arg(m_body.size()));
        return;
    }
    const bool answer = m_request.answer == PageRequest::Answer::AnyStatus
        || (m_request.answer == PageRequest::Answer::Success && m_status >= 200 && m_status < 300)
        || (m_request.answer == PageRequest::Answer::BelowClientError && m_status < 400);
    if (!answer) {
        const QString reason
            = m_reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
        fail(QStringLiteral("%1 answered %2 %3").arg(host).arg(m_status).arg(reason).trimmed());
        return;
    }
    const std::optional<QString> page = pageText(m_body, m_reply->rawHeader("Content-Type"));
    if (!page) {
        fail(QStringLiteral("%1 sent something other than a page").arg(host));
        return;
    }
    end(true, *page);
}

void PageFetch::onTimeout()
{
    if (running())
        fail(QStringLiteral("%1 did not answer within %2 seconds")
                 .arg(m_request.address.host())
                 .arg((m_timeout->interval() + 999) / 1000));
}

void PageFetch::fail(const QString &why)
{
    m_failure = why;
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
