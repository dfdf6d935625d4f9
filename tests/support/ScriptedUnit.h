#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

#include <functional>

// A unit whose answers each test scripts: a server on 127.0.0.1 that records every byte, splits
// what arrives into packets (programming request, display packets, record lines) and lets the
// test answer each packet, or answers Ack automatically.
class ScriptedUnit : public QObject
{
    Q_OBJECT

public:
    explicit ScriptedUnit(QObject *parent = nullptr);

    quint16 port() const { return m_server.serverPort(); }
    bool isConnected() const { return m_peer && m_peer->state() == QTcpSocket::ConnectedState; }
    int connections() const { return m_connections; }

    // Everything received on the current connection, and it split into packets.
    QByteArray received() const { return m_received; }
    QList<QByteArray> packets() const { return m_packets; }
    // Record lines received, over all connections.
    QList<QByteArray> records() const { return m_records; }

    // Called for every whole packet; by default every request and record gets an Ack.
    std::function<void(const QByteArray &packet)> onPacket;
    void answerAck();
    // Sent to every new connection as soon as it is accepted.
    QByteArray greeting;
    void send(const QByteArray &bytes);
    void closeConnection();
    // Ends the connection with RST instead of FIN.
    void resetConnection();

    // Pumps events until the condition holds or the time is up.
    static bool waitFor(const std::function<bool()> &condition, int timeoutMs = 5000);

Q_SIGNALS:
    void packetReceived(const QByteArray &packet);

private:
    void onNewConnection();
    void onReadyRead();
    qsizetype nextPacketLength() const;

    QTcpServer m_server;
    QPointer<QTcpSocket> m_peer;
    QByteArray m_received;
    QByteArray m_pending;
    QList<QByteArray> m_packets;
    QList<QByteArray> m_records;
    int m_connections = 0;
};
