// The HTTP exchange against loopback servers, one plain and one over TLS with a test
// certificate the client is told to trust: what the layer refuses whatever the feature asks.
#include "common/HttpExchange.h"
#include "support/StagedPaths.h"

#include <QFile>
#include <QNetworkAccessManager>
#include <QSignalSpy>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>

#include <gtest/gtest.h>

namespace {

QByteArray testFile(const QString &name)
{
    QFile file(sourceDir() + QStringLiteral("/tests/data/tls/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Answers every request that reaches it with `answer`, counting the requests.
template<typename Server> void answerWith(Server &server, QByteArray answer, int &requests)
{
    QObject::connect(&server, &QTcpServer::pendingConnectionAvailable, &server, [&, answer] {
        QTcpSocket *socket = server.nextPendingConnection();
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket, answer, &requests] {
            if (!socket->readAll().contains("\r\n\r\n"))
                return;
            ++requests;
            socket->write(answer);
            socket->disconnectFromHost();
        });
    });
}

} // namespace

TEST(HttpExchange, ARedirectFromHttpsToHttpIsRefusedBeforeThePlainAddressIsAsked)
{
    if (!QSslSocket::supportsSsl())
        GTEST_SKIP() << "no TLS backend";
    const QList<QSslCertificate> certificates = QSslCertificate::fromData(testFile("loopback.crt"));
    const QSslKey key(testFile("loopback.key"), QSsl::Rsa);
    ASSERT_EQ(certificates.size(), 1);
    ASSERT_FALSE(key.isNull());

    int plainRequests = 0;
    QTcpServer plain;
    ASSERT_TRUE(plain.listen(QHostAddress::LocalHost, 0));
    answerWith(plain, "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nplain", plainRequests);

    int secureRequests = 0;
    QSslServer secure;
    QSslConfiguration serverTls = QSslConfiguration::defaultConfiguration();
    serverTls.setLocalCertificate(certificates.first());
    serverTls.setPrivateKey(key);
    secure.setSslConfiguration(serverTls);
    ASSERT_TRUE(secure.listen(QHostAddress::LocalHost, 0));
    const QByteArray onward = "http://127.0.0.1:" + QByteArray::number(plain.serverPort()) + "/";
    answerWith(secure,
               "HTTP/1.1 302 Found\r\nLocation: " + onward + "\r\nContent-Length: 0\r\n\r\n",
               secureRequests);

    // The client trusts the test certificate, so the only thing left to refuse is the redirect.
    const QSslConfiguration before = QSslConfiguration::defaultConfiguration();
    QSslConfiguration trusting = before;
    trusting.addCaCertificates(certificates);
    QSslConfiguration::setDefaultConfiguration(trusting);

    QNetworkAccessManager network;
    HttpExchange exchange(network);
    QSignalSpy finished(&exchange, &HttpExchange::finished);
    HttpRequest request;
    request.address = QUrl(QStringLiteral("https://127.0.0.1:%1/cam.jpg").arg(secure.serverPort()));
    exchange.start(request);
    EXPECT_TRUE(finished.wait(20000));
    QSslConfiguration::setDefaultConfiguration(before);

    EXPECT_EQ(secureRequests, 1);
    EXPECT_EQ(plainRequests, 0);
    EXPECT_FALSE(exchange.result().complete);
    EXPECT_EQ(exchange.result().failure, "127.0.0.1 sent the request on to an unencrypted address");
}
