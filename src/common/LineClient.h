#pragma once

#include <QAbstractSocket>
#include <QByteArray>
#include <QObject>

#include <optional>

class QSslError;
class QSslSocket;
class QTimer;

// Cuts what a socket delivers into lines, each ending with LF (a CR before it stays part of
// the line). A line that never ends is cut at `maxLine` bytes, so a peer that streams garbage
// cannot grow the buffer without bound.
class LineBuffer
{
public:
    explicit LineBuffer(qsizetype maxLine)
        : m_maxLine(maxLine)
    {
    }

    void append(const QByteArray &data) { m_pending += data; }
    // The next complete line, or nothing until more data arrives.
    std::optional<QByteArray> takeLine();
    void clear() { m_pending.clear(); }

private:
    qsizetype m_maxLine;
    QByteArray m_pending;
};

// One conversation with a TCP server, for the line protocols (POP3, IMAP) and the fixed-size
// answer of the time protocol: the connection, the wait for each reply bounded in time, the
// longest line, and the most bytes one conversation may bring. Whatever goes wrong ends the
// conversation and is told once through failed(); nothing waits on the window.
//
// TLS is either there from the start (open with tls) or begun on the open connection
// (startTls, after the protocol's STARTTLS). The server's certificate must be trusted by the
// system for the host asked for, or be the one certificate the user chose to trust; anything
// else ends the conversation before another byte is sent. There is no fall-back to plain text.
class LineClient : public QObject
{
    Q_OBJECT
public:
    struct Limits
    {
        int replyTimeoutMs; // the connection and each reply after a send
        qsizetype maxLine;  // a longer line is handed over in pieces of this size
        qsizetype maxBytes; // past this the conversation ends as TooMuch
        int fixedReply = 0; // > 0: the answer is this many bytes, not lines
    };
    // Untrusted: the certificate was refused (tlsErrorText says why, offeredFingerprint which
    // one); Handshake: TLS could not be set up at all.
    enum class Failure { TimedOut, Socket, TooMuch, Untrusted, Handshake };
    Q_ENUM(Failure)

    // `timerName` names the reply timer, so a test can find it.
    LineClient(const Limits &limits, const QString &timerName, QObject *parent = nullptr);
    ~LineClient() override;

    // Drops any conversation under way and connects, encrypted from the start when `tls`; the
    // reply timer runs from here.
    void open(const QString &host, quint16 port, bool tls = false);
    // Begins TLS on the open connection. Whatever arrived before it and was not yet handed on
    // is dropped: it cannot be told apart from what an attacker slipped in. secured() follows.
    void startTls();
    bool secure() const;
    // The SHA-256 fingerprint (any case, with or without colons) of a certificate to accept
    // although the system does not trust it; empty for none.
    void setTrustedFingerprint(const QString &fingerprint) { m_trusted = fingerprint; }
    // The certificate the server showed in the last refused handshake, and why it was refused.
    QString offeredFingerprint() const { return m_offered; }
    QString tlsErrorText() const { return m_tlsError; }
    // Sends and waits for the reply.
    void send(const QByteArray &data);
    // The reply is in and no other is awaited.
    void stopWaiting();
    // Closes after the last reply, or drops the connection at once.
    void close();
    void abort();
    bool waiting() const;
    bool connected() const { return state() == QAbstractSocket::ConnectedState; }
    QAbstractSocket::SocketState state() const;
    QAbstractSocket::SocketError socketError() const;
    QString socketErrorText() const;

    // The reply timer's tick; tests call it instead of waiting.
    void onTimeout();

Q_SIGNALS:
    // One line as the server sent it, line end included.
    void lineReceived(const QByteArray &line);
    // The whole fixed-size answer.
    void answerReceived(const QByteArray &answer);
    // The connection is encrypted and its certificate accepted.
    void secured();
    void failed(LineClient::Failure failure);

private:
    void onReadyRead();
    void fail(Failure failure);
    void onSslErrors(const QList<QSslError> &errors);
    void onSocketError();

    Limits m_limits;
    QSslSocket *m_socket;
    QTimer *m_timer;
    LineBuffer m_lines;
    QByteArray m_fixed;
    qint64 m_received = 0;
    quint64 m_conversation = 0; // counts the conversations opened
    QString m_host, m_trusted, m_offered, m_tlsError;
};
