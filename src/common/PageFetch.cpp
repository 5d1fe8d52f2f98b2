#include "common/PageFetch.h"

#include "common/Cp1252.h"

#include <QStringDecoder>

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

PageFetch::PageFetch(QNetworkAccessManager &network, QObject *parent)
    : QObject(parent)
    , m_exchange(new HttpExchange(network, this))
{
    connect(m_exchange, &HttpExchange::bodyArrived, this, &PageFetch::onBody);
    connect(m_exchange, &HttpExchange::finished, this, &PageFetch::onEnd);
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
    m_result = {};
    m_body.clear();
    HttpRequest http;
    http.address = request.address;
    http.timeoutMs = qBound(1, request.timeoutMs, kTimeoutMs);
    m_exchange->start(http);
}

void PageFetch::onBody()
{
    m_body += m_exchange->readAll();
    if (m_body.size() > kMaxBytes) { // no need to take in the rest of an oversized body
        m_result = m_exchange->result();
        m_exchange->abort();
        end(QStringLiteral("%1 sent more than %2 MB")
                .arg(m_request.address.host())
                .arg(kMaxBytes / (1024 * 1024)));
    }
}

void PageFetch::onEnd()
{
    m_result = m_exchange->result();
    if (!m_result.failure.isEmpty()) {
        end(m_result.failure);
        return;
    }
    const QString host = m_request.address.host();
    const int status = m_result.status;
    const bool answer = m_request.answer == PageRequest::Answer::AnyStatus
        || (m_request.answer == PageRequest::Answer::Success && status >= 200 && status < 300)
        || (m_request.answer == PageRequest::Answer::BelowClientError && status < 400);
    if (!answer) {
        const QByteArray line = m_result.statusLine;
        end(QStringLiteral("%1 answered %2").arg(host, QString::fromLatin1(line.mid(9))));
        return;
    }
    const std::optional<QString> page = pageText(m_body, m_result.header("Content-Type"));
    if (!page) {
        end(QStringLiteral("%1 sent something other than a page").arg(host));
        return;
    }
    end({}, *page);
}

void PageFetch::end(const QString &failure, const QString &page)
{
    m_result.failure = failure;
    m_body.clear();
    Q_EMIT finished(failure.isEmpty(), page);
}
