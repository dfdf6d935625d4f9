#include "EngineRig.h"
#include "HexFileGenerator.h"
#include "TestSupport.h"
#include "UnitSimulator.h"
#include "platform/WaitableTimer.h"
#include "protocol/UnitProtocol.h"

#include <QElapsedTimer>
#include <QtTest>

using namespace std::chrono_literals;
using TestSupport::bytes;

namespace {

const QStringList kSuccessEnd{"Writing firmware, DO NOT REMOVE POWER!",
                              "Waiting for unit to reboot....",
                              " ",
                              " ",
                              "Done!  Unit is ready to use.",
                              " "};

QByteArray ack()
{
    return UnitProtocol::response(ResponseCode::Ack);
}

// An engine streaming to a unit whose every answer the test writes.
struct ManualRig : EngineRig
{
    explicit ManualRig(int records = 3)
    {
        unit.onPacket = nullptr;
        writeFirmware(TestSupport::hexFile(records));
        engine.LoadStart_Click();
    }

    // Sends the bytes and pumps events until the unit holds `records` records or 150 ms passed.
    void answer(const QByteArray &bytes, int records = -1)
    {
        unit.send(bytes);
        if (records >= 0)
            ScriptedUnit::waitFor([&] { return unit.records().size() >= records; }, 3000);
        Wait(150);
    }
};

// An engine uploading to the simulated unit, with the reboot wait sped up.
struct SimRig : EngineRig
{
    explicit SimRig(const QString &title = "Kestrel Max Firmware Uploader") : EngineRig(title)
    {
        sim.listen();
        view.setEthernetPort(QString::number(sim.serverPort()));
    }

    TestSupport::TimeScale fast{0.02};
    UnitSimulator sim;
};

// Every text asked of a translator comes back marked, so that a record that went through one
// shows: records are English in every language.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char *, const char *source, const char *, int) const override
    {
        return source ? QStringLiteral("@") + QString::fromUtf8(source) : QString();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class tst_RecordStreaming : public QObject
{
    Q_OBJECT

    static void verifyFailedAndIdle(EngineRig &rig, UploadOutcome outcome)
    {
        QCOMPARE(rig.outcomes.value(0), outcome);
        QCOMPARE(rig.log().backColour().value(), ActivityLog::kRed);
        QCOMPARE(rig.lines().last(), QString("Disconnecting from 127.0.0.1"));
        QVERIFY(!rig.lines().contains("Done!  Unit is ready to use."));
        QVERIFY(rig.allStartControlsEnabled());
        QCOMPARE(rig.savedAddress(), QString("(none)"));
    }

private Q_SLOTS:
    void init() { WaitableTimer::resume(); }

    void wholeUpload_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("lowerCase");
        QTest::newRow("demo") << FWU_SOURCE_DIR "/samples/demo.hex" << false;
        QTest::newRow("generated") << QString() << false;
        // Records at FC00 to FFFF stay back whatever the case of their digits.
        QTest::newRow("generated, lower case") << QString() << true;
    }

    void wholeUpload()
    {
        QFETCH(QString, file);
        QFETCH(bool, lowerCase);
        SimRig rig;
        if (file.isEmpty()) {
            HexFileGenerator generator;
            generator.setDataRecords(5000);
            generator.setLowerCase(lowerCase);
            file = rig.dir.path() + "/big.hex";
            QVERIFY(generator.write(file));
        }
        rig.engine.state().FirmwarePath = file;
        QVERIFY(rig.runUpload(60000));
        QCOMPARE(rig.outcomes, QList<UploadOutcome>{UploadOutcome::Finished});

        QFile hex(file);
        QVERIFY(hex.open(QIODevice::ReadOnly));
        const QByteArrayList expected = HexFileGenerator::sentLines(hex.readAll().split('\n'));
        QByteArrayList trimmed;
        for (const QByteArray &line : expected)
            trimmed << line.trimmed();
        QCOMPARE(rig.sim.records().size(), trimmed.size());
        QVERIFY(rig.sim.records() == trimmed);
        for (const QByteArray &record : rig.sim.records())
            QVERIFY2(quint8(QByteArray::fromHex(record.mid(3, 2)).at(0)) < 0xFC, record);
        QCOMPARE(rig.sim.summaries().value(0).outcome(), QString("complete"));

        const QStringList lines = rig.lines();
        QCOMPARE(lines.mid(lines.size() - 6), kSuccessEnd);
        QCOMPARE(lines.at(lines.size() - 8), QString("Upload complete."));
        QCOMPARE(rig.log().backColour().value(), ActivityLog::kGreen);
        QVERIFY(rig.allStartControlsEnabled());
        QCOMPARE(rig.view.statusText(), QString("Loops: 1"));
        QCOMPARE(rig.view.progressValue(), rig.view.progressMaximum());
        QCOMPARE(rig.savedAddress(), QString("127.0.0.1"));
        QCOMPARE(rig.savedPort(), QString::number(rig.sim.serverPort()));
    }

    void oneRecordInFlightAtATime()
    {
        ManualRig rig;
        rig.answer(ack(), 1);
        QCOMPARE(rig.unit.records().size(), 1);
        Wait(100);
        QCOMPARE(rig.unit.records().size(), 1);
        QCOMPARE(rig.unit.records().first(), TestSupport::hexFile(1).split('\r').first());
        rig.answer(ack(), 2);
        QCOMPARE(rig.unit.records().size(), 2);
        QVERIFY(!rig.unit.received().contains('\r') && !rig.unit.received().contains('\n'));
    }

    void responseInTwoPieces()
    {
        ManualRig rig;
        rig.view.setChecked(Tool::Debug, true);
        rig.answer(ack().left(5));
        QCOMPARE(rig.lines().mid(rig.lines().size() - 2),
                 (QStringList{"From Unit  FD 55 AA 00 00", "Incomplete response from device"}));
        QCOMPARE(rig.unit.records().size(), 0);
        rig.answer(ack().mid(5), 1);
        QCOMPARE(rig.unit.records().size(), 1);
        QVERIFY(rig.lines().contains("From Unit  FD 55 AA 00 00 00 00 00"));
        QCOMPARE(rig.lines().last(), QString("ACK from unit"));
        QCOMPARE(rig.log().selectedIndex(), rig.log().count() - 1);
    }

    void strayBytesBeforeAnAck()
    {
        ManualRig rig;
        rig.view.setChecked(Tool::Debug, true);
        rig.answer(bytes("0102") + ack(), 1);
        QCOMPARE(rig.lines().mid(rig.lines().size() - 4),
                 (QStringList{"From Unit  01 02 FD 55 AA 00 00 00 00 00", "Spurrious byte",
                              "Spurrious byte", "ACK from unit"}));
        QCOMPARE(rig.unit.records().size(), 1);
    }

    void eightStrayBytesLeaveOne()
    {
        ManualRig rig;
        rig.view.setChecked(Tool::Debug, true);
        rig.answer(bytes("0102030405060708"));
        QCOMPARE(rig.lines().filter("Spurrious byte").size(), 7);
        QCOMPARE(rig.engine.state().RxBuffer, bytes("08"));
        rig.answer(ack(), 1);
        QCOMPARE(rig.unit.records().size(), 1);
    }

    void quietShortBufferLeavesTheLogAlone()
    {
        ManualRig rig;
        const QStringList before = rig.lines();
        rig.log().setSelectedIndex(0);
        rig.answer(ack().left(7));
        QCOMPARE(rig.lines(), before);
        QCOMPARE(rig.log().selectedIndex(), 0);
    }

    void ackWhileIdleIsConsumed()
    {
        EngineRig rig;
        rig.unit.onPacket = nullptr;
        rig.unit.greeting = ack();
        rig.view.setChecked(Tool::Debug, true);
        rig.engine.LoadStart_Click();
        const QStringList lines = rig.lines();
        QVERIFY2(lines.indexOf("ACK from unit") >= 0 &&
                     lines.indexOf("ACK from unit") < lines.indexOf("Sending firmware..."),
                 qPrintable(lines.join('\n')));
        Wait(150);
        QVERIFY(rig.unit.records().isEmpty());
        QVERIFY(rig.engine.state().RxBuffer.isEmpty());
    }

    void ackAndRefusalTogether()
    {
        ManualRig rig;
        rig.answer(ack(), 1);
        rig.answer(ack() + UnitProtocol::response(ResponseCode::NakChecksum), 2);
        Wait(200);
        QCOMPARE(rig.unit.records().size(), 2);
        QVERIFY(rig.lines().contains("NAK - Incorrect Checksum"));
        verifyFailedAndIdle(rig, UploadOutcome::Refused);
    }

    void refusalThenAckLeavesTheAck()
    {
        ManualRig rig;
        rig.answer(ack(), 1);
        rig.answer(UnitProtocol::response(ResponseCode::NakRecordType) + ack());
        Wait(200);
        QCOMPARE(rig.unit.records().size(), 1);
        QCOMPARE(rig.engine.state().RxBuffer, ack());
        const QStringList lines = rig.lines();
        // The refusal's two lines as they have always been; which record was refused on a line of
        // its own.
        QCOMPARE(lines.mid(lines.size() - 4),
                 (QStringList{"NAK - Incorrect Record Type",
                              "Device responded with an error.  Please try again.",
                              "The unit refused record 1, line 1 of the file.",
                              "Disconnecting from 127.0.0.1"}));
        verifyFailedAndIdle(rig, UploadOutcome::Refused);
    }

    // An answer that arrives during the refusal's pause neither handles it again nor sends.
    void refusalIsHandledOnce()
    {
        ManualRig rig;
        rig.answer(ack(), 1);
        rig.unit.send(UnitProtocol::response(ResponseCode::NakProductCode));
        QTimer::singleShot(30, [&] { rig.unit.send(ack()); });
        QTimer::singleShot(
            60, [&] { rig.unit.send(UnitProtocol::response(ResponseCode::NakChecksum)); });
        QVERIFY(rig.waitForOutcomes(1, 3000));
        Wait(200);
        QCOMPARE(rig.unit.records().size(), 1);
        QCOMPARE(rig.lines().filter("Disconnecting from").size(), 1);
        QCOMPARE(rig.lines().filter("NAK - Incorrect Product Code").size(), 1);
        QVERIFY(rig.lines().filter("NAK - Incorrect Checksum").isEmpty());
        QCOMPARE(rig.lines().filter("Device responded with an error.").size(), 1);
    }

    void unknownGivesTheControlsBackAndKeepsStreaming()
    {
        ManualRig rig;
        rig.answer(ack(), 1);
        rig.answer(UnitProtocol::response(ResponseCode::Unknown, bytes("AABBCCDD")));
        QCOMPARE(rig.lines().last(), QString("Unknown"));
        QCOMPARE(rig.engine.state().RxBuffer, bytes("CCDD"));
        QVERIFY(rig.allStartControlsEnabled());
        QVERIFY(rig.outcomes.isEmpty());
        QVERIFY(!rig.engine.state().TransferIdle);
        rig.answer(ack(), 2);
        QCOMPARE(rig.unit.records().size(), 2);

        // A new start after it closes the old connection and file and starts over.
        rig.unit.onPacket = [&](const QByteArray &) { rig.unit.answerAck(); };
        TestSupport::TimeScale fast(0.02);
        QVERIFY(rig.runUpload());
        QCOMPARE(rig.outcomes, QList<UploadOutcome>{UploadOutcome::Finished});
        QCOMPARE(rig.unit.connections(), 2);
        QCOMPARE(rig.unit.packets().size(), 5);
    }

    void unrecognisedCodeIsPassedOver()
    {
        ManualRig rig;
        rig.view.setChecked(Tool::Debug, true);
        rig.answer(ack(), 1);
        rig.answer(bytes("FD55AA0400000000") + ack(), 2);
        QVERIFY(rig.lines().contains("Unrecognised response from unit FD 55 AA 04 00 00 00 00"));
        QCOMPARE(rig.unit.records().size(), 2);
        QVERIFY(rig.engine.state().RxBuffer.size() < 8);
    }

    void refusals_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("packet");
        QTest::addColumn<QString>("text");
        const QList<std::pair<UnitFault::Kind, QString>> codes{
            {UnitFault::Kind::NakChecksum, "NAK - Incorrect Checksum"},
            {UnitFault::Kind::NakProductCode, "NAK - Incorrect Product Code"},
            {UnitFault::Kind::NakRecordType, "NAK - Incorrect Record Type"}};
        for (const auto &[kind, text] : codes) {
            QTest::addRow("%s at the request", qPrintable(text)) << int(kind) << 0 << text;
            QTest::addRow("%s at the first record", qPrintable(text)) << int(kind) << 1 << text;
            QTest::addRow("%s in the middle", qPrintable(text)) << int(kind) << 20 << text;
            QTest::addRow("%s at the last record", qPrintable(text))
                << int(kind) << UnitFault::kEndRecord << text;
        }
    }

    void refusals()
    {
        QFETCH(int, kind);
        QFETCH(int, packet);
        QFETCH(QString, text);
        SimRig rig;
        // The blank first line is passed over: record N is line N + 1 of the file.
        rig.writeFirmware("\r\n" + TestSupport::hexFile(40));
        rig.view.setChecked(Tool::Loop, true);
        UnitFault fault;
        fault.kind = UnitFault::Kind(kind);
        fault.packet = packet;
        rig.sim.addFault(fault);
        QVERIFY(rig.runUpload());
        Wait(3000);
        QCOMPARE(rig.outcomes, QList<UploadOutcome>{UploadOutcome::Refused});
        QVERIFY(rig.lines().contains(text));
        QVERIFY(rig.lines().contains("Device responded with an error.  Please try again."));
        const int record = packet == UnitFault::kEndRecord ? 41 : packet;
        QVERIFY2(rig.lines().contains(
                     record == 0 ? QString("The unit refused the programming request.")
                                 : QString("The unit refused record %1, line %2 of the file.")
                                       .arg(record)
                                       .arg(record + 1)),
                 qPrintable(rig.lines().join('\n')));
        verifyFailedAndIdle(rig, UploadOutcome::Refused);
        QVERIFY(!rig.view.isChecked(Tool::Loop));
        QCOMPARE(rig.engine.state().LoopCount, 0);
        QCOMPARE(rig.sim.connectionCount(), 1);
    }

    void refusalDuringALoopSeriesStopsIt()
    {
        SimRig rig;
        rig.view.setChecked(Tool::Loop, true);
        UnitFault fault;
        fault.kind = UnitFault::Kind::NakChecksum;
        fault.packet = 2;
        fault.connection = 2;
        rig.sim.addFault(fault);
        rig.engine.LoadStart_Click();
        QVERIFY(rig.waitForOutcomes(2));
        Wait(3000);
        QCOMPARE(rig.outcomes,
                 (QList<UploadOutcome>{UploadOutcome::Finished, UploadOutcome::Refused}));
        QVERIFY(!rig.view.isChecked(Tool::Loop));
        QCOMPARE(rig.sim.connectionCount(), 2);
        QCOMPARE(rig.engine.state().LoopCount, 1);
        QCOMPARE(rig.log().backColour().value(), ActivityLog::kRed);
    }

    void loopCountsEveryFinishedUpload()
    {
        SimRig rig;
        rig.engine.state().LoopCount = 32766;
        QStringList statuses;
        QObject::connect(&rig.view, &BasicUploadView::statusTextChanged,
                         [&](const QString &text) { statuses << text; });
        rig.view.setChecked(Tool::Loop, true);
        QObject::connect(&rig.engine, &UploadEngine::attemptEnded, [&] {
            if (rig.outcomes.size() == 3)
                rig.view.setChecked(Tool::Loop, false);
        });
        rig.engine.LoadStart_Click();
        QVERIFY(rig.waitForOutcomes(3, 30000));
        QCOMPARE(statuses, (QStringList{"Loops: 32767", "Loops: 32768", "Loops: 32769"}));
        QCOMPARE(rig.sim.connectionCount(), 3);
    }

    void slowModePausesBeforeEachRecord()
    {
        EngineRig rig;
        rig.writeFirmware(TestSupport::hexFile(10));
        rig.view.setChecked(Tool::Slow, true);
        QElapsedTimer elapsed;
        elapsed.start();
        rig.engine.LoadStart_Click();
        QVERIFY(ScriptedUnit::waitFor([&] { return rig.unit.records().size() == 11; }));
        QVERIFY2(elapsed.elapsed() >= 11 * 30, qPrintable(QString::number(elapsed.elapsed())));
        rig.engine.shutdown();
    }

    void fileVariants_data()
    {
        QTest::addColumn<int>("ending");
        QTest::addColumn<int>("blankLines");
        QTest::newRow("LF only") << int(HexFileGenerator::LineEnding::Lf) << 0;
        QTest::newRow("CR only") << int(HexFileGenerator::LineEnding::Cr) << 0;
        QTest::newRow("trailing blank lines") << int(HexFileGenerator::LineEnding::CrLf) << 3;
    }

    void fileVariants()
    {
        QFETCH(int, ending);
        QFETCH(int, blankLines);
        SimRig rig;
        HexFileGenerator generator;
        generator.setDataRecords(100);
        generator.setLineEnding(HexFileGenerator::LineEnding(ending));
        generator.setTrailingBlankLines(blankLines);
        rig.writeFirmware(generator.contents());
        QVERIFY(rig.runUpload());
        QCOMPARE(rig.outcomes, QList<UploadOutcome>{UploadOutcome::Finished});
        QVERIFY(rig.sim.records() == generator.expectedSentLines());
    }

    void blankLinesInsideTheFileAreNotSent()
    {
        SimRig rig;
        QByteArray file = TestSupport::hexFile(4);
        file.replace("\r\n:10002000", "\r\n\r\n\r\n:10002000");
        rig.writeFirmware(file);
        QVERIFY(rig.runUpload());
        QCOMPARE(rig.outcomes, QList<UploadOutcome>{UploadOutcome::Finished});
        QCOMPARE(rig.sim.records().size(), 5);
    }

    // The quiet time after the last answer is real time at any time scale: a second answer 20 ms
    // later, with time running fifty times as fast, still comes within it.
    void answerAfterTheLastAnswerFailsTheUpload()
    {
        SimRig rig;
        UnitFault twice;
        twice.kind = UnitFault::Kind::Twice;
        twice.packet = UnitFault::kEndRecord;
        rig.sim.addFault(twice);
        QVERIFY(rig.runUpload());
        QCOMPARE(rig.outcomes, QList<UploadOutcome>{UploadOutcome::Refused});
        QCOMPARE(rig.log().backColour().value(), ActivityLog::kRed);
        QCOMPARE(rig.lines().filter("Upload complete.").size(), 1);
        QVERIFY(
            !rig.lines().filter("The unit answered more often than records were sent").isEmpty());
    }

    // The unit is listened to after its last answer, but closing or resetting its end then is
    // no answer: the upload is finished.
    void closeAfterTheLastAnswerStillFinishes_data()
    {
        QTest::addColumn<bool>("reset");
        QTest::newRow("closed") << false;
        QTest::newRow("reset") << true;
    }

    void closeAfterTheLastAnswerStillFinishes()
    {
        QFETCH(bool, reset);
        TestSupport::TimeScale fast(0.02);
        EngineRig rig;
        rig.writeFirmware(TestSupport::hexFile(5));
        rig.unit.onPacket = [&](const QByteArray &packet) {
            rig.unit.answerAck();
            if (packet.startsWith(":00000001FF"))
                reset ? rig.unit.resetConnection() : rig.unit.closeConnection();
        };
        QVERIFY(rig.runUpload());
        QCOMPARE(rig.outcomes, QList<UploadOutcome>{UploadOutcome::Finished});
        QCOMPARE(rig.log().backColour().value(), ActivityLog::kGreen);
        QCOMPARE(rig.lines().mid(rig.lines().size() - 6), kSuccessEnd);
    }

    // The operator's stop ends a transfer as a failure and ends the loop series; once the unit
    // has the whole file it is refused, so that the reboot wait is always sat out.
    void operatorStop()
    {
        SimRig rig;
        QList<bool> canStop;
        connect(&rig.engine, &UploadEngine::stopAttemptChanged, [&](bool can) { canStop << can; });
        rig.view.setChecked(Tool::Loop, true);
        rig.writeFirmware(TestSupport::hexFile(10));
        rig.sim.addFault(*UnitFault::parse("silent@3#1"));
        rig.engine.LoadStart_Click();
        QVERIFY(ScriptedUnit::waitFor([&] { return rig.sim.records().size() == 3; }));
        QVERIFY(rig.engine.canStop());
        rig.engine.stopAttempt();
        QCOMPARE(rig.outcomes, QList<UploadOutcome>{UploadOutcome::Stopped});
        QCOMPARE(canStop, (QList<bool>{true, false}));
        verifyFailedAndIdle(rig, UploadOutcome::Stopped);
        QCOMPARE(rig.lines().mid(rig.lines().size() - 2, 1),
                 QStringList{"Stopped by the operator."});
        Wait(300);
        QCOMPARE(rig.sim.connectionCount(), 1);

        rig.view.setChecked(Tool::Loop, false);
        rig.engine.LoadStart_Click();
        QVERIFY(ScriptedUnit::waitFor(
            [&] { return rig.lines().contains("Writing firmware, DO NOT REMOVE POWER!"); }));
        QVERIFY(!rig.engine.canStop());
        rig.engine.stopAttempt();
        QVERIFY(rig.waitForOutcomes(2));
        QCOMPARE(rig.outcomes.value(1), UploadOutcome::Finished);
        QVERIFY(!rig.lines().contains("Stopped by the operator."));
    }

    void lostConnection_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("reason");
        QTest::newRow("unit closes")
            << int(UnitFault::Kind::Close) << int(UploadOutcome::ConnectionLost)
            << "The connection to the unit was lost";
        QTest::newRow("unit resets")
            << int(UnitFault::Kind::Reset) << int(UploadOutcome::ConnectionLost)
            << "The connection to the unit was lost";
        QTest::newRow("unit goes silent")
            << int(UnitFault::Kind::Silent) << int(UploadOutcome::UnitSilent)
            << "The unit stopped answering: no response for 10 seconds.";
    }

    // The limit is shown as it was set, however short.
    void silenceLimitIsShownAsSet()
    {
        SimRig rig;
        rig.engine.setResponseTimeout(1ms);
        rig.sim.addFault(*UnitFault::parse("silent@2"));
        QVERIFY(rig.runUpload());
        QVERIFY2(rig.lines().contains("The unit stopped answering: no response for 1 ms."),
                 qPrintable(rig.lines().join('\n')));
    }

    void lostConnection()
    {
        QFETCH(int, kind);
        QFETCH(int, outcome);
        QFETCH(QString, reason);
        SimRig rig;
        rig.engine.setResponseTimeout(10s);
        rig.writeFirmware(TestSupport::hexFile(20));
        UnitFault fault;
        fault.kind = UnitFault::Kind(kind);
        fault.packet = 5;
        rig.sim.addFault(fault);
        QVERIFY(rig.runUpload());
        verifyFailedAndIdle(rig, UploadOutcome(outcome));
        QVERIFY2(!rig.lines().filter(reason).isEmpty(), qPrintable(rig.lines().join('\n')));
        QCOMPARE(rig.sim.records().size(), 5);
        QVERIFY(!rig.engine.isBusy());
    }

    void recordsStayEnglishInAnyLanguage_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("reason");
        QTest::newRow("connection refused")
            << QString() << "Could not establish connection to 127.0.0.1, port %1.";
        QTest::newRow("refusal") << "nak-checksum@3"
                                 << "The unit refused record 3, line 3 of the file: NAK - "
                                    "Incorrect Checksum.";
        QTest::newRow("reset") << "reset@5"
                               << "The connection to the unit was lost: (Connection reset by "
                                  "peer|Broken pipe).";
    }

    void recordsStayEnglishInAnyLanguage()
    {
        QFETCH(QString, fault);
        QFETCH(QString, reason);
        MarkingTranslator translator;
        QVERIFY(QCoreApplication::installTranslator(&translator));
        const auto removeTranslator =
            qScopeGuard([&] { QCoreApplication::removeTranslator(&translator); });
        SimRig rig;
        rig.writeFirmware(TestSupport::hexFile(20));
        if (fault.isEmpty()) {
            const quint16 port = UnitSimulator::refusedPort();
            rig.view.setEthernetPort(QString::number(port));
            reason = reason.arg(port);
        } else {
            const std::optional<UnitFault> parsed = UnitFault::parse(fault);
            QVERIFY(parsed);
            rig.sim.addFault(*parsed);
        }
        QVERIFY(rig.runUpload());
        const QString record = rig.engine.failureReason();
        QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(reason))
                     .match(record)
                     .hasMatch(),
                 qPrintable(record));
        const QString log = rig.lines().join(QLatin1Char('\n'));
        QVERIFY2(!log.contains(QLatin1Char('@')), qPrintable(log));
    }
};

QTEST_GUILESS_MAIN(tst_RecordStreaming)
#include "tst_recordstreaming.moc"
