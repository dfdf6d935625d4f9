#include "FuzzUnitSocket.h"

#include <QMetaObject>

#include <utility>

bool FuzzUnitSocket::setRemoteHost(const QString &host)
{
    if (!isAcceptableHost(host))
        return false;
    m_host = host;
    return true;
}

void FuzzUnitSocket::connectToUnit()
{
    ++m_generation;
    ++m_connection;
    m_pending.clear();
    m_state = Connected;
}

void FuzzUnitSocket::close()
{
    ++m_generation;
    m_pending.clear();
    m_state = Closed;
}

void FuzzUnitSocket::send(const QByteArray &bytes)
{
    if (sent)
        sent(m_connection, m_state == Connected, bytes);
}

QByteArray FuzzUnitSocket::receiveAll()
{
    return std::exchange(m_pending, {});
}

void FuzzUnitSocket::arriveNow(const QByteArray &bytes)
{
    // Nothing arrives on a socket that is not connected.
    if (m_state != Connected || bytes.isEmpty())
        return;
    m_pending += bytes;
    Q_EMIT dataArrival(int(m_pending.size()));
}

void FuzzUnitSocket::arriveLater(const QByteArray &bytes)
{
    later([this, bytes] { arriveNow(bytes); });
}

void FuzzUnitSocket::closeByPeer()
{
    later([this] {
        if (m_state != Connected)
            return;
        m_state = PeerClosing;
        Q_EMIT peerClosed();
    });
}

void FuzzUnitSocket::failLater(int number)
{
    later([this, number] {
        if (m_state != Connected)
            return;
        m_state = Error;
        Q_EMIT error(number, QStringLiteral("The unit's end failed"));
    });
}

template <typename F> void FuzzUnitSocket::later(F action)
{
    const quint64 generation = m_generation;
    QMetaObject::invokeMethod(
        this,
        [this, generation, action] {
            if (generation == m_generation)
                action();
        },
        Qt::QueuedConnection);
}
