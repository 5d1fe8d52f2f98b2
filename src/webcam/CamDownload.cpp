#include "webcam/CamDownload.h"

#include "common/HttpExchange.h"
#include "webcam/WebcamTexts.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <QTimer>

#include <limits>

namespace {

// The leading decimal digits of a header value; 0 when there are none. Longer than any
// 64-bit number counts as too long.
qint64 leadingNumber(const QByteArray &value)
{
    const QByteArray text = value.trimmed();
    qsizetype digits = 0;
    while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9')
        ++digits;
    if (digits == 0)
        return 0;
    if (digits > 18)
        return std::numeric_limits<qint64>::max();
    return text.left(digits).toLongLong();
}

Prompter::Message outcomeMessage(int status, const QString &url, const QString &line)
{
    using WebcamTexts::kDownloadError;
    switch (status) {
    case 204:
        return {WebcamTexts::kNothingToDownload, QStringLiteral("No Content"),
                Prompter::Icon::Information};
    case 401:
        return {WebcamTexts::kAuthorizationFailed, QStringLiteral("Unauthorized"),
                Prompter::Icon::Critical};
    case 404:
        return {WebcamTexts::notFound(url), kDownloadError, Prompter::Icon::Critical};
    default:
        // The status line and its CR, or "<nothing>" when no answer came at all.
        return {WebcamTexts::serverResponse(line.isEmpty() ? QStringLiteral("<nothing>")
                                                           : line + QLatin1Char('\r')),
                kDownloadError, Prompter::Icon::Critical};
    }
}

qint64 freeBytes(const QString &folder)
{
    const QStorageInfo storage(folder);
    return storage.isValid() ? storage.bytesAvailable() : std::numeric_limits<qint64>::max();
}

} // namespace

CamDownload::CamDownload(QNetworkAccessManager &network, QObject *parent)
    : QObject(parent)
    , m_exchange(new HttpExchange(network, this))
    , m_freeSpace(freeBytes)
{
    connect(m_exchange, &HttpExchange::headersArrived, this, &CamDownload::onHeaders);
    connect(m_exchange, &HttpExchange::bodyArrived, this, &CamDownload::onData);
    connect(m_exchange, &HttpExchange::finished, this, &CamDownload::onExchangeFinished);
}

CamDownload::~CamDownload()
{
    detachReply();
}

bool CamDownload::start(const QString &url, const QString &destination, Options options)
{
    if (m_running)
        return false;
    m_running = true;
    m_url = url;
    m_destination = destination;
    m_options = options;
    m_error = m_stop = m_resume = false;
    m_offset = m_expected = 0;
    m_resumes = 0;
    m_outcome.clear();
    m_deadline.setRemainingTime(kWholeMs);
    attempt();
    return true;
}

void CamDownload::attempt()
{
    if (m_resume)
        m_offset = std::max<qint64>(0, m_offset - kResumeOverlap);
    HttpRequest request;
    request.address = QUrl(m_url);
    request.timeoutMs = kStallMs;
    request.limit = HttpRequest::Limit::Idle;
    request.deadline = m_deadline;
    // One GET per attempt: redirects are outcomes of their own, and the body arrives as sent so
    // that byte offsets mean the same on a resume.
    request.redirects = HttpRequest::Redirects::None;
    request.bytesAsSent = true;
    request.readBuffer = 64 * 1024; // memory stays flat whatever the picture's size
    if (m_resume)
        request.rangeFrom = m_offset;
    else if (m_options.checkModified)
        request.ifModifiedSince = m_storedModified.toLatin1(); // a 304 saves the whole body
    m_attemptOpen = true;
    m_headersSeen = m_writing = false;
    m_next = Next::Continue;
    m_pending.reset();
    m_exchange->start(request);
}

void CamDownload::onHeaders()
{
    if (!m_attemptOpen || m_headersSeen)
        return;
    const HttpResult &head = m_exchange->result();
    m_headersSeen = true;
    // Change detection is for the first attempt only: a resume continues the same picture, and
    // its 206 repeats the date the first attempt stored.
    const bool detect = m_options.checkModified && m_resumes == 0;
    if (detect && head.status == 304) {
        m_notModified = true;
        endAttempt();
        return;
    }
    if (detect) {
        const QString modified = QString::fromLatin1(head.header("Last-Modified"));
        if (!modified.isEmpty() && modified == m_storedModified) {
            m_notModified = true;
            endAttempt();
            return;
        }
        m_storedModified = modified;
    }
    const int status = head.status;
    if (status == 200 && m_resume) {
        // The server starts afresh: so does the file.
        QFile::remove(m_destination);
        m_resume = false;
    } else if (status != 200 && status != 206) {
        m_error = true;
        setPending(outcomeMessage(status, m_url, QString::fromLatin1(head.statusLine)));
        endAttempt();
        return;
    }
    if (!beginBody())
        return;
    onData(); // what arrived with the headers
}

bool CamDownload::beginBody()
{
    if (!m_resume) {
        const qint64 length = leadingNumber(m_exchange->result().header("Content-Length"));
        if (length > std::numeric_limits<qint32>::max()) {
            fail({WebcamTexts::errorOccurred(QStringLiteral("a picture larger than 2 GB")),
                  WebcamTexts::kDownloadError, Prompter::Icon::Critical});
            return false;
        }
        m_expected = length;
        if (m_expected == 0) {
            endAttempt(); // nothing announced: nothing written
            return false;
        }
    }
    const QString folder = QFileInfo(m_destination).absolutePath();
    if (m_freeSpace(folder) < m_expected) {
        // Retrying cannot make room: the download ends here.
        setPending({WebcamTexts::kNoSpace, QStringLiteral("Insufficient Disk Space"),
                    Prompter::Icon::Critical});
        endAttempt(Next::GiveUp);
        return false;
    }
    if (!m_resume)
        m_offset = 0;
    Q_EMIT progress(true, m_offset, m_expected);
    QDir().mkdir(folder); // one level, as the folder of a file may be missing
    m_file.setFileName(m_destination);
    // Written over what the file held, never truncated; a shorter picture leaves a tail that
    // picture readers ignore.
    if (!m_file.open(QIODevice::ReadWrite) || (m_resume && !m_file.seek(m_offset))) {
        fail({WebcamTexts::cannotWrite(int(m_file.error()), m_file.errorString()),
              WebcamTexts::kDownloadError, Prompter::Icon::Critical});
        return false;
    }
    m_writing = true;
    return true;
}

void CamDownload::onData()
{
    if (!m_writing || !m_exchange->running())
        return;
    bool wrote = false;
    while (m_exchange->bytesAvailable() > 0) {
        const QByteArray piece = m_exchange->read(kPiece);
        if (piece.isEmpty())
            break;
        if (m_offset + piece.size() > m_expected) {
            fail({WebcamTexts::errorOccurred(QStringLiteral("more data than announced")),
                  WebcamTexts::kDownloadError, Prompter::Icon::Critical});
            return;
        }
        if (m_file.write(piece) != piece.size()) {
            fail({WebcamTexts::cannotWrite(int(m_file.error()), m_file.errorString()),
                  WebcamTexts::kDownloadError, Prompter::Icon::Critical});
            return;
        }
        m_offset += piece.size();
        wrote = true;
    }
    if (wrote)
        Q_EMIT progress(true, m_offset, m_expected);
}

void CamDownload::onExchangeFinished()
{
    if (!m_attemptOpen)
        return;
    if (!m_headersSeen) {
        // Refused or unreachable; or not HTTP, or no answer before the connection ended or
        // stalled.
        m_error = true;
        if (m_exchange->result().unreachable)
            setPending({WebcamTexts::kCannotConnect, QStringLiteral("Cannot Establish Connection"),
                        Prompter::Icon::Warning});
        else
            setPending(outcomeMessage(0, m_url, {}));
    }
    endAttempt(); // complete or broken off: the end steps tell which
}

void CamDownload::onStall()
{
    m_exchange->onTimeout();
}

void CamDownload::stop()
{
    m_stop = true;
    if (m_attemptOpen)
        endAttempt();
}

void CamDownload::fail(const Prompter::Message &message)
{
    setPending(message);
    endAttempt(Next::GiveUp);
}

void CamDownload::setPending(const Prompter::Message &message)
{
    m_pending = message;
    m_outcome = message.text;
}

void CamDownload::detachReply()
{
    m_exchange->abort();
    if (m_file.isOpen())
        m_file.close();
    m_writing = false;
}

void CamDownload::endAttempt(Next next)
{
    m_attemptOpen = false;
    m_next = next;
    detachReply();
    // The rest runs from the event loop, never inside a handler of the reply just dropped.
    QTimer::singleShot(0, this, &CamDownload::afterAttempt);
}

void CamDownload::cancel()
{
    m_attemptOpen = false;
    m_running = false;
    detachReply();
}

void CamDownload::afterAttempt()
{
    if (!m_running)
        return; // cancelled meanwhile
    if (m_pending && !m_options.hideErrors) {
        const Prompter::Message shown = *m_pending;
        m_pending.reset();
        QPointer<CamDownload> alive(this);
        Q_EMIT message(shown);
        if (!alive || !m_running)
            return;
    }
    if (m_next == Next::Continue && m_offset == m_expected) {
        m_completed = true;
        Q_EMIT progress(false, m_offset, m_expected);
    } else {
        if (!QFile::exists(m_destination))
            m_stop = true;
        // Resumes are bounded, so a server that keeps failing them cannot hold the window.
        if (m_next == Next::Continue && !m_stop && m_resumes < kMaxResumes
            && !m_deadline.hasExpired()) {
            m_resume = true;
            ++m_resumes;
            attempt();
            return;
        }
        m_completed = false;
        Q_EMIT progress(true, 0, m_expected);
    }
    m_running = false;
    Q_EMIT finished();
}
