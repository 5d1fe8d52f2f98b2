#include "FixtureServer.h"

#include "WeatherPages.h"

#include <QTcpSocket>

namespace {

const QByteArray kPath = QByteArrayLiteral("/cgi-bin/findweather/getForecast?query=");
const QByteArray kStations = QByteArrayLiteral("/global/stations/");
const QByteArray kHtml = QByteArrayLiteral(".html");

} // namespace

FixtureServer::FixtureServer(QObject *parent)
    : QTcpServer(parent)
    , m_fallback(WeatherPages::notFoundPage().toUtf8())
{
    connect(this, &QTcpServer::newConnection, this, &FixtureServer::onConnection);
}

bool FixtureServer::start(quint16 port)
{
    return listen(QHostAddress::LocalHost, port);
}

QString FixtureServer::host() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(serverPort());
}

void FixtureServer::setPage(const QString &query, const QString &page)
{
    m_pages.insert(query, page.toUtf8());
}

void FixtureServer::setStationPage(const QString &code, const QString &page)
{
    m_stations.insert(code, page.toUtf8());
}

void FixtureServer::setAnswer(const QString &query, Answer answer, const QString &location)
{
    m_answers.insert(query, {answer, location});
}

void FixtureServer::onConnection()
{
    while (QTcpSocket *socket = nextPendingConnection()) {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
    }
}

void FixtureServer::onReadyRead(QTcpSocket *socket)
{
    QByteArray request = socket->property("request").toByteArray() + socket->readAll();
    socket->setProperty("request", request);
    if (!request.contains("\r\n\r\n") || socket->property("answered").toBool())
        return;
    socket->setProperty("answered", true);
    ++m_requests;
    const QList<QByteArray> line = request.left(request.indexOf("\r\n")).split(' ');
    const QByteArray path = line.size() > 1 ? line.at(1) : QByteArray();
    m_paths << QString::fromUtf8(path);
    if (const auto file = m_files.constFind(QString::fromUtf8(path)); file != m_files.cend()) {
        reply(socket, "200 OK", "text/plain; charset=utf-8", *file);
        return;
    }
    if (path.startsWith(kStations) && path.endsWith(kHtml)) {
        replyStation(socket, path);
        return;
    }
    const QString query
        = path.startsWith(kPath) ? QString::fromUtf8(path.mid(kPath.size())) : QString();
    const auto special = m_answers.constFind(query);
    const Answer answer = special == m_answers.cend() ? Answer::Page : special->first;
    switch (answer) {
    case Answer::Silent:
        return;
    case Answer::Binary:
        reply(socket, "200 OK", "image/gif", QByteArray("GIF89a\x01\0\x01\0\0\0\0;", 14));
        return;
    case Answer::Oversize:
        reply(socket, "200 OK", "text/html", QByteArray(3 * 1024 * 1024, 'x'));
        return;
    case Answer::Redirect:
        reply(socket, "302 Found", "text/html", QByteArray(),
              "Location: " + special->second.toUtf8() + "\r\n");
        return;
    case Answer::Page:
        break;
    }
    const auto page = m_pages.constFind(query);
    if (page == m_pages.cend())
        reply(socket, "404 Not Found", "text/html; charset=utf-8", m_fallback);
    else
        reply(socket, "200 OK", "text/html; charset=utf-8", *page);
}

void FixtureServer::replyStation(QTcpSocket *socket, const QByteArray &path)
{
    const QString code = QString::fromUtf8(
        path.mid(kStations.size(), path.size() - kStations.size() - kHtml.size()));
    QByteArray page = m_stations.value(code);
    if (page.isEmpty() && m_stationFallback)
        page = m_stationFallback(code).toUtf8();
    if (page.isEmpty())
        reply(socket, "404 Not Found", "text/html; charset=utf-8", m_fallback);
    else
        reply(socket, "200 OK", "text/html; charset=utf-8", page);
}

void FixtureServer::reply(QTcpSocket *socket, const QByteArray &status, const QByteArray &type,
                          const QByteArray &body, const QByteArray &extra)
{
    socket->write("HTTP/1.1 " + status + "\r\nContent-Type: " + type
                  + "\r\nContent-Length: " + QByteArray::number(body.size())
                  + "\r\nConnection: close\r\n" + extra + "\r\n" + body);
    socket->disconnectFromHost();
}
