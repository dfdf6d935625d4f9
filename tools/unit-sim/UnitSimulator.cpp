#include "UnitSimulator.h"

#include "UnitConnection.h"
#include "connection/ProductProfile.h"

#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>

namespace {

constexpr const char *kDefaultProfile = "Kestrel Max";

// A socket bound to the port without listening: a connect there is refused, and as it asks for
// no address reuse, no server (another simulator's included) can take the port while it lives.
QTcpSocket *holdRefusedPort(const QHostAddress &address, quint16 port, QObject *parent)
{
    auto *socket = new QTcpSocket(parent);
    if (!socket->bind(address, port, QAbstractSocket::DontShareAddress)) {
        delete socket;
        return nullptr;
    }
    return socket;
}

} // namespace

UnitSimulator::UnitSimulator(QObject *parent) : QObject(parent)
{
    m_settings.profile = ProductProfile::named(kDefaultProfile);
}

UnitSimulator::~UnitSimulator()
{
    close();
}

void UnitSimulator::setProfile(const ProductProfile *profile)
{
    m_settings.profile = profile;
}

bool UnitSimulator::listen(quint16 port)
{
    return listen(QHostAddress(QHostAddress::LocalHost), port);
}

bool UnitSimulator::listen(const QHostAddress &address, quint16 port)
{
    close();
    m_error.clear();
    if (!address.isLoopback()) {
        m_error = tr("%1 is not a loopback address").arg(address.toString());
        return false;
    }
    m_address = address;

    if (m_acceptMode == AcceptMode::NoServer) {
        m_refuser = holdRefusedPort(address, port, this);
        if (!m_refuser) {
            m_error = tr("cannot hold port %1").arg(port);
            return false;
        }
        m_port = m_refuser->localPort();
        return true;
    }
    auto *server = new QTcpServer(this);
    if (m_acceptMode == AcceptMode::NeverAccept)
        server->setListenBacklogSize(0);
    if (!server->listen(address, port)) {
        m_error = server->errorString();
        delete server;
        return false;
    }
    m_port = server->serverPort();
    m_server = server;
    if (m_acceptMode == AcceptMode::NeverAccept) {
        m_server->pauseAccepting();
        return fillAcceptQueue();
    }
    connect(m_server, &QTcpServer::newConnection, this, &UnitSimulator::takeNextConnection);
    return true;
}

bool UnitSimulator::fillAcceptQueue()
{
    // With a backlog of 0 the stack queues a single connection that has not been accepted; once
    // this one sits there, new connection requests are dropped and a client's connect stays
    // pending until it gives up. A loopback connect completes within the call, so the queue is
    // full before the caller can start a client.
    m_filler = new QTcpSocket(this);
    m_filler->connectToHost(m_address, m_port);
    return true;
}

void UnitSimulator::close()
{
    if (m_current)
        m_current->stop();
    delete m_filler;
    m_filler = nullptr;
    delete m_server;
    m_server = nullptr;
    delete m_refuser;
    m_refuser = nullptr;
}

bool UnitSimulator::isListening() const
{
    return m_server && m_server->isListening();
}

bool UnitSimulator::isConnected() const
{
    return m_current && !m_current->isFinished();
}

QByteArrayList UnitSimulator::records() const
{
    QByteArrayList all;
    for (const QByteArrayList &records : m_records)
        all += records;
    return all;
}

QByteArrayList UnitSimulator::records(int connection) const
{
    return m_records.value(connection - 1);
}

QStringList UnitSimulator::displayTexts() const
{
    const QList<ConnectionSummary> all = summaries();
    return all.isEmpty() ? QStringList() : all.last().displayTexts;
}

QByteArray UnitSimulator::connectionBytes() const
{
    return m_current ? m_current->receivedBytes() : m_lastBytes;
}

qint64 UnitSimulator::bytesReceived() const
{
    return m_bytesBefore + (isConnected() ? m_current->summary().bytes : 0);
}

QList<ConnectionSummary> UnitSimulator::summaries() const
{
    QList<ConnectionSummary> all = m_summaries;
    if (isConnected())
        all.last() = m_current->summary();
    return all;
}

bool UnitSimulator::writeHex(const QString &path, int connection) const
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArrayList lines = connection > 0 ? records(connection) : records();
    for (const QByteArray &line : lines)
        file.write(line + "\r\n");
    return file.flush();
}

quint16 UnitSimulator::refusedPort()
{
    // Held for the life of the process, so that the port stays refused for every caller.
    static QTcpSocket *const held =
        holdRefusedPort(QHostAddress(QHostAddress::LocalHost), 0, nullptr);
    return held ? held->localPort() : 0;
}

void UnitSimulator::takeNextConnection()
{
    if (isConnected() || !m_server || !m_server->hasPendingConnections())
        return;
    QTcpSocket *socket = m_server->nextPendingConnection();
    const int number = int(m_summaries.size()) + 1;
    auto *connection = new UnitConnection(socket, number, m_settings, this);
    m_current = connection;
    m_summaries.append(connection->summary());
    m_records.append(QByteArrayList());

    connect(connection, &UnitConnection::displayChanged, this, &UnitSimulator::displayChanged);
    connect(connection, &UnitConnection::requestReceived, this, &UnitSimulator::requestReceived);
    connect(connection, &UnitConnection::recordReceived, this,
            [this](const QByteArray &record, ResponseCode verdict) {
                m_records.last().append(record);
                Q_EMIT recordReceived(record, verdict);
            });
    connect(connection, &UnitConnection::responseWritten, this, &UnitSimulator::responseWritten);
    connect(connection, &UnitConnection::finished, this, &UnitSimulator::connectionEnded);

    Q_EMIT connectionStarted(number);
    connection->start();
}

void UnitSimulator::connectionEnded(const ConnectionSummary &summary)
{
    m_summaries.last() = summary;
    m_bytesBefore += summary.bytes;
    if (m_current) {
        m_lastBytes = m_current->receivedBytes();
        m_current->deleteLater();
        m_current = nullptr;
    }
    Q_EMIT connectionFinished(summary);
    // The next client may have been waiting while this one was served.
    QMetaObject::invokeMethod(this, &UnitSimulator::takeNextConnection, Qt::QueuedConnection);
}
