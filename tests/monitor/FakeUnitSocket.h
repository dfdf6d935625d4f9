#pragma once

#include "platform/UnitSocket.h"

// A socket whose state and remote host a test sets by hand, for the cases a real socket cannot
// be made to show on demand (peer closing, out-of-range states).
class FakeUnitSocket : public UnitSocket
{
public:
    using UnitSocket::UnitSocket;

    void setRemotePort(int port) override { m_port = port; }
    int remotePort() const override { return m_port; }
    bool setRemoteHost(const QString &host) override
    {
        m_host = host;
        return true;
    }
    QString remoteHost() const override
    {
        ++hostReads;
        return m_host;
    }
    void connectToUnit() override { m_state = Connected; }
    void close() override { m_state = Closed; }
    int state() const override { return m_state; }
    void send(const QByteArray &bytes) override { sent += bytes; }
    QByteArray receiveAll() override { return {}; }

    void setState(int state) { m_state = state; }

    QByteArray sent;
    mutable int hostReads = 0;

private:
    int m_port = 0;
    QString m_host;
    int m_state = Closed;
};
