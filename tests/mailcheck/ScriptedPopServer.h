#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QTcpServer>

class QTcpSocket;

// A POP3 server on 127.0.0.1 that follows a script: a greeting on connection, then one reply
// per command word. It records what each connection sent. Hostile behaviours are switches.
class ScriptedPopServer : public QObject
{
    Q_OBJECT
public:
    ScriptedPopServer();

    quint16 port() const { return m_server.serverPort(); }

    QByteArray greeting = "+OK ready\r\n"; // empty: accept and say nothing
    QMap<QByteArray, QByteArray> replies{{"USER", "+OK user\r\n"},
                                         {"PASS", "+OK logged in\r\n"},
                                         {"STAT", "+OK 3 333\r\n"},
                                         {"QUIT", "+OK bye\r\n"}};
    // Send the greeting and every scripted reply, in dialogue order, in one write.
    bool allAtOnce = false;
    // Send every reply a byte per write, each write in its own turn of the event loop.
    bool byteByByte = false;
    // Close the connection instead of answering this command word.
    QByteArray closeOn;

    // The command lines each connection sent, without their line ends.
    QList<QList<QByteArray>> received;

private:
    void onConnection();
    void onCommand(QTcpSocket *socket, int connection);
    void write(QTcpSocket *socket, const QByteArray &data);

    QTcpServer m_server;
};
