#include "mailcheck/ScriptedPopServer.h"

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

ScriptedPopServer::ScriptedPopServer()
{
    m_server.listen(QHostAddress::LocalHost, 0);
    connect(&m_server, &QTcpServer::newConnection, this, &ScriptedPopServer::onConnection);
}

void ScriptedPopServer::onConnection()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        socket->setParent(this);
        const int connection = static_cast<int>(received.size());
        received.append(QList<QByteArray>());
        connect(socket, &QTcpSocket::readyRead, this,
                [this, socket, connection] { onCommand(socket, connection); });
        if (allAtOnce) {
            QByteArray all = greeting;
            for (const char *word : {"USER", "PASS", "STAT", "QUIT"})
                all += replies.value(word);
            socket->write(all);
        } else {
            write(socket, greeting);
        }
    }
}

void ScriptedPopServer::onCommand(QTcpSocket *socket, int connection)
{
    while (socket->canReadLine()) {
        const QByteArray line = socket->readLine().trimmed();
        received[connection].append(line);
        const QByteArray word = line.split(' ').first();
        if (!closeOn.isEmpty() && word == closeOn) {
            socket->close();
            return;
        }
        if (!allAtOnce)
            write(socket, replies.value(word));
    }
}

void ScriptedPopServer::write(QTcpSocket *socket, const QByteArray &data)
{
    if (!byteByByte || data.isEmpty()) {
        socket->write(data);
        return;
    }
    // One byte now, the rest on a later turn of the event loop, so the client sees them
    // arrive apart.
    socket->write(data.left(1));
    socket->flush();
    QPointer<QTcpSocket> guarded(socket);
    QTimer::singleShot(0, this, [this, guarded, rest = data.mid(1)] {
        if (guarded)
            write(guarded, rest);
    });
}
