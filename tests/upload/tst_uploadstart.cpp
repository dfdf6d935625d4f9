#include "EngineRig.h"
#include "PendingListener.h"
#include "TestSupport.h"
#include "UnitSimulator.h"
#include "platform/Clock.h"
#include "platform/WaitableTimer.h"
#include "protocol/UnitProtocol.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QRegularExpression>
#include <QtTest>

#include <cmath>

using namespace std::chrono_literals;

namespace {

const QString kAddress = QStringLiteral("127.0.0.1");

int countStartingWith(const QStringList &lines, const QString &prefix)
{
    return int(std::count_if(lines.begin(), lines.end(),
                             [&](const QString &line) { return line.startsWith(prefix); }));
}

qint64 millisecondsIn(const QString &line)
{
    static const QRegularExpression number(QStringLiteral("([0-9,]+) mS"));
    return number.match(line).captured(1).remove(QLatin1Char(',')).toLongLong();
}

} // namespace

class tst_UploadStart : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init() { WaitableTimer::resume(); }
    void cleanup() { Clock::setTimeOfDaySource({}); }

    void unitThatAcceptsAtOnce()
    {
        EngineRig rig;
        rig.unit.onPacket = nullptr; // connects, never answers
        rig.engine.setResponseTimeout(300ms);
        rig.view.setChecked(Tool::Debug, true);
        rig.engine.LoadStart_Click();

        const QStringList lines = rig.lines();
        QCOMPARE(lines.value(0), "Connecting to " + kAddress);
        QCOMPARE(lines.value(1), QString("Connecting..."));
        QCOMPARE(countStartingWith(lines, "Checking connection at "), 1);
        QVERIFY(lines.value(2).startsWith("Checking connection at "));
        QVERIFY(lines.value(2).endsWith(" mS..."));
        // The time of day is kept in single precision: late in the day its steps are 3.9 ms,
        // so a 100 ms pause may be shown a step or two short.
        const float now = Clock::now();
        const double stepMs = (double(std::nextafter(now, 86400.0f)) - double(now)) * 1000.0;
        QVERIFY2(millisecondsIn(lines.value(2)) >= 100 - 2 * stepMs, qPrintable(lines.value(2)));
        QVERIFY(lines.value(3).startsWith("It took ") &&
                lines.value(3).endsWith(" mS to connect."));
        // The numeric address connected to, so that the unit flashed is never in doubt.
        QCOMPARE(lines.value(4), QString("Connected to 127.0.0.1 port %1.").arg(rig.unit.port()));
        QCOMPARE(lines.value(5), QString("Sending firmware..."));
        QCOMPARE(lines.size(), 6);
        QVERIFY(!rig.engine.state().TransferIdle);
        QVERIFY(!rig.anyStartControlEnabled());
        QCOMPARE(rig.log().backColour().value(), ActivityLog::kWhite);

        // The programming request of the default title is on the wire.
        QVERIFY(ScriptedUnit::waitFor([&] { return rig.unit.received().size() == 7; }));
        QCOMPARE(TestSupport::hex(rig.unit.received()), QString("FE 55 AA 01 01 31 D0"));

        // A unit that never answers is given up on.
        QVERIFY(rig.waitForOutcomes(1, 5000));
        QCOMPARE(rig.outcomes.value(0), UploadOutcome::UnitSilent);
        QVERIFY(rig.lines().contains("The unit stopped answering: no response for 300 ms."));
        QCOMPARE(rig.log().backColour().value(), ActivityLog::kRed);
        QVERIFY(rig.allStartControlsEnabled());
    }

    void unitThatNeverAccepts_data()
    {
        QTest::addColumn<bool>("debug");
        QTest::newRow("debug off") << false;
        QTest::newRow("debug on") << true;
    }

    void unitThatNeverAccepts()
    {
        QFETCH(bool, debug);
        TestSupport::TimeScale fast(0.2);
        PendingListener listener;
        QVERIFY(listener.isReady());
        EngineRig rig;
        rig.view.setEthernetPort(QString::number(listener.port()));
        rig.view.setChecked(Tool::Debug, debug);
        rig.view.setChecked(Tool::Loop, true);
        QVERIFY(rig.runUpload(10000));
        QCOMPARE(rig.outcomes, QList<UploadOutcome>{UploadOutcome::ConnectFailed});

        QStringList lines = rig.lines();
        if (debug) {
            QCOMPARE(lines.takeAt(1), QString("Connecting..."));
            const int checks = countStartingWith(lines, "Checking connection at ");
            QVERIFY2(checks >= 25 && checks <= 33, qPrintable(QString::number(checks)));
            QVERIFY(millisecondsIn(lines.at(checks)) <= 3300);
            lines.erase(lines.begin() + 1, lines.begin() + 1 + checks);
            const QString gaveUp = lines.takeAt(2);
            QVERIFY2(gaveUp.startsWith("After ") && gaveUp.endsWith(" mS, I gave up!"),
                     qPrintable(gaveUp));
            QVERIFY(millisecondsIn(gaveUp) > 3300);
        }
        QCOMPARE(lines,
                 (QStringList{"Connecting to " + kAddress, "Unit not responding!",
                              "Could not establish connection to " + kAddress,
                              "Unit address 127.0.0.1, port " + rig.view.ethernetPort() + ".",
                              "Disconnecting from " + kAddress}));
        QCOMPARE(rig.log().backColour().value(), ActivityLog::kRed);
        QVERIFY(rig.allStartControlsEnabled());
        QVERIFY(rig.view.isChecked(Tool::Loop));
        QVERIFY(!rig.engine.state().UploadDone);
        QCOMPARE(rig.socket.state(), int(UnitSocket::Closed));
        // Loop mode never restarts after a failed connection.
        Wait(3000);
        QCOMPARE(rig.outcomes.size(), 1);
    }

    void refusedConnectionIsReportedAndWatched()
    {
        TestSupport::TimeScale fast(0.2);
        const quint16 port = UnitSimulator::refusedPort();
        EngineRig rig;
        rig.view.setEthernetPort(QString::number(port));
        QVERIFY(rig.runUpload(10000));
        const QStringList lines = rig.lines();
        QCOMPARE(lines.value(0), "Connecting to " + kAddress);
        QCOMPARE(lines.value(1), QString("Ethernet Error 10061"));
        QCOMPARE(lines.value(3),
                 QString("Hint: Found device but port was not availaible. Verify port number."));
        QCOMPARE(lines.value(4),
                 QString("Hint: Verify Ethernet Interface is configured as 'TCP Server'."));
        QCOMPARE(lines.mid(5), (QStringList{"Unit not responding!",
                                            "Could not establish connection to " + kAddress,
                                            QString("Unit address 127.0.0.1, port %1.").arg(port),
                                            "Disconnecting from " + kAddress}));
        QCOMPARE(rig.log().backColour().value(), ActivityLog::kRed);
    }

    void meridianSendsDisplayTextAndDiscardsEarlyBytes()
    {
        EngineRig rig("Meridian 8 Firmware Uploader");
        // An answer that arrives before the request must not release a record.
        rig.unit.greeting = UnitProtocol::response(ResponseCode::Ack) + "junk";
        rig.unit.onPacket = nullptr;
        rig.engine.setResponseTimeout(200ms);
        rig.engine.LoadStart_Click();
        QCOMPARE(rig.lines().last(), QString("Sending firmware..."));
        QVERIFY(ScriptedUnit::waitFor([&] { return rig.unit.packets().size() == 4; }));
        const QList<QByteArray> packets = rig.unit.packets();
        QCOMPARE(TestSupport::hex(packets[0]), QString("F0 7D 2D 02 00 F7"));
        QCOMPARE(packets[1], TestSupport::bytes("F07D2D010014") + "Updating firmware..." + "\xF7");
        QCOMPARE(packets[2],
                 TestSupport::bytes("F07D2D014019") + "Do not press any buttons!" + "\xF7");
        QCOMPARE(TestSupport::hex(packets[3]), QString("FE 55 AA 01 02 2D D3"));
        QVERIFY(rig.waitForOutcomes(1, 5000));
        QVERIFY(rig.unit.records().isEmpty());
    }

    void progressMaximum_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<int>("maximum");
        QTest::newRow("0") << qint64(0) << 1;
        QTest::newRow("127") << qint64(127) << 1;
        QTest::newRow("128") << qint64(128) << 2;
        QTest::newRow("40000") << qint64(40000) << 313;
    }

    void progressMaximum()
    {
        QFETCH(qint64, size);
        QFETCH(int, maximum);
        QCOMPARE(UploadEngine::progressMaximumFor(size), maximum);
    }

    // The reboot timeline keeps real time here: its pauses are what the operator waits through.
    void successTimelineInRealTime()
    {
        EngineRig rig;
        QElapsedTimer clock;
        QHash<QString, qint64> at;
        // Keys long enough to tell "Upload complete." from the elapsed-time line after it.
        QObject::connect(&rig.log(), &ActivityLog::lineAppended, [&](const QString &line) {
            if (!at.contains(line.left(17)))
                at.insert(line.left(17), clock.elapsed());
        });
        bool onlyStartButtonAtGreen = false;
        QObject::connect(&rig.log(), &ActivityLog::backColourChanged, [&](quint32 colour) {
            onlyStartButtonAtGreen = colour == ActivityLog::kGreen &&
                                     rig.view.isControlEnabled(StartControl::LoadStart) &&
                                     !rig.view.isControlEnabled(StartControl::FirmwareFile) &&
                                     !rig.view.isControlEnabled(StartControl::EthernetAddress) &&
                                     !rig.view.isControlEnabled(StartControl::EthernetPort);
        });
        clock.start();
        QVERIFY(rig.runUpload(15000));
        QCOMPARE(rig.outcomes, QList<UploadOutcome>{UploadOutcome::Finished});

        const QStringList lines = rig.lines();
        const int end = int(lines.indexOf("Upload complete."));
        QVERIFY(end > 0);
        QCOMPARE(lines.mid(end + 2), (QStringList{"Writing firmware, DO NOT REMOVE POWER!",
                                                  "Waiting for unit to reboot....", " ", " ",
                                                  "Done!  Unit is ready to use.", " "}));
        QVERIFY(QRegularExpression("^Upload complete, [0-9]+ seconds\\.$")
                    .match(lines.at(end + 1))
                    .hasMatch());
        // The timeline runs from the elapsed-time line.
        const qint64 t0 = at.value("Upload complete, ");
        const auto near = [](qint64 actual, qint64 expected) {
            return actual >= expected - 20 && actual <= expected + 400;
        };
        QVERIFY2(near(at.value("Writing firmware,") - t0, 1000),
                 qPrintable(QString::number(at.value("Writing firmware,") - t0)));
        QVERIFY(near(at.value("Waiting for unit ") - t0, 3333));
        QVERIFY(near(at.value("Done!  Unit is re") - t0, 6666));
        // The unit is listened to for a while after its last answer before the close.
        QVERIFY(near(t0 - at.value("Upload complete."), 400));
        QVERIFY(onlyStartButtonAtGreen);
        QCOMPARE(rig.log().backColour().value(), ActivityLog::kGreen);
        QVERIFY(rig.allStartControlsEnabled());
    }

    void loopRestartsInAClearedWhiteLog()
    {
        TestSupport::TimeScale fast(0.05);
        EngineRig rig;
        rig.view.setChecked(Tool::Loop, true);
        QList<quint32> coloursAtConnect;
        QObject::connect(&rig.log(), &ActivityLog::lineAppended, [&](const QString &line) {
            if (line.startsWith("Connecting to "))
                coloursAtConnect << rig.log().backColour().value_or(0)
                                 << quint32(rig.log().count());
        });
        QObject::connect(&rig.engine, &UploadEngine::attemptEnded, [&] {
            if (rig.outcomes.size() == 2)
                rig.view.setChecked(Tool::Loop, false);
        });
        rig.engine.LoadStart_Click();
        QVERIFY(rig.waitForOutcomes(2, 20000));
        Wait(5000);
        QCOMPARE(rig.outcomes,
                 (QList<UploadOutcome>{UploadOutcome::Finished, UploadOutcome::Finished}));
        QCOMPARE(rig.unit.connections(), 2);
        QCOMPARE(coloursAtConnect,
                 (QList<quint32>{ActivityLog::kWhite, 1, ActivityLog::kWhite, 1}));
        QCOMPARE(rig.engine.state().LoopCount, 2);
        QCOMPARE(rig.unit.records().size(), 8);
    }

    void uncheckingLoopDuringTheRebootPausesPreventsTheRestart()
    {
        TestSupport::TimeScale fast(0.05);
        EngineRig rig;
        rig.view.setChecked(Tool::Loop, true);
        QObject::connect(&rig.log(), &ActivityLog::lineAppended, [&](const QString &line) {
            if (line.startsWith("Waiting for unit"))
                rig.view.setChecked(Tool::Loop, false);
        });
        QVERIFY(rig.runUpload());
        Wait(5000);
        QCOMPARE(rig.unit.connections(), 1);
        QCOMPARE(rig.outcomes.size(), 1);
    }

    void badConnectionValuesEndTheAttemptWithoutConnecting_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("complaint");
        const QString portComplaint =
            "Port \"%1\" is not a whole number from 1 to 65535.";
        for (const char *port : {"", "abc", "0", "65536", "70000", "-1", " 23", "5000x", "+23"})
            QTest::addRow("port '%s'", port) << kAddress << port << portComplaint.arg(port);
        const QString addressComplaint = "Address \"%1\" is not valid: %2.";
        const QString numbers = "an IPv4 address is four numbers from 0 to 255 separated by dots, "
                                "such as 192.168.1.50";
        const QString name = "a host name is letters, digits and hyphens, in parts separated by "
                             "dots";
        const QList<std::pair<const char *, QString>> addresses{
            {"", "enter the unit's IPv4 address or host name"},
            {"256.1.1.1", numbers},
            {"10.1.1", numbers},
            {" 127.0.0.1", name},
            {"192.168.001.050", "write the numbers without leading zeros, as 192.168.1.50"}};
        for (const auto &[address, problem] : addresses)
            QTest::addRow("address '%s'", address)
                << address << "%PORT%" << addressComplaint.arg(address, problem);
    }

    void badConnectionValuesEndTheAttemptWithoutConnecting()
    {
        QFETCH(QString, address);
        QFETCH(QString, port);
        QFETCH(QString, complaint);
        EngineRig rig;
        rig.view.setEthernetAddress(address);
        if (port == "%PORT%")
            port = QString::number(rig.unit.port());
        rig.view.setEthernetPort(port);
        QVERIFY(rig.runUpload(3000));
        QCOMPARE(rig.outcomes, QList<UploadOutcome>{UploadOutcome::BadInput});
        QCOMPARE(rig.lines(), (QStringList{"Connecting to " + address, complaint,
                                           "Disconnecting from " + address}));
        QCOMPARE(rig.log().backColour().value(), ActivityLog::kRed);
        QVERIFY(rig.allStartControlsEnabled());
        Wait(100);
        QCOMPARE(rig.unit.connections(), 0);
    }

    void unusableFirmwareFileNeverReachesTheUnit_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("complaint");
        // What a front-end says it has already found sound: only these exact bytes skip the check.
        QTest::addColumn<QByteArray>("knownSound");
        QTest::newRow("missing") << "" << QByteArray() << "Cannot open the firmware file"
                                 << QByteArray();
        QTest::newRow("bad checksum")
            << "bad.hex" << QByteArray(":0300300002337A1F\r\n:00000001FF\r\n")
            << "The firmware file \"bad.hex\" is not valid Intel HEX: line 1: checksum"
            << QByteArray();
        QTest::newRow("empty") << "empty.hex" << QByteArray()
                               << "The firmware file \"empty.hex\" is not valid Intel HEX"
                               << QByteArray();
        QTest::newRow("no end record")
            << "open.hex" << TestSupport::hexFile(3).replace(":00000001FF\r\n", "")
            << "The firmware file \"open.hex\" is not valid Intel HEX" << QByteArray();
        QByteArray endsSkipped = TestSupport::hexFile(3);
        endsSkipped += TestSupport::hexRecord(0xFC00, 0, "abcd") + "\r\n";
        QTest::newRow("ends inside skipped records")
            << "skipped.hex" << endsSkipped
            << "The firmware file \"skipped.hex\" is not valid Intel HEX" << QByteArray();
        QTest::newRow("changed since a front-end checked it")
            << "changed.hex" << QByteArray(":0300300002337A1F\r\n:00000001FF\r\n")
            << "The firmware file \"changed.hex\" is not valid Intel HEX: line 1: checksum"
            << TestSupport::hexFile(3);
    }

    void unusableFirmwareFileNeverReachesTheUnit()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, contents);
        QFETCH(QString, complaint);
        QFETCH(QByteArray, knownSound);
        EngineRig rig;
        rig.engine.setKnownSoundContent(knownSound);
        if (name.isEmpty())
            rig.engine.state().FirmwarePath = rig.dir.path() + "/gone.hex";
        else
            rig.writeFirmware(contents, name);
        QVERIFY(rig.runUpload(5000));
        QCOMPARE(rig.outcomes, QList<UploadOutcome>{UploadOutcome::BadInput});
        const QStringList lines = rig.lines();
        QVERIFY2(lines.at(lines.size() - 2).startsWith(complaint), qPrintable(lines.join('\n')));
        QCOMPARE(lines.last(), "Disconnecting from " + kAddress);
        QVERIFY(rig.unit.received().isEmpty());
        QVERIFY(ScriptedUnit::waitFor([&] { return !rig.unit.isConnected(); }));
        QVERIFY(rig.allStartControlsEnabled());
    }

    void titleWithoutProfileEndsTheAttempt()
    {
        EngineRig rig("kestrel max Firmware Uploader");
        QVERIFY(rig.runUpload(5000));
        QCOMPARE(rig.outcomes, QList<UploadOutcome>{UploadOutcome::BadInput});
        QVERIFY(rig.lines().contains(
            "No product profile matches the application title \"kestrel max Firmware Uploader\"."));
        QVERIFY(rig.unit.received().isEmpty());
        QVERIFY(rig.allStartControlsEnabled());
    }

    // The watch is measured on a monotonic clock: a time of day that passes midnight or is set
    // back neither stretches it nor shows in its figures.
    void watchEndsWhateverTheTimeOfDayDoes_data()
    {
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("stepBack");
        QTest::newRow("across midnight") << 86399.0 << 0.0;
        QTest::newRow("clock set back a minute") << 43200.0 << 60.0;
    }

    void watchEndsWhateverTheTimeOfDayDoes()
    {
        QFETCH(double, start);
        QFETCH(double, stepBack);
        TestSupport::TimeScale fast(0.2);
        QElapsedTimer real;
        real.start();
        // The time of day runs five times as fast as real time, as the scale makes the pauses;
        // it is set back after a second.
        Clock::setTimeOfDaySource([&] {
            const double logical = real.nsecsElapsed() / 1e9 * 5;
            return std::fmod(start + logical - (logical > 1.0 ? stepBack : 0.0), 86400.0);
        });
        PendingListener listener;
        EngineRig rig;
        rig.view.setEthernetPort(QString::number(listener.port()));
        rig.view.setChecked(Tool::Debug, true);
        QVERIFY(rig.runUpload(20000));
        // 3.3 s at a fifth of real time, with room for a loaded machine.
        QVERIFY2(real.elapsed() < 3000, qPrintable(QString::number(real.elapsed())));
        const QStringList lines = rig.lines();
        QVERIFY(lines.contains("Unit not responding!"));
        const QString gaveUp = lines.filter("I gave up!").value(0);
        QVERIFY2(millisecondsIn(gaveUp) > 3300 && millisecondsIn(gaveUp) < 4000,
                 qPrintable(gaveUp));
    }

    void shutdownDuringTheRebootWaitEndsAtOnce()
    {
        TestSupport::TimeScale slow(1.0);
        EngineRig rig;
        QObject::connect(&rig.log(), &ActivityLog::lineAppended, [&](const QString &line) {
            if (line.startsWith("Writing firmware"))
                QTimer::singleShot(0, [&] { rig.engine.shutdown(); });
        });
        QElapsedTimer elapsed;
        elapsed.start();
        QVERIFY(rig.runUpload(5000));
        QVERIFY2(elapsed.elapsed() < 3000, qPrintable(QString::number(elapsed.elapsed())));
        QCOMPARE(rig.outcomes, QList<UploadOutcome>{UploadOutcome::Cancelled});
        QVERIFY(!rig.lines().contains("Done!  Unit is ready to use."));
        QCOMPARE(rig.socket.state(), int(UnitSocket::Closed));
        rig.engine.LoadStart_Click(); // ignored once shut down
        QCOMPARE(rig.unit.connections(), 1);
    }
};

QTEST_GUILESS_MAIN(tst_UploadStart)
#include "tst_uploadstart.moc"
