#include "ScriptedUnit.h"

#include "protocol/UnitProtocol.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <sys/socket.h>

ScriptedUnit::ScriptedUnit(QObject *parent) : QObject(parent)
{
    onPacket = [this](const QByteArray &packet) {
        if (!packet.startsWith(char(0xF0)))
            answerAck();
    };
    connect(&m_server, &QTcpServer::newConnection, this, &ScriptedUnit::onNewConnection);
    m_server.listen(QHostAddress::LocalHost, 0);
}

void ScriptedUnit::onNewConnection()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        if (m_peer)
            m_peer->deleteLater();
        m_peer = socket;
        m_peer->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        ++m_connections;
        m_received.clear();
        m_pending.clear();
        m_packets.clear();
        connect(socket, &QTcpSocket::readyRead, this, &ScriptedUnit::onReadyRead);
        if (!greeting.isEmpty())
            send(greeting);
    }
}

// Requests are 7 bytes, display packets run to F7, records are ':' + 11 + 2 * count characters.
qsizetype ScriptedUnit::nextPacketLength() const
{
    if (m_pending.isEmpty())
        return 0;
    const char lead = m_pending.at(0);
    if (lead == UnitProtocol::kRequestLead)
        return m_pending.size() >= 7 ? 7 : 0;
    if (lead == char(0xF0)) {
        const qsizetype end = m_pending.indexOf(char(0xF7));
        return end < 0 ? 0 : end + 1;
    }
    if (lead == ':' && m_pending.size() >= 3) {
        const qsizetype length = 11 + 2 * m_pending.mid(1, 2).toInt(nullptr, 16);
        return m_pending.size() >= length ? length : 0;
    }
    return lead == ':' ? 0 : 1;
}

void ScriptedUnit::onReadyRead()
{
    const QByteArray bytes = m_peer->readAll();
    m_received += bytes;
    m_pending += bytes;
    while (const qsizetype length = nextPacketLength()) {
        const QByteArray packet = m_pending.left(length);
        m_pending.remove(0, length);
        m_packets << packet;
        if (packet.startsWith(':'))
            m_records << packet;
        Q_EMIT packetReceived(packet);
        if (onPacket)
            onPacket(packet);
    }
}

void ScriptedUnit::answerAck()
{
    send(UnitProtocol::response(ResponseCode::Ack));
}

void ScriptedUnit::send(const QByteArray &bytes)
{
    if (!m_peer)
        return;
    m_peer->write(bytes);
    m_peer->flush();
}

void ScriptedUnit::closeConnection()
{
    if (m_peer)
        m_peer->disconnectFromHost();
}

void ScriptedUnit::resetConnection()
{
    if (!m_peer)
        return;
    // A zero linger time makes the close send RST.
    const linger option{1, 0};
    ::setsockopt(int(m_peer->socketDescriptor()), SOL_SOCKET, SO_LINGER, &option, sizeof option);
    m_peer->abort();
}

bool ScriptedUnit::waitFor(const std::function<bool()> &condition, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}
