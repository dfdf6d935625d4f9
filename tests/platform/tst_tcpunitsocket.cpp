#include "LoopWatch.h"
#include "PendingListener.h"
#include "ScriptedUnit.h"
#include "platform/SystemErrorText.h"
#include "platform/TcpUnitSocket.h"
#include "platform/WaitableTimer.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QtTest>

#include <algorithm>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <locale.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {

// A peer on a thread of its own that echoes every packet at once: a unit that replies faster
// than the event loop comes round.
class EchoPeer
{
public:
    // delay: how long the peer takes over each reply.
    explicit EchoPeer(std::chrono::milliseconds delay = {}) : m_delay(delay)
    {
        m_listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        ::bind(m_listener, reinterpret_cast<sockaddr *>(&address), length);
        ::listen(m_listener, 1);
        ::getsockname(m_listener, reinterpret_cast<sockaddr *>(&address), &length);
        m_port = ntohs(address.sin_port);
        m_thread = std::thread([this] { echo(); });
    }
    ~EchoPeer()
    {
        ::shutdown(m_listener, SHUT_RDWR);
        ::shutdown(m_peer, SHUT_RDWR);
        m_thread.join();
        ::close(m_listener);
        ::close(m_peer);
    }
    quint16 port() const { return m_port; }

private:
    void echo()
    {
        m_peer = ::accept(m_listener, nullptr, nullptr);
        char bytes[256];
        ssize_t count = 0;
        while (m_peer >= 0 && (count = ::recv(m_peer, bytes, sizeof bytes, 0)) > 0) {
            std::this_thread::sleep_for(m_delay);
            ::send(m_peer, bytes, size_t(count), MSG_NOSIGNAL);
        }
    }

    std::chrono::milliseconds m_delay;
    int m_listener = -1;
    std::atomic<int> m_peer = -1;
    quint16 m_port = 0;
    std::thread m_thread;
};

} // namespace

class tst_TcpUnitSocket : public QObject
{
    Q_OBJECT

    static bool connectTo(TcpUnitSocket &socket, quint16 port)
    {
        socket.setRemotePort(port);
        socket.setRemoteHost("127.0.0.1");
        socket.connectToUnit();
        return ScriptedUnit::waitFor([&] { return socket.state() == UnitSocket::Connected; });
    }

private Q_SLOTS:
    void statesThroughAConnection()
    {
        ScriptedUnit unit;
        TcpUnitSocket socket;
        QCOMPARE(socket.state(), int(UnitSocket::Closed));
        socket.close(); // harmless when closed
        QVERIFY(connectTo(socket, unit.port()));
        QCOMPARE(socket.remoteHost(), QString("127.0.0.1"));
        QSignalSpy closed(&socket, &UnitSocket::peerClosed);
        QVERIFY(ScriptedUnit::waitFor([&] { return unit.isConnected(); }));
        unit.closeConnection();
        QVERIFY(closed.wait(2000));
        QCOMPARE(socket.state(), int(UnitSocket::PeerClosing));
        socket.close();
        QCOMPARE(socket.state(), int(UnitSocket::Closed));
    }

    void refusedConnectionIsReportedAsWinsock10061()
    {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
        const quint16 port = probe.serverPort();
        probe.close();
        TcpUnitSocket socket;
        QSignalSpy errors(&socket, &UnitSocket::error);
        socket.setRemotePort(port);
        socket.setRemoteHost("127.0.0.1");
        socket.connectToUnit();
        QVERIFY(errors.wait(2000));
        QCOMPARE(errors.at(0).at(0).toInt(), int(UnitSocket::ConnectionRefused));
        QVERIFY(!errors.at(0).at(1).toString().isEmpty());
        QCOMPARE(socket.state(), int(UnitSocket::Error));
        socket.close();
        QCOMPARE(socket.state(), int(UnitSocket::Closed));
    }

    void connectStaysPendingWhenNobodyAccepts()
    {
        PendingListener listener;
        QVERIFY(listener.isReady());
        TcpUnitSocket socket;
        socket.setRemotePort(listener.port());
        socket.setRemoteHost("127.0.0.1");
        socket.connectToUnit();
        Wait(500);
        QCOMPARE(socket.state(), int(UnitSocket::Connecting));
        socket.close();
    }

    // The arrival handler pauses inside itself; what arrives meanwhile must still be delivered.
    void arrivalDuringAPauseIsDelivered()
    {
        ScriptedUnit unit;
        unit.onPacket = nullptr;
        TcpUnitSocket socket;
        QVERIFY(connectTo(socket, unit.port()));
        QVERIFY(ScriptedUnit::waitFor([&] { return unit.isConnected(); }));
        QList<QByteArray> arrivals;
        int depth = 0;
        int deepest = 0;
        connect(&socket, &UnitSocket::dataArrival, this, [&](int) {
            ++depth;
            deepest = qMax(deepest, depth);
            arrivals << socket.receiveAll();
            if (arrivals.size() == 1) {
                unit.send("second");
                Wait(300);
            }
            --depth;
        });
        unit.send("first");
        QVERIFY(ScriptedUnit::waitFor([&] { return arrivals.size() == 2; }, 3000));
        QCOMPARE(arrivals, (QList<QByteArray>{"first", "second"}));
        QCOMPARE(deepest, 2);
    }

    void sendPutsBytesOnTheWireUnchanged()
    {
        ScriptedUnit unit;
        unit.onPacket = nullptr;
        TcpUnitSocket socket;
        socket.send("before connecting"); // dropped, no crash
        QVERIFY(connectTo(socket, unit.port()));
        socket.send(QByteArray());
        socket.send(":0300300002337A1E");
        QVERIFY(ScriptedUnit::waitFor([&] { return unit.received().size() == 17; }));
        QCOMPARE(unit.received(), QByteArray(":0300300002337A1E"));
    }

    // A send the kernel cannot take at once is kept and finished later, in order, with what is
    // sent behind it.
    void largeSendGoesOutWholeAndInOrder()
    {
        ScriptedUnit unit;
        unit.onPacket = nullptr;
        TcpUnitSocket socket;
        QVERIFY(connectTo(socket, unit.port()));
        // About 4 MB of record lines in one send: more than the kernel takes while the unit,
        // served by this same thread, cannot read.
        const QByteArray bulk =
            QByteArray(":10000000000102030405060708090A0B0C0D0E0F78").repeated(100000);
        socket.send(bulk);
        socket.send(":00000001FF");
        const QByteArray expected = bulk + ":00000001FF";
        QVERIFY(ScriptedUnit::waitFor([&] { return unit.received().size() >= expected.size(); },
                                      20000));
        QVERIFY(unit.received() == expected);
        QCOMPARE(socket.state(), int(UnitSocket::Connected));
    }

    // The unit's last words come before the news that it closed the connection.
    void lastAnswerArrivesBeforeThePeerClose()
    {
        ScriptedUnit unit;
        unit.onPacket = nullptr;
        TcpUnitSocket socket;
        QVERIFY(connectTo(socket, unit.port()));
        QVERIFY(ScriptedUnit::waitFor([&] { return unit.isConnected(); }));
        QStringList events;
        connect(&socket, &UnitSocket::dataArrival, this,
                [&](int) { events << QString::fromLatin1(socket.receiveAll()); });
        connect(&socket, &UnitSocket::peerClosed, this, [&] { events << "closed"; });
        unit.send("last");
        unit.closeConnection();
        QVERIFY(ScriptedUnit::waitFor([&] { return events.contains("closed"); }));
        QCOMPARE(events, (QStringList{"last", "closed"}));
        QCOMPARE(socket.state(), int(UnitSocket::PeerClosing));
        socket.send("after the close"); // dropped, no crash
    }

    // A name is looked up first; "localhost" never leaves this machine.
    void hostNameIsLookedUpBeforeConnecting()
    {
        ScriptedUnit unit;
        TcpUnitSocket socket;
        socket.setRemotePort(unit.port());
        QVERIFY(socket.setRemoteHost("localhost"));
        socket.connectToUnit();
        QCOMPARE(socket.state(), int(UnitSocket::ResolvingHost));
        QVERIFY(ScriptedUnit::waitFor([&] { return socket.state() == UnitSocket::Connected; }));
        QVERIFY(ScriptedUnit::waitFor([&] { return unit.isConnected(); }));
        socket.close();
        QCOMPARE(socket.state(), int(UnitSocket::Closed));
    }

    // A connect started again closes the first one; nothing of the first is reported later.
    void reconnectDropsTheEarlierConnection()
    {
        ScriptedUnit unit;
        unit.onPacket = nullptr;
        TcpUnitSocket socket;
        QVERIFY(connectTo(socket, unit.port()));
        QVERIFY(ScriptedUnit::waitFor([&] { return unit.isConnected(); }));
        unit.send("stale");
        Wait(100);
        QSignalSpy arrivals(&socket, &UnitSocket::dataArrival);
        QSignalSpy closes(&socket, &UnitSocket::peerClosed);
        QVERIFY(connectTo(socket, unit.port()));
        QVERIFY(ScriptedUnit::waitFor([&] { return unit.connections() == 2; }));
        Wait(200);
        QCOMPARE(arrivals.size(), 0);
        QCOMPARE(closes.size(), 0);
        QVERIFY(socket.receiveAll().isEmpty());
    }

    void unusableHostsAreRefused_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("loopback") << "127.0.0.1" << true;
        QTest::newRow("host name") << "unit-17.lab" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("octet too large") << "256.1.1.1" << false;
        QTest::newRow("three parts") << "10.0.1" << false;
        QTest::newRow("leading space") << " 127.0.0.1" << false;
        QTest::newRow("inner space") << "unit 17" << false;
        // Never read as octal or hexadecimal, never in a short form: such text names another
        // unit than the one the operator sees.
        QTest::newRow("leading zeros") << "192.168.001.050" << false;
        QTest::newRow("octal loopback") << "0177.0.0.1" << false;
        QTest::newRow("hexadecimal part") << "0x7f.0.0.1" << false;
        QTest::newRow("two parts") << "127.1" << false;
        QTest::newRow("one number") << "2130706433" << false;
        QTest::newRow("IPv6 literal") << "::1" << false;
        QTest::newRow("zero parts") << "10.0.0.0" << true;
        // A resolver would look it up as a name.
        QTest::newRow("address with a trailing dot") << "127.0.0.1." << false;
    }

    void unusableHostsAreRefused()
    {
        QFETCH(QString, host);
        QFETCH(bool, accepted);
        TcpUnitSocket socket;
        socket.setRemoteHost("127.0.0.1");
        QCOMPARE(socket.setRemoteHost(host), accepted);
        QCOMPARE(socket.remoteHost(), accepted ? host : QString("127.0.0.1"));
        if (host == "192.168.001.050")
            QCOMPARE(UnitSocket::hostProblem(host),
                     QString("write the numbers without leading zeros, as 192.168.1.50"));
    }

    // A unit that replies at once to every send must not keep the event loop from its timers,
    // also where the socket waits for replies in its reads (the command line).
    void quickRepliesLeaveTheEventLoopRunning()
    {
        EchoPeer peer;
        TcpUnitSocket socket;
        socket.setQuickWaits(true);
        QVERIFY(connectTo(socket, peer.port()));
        constexpr int kEnough = 100000;
        int replies = 0;
        int ticks = 0;
        connect(&socket, &UnitSocket::dataArrival, this, [&](int) {
            socket.receiveAll();
            if (++replies < kEnough && ticks < 10)
                socket.send("ping");
        });
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this, [&] { ++ticks; });
        ticker.start(5);
        QElapsedTimer clock;
        clock.start();
        socket.send("ping");
        QVERIFY(ScriptedUnit::waitFor([&] { return ticks >= 10; }, 20000));
        // Ten ticks of 5 ms; seconds mean that the replies held the loop.
        QVERIFY2(clock.elapsed() < 1500 && replies < kEnough, "the replies held the event loop");
        QVERIFY(replies > 10);
    }

    // A unit that takes a few milliseconds over each reply, answered at once as the upload does:
    // the window's socket never waits for the reply in a read of its own, so the window's timers
    // (input, painting) stay on time whatever the unit's pace.
    void slowRepliesLeaveTheTimersOnTime_data()
    {
        QTest::addColumn<int>("replyMs");
        for (int ms : {2, 5, 9, 12})
            QTest::addRow("%d ms", ms) << ms;
    }
    void slowRepliesLeaveTheTimersOnTime()
    {
        QFETCH(int, replyMs);
        EchoPeer peer{std::chrono::milliseconds(replyMs)};
        TcpUnitSocket socket;
        QVERIFY(connectTo(socket, peer.port()));
        int replies = 0;
        connect(&socket, &UnitSocket::dataArrival, this, [&](int) {
            socket.receiveAll();
            ++replies;
            socket.send("ping");
        });
        constexpr std::chrono::milliseconds kTick{5};
        socket.send("ping");
        // A socket that waits for replies holds the loop at every reply, in every round; a busy
        // machine's stray delay does not come back round after round.
        double bestWorstMs = 1e9;
        for (int round = 0; round < 3 && bestWorstMs > double(kTick.count()); ++round) {
            LoopWatch watch(kTick);
            LoopWatch::runUntil([] { return false; }, 400);
            QVERIFY(watch.ticks() > 40);
            bestWorstMs = std::min(bestWorstMs, watch.worstMs());
        }
        socket.close();
        QVERIFY2(bestWorstMs <= double(kTick.count()),
                 qPrintable(QString("the loop was held %1 ms").arg(bestWorstMs)));
        QVERIFY2(replies > 100 / replyMs, qPrintable(QString::number(replies)));
    }

    // A reset is an error (10054), not the orderly close that only a FIN is.
    void resetIsAnErrorNotAClose()
    {
        ScriptedUnit unit;
        unit.onPacket = nullptr;
        TcpUnitSocket socket;
        QVERIFY(connectTo(socket, unit.port()));
        QVERIFY(ScriptedUnit::waitFor([&] { return unit.isConnected(); }));
        QCOMPARE(socket.peerAddress(), QString("127.0.0.1"));
        QSignalSpy errors(&socket, &UnitSocket::error);
        QSignalSpy closes(&socket, &UnitSocket::peerClosed);
        unit.resetConnection();
        QVERIFY(ScriptedUnit::waitFor([&] { return !errors.isEmpty(); }));
        QCOMPARE(errors.first().value(0).toInt(), int(UnitSocket::ConnectionReset));
        QCOMPARE(errors.first().value(1).toString(), QString("Connection reset by peer"));
        QCOMPARE(closes.size(), 0);
        QCOMPARE(socket.state(), int(UnitSocket::Error));
    }

    // The words the catalogs know are the C library's own, so that records read as they always
    // have; others come in its English too.
    void errorWordsAreTheCLibrarysEnglish()
    {
        const locale_t english = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
        QVERIFY(english);
        const auto freeLocale = qScopeGuard([&] { freelocale(english); });
        for (int error : {ECONNREFUSED, ETIMEDOUT,    EHOSTUNREACH,  ENETUNREACH, ECONNRESET,
                          EPIPE,        ECONNABORTED, EADDRNOTAVAIL, EADDRINUSE,  EHOSTDOWN,
                          ENETDOWN,     ENETRESET,    EAFNOSUPPORT,  EACCES,      EPERM,
                          EMFILE,       ENFILE,       ENOBUFS,       ENOMEM,      EPROTO})
            QCOMPARE(SystemErrorText::of(error), QString::fromUtf8(strerror_l(error, english)));
    }
};

QTEST_GUILESS_MAIN(tst_TcpUnitSocket)
#include "tst_tcpunitsocket.moc"
