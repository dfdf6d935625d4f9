#include "ConnectionStatusMonitor.h"

#include "ConnectionView.h"
#include "platform/CoreText.h"
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
        return CoreText::english("Not connected");
    case UnitSocket::Open:
        //: The state of the connection to the unit
        return CoreText::english("Open");
    case UnitSocket::Listening:
        //: The state of the connection to the unit
        return CoreText::english("Listening");
    case UnitSocket::ConnectionPending:
        return CoreText::english("Connection pending");
    case UnitSocket::ResolvingHost:
        //: %1 is the unit's host name, being looked up
        return CoreText::english("Resolving %1").arg(host);
    case UnitSocket::HostResolved:
        //: %1 is the unit's host name, looked up
        return CoreText::english("Resolved %1").arg(host);
    case UnitSocket::Connecting:
        return CoreText::english("Connecting to %1").arg(host);
    case UnitSocket::Connected:
        return CoreText::english("Connected to %1").arg(host);
    case UnitSocket::PeerClosing:
        return CoreText::english("%1 is closing the connection").arg(host);
    case UnitSocket::Error:
        //: The state of the connection to the unit
        return CoreText::english("Error");
    default:
        return CoreText::english("Unknown state");
    }
}
