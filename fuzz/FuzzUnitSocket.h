#pragma once

#include "platform/UnitSocket.h"

#include <functional>

// The unit's end of the wire as a fuzz input plays it: connecting succeeds at once, every chunk
// the input holds arrives when the input says (at once, or later from the event loop), and every
// send is handed to an observer that checks it.
class FuzzUnitSocket : public UnitSocket
{
    Q_OBJECT

public:
    using UnitSocket::UnitSocket;

    void setRemotePort(int port) override { m_port = port; }
    int remotePort() const override { return m_port; }
    bool setRemoteHost(const QString &host) override;
    QString remoteHost() const override { return m_host; }
    void connectToUnit() override;
    void close() override;
    int state() const override { return m_state; }
    void send(const QByteArray &bytes) override;
    QByteArray receiveAll() override;

    // The bytes arrive now: the arrival handler runs before this returns.
    void arriveNow(const QByteArray &bytes);
    // The bytes arrive from the event loop, e.g. during one of the engine's pauses.
    void arriveLater(const QByteArray &bytes);
    void closeByPeer();
    void failLater(int number);

    // Called for every send with the connection it went out on (numbered from 1); false when
    // the socket was not connected at the time.
    std::function<void(int connection, bool connected, const QByteArray &bytes)> sent;
    int connection() const { return m_connection; }

private:
    template <typename F> void later(F action);

    int m_port = 0;
    QString m_host;
    int m_state = Closed;
    int m_connection = 0;
    // Changes whenever a connection starts or ends, so that events queued for an earlier one
    // are dropped like the data a closed socket discards.
    quint64 m_generation = 0;
    QByteArray m_pending;
};
