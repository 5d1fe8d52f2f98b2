#pragma once

#include <QObject>
#include <QString>
#include <QStringView>

#include <optional>

class PageFetch;
class Prompter;
class QNetworkAccessManager;

// The notice's text cut from the maker's information page (intro, price, version, date found
// by their places after the first "1)"), or nullopt when a cut fails.
std::optional<QString> priceNoticeText(QStringView page);

// The host the information page comes from: ORVANE_INFO_HOST when set, else `makerSite`.
// A host without a scheme is taken as http; no slash at the end.
QString infoHost(const QString &makerSite);

// "Current Pricing": fetches the information page without holding up the window (with the
// fetch's time-out) and shows the notice. When the page cannot be had or read, a box says so,
// naming the host and the reason, so a press never ends in silence.
class PriceNotice : public QObject
{
    Q_OBJECT
public:
    PriceNotice(Prompter &prompter, QNetworkAccessManager &network, QObject *parent = nullptr);

    // One fetch at a time; a request while one runs is ignored.
    void show(const QString &host);
    // The fetch under way or done (none before the first request).
    PageFetch *fetch() const { return m_fetch; }

Q_SIGNALS:
    // After each request, with whether the notice was shown.
    void done(bool shown);

private:
    void onFetched(bool ok, const QString &page);

    Prompter &m_prompter;
    QNetworkAccessManager &m_network;
    QString m_host;
    PageFetch *m_fetch = nullptr;
};
