#include "FakeUnitSocket.h"
#include "connection/ConnectionStatusMonitor.h"
#include "upload/BasicUploadView.h"

#include <QtTest>

using namespace std::chrono_literals;

class tst_ConnectionStatusMonitor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tickShowsTheStateInWords_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("readsHost");

        const QString host = QStringLiteral("127.0.0.1");
        QTest::newRow("0 closed") << 0 << host << "Not connected" << false;
        QTest::newRow("1 open") << 1 << host << "Open" << false;
        QTest::newRow("2 listening") << 2 << host << "Listening" << false;
        QTest::newRow("3 pending") << 3 << host << "Connection pending" << false;
        QTest::newRow("4 resolving") << 4 << host << "Resolving 127.0.0.1" << true;
        QTest::newRow("5 resolved") << 5 << host << "Resolved 127.0.0.1" << true;
        QTest::newRow("6 connecting") << 6 << host << "Connecting to 127.0.0.1" << true;
        QTest::newRow("7 connected") << 7 << host << "Connected to 127.0.0.1" << true;
        QTest::newRow("8 peer closing")
            << 8 << host << "127.0.0.1 is closing the connection" << true;
        QTest::newRow("9 error") << 9 << host << "Error" << false;
        QTest::newRow("10 beyond") << 10 << host << "Unknown state" << false;
        QTest::newRow("-1 negative") << -1 << host << "Unknown state" << false;
        // Only the low 16 bits of a state are meaningful: 65543 is 7 in disguise, 65535 is -1.
        QTest::newRow("65543 wraps to 7") << 65543 << host << "Connected to 127.0.0.1" << true;
        QTest::newRow("65535 wraps to -1") << 65535 << host << "Unknown state" << false;
        QTest::newRow("empty host connected") << 7 << QString() << "Connected to " << true;
        QTest::newRow("host kept as typed") << 6 << " unit "
                                            << "Connecting to  unit " << true;
    }

    void tickShowsTheStateInWords()
    {
        QFETCH(int, state);
        QFETCH(QString, host);
        QFETCH(QString, expected);
        QFETCH(bool, readsHost);

        FakeUnitSocket socket;
        socket.setRemoteHost(host);
        socket.setState(state);
        BasicUploadView view;
        view.setStatusText(QStringLiteral("Loops: 3"));
        ConnectionStatusMonitor monitor(socket, view);
        monitor.EthernetStatusTimer_Timer();
        QCOMPARE(view.statusText(), expected);
        QCOMPARE(socket.hostReads > 0, readsHost);
        QCOMPARE(ConnectionStatusMonitor::statusText(qint16(state), host), expected);
    }

    void remoteHostIsReadAtEveryTick()
    {
        FakeUnitSocket socket;
        BasicUploadView view;
        ConnectionStatusMonitor monitor(socket, view);
        socket.setState(UnitSocket::Connected);
        socket.setRemoteHost(QStringLiteral("127.0.0.1"));
        monitor.EthernetStatusTimer_Timer();
        QCOMPARE(view.statusText(), QStringLiteral("Connected to 127.0.0.1"));
        socket.setRemoteHost(QStringLiteral("localhost"));
        socket.setState(UnitSocket::PeerClosing);
        monitor.EthernetStatusTimer_Timer();
        QCOMPARE(view.statusText(), QStringLiteral("localhost is closing the connection"));
    }

    void intervalQuickensForGoodOnceConnected()
    {
        FakeUnitSocket socket;
        BasicUploadView view;
        ConnectionStatusMonitor monitor(socket, view);
        const QTimer &timer = monitor.EthernetStatusTimer();
        QVERIFY(!timer.isActive());

        monitor.start();
        QVERIFY(timer.isActive());
        QCOMPARE(timer.intervalAsDuration(), 1000ms);

        // States on the way to a connection leave the idle pace alone.
        for (int state : {0, 4, 6, 8, 9, 42}) {
            socket.setState(state);
            monitor.EthernetStatusTimer_Timer();
            QCOMPARE(timer.intervalAsDuration(), 1000ms);
        }

        socket.setState(UnitSocket::Connected);
        monitor.EthernetStatusTimer_Timer();
        QCOMPARE(timer.intervalAsDuration(), 333ms);
        QVERIFY(timer.isActive());

        // Disconnected and idle again: the quicker pace stays.
        socket.setState(UnitSocket::Closed);
        monitor.EthernetStatusTimer_Timer();
        QCOMPARE(view.statusText(), QStringLiteral("Not connected"));
        QCOMPARE(timer.intervalAsDuration(), 333ms);
        QVERIFY(timer.isActive());
    }

    void timerDrivesTheTicks()
    {
        FakeUnitSocket socket;
        socket.setRemoteHost(QStringLiteral("127.0.0.1"));
        BasicUploadView view;
        ConnectionStatusMonitor monitor(socket, view);
        monitor.start();
        QVERIFY(view.statusText().isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(view.statusText(), QStringLiteral("Not connected"), 5000);

        // A text written between ticks lasts only until the next tick.
        socket.setState(UnitSocket::Connected);
        view.setStatusText(QStringLiteral("Loops: 0"));
        QTRY_COMPARE_WITH_TIMEOUT(view.statusText(), QStringLiteral("Connected to 127.0.0.1"),
                                  5000);
        QCOMPARE(monitor.EthernetStatusTimer().intervalAsDuration(), 333ms);
    }
};

QTEST_GUILESS_MAIN(tst_ConnectionStatusMonitor)
#include "tst_connectionstatusmonitor.moc"
