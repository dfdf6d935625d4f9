#pragma once

#include "UnitSocket.h"

#include <QAbstractSocket>
#include <QTcpSocket>
#include <QTimer>

// The unit's socket over QTcpSocket.
//
// QIODevice::readyRead is not emitted again while a slot connected to it runs, and the upload's
// arrival handler pauses inside itself. So the arrival is left to a zero-time timer and the
// readyRead slot returns at once: arrivals during a pause are still delivered. (A timer rather than
// a posted call: it costs no wake-up of the event loop, which counts at thousands of answers a
// second.) Errors are queued too, so that a send never runs the error handler in the middle of its
// caller; an arrival still waiting is delivered before them, so the unit's last answer comes
// before the news that it closed the connection.
class TcpUnitSocket : public UnitSocket
{
    Q_OBJECT

public:
    explicit TcpUnitSocket(QObject *parent = nullptr);

    void setRemotePort(int port) override { m_port = port; }
    int remotePort() const override { return m_port; }
    bool setRemoteHost(const QString &host) override;
    QString remoteHost() const override { return m_host; }

    void connectToUnit() override;
    void close() override;
    int state() const override;

    void send(const QByteArray &bytes) override;
    QByteArray receiveAll() override;

    // Windows Sockets number for a Qt socket error.
    static int errorNumber(QAbstractSocket::SocketError error);

private:
    void onReadyRead();
    void onErrorOccurred(QAbstractSocket::SocketError error);
    void deliverArrival();
    void deliverWaitingArrival();

    QTcpSocket m_socket;
    QString m_host;
    int m_port = 0;
    bool m_peerClosed = false;
    bool m_failed = false;
    QTimer m_arrivalTimer;
    // Changes at every connect and close, so that events queued for an earlier connection are
    // dropped instead of being reported against the next one.
    quint64 m_connection = 0;
};
