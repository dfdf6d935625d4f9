#include "TestSupport.h"
#include "platform/Clock.h"
#include "platform/WaitableTimer.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QtTest>

#include <ctime>

class tst_WaitableTimer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { WaitableTimer::resume(); }

    void waitsAboutTheDelay()
    {
        QElapsedTimer elapsed;
        elapsed.start();
        Wait(100);
        QVERIFY2(elapsed.elapsed() >= 99, qPrintable(QString::number(elapsed.elapsed())));
        QVERIFY2(elapsed.elapsed() < 400, qPrintable(QString::number(elapsed.elapsed())));
        QCOMPARE(WaitableTimer::depth(), 0);
    }

    void postedCallRunsDuringTheWait()
    {
        bool ran = false;
        QTimer::singleShot(0, this, [&] { ran = true; });
        Wait(50);
        QVERIFY(ran);
    }

    void socketArrivalIsHandledDuringTheWait()
    {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost, 0));
        QTcpSocket client;
        QByteArray received;
        connect(&client, &QTcpSocket::readyRead, this, [&] { received += client.readAll(); });
        client.connectToHost(QHostAddress::LocalHost, server.serverPort());
        for (int round = 0; round < 20 && !server.hasPendingConnections(); ++round)
            Wait(20);
        QTcpSocket *peer = server.nextPendingConnection();
        QVERIFY(peer);
        peer->write("hello");
        peer->flush();
        Wait(200);
        QCOMPARE(received, QByteArray("hello"));
    }

    void nestedWaitEndsTheOuterWait()
    {
        QElapsedTimer elapsed;
        elapsed.start();
        int innerDepth = 0;
        QTimer::singleShot(10, this, [&] {
            innerDepth = WaitableTimer::depth() + 1;
            Wait(100);
        });
        Wait(2000);
        QCOMPARE(innerDepth, 2);
        QVERIFY2(elapsed.elapsed() < 1000, qPrintable(QString::number(elapsed.elapsed())));
        QVERIFY(elapsed.elapsed() >= 100);
    }

    void sleepsInsteadOfPolling()
    {
        const std::clock_t cpuBefore = std::clock();
        Wait(1000);
        const double cpuMs = double(std::clock() - cpuBefore) * 1000.0 / CLOCKS_PER_SEC;
        QVERIFY2(cpuMs < 100, qPrintable(QString("%1 ms of CPU").arg(cpuMs)));
    }

    void cancelEndsWaitsAndLaterOnes()
    {
        QElapsedTimer elapsed;
        elapsed.start();
        QTimer::singleShot(20, this, [] { WaitableTimer::cancelAll(); });
        Wait(5000);
        QVERIFY(elapsed.elapsed() < 2000);
        elapsed.restart();
        Wait(5000);
        QVERIFY(elapsed.elapsed() < 100);
        WaitableTimer::resume();
        QVERIFY(!WaitableTimer::isCancelled());
    }

    void timeScaleShortensPausesAndSpeedsTheClock()
    {
        TestSupport::TimeScale fast(0.1);
        QElapsedTimer elapsed;
        elapsed.start();
        const float before = Clock::now();
        Wait(1000);
        const double logical = Clock::secondsBetween(before, Clock::now());
        QVERIFY2(elapsed.elapsed() < 500, qPrintable(QString::number(elapsed.elapsed())));
        QVERIFY2(logical >= 0.95 && logical < 5.0, qPrintable(QString::number(logical)));
    }
};

QTEST_GUILESS_MAIN(tst_WaitableTimer)
#include "tst_waitabletimer.moc"
