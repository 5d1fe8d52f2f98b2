#include "FixtureServer.h"

#include "OpenMeteoAnswers.h"
#include "WeatherPages.h"

#include <QTcpSocket>
#include <QUrl>
#include <QUrlQuery>

#include <cmath>

namespace {

const QByteArray kPath = QByteArrayLiteral("/cgi-bin/findweather/getForecast?query=");
const QByteArray kStations = QByteArrayLiteral("/global/stations/");
const QByteArray kHtml = QByteArrayLiteral(".html");
const QByteArray kSearch = QByteArrayLiteral("/v1/search?");
const QByteArray kForecast = QByteArrayLiteral("/v1/forecast?");
const QByteArray kJson = QByteArrayLiteral("application/json; charset=utf-8");

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

void FixtureServer::setPlaces(const QString &name, const QString &json, Answer answer)
{
    m_places.insert(name.toLower(), {json.toUtf8(), answer});
}

void FixtureServer::setForecast(double latitude, const QString &json, Answer answer)
{
    m_forecasts.append({latitude, {json.toUtf8(), answer}});
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
    if (path.startsWith(kSearch) || path.startsWith(kForecast)) {
        replyJson(socket, path);
        return;
    }
    const auto given = m_answers.constFind(query);
    if (given != m_answers.cend()
        && special(socket, given->first, given->second, m_pages.value(query)))
        return;
    const auto page = m_pages.constFind(query);
    if (page == m_pages.cend())
        reply(socket, "404 Not Found", "text/html; charset=utf-8", m_fallback);
    else
        reply(socket, "200 OK", "text/html; charset=utf-8", *page);
}

bool FixtureServer::special(QTcpSocket *socket, Answer answer, const QString &location,
                            const QByteArray &page)
{
    switch (answer) {
    case Answer::Silent:
        return true;
    case Answer::Binary:
        reply(socket, "200 OK", "image/gif", QByteArray("GIF89a\x01\0\x01\0\0\0\0;", 14));
        return true;
    case Answer::Oversize:
        reply(socket, "200 OK", "text/html", QByteArray(3 * 1024 * 1024, 'x'));
        return true;
    case Answer::Redirect:
        reply(socket, "302 Found", "text/html", QByteArray(),
              "Location: " + location.toUtf8() + "\r\n");
        return true;
    case Answer::Error:
        reply(socket, "500 Internal Server Error", "text/plain", "Internal Server Error");
        return true;
    case Answer::BrokenOff:
    case Answer::Stall: {
        const bool stall = answer == Answer::Stall;
        const QByteArray announced = QByteArray::number(page.size() + (stall ? 0 : 5000));
        socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\n"
                      "Content-Length: "
                      + announced + "\r\nConnection: close\r\n\r\n"
                      + (stall ? page.left(page.size() / 2) : page));
        if (!stall)
            socket->disconnectFromHost();
        return true;
    }
    case Answer::Page:
        break;
    }
    return false;
}

void FixtureServer::replyJson(QTcpSocket *socket, const QByteArray &path)
{
    const QUrlQuery items(QUrl(QString::fromUtf8(path)));
    if (path.startsWith(kSearch)) {
        const QString name = items.queryItemValue(QStringLiteral("name"), QUrl::FullyDecoded);
        const auto found = m_places.constFind(name.toLower());
        if (found == m_places.cend())
            reply(socket, "200 OK", kJson, OpenMeteoAnswers::noPlaces().toUtf8());
        else if (!special(socket, found->answer, {}, found->body))
            reply(socket, "200 OK", kJson, found->body);
        return;
    }
    const double latitude = items.queryItemValue(QStringLiteral("latitude")).toDouble();
    for (const auto &[at, answer] : std::as_const(m_forecasts)) {
        if (std::fabs(at - latitude) < 0.01) {
            if (!special(socket, answer.answer, {}, answer.body))
                reply(socket, "200 OK", kJson, answer.body);
            return;
        }
    }
    reply(socket, "400 Bad Request", kJson, OpenMeteoAnswers::forecastError().toUtf8());
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
