#include "TcpUnitSocket.h"

#include <QMetaObject>

TcpUnitSocket::TcpUnitSocket(QObject *parent) : UnitSocket(parent)
{
    m_arrivalTimer.setSingleShot(true);
    m_arrivalTimer.setInterval(0);
    connect(&m_arrivalTimer, &QTimer::timeout, this, &TcpUnitSocket::deliverArrival);
    connect(&m_socket, &QTcpSocket::readyRead, this, &TcpUnitSocket::onReadyRead);
    connect(&m_socket, &QTcpSocket::errorOccurred, this, &TcpUnitSocket::onErrorOccurred);
    connect(&m_socket, &QTcpSocket::connected, this, [this] {
        // Each record waits for its answer: no send may sit in the kernel waiting for more.
        m_socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    });
}

bool TcpUnitSocket::setRemoteHost(const QString &host)
{
    if (!isAcceptableHost(host))
        return false;
    m_host = host;
    return true;
}

void TcpUnitSocket::connectToUnit()
{
    if (m_socket.state() != QAbstractSocket::UnconnectedState)
        m_socket.abort();
    m_arrivalTimer.stop();
    ++m_connection;
    m_peerClosed = false;
    m_failed = false;
    m_socket.connectToHost(m_host, quint16(m_port));
}

void TcpUnitSocket::close()
{
    m_arrivalTimer.stop();
    ++m_connection;
    m_peerClosed = false;
    m_failed = false;
    m_socket.abort();
}

int TcpUnitSocket::state() const
{
    if (m_failed)
        return Error;
    if (m_peerClosed)
        return PeerClosing;
    switch (m_socket.state()) {
    case QAbstractSocket::UnconnectedState:
        return Closed;
    case QAbstractSocket::HostLookupState:
        return ResolvingHost;
    case QAbstractSocket::ConnectingState:
        return Connecting;
    case QAbstractSocket::ConnectedState:
        return Connected;
    case QAbstractSocket::BoundState:
        return Open;
    case QAbstractSocket::ListeningState:
        return Listening;
    case QAbstractSocket::ClosingState:
        return PeerClosing;
    }
    return Error;
}

void TcpUnitSocket::send(const QByteArray &bytes)
{
    if (bytes.isEmpty() || m_socket.state() != QAbstractSocket::ConnectedState)
        return;
    m_socket.write(bytes);
    m_socket.flush();
}

QByteArray TcpUnitSocket::receiveAll()
{
    return m_socket.readAll();
}

void TcpUnitSocket::onReadyRead()
{
    if (!m_arrivalTimer.isActive())
        m_arrivalTimer.start();
}

void TcpUnitSocket::deliverArrival()
{
    const qint64 pending = m_socket.bytesAvailable();
    if (pending > 0)
        Q_EMIT dataArrival(int(qMin<qint64>(pending, INT_MAX)));
}

void TcpUnitSocket::deliverWaitingArrival()
{
    if (m_arrivalTimer.isActive()) {
        m_arrivalTimer.stop();
        deliverArrival();
    }
}

void TcpUnitSocket::onErrorOccurred(QAbstractSocket::SocketError error)
{
    const quint64 connection = m_connection;
    if (error == QAbstractSocket::RemoteHostClosedError) {
        // An orderly close by the unit is no error: the socket waits in "closing" until closed.
        m_peerClosed = true;
        QMetaObject::invokeMethod(
            this,
            [this, connection] {
                if (connection != m_connection)
                    return;
                deliverWaitingArrival();
                if (connection == m_connection)
                    Q_EMIT peerClosed();
            },
            Qt::QueuedConnection);
        return;
    }
    m_failed = true;
    const int number = errorNumber(error);
    const QString description = m_socket.errorString();
    QMetaObject::invokeMethod(
        this,
        [this, connection, number, description] {
            if (connection != m_connection)
                return;
            deliverWaitingArrival();
            if (connection == m_connection)
                Q_EMIT this->error(number, description);
        },
        Qt::QueuedConnection);
}

int TcpUnitSocket::errorNumber(QAbstractSocket::SocketError error)
{
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        return ConnectionRefused;
    case QAbstractSocket::HostNotFoundError:
        return HostNotFound;
    case QAbstractSocket::SocketTimeoutError:
        return TimedOut;
    case QAbstractSocket::NetworkError:
        return HostUnreachable;
    case QAbstractSocket::RemoteHostClosedError:
        return ConnectionReset;
    default:
        return OtherError;
    }
}
