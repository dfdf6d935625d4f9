#include "TcpUnitSocket.h"

#include "CoreText.h"
#include "LogCategories.h"
#include "SystemErrorText.h"

#include <QDeadlineTimer>
#include <QHostInfo>
#include <QMetaObject>
#include <QPointer>

#include <arpa/inet.h>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>
#include <utility>

namespace {

// Room for one read; a unit that sends more is read again on the next pass of the event loop.
constexpr qsizetype kReadChunk = 16 * 1024;

// How long the socket waits for a reply on its own, and for how long it goes on taking replies
// before the event loop runs again. A reply that takes longer is a slow unit's: the next
// arrivals are left to the event loop. The wait is a blocking read with a receive time-out,
// one system call as in a plain blocking client, timed by the kernel's tick; a time-out
// shorter than the tick (4 ms at 250 Hz) would be rounded up to it anyway.
constexpr int kQuickReplyMs = 10;
constexpr qint64 kSliceNs = 4'000'000;
constexpr int kHoldOffArrivals = 64;

bool wouldBlock(int systemError)
{
    return systemError == EAGAIN || systemError == EWOULDBLOCK || systemError == EINTR;
}

socklen_t socketAddress(const QHostAddress &address, quint16 port, sockaddr_storage &storage)
{
    std::memset(&storage, 0, sizeof storage);
    if (address.protocol() == QAbstractSocket::IPv6Protocol) {
        auto *ipv6 = reinterpret_cast<sockaddr_in6 *>(&storage);
        ipv6->sin6_family = AF_INET6;
        ipv6->sin6_port = htons(port);
        const Q_IPV6ADDR bytes = address.toIPv6Address();
        std::memcpy(&ipv6->sin6_addr, bytes.c, sizeof bytes.c);
        return sizeof(sockaddr_in6);
    }
    auto *ipv4 = reinterpret_cast<sockaddr_in *>(&storage);
    ipv4->sin_family = AF_INET;
    ipv4->sin_port = htons(port);
    ipv4->sin_addr.s_addr = htonl(address.toIPv4Address());
    return sizeof(sockaddr_in);
}

} // namespace

TcpUnitSocket::TcpUnitSocket(QObject *parent) : UnitSocket(parent)
{
    connect(&m_readNotifier, &QSocketNotifier::activated, this, &TcpUnitSocket::onReadable);
    connect(&m_writeNotifier, &QSocketNotifier::activated, this, &TcpUnitSocket::onWritable);
}

TcpUnitSocket::~TcpUnitSocket()
{
    close();
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
    close();
    QHostAddress literal;
    if (literal.setAddress(m_host)) {
        m_addresses = {literal};
        connectToNextAddress();
        return;
    }
    m_state = ResolvingHost;
    const quint64 connection = m_connection;
    m_lookupId = QHostInfo::lookupHost(m_host, this, [this, connection](const QHostInfo &info) {
        onHostLookedUp(connection, info.error() == QHostInfo::NoError ? info.addresses()
                                                                      : QList<QHostAddress>());
    });
}

void TcpUnitSocket::close()
{
    if (m_lookupId >= 0)
        QHostInfo::abortHostLookup(m_lookupId);
    m_lookupId = -1;
    ++m_connection;
    closeDescriptor();
    m_state = Closed;
    m_addresses.clear();
    m_peer.clear();
    m_received.clear();
    m_outgoing.clear();
    m_lastConnectError = 0;
}

QString TcpUnitSocket::peerAddress() const
{
    return m_state == Connected || m_state == PeerClosing ? m_peer.toString() : QString();
}

void TcpUnitSocket::send(const QByteArray &bytes)
{
    if (bytes.isEmpty() || m_state != Connected)
        return;
    if (!m_outgoing.isEmpty()) {
        // Behind a packet the kernel has not taken yet: the unit cannot have answered it soon.
        m_sentSinceArrival = false;
        m_outgoing.append(bytes);
        writeOutgoing();
        return;
    }
    // The usual case: the kernel takes the whole packet at once, and nothing is copied.
    const ssize_t count =
        ::send(m_descriptor, bytes.constData(), size_t(bytes.size()), MSG_NOSIGNAL | MSG_DONTWAIT);
    // Only a packet that is all out can have a reply on its way.
    m_sentSinceArrival = count == bytes.size();
    if (m_sentSinceArrival)
        return;
    if (count < 0 && !wouldBlock(errno)) {
        fail(errno);
        return;
    }
    m_outgoing = bytes.sliced(qMax<qsizetype>(0, count));
    writeOutgoing();
}

QByteArray TcpUnitSocket::receiveAll()
{
    return std::exchange(m_received, QByteArray());
}

// The buffer keeps its room for the next answer.
void TcpUnitSocket::appendReceivedTo(QByteArray &buffer)
{
    buffer.append(m_received);
    m_received.truncate(0);
}

int TcpUnitSocket::errorNumber(int systemError)
{
    switch (systemError) {
    case ECONNREFUSED:
        return ConnectionRefused;
    case ETIMEDOUT:
        return TimedOut;
    case EHOSTUNREACH:
    case ENETUNREACH:
        return HostUnreachable;
    case ECONNRESET:
    case EPIPE:
        return ConnectionReset;
    default:
        return OtherError;
    }
}

// --- Connecting --------------------------------------------------------------------------------

void TcpUnitSocket::onHostLookedUp(quint64 connection, const QList<QHostAddress> &addresses)
{
    if (connection != m_connection)
        return;
    m_lookupId = -1;
    if (addresses.isEmpty()) {
        fail(HostNotFound, CoreText::english("Host not found"));
        return;
    }
    m_addresses = addresses;
    connectToNextAddress();
}

// Tries the addresses in turn, as a host with several may answer on only one of them.
void TcpUnitSocket::connectToNextAddress()
{
    while (!m_addresses.isEmpty()) {
        if (startConnecting(m_addresses.takeFirst()))
            return;
    }
    fail(m_lastConnectError != 0 ? m_lastConnectError : ECONNREFUSED);
}

bool TcpUnitSocket::startConnecting(const QHostAddress &address)
{
    const int family = address.protocol() == QAbstractSocket::IPv6Protocol ? AF_INET6 : AF_INET;
    const int descriptor = ::socket(family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (descriptor < 0) {
        m_lastConnectError = errno;
        return false;
    }
    // Each record waits for its answer: no send may sit in the kernel waiting for more.
    const int lowDelay = 1;
    if (::setsockopt(descriptor, IPPROTO_TCP, TCP_NODELAY, &lowDelay, sizeof lowDelay) != 0) {
        // Read before the logging machinery can change it.
        const int error = errno;
        qCWarning(lcSocket, "cannot turn off the send delay (%ls): records may go out late",
                  qUtf16Printable(SystemErrorText::of(error)));
    }
    m_descriptor = descriptor;
    m_readNotifier.setSocket(descriptor);
    m_writeNotifier.setSocket(descriptor);
    m_state = Connecting;
    m_peer = address;

    sockaddr_storage storage;
    const socklen_t length = socketAddress(address, quint16(m_port), storage);
    if (::connect(descriptor, reinterpret_cast<const sockaddr *>(&storage), length) == 0) {
        finishConnecting();
        return true;
    }
    if (errno == EINPROGRESS || errno == EINTR) {
        // Writable once the connection is made or has failed.
        m_writeNotifier.setEnabled(true);
        return true;
    }
    m_lastConnectError = errno;
    closeDescriptor();
    return false;
}

void TcpUnitSocket::onWritable()
{
    if (m_state != Connecting) {
        writeOutgoing();
        return;
    }
    int result = 0;
    socklen_t length = sizeof result;
    if (::getsockopt(m_descriptor, SOL_SOCKET, SO_ERROR, &result, &length) < 0)
        result = errno;
    if (result == 0) {
        finishConnecting();
        return;
    }
    m_lastConnectError = result;
    closeDescriptor();
    connectToNextAddress();
}

void TcpUnitSocket::finishConnecting()
{
    m_addresses.clear();
    m_state = Connected;
    allowQuickWaits();
    m_writeNotifier.setEnabled(false);
    m_readNotifier.setEnabled(true);
}

// --- Connected ---------------------------------------------------------------------------------

void TcpUnitSocket::onReadable()
{
    const QPointer<TcpUnitSocket> alive(this);
    const quint64 connection = m_connection;
    const qint64 sliceEndNs = QDeadlineTimer::current(Qt::PreciseTimer).deadlineNSecs() + kSliceNs;
    if (m_quickWaitHoldOff > 0)
        --m_quickWaitHoldOff;
    bool wait = false;
    for (;;) {
        m_sentSinceArrival = false;
        if (!receiveOnce(wait) || !alive || connection != m_connection || m_state != Connected)
            return;
        wait = m_sentSinceArrival && m_quickWaitHoldOff == 0 && m_quickWaits &&
               QDeadlineTimer::current(Qt::PreciseTimer).deadlineNSecs() < sliceEndNs;
        if (!wait)
            return;
    }
}

// One read, waiting for the reply when asked to; true when bytes were handed over. A wait that
// runs out means a slow unit: the next arrivals are left to the event loop.
bool TcpUnitSocket::receiveOnce(bool wait)
{
    char chunk[kReadChunk];
    const ssize_t count = ::recv(m_descriptor, chunk, sizeof chunk, wait ? 0 : MSG_DONTWAIT);
    if (count > 0) {
        m_received.append(chunk, qsizetype(count));
        // Straight from the event loop, with no timer in between: a handler that pauses runs a
        // nested loop, in which this notifier fires again and delivers what came in meanwhile.
        deliverArrival();
        return true;
    }
    if (count == 0)
        onPeerClosed();
    else if (wait && (errno == EAGAIN || errno == EWOULDBLOCK))
        m_quickWaitHoldOff = kHoldOffArrivals;
    else if (!wouldBlock(errno))
        // A reset is an error, not the orderly close that only a FIN is.
        fail(errno);
    return false;
}

// Every other call on the descriptor says that it must not block; only the quick wait's read
// blocks, for at most its time-out. Without both settings the socket simply never waits.
void TcpUnitSocket::allowQuickWaits()
{
    const timeval timeout{0, kQuickReplyMs * 1000};
    const int flags = ::fcntl(m_descriptor, F_GETFL);
    m_quickWaits =
        m_quickWaitsAllowed && flags >= 0 &&
        ::setsockopt(m_descriptor, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout) == 0 &&
        ::fcntl(m_descriptor, F_SETFL, flags & ~O_NONBLOCK) == 0;
}

// A send goes out whole in one call; only when the kernel has no room is the rest kept and sent
// when the socket becomes writable again.
void TcpUnitSocket::writeOutgoing()
{
    while (!m_outgoing.isEmpty()) {
        const ssize_t count = ::send(m_descriptor, m_outgoing.constData(),
                                     size_t(m_outgoing.size()), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (count > 0) {
            m_outgoing.remove(0, qsizetype(count));
            continue;
        }
        if (count < 0 && wouldBlock(errno)) {
            m_writeNotifier.setEnabled(true);
            return;
        }
        // A broken pipe or a reset: the unit is gone without an orderly close.
        fail(count < 0 ? errno : EPIPE);
        return;
    }
    m_writeNotifier.setEnabled(false);
}

// The unit's orderly close (FIN): the state is PeerClosing until close().
void TcpUnitSocket::onPeerClosed()
{
    if (m_state != Connected)
        return;
    m_state = PeerClosing;
    m_readNotifier.setEnabled(false);
    m_writeNotifier.setEnabled(false);
    m_outgoing.clear();
    reportAfterArrival([this] { Q_EMIT peerClosed(); });
}

void TcpUnitSocket::fail(int systemError)
{
    fail(errorNumber(systemError), SystemErrorText::of(systemError));
}

// The state is Error until close(); the report is queued behind any arrival still waiting.
void TcpUnitSocket::fail(int number, const QString &description)
{
    closeDescriptor();
    m_state = Error;
    m_addresses.clear();
    m_outgoing.clear();
    reportAfterArrival([this, number, description] { Q_EMIT this->error(number, description); });
}

// Queued, so never inside a call on the socket, and dropped when the connection has changed since.
void TcpUnitSocket::reportAfterArrival(std::function<void()> report)
{
    const quint64 connection = m_connection;
    QMetaObject::invokeMethod(
        this,
        [this, connection, report = std::move(report)] {
            if (connection == m_connection)
                report();
        },
        Qt::QueuedConnection);
}

void TcpUnitSocket::closeDescriptor()
{
    m_readNotifier.setEnabled(false);
    m_writeNotifier.setEnabled(false);
    if (m_descriptor >= 0)
        ::close(m_descriptor);
    m_descriptor = -1;
}

void TcpUnitSocket::deliverArrival()
{
    if (!m_received.isEmpty())
        Q_EMIT dataArrival(int(qMin<qsizetype>(m_received.size(), INT_MAX)));
}
