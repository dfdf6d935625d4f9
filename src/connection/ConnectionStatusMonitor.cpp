#include "ConnectionStatusMonitor.h"

#include "ConnectionView.h"
#include "platform/UnitSocket.h"

ConnectionStatusMonitor::ConnectionStatusMonitor(UnitSocket &socket, ConnectionView &view,
                                                 QObject *parent)
    : QObject(parent), m_socket(socket), m_view(view)
{
    connect(&m_timer, &QTimer::timeout, this, &ConnectionStatusMonitor::EthernetStatusTimer_Timer);
}

void ConnectionStatusMonitor::start()
{
    m_timer.setInterval(kIdleInterval);
    m_timer.start();
}

void ConnectionStatusMonitor::EthernetStatusTimer_Timer()
{
    // The state is a 16-bit number on the wire of the socket facility; anything outside the
    // table, negative values included, reads as unknown.
    const int state = qint16(m_socket.state());
    const bool namesHost = state >= UnitSocket::ResolvingHost && state <= UnitSocket::PeerClosing;
    m_view.setStatusText(statusText(state, namesHost ? m_socket.remoteHost() : QString()));
    if (state == UnitSocket::Connected && m_timer.intervalAsDuration() != kConnectedInterval)
        m_timer.setInterval(kConnectedInterval);
}

QString ConnectionStatusMonitor::statusText(int state, const QString &host)
{
    switch (state) {
    case UnitSocket::Closed:
        return QStringLiteral("Not connected");
    case UnitSocket::Open:
        return QStringLiteral("Open");
    case UnitSocket::Listening:
        return QStringLiteral("Listening");
    case UnitSocket::ConnectionPending:
        return QStringLiteral("Connection pending");
    case UnitSocket::ResolvingHost:
        return QStringLiteral("Resolving ") + host;
    case UnitSocket::HostResolved:
        return QStringLiteral("Resolved ") + host;
    case UnitSocket::Connecting:
        return QStringLiteral("Connecting to ") + host;
    case UnitSocket::Connected:
        return QStringLiteral("Connected to ") + host;
    case UnitSocket::PeerClosing:
        return host + QStringLiteral(" is closing the connection");
    case UnitSocket::Error:
        return QStringLiteral("Error");
    default:
        return QStringLiteral("Unknown state");
    }
}
