#pragma once

#include "UnitSocket.h"

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QSocketNotifier>

#include <functional>

// The unit's socket: a TCP descriptor watched by the event loop, never blocking it for long.
//
// The descriptor is read and written directly, one system call per answer and one per record,
// with the low-delay option set: at thousands of round trips a second every call counts, and a
// buffered socket class spends another one per answer asking how much has arrived. Host names
// are looked up with QHostInfo, off the event loop's thread.
//
// The upload's arrival handler pauses inside itself, and arrivals during the pause must still be
// delivered: the read notifier reports an arrival straight from the event loop, and fires again
// in the loop a pause runs. Errors and the unit's close are queued, so that a send never runs a
// handler in the middle of its caller; every byte read before them has been delivered, so the
// unit's last answer comes before the news that it closed the connection.
//
// Where no window runs (the command line, a benchmark's engine), the socket may wait for replies
// on its own (setQuickWaits): when the handler answers an arrival with a send, the reply of a
// nearby unit is usually on its way, and the socket waits a moment for it in a blocking read and
// delivers it at once, instead of going back through the event loop for every round trip (the
// loop's pass and its extra system call cost more than the rest of a record). The event loop runs
// again at the latest 4 ms into the exchange, or 10 ms into the wait for a late reply; after a
// late reply the socket leaves the waiting to the loop for a while, so that a slow unit costs no
// extra wake-ups. A signal ends the wait at once. A window's event loop cannot give up those
// 10 ms (input, painting, its timers), so by default the socket never blocks.
class TcpUnitSocket : public UnitSocket
{
    Q_OBJECT

public:
    explicit TcpUnitSocket(QObject *parent = nullptr);
    ~TcpUnitSocket() override;

    void setRemotePort(int port) override { m_port = port; }
    int remotePort() const override { return m_port; }
    bool setRemoteHost(const QString &host) override;
    QString remoteHost() const override { return m_host; }

    void connectToUnit() override;
    void close() override;
    int state() const override { return m_state; }
    QString peerAddress() const override;

    // Allows the quick waits for replies described above, from the next connection on; off by
    // default.
    void setQuickWaits(bool allowed) { m_quickWaitsAllowed = allowed; }

    void send(const QByteArray &bytes) override;
    QByteArray receiveAll() override;
    void appendReceivedTo(QByteArray &buffer) override;

    // Windows Sockets number for a system error number (errno).
    static int errorNumber(int systemError);

private:
    void onHostLookedUp(quint64 connection, const QList<QHostAddress> &addresses);
    void connectToNextAddress();
    bool startConnecting(const QHostAddress &address);
    void onWritable();
    void finishConnecting();
    void onReadable();
    bool receiveOnce(bool wait);
    void allowQuickWaits();
    void writeOutgoing();
    void onPeerClosed();
    void fail(int systemError);
    void fail(int number, const QString &description);
    void reportAfterArrival(std::function<void()> report);
    void closeDescriptor();
    void deliverArrival();

    QString m_host;
    int m_port = 0;
    int m_state = Closed;
    int m_descriptor = -1;
    int m_lookupId = -1;
    int m_lastConnectError = 0;
    QList<QHostAddress> m_addresses;
    QHostAddress m_peer;
    QSocketNotifier m_readNotifier{QSocketNotifier::Read};
    QSocketNotifier m_writeNotifier{QSocketNotifier::Write};
    QByteArray m_received;
    QByteArray m_outgoing;
    // Changes at every connect and close, so that events queued for an earlier connection are
    // dropped instead of being reported against the next one.
    quint64 m_connection = 0;
    // Something was sent since the last arrival was handed over.
    bool m_sentSinceArrival = false;
    // Arrivals left to take through the event loop alone, after a reply that was not quick.
    int m_quickWaitHoldOff = 0;
    bool m_quickWaitsAllowed = false;
    // Allowed, and the descriptor is set up for them.
    bool m_quickWaits = false;
};
