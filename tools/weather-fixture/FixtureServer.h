#pragma once

#include <QByteArray>
#include <QHash>
#include <QTcpServer>

#include <functional>

class QTcpSocket;

// A small HTTP server on 127.0.0.1 that answers the forecast path with prepared pages, by
// query, the world station path "/global/stations/CODE.html" by code, and the live source's
// geocoding ("/v1/search") and forecast ("/v1/forecast") paths with JSON answers: for trying the
// weather panel offline and for the tests. Every connection gets one answer and is closed.
class FixtureServer : public QTcpServer
{
    Q_OBJECT
public:
    enum class Answer {
        Page,      // the page set for the query
        Silent,    // reads the request and never answers
        Binary,    // a picture's bytes
        Oversize,  // a text page past the size a report takes
        Redirect,  // a redirect to the "location" set for the query
        Error,     // an HTTP 500
        BrokenOff, // the page announced 5000 bytes longer than it is, then the connection closed
        Stall,     // the headers and half the page, then nothing
    };

    explicit FixtureServer(QObject *parent = nullptr);

    // Listens on 127.0.0.1; port 0 picks a free one.
    bool start(quint16 port = 0);
    QString host() const;

    void setPage(const QString &query, const QString &page);
    void setAnswer(const QString &query, Answer answer, const QString &location = {});
    // The page for queries nobody set (by default a not-found page).
    void setFallback(const QString &page) { m_fallback = page.toUtf8(); }
    void setStationPage(const QString &code, const QString &page);
    // The page of a station nobody set; without one such stations are not found.
    void setStationFallback(std::function<QString(const QString &code)> page)
    {
        m_stationFallback = std::move(page);
    }

    // The geocoder's answer for a name (any letter case); names nobody set have no places.
    void setPlaces(const QString &name, const QString &json, Answer answer = Answer::Page);
    // The forecast answer for a place, by its latitude (to 0.01 degrees); forecasts nobody set
    // get the service's error answer.
    void setForecast(double latitude, const QString &json, Answer answer = Answer::Page);

    // A plain text file at an exact path ("/PROGINFO.txt").
    void setFile(const QString &path, const QString &text) { m_files.insert(path, text.toUtf8()); }

    int requests() const { return m_requests; }
    QStringList paths() const { return m_paths; }

private:
    void onConnection();
    void onReadyRead(QTcpSocket *socket);
    void reply(QTcpSocket *socket, const QByteArray &status, const QByteArray &type,
               const QByteArray &body, const QByteArray &extra = {});
    void replyStation(QTcpSocket *socket, const QByteArray &path);
    void replyJson(QTcpSocket *socket, const QByteArray &path);
    // Answers other than a page; false for Answer::Page.
    bool special(QTcpSocket *socket, Answer answer, const QString &location,
                 const QByteArray &page);

    struct JsonAnswer
    {
        QByteArray body;
        Answer answer = Answer::Page;
    };

    QHash<QString, QByteArray> m_pages;
    QHash<QString, QPair<Answer, QString>> m_answers;
    QByteArray m_fallback;
    QHash<QString, QByteArray> m_stations;
    QHash<QString, QByteArray> m_files;
    QHash<QString, JsonAnswer> m_places;
    QList<QPair<double, JsonAnswer>> m_forecasts;
    std::function<QString(const QString &)> m_stationFallback;
    int m_requests = 0;
    QStringList m_paths;
};
