#include "EngineRig.h"
#include "HexFileGenerator.h"
#include "TestSupport.h"
#include "UnitSimulator.h"
#include "platform/Clock.h"
#include "platform/WaitableTimer.h"
#include "protocol/UnitProtocol.h"

#include <QtTest>

#include <optional>

using namespace std::chrono_literals;
using Kind = UnitFault::Kind;

namespace {

constexpr double kFast = 0.02;
constexpr auto kResponseTimeout = 10s;
const QString kSilenceLine =
    QStringLiteral("The unit stopped answering: no response for 10 seconds.");
const QString kLastSilenceLine = QStringLiteral("The unit did not answer the last record within 5 "
                                                "seconds: it may not have the whole firmware.");

// Where the fault strikes, as a packet index of the simulated unit (0 is the request).
enum class Position { First, Middle, Last };

// How an attempt with the fault must end. Open: the attempt goes on streaming with the start
// controls given back, waiting for an answer that never comes. Unpaired: the unit answered
// after its answer to the last record.
enum class Ending { Finished, Refused, Open, Silent, Lost, Unpaired };

const QString kUnpairedLine = QStringLiteral(
    "The unit answered more often than records were sent: its answers no longer match the "
    "records, so nothing confirms that it has the firmware.");

Ending expectedEnding(Kind kind, Position position)
{
    switch (kind) {
    case Kind::NakChecksum:
    case Kind::NakProductCode:
    case Kind::NakRecordType:
        return Ending::Refused;
    case Kind::Unknown:
        // The last record's answer is awaited for a short time only.
        return position == Position::Last ? Ending::Silent : Ending::Open;
    case Kind::UnrecognisedCode:
    case Kind::Silent:
    case Kind::Babble:
        return Ending::Silent;
    case Kind::Close:
    case Kind::Reset:
        return Ending::Lost;
    case Kind::Pair:
    case Kind::Twice:
        // Mid-file the second answer is in before the next record goes out, and answers
        // nothing; after the last record it is one answer too many.
        return position == Position::Last ? Ending::Unpaired : Ending::Finished;
    case Kind::StrayBytes:
    case Kind::Split:
    case Kind::Late:
        return Ending::Finished;
    }
    return Ending::Finished;
}

QString refusalLine(Kind kind)
{
    switch (kind) {
    case Kind::NakChecksum:
        return QStringLiteral("NAK - Incorrect Checksum");
    case Kind::NakProductCode:
        return QStringLiteral("NAK - Incorrect Product Code");
    default:
        return QStringLiteral("NAK - Incorrect Record Type");
    }
}

bool anyStartsWith(const QStringList &lines, const QString &prefix)
{
    return std::any_of(lines.begin(), lines.end(),
                       [&](const QString &line) { return line.startsWith(prefix); });
}

// An engine uploading a generated firmware file to the simulated unit.
struct MatrixRig : EngineRig
{
    MatrixRig()
    {
        generator.setDataRecords(24);
        writeFirmware(generator.contents());
        sim.listen();
        // Time runs fast here: a split answer must still come within the silence limit.
        sim.setFragmentGap(2ms);
        view.setEthernetPort(QString::number(sim.serverPort()));
        engine.setResponseTimeout(kResponseTimeout);
    }

    int packetAt(Position position) const
    {
        switch (position) {
        case Position::First:
            return 1;
        case Position::Middle:
            return int(generator.expectedSentLines().size() / 2);
        case Position::Last:
            break;
        }
        return UnitFault::kEndRecord;
    }

    HexFileGenerator generator;
    UnitSimulator sim;
};

} // namespace

class tst_FaultMatrix : public QObject
{
    Q_OBJECT

    static QString context(MatrixRig &rig) { return rig.lines().join('\n'); }

private Q_SLOTS:
    void init() { WaitableTimer::resume(); }

    void everyFaultAtEveryPlace_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("debug");
        const QList<Kind> kinds{Kind::NakChecksum,
                                Kind::NakProductCode,
                                Kind::NakRecordType,
                                Kind::Unknown,
                                Kind::UnrecognisedCode,
                                Kind::StrayBytes,
                                Kind::Split,
                                Kind::Pair,
                                Kind::Twice,
                                Kind::Silent,
                                Kind::Close,
                                Kind::Reset,
                                Kind::Babble};
        const QList<std::pair<Position, const char *>> positions{
            {Position::First, "first"}, {Position::Middle, "middle"}, {Position::Last, "last"}};
        for (Kind kind : kinds) {
            UnitFault fault;
            fault.kind = kind;
            const QString name = fault.toString().section('@', 0, 0);
            for (const auto &[position, where] : positions) {
                for (bool debug : {false, true}) {
                    QTest::addRow("%s at the %s record, debug %s", qPrintable(name), where,
                                  debug ? "on" : "off")
                        << int(kind) << int(position) << debug;
                }
            }
        }
    }

    void everyFaultAtEveryPlace()
    {
        QFETCH(int, kind);
        QFETCH(int, position);
        QFETCH(bool, debug);
        const auto faultKind = Kind(kind);
        const auto where = Position(position);
        const Ending ending = expectedEnding(faultKind, where);
        TestSupport::TimeScale scale(kFast);

        MatrixRig rig;
        rig.view.setChecked(Tool::Debug, debug);
        const int packet = rig.packetAt(where);
        UnitFault fault;
        fault.kind = faultKind;
        fault.packet = packet;
        fault.connection = 1;
        rig.sim.addFault(fault);
        const QByteArrayList expected = rig.generator.expectedSentLines();

        rig.engine.LoadStart_Click();
        if (ending == Ending::Open) {
            QVERIFY2(ScriptedUnit::waitFor([&] { return rig.lines().contains("Unknown"); }),
                     qPrintable(context(rig)));
            QVERIFY(rig.outcomes.isEmpty());
            QVERIFY(rig.engine.isBusy());
            QVERIFY(!rig.engine.state().TransferIdle);
            QVERIFY(rig.allStartControlsEnabled());
            QCOMPARE(rig.log().backColour().value(), ActivityLog::kWhite);
            QCOMPARE(rig.sim.records().size(), packet);
            if (!debug) {
                // Nobody answers again: the unit is given up on.
                QVERIFY(rig.waitForOutcomes(1, 10000));
                QCOMPARE(rig.outcomes.value(0), UploadOutcome::UnitSilent);
                QVERIFY2(rig.lines().contains(kSilenceLine), qPrintable(context(rig)));
                QCOMPARE(rig.log().backColour().value(), ActivityLog::kRed);
                QCOMPARE(rig.sim.records().size(), packet);
            } else {
                // The operator starts again: the next attempt runs from the beginning.
                QVERIFY(rig.runUpload());
                QCOMPARE(rig.outcomes, QList<UploadOutcome>{UploadOutcome::Finished});
                QCOMPARE(rig.sim.connectionCount(), 2);
                QVERIFY(rig.sim.records(2) == expected);
                QCOMPARE(rig.log().backColour().value(), ActivityLog::kGreen);
            }
            QVERIFY(!rig.engine.isBusy());
            QVERIFY(rig.allStartControlsEnabled());
            return;
        }

        QVERIFY2(rig.waitForOutcomes(1), qPrintable(context(rig)));
        // Whatever the unit still sends or does must not start, end or report anything more.
        Wait(200);
        QCOMPARE(rig.outcomes.size(), 1);
        QCOMPARE(rig.sim.connectionCount(), 1);
        QVERIFY(!rig.engine.isBusy());
        QVERIFY(rig.allStartControlsEnabled());

        const QStringList lines = rig.lines();
        const QByteArrayList records = rig.sim.records();
        QVERIFY2(records == expected.mid(0, records.size()), "records left the file's order");
        QCOMPARE(anyStartsWith(lines, "From Unit "), debug);
        if (!debug)
            QVERIFY(!lines.contains("Spurrious byte") && !lines.contains("ACK from unit"));

        if (ending == Ending::Finished) {
            QCOMPARE(rig.outcomes.value(0), UploadOutcome::Finished);
            QVERIFY2(records == expected, "a finished upload left records out");
            QCOMPARE(rig.log().backColour().value(), ActivityLog::kGreen);
            QVERIFY(lines.contains("Upload complete."));
            QVERIFY(lines.contains("Done!  Unit is ready to use."));
            QCOMPARE(rig.view.statusText(), QString("Loops: 1"));
            QCOMPARE(rig.savedPort(), QString::number(rig.sim.serverPort()));
            if (debug && faultKind == Kind::StrayBytes && where != Position::Last)
                QCOMPARE(lines.filter("Spurrious byte").size(), 2);
            return;
        }

        QVERIFY2(!lines.contains("Done!  Unit is ready to use."), qPrintable(context(rig)));
        QCOMPARE(rig.log().backColour().value(), ActivityLog::kRed);
        QCOMPARE(lines.last(), QString("Disconnecting from 127.0.0.1"));
        QCOMPARE(rig.savedAddress(), QString("(none)"));
        QCOMPARE(rig.engine.state().LoopCount, 0);
        const int sent = where == Position::Last ? int(expected.size()) : packet;
        QCOMPARE(records.size(), sent);
        switch (ending) {
        case Ending::Refused:
            QCOMPARE(rig.outcomes.value(0), UploadOutcome::Refused);
            QVERIFY2(lines.contains(refusalLine(faultKind)), qPrintable(context(rig)));
            QCOMPARE(lines.value(lines.indexOf(refusalLine(faultKind)) + 1),
                     QString("Device responded with an error.  Please try again."));
            QVERIFY(!anyStartsWith(lines, "Upload complete, "));
            break;
        case Ending::Silent:
            QCOMPARE(rig.outcomes.value(0), UploadOutcome::UnitSilent);
            QVERIFY2(lines.contains(where == Position::Last ? kLastSilenceLine : kSilenceLine),
                     qPrintable(context(rig)));
            QVERIFY(!lines.contains("Upload complete."));
            if (debug && faultKind == Kind::UnrecognisedCode)
                QVERIFY(lines.contains("Unrecognised response from unit FD 55 AA 04 00 00 00 00"));
            break;
        case Ending::Lost:
            QCOMPARE(rig.outcomes.value(0), UploadOutcome::ConnectionLost);
            QVERIFY2(anyStartsWith(lines, "The connection to the unit was lost"),
                     qPrintable(context(rig)));
            // Only an orderly close is the unit closing; a reset is the socket error it is.
            if (faultKind == Kind::Reset) {
                QVERIFY2(lines.contains("Ethernet Error 10054"), qPrintable(context(rig)));
                QCOMPARE(lines.value(lines.indexOf("Ethernet Error 10054") + 1),
                         QString("Connection reset by peer"));
            } else {
                QVERIFY(lines.contains("The connection to the unit was lost: the unit closed it."));
            }
            break;
        case Ending::Unpaired:
            QCOMPARE(rig.outcomes.value(0), UploadOutcome::Refused);
            QVERIFY2(lines.contains(kUnpairedLine), qPrintable(context(rig)));
            QVERIFY(lines.contains("Upload complete."));
            QVERIFY(!anyStartsWith(lines, "Upload complete, "));
            QCOMPARE(rig.view.statusText(), QString("Loops: 0"));
            break;
        case Ending::Finished:
        case Ending::Open:
            QFAIL("handled above");
        }
    }

    // The last data record answered twice, the copy arriving on its own after the end-of-file
    // record went out: it is taken for that record's answer, and the unit's own word on it comes
    // after. (A slip earlier in the file shows the same way, unless two answers happen to come
    // in together, which puts them back in step.) Real time: the unit's delays are not scaled.
    void slippedAnswerIsFoundAtTheEnd_data()
    {
        QTest::addColumn<QStringList>("lastRecordFaults");
        QTest::newRow("last record refused late")
            << QStringList{"late:150@eof", "nak-checksum@eof"};
        QTest::newRow("every answer an ack") << QStringList{};
    }

    void slippedAnswerIsFoundAtTheEnd()
    {
        QFETCH(QStringList, lastRecordFaults);
        MatrixRig rig;
        const qsizetype records = rig.generator.expectedSentLines().size();
        for (const QString &text :
             lastRecordFaults + QStringList{QStringLiteral("twice:10@%1").arg(records - 1)})
            rig.sim.addFault(*UnitFault::parse(text));
        QVERIFY(rig.runUpload());
        QCOMPARE(rig.outcomes, QList<UploadOutcome>{UploadOutcome::Refused});
        QVERIFY(rig.sim.records() == rig.generator.expectedSentLines());
        const QStringList lines = rig.lines();
        QVERIFY2(lines.contains(kUnpairedLine), qPrintable(context(rig)));
        QVERIFY(!lines.contains("Done!  Unit is ready to use."));
        QCOMPARE(rig.log().backColour().value(), ActivityLog::kRed);
        QCOMPARE(rig.engine.state().LoopCount, 0);
        QCOMPARE(rig.savedAddress(), QString("(none)"));
    }

    // Each arrival takes at most one answer of each kind: a unit that pours out answers must not
    // make the receive buffer grow without end, nor pass for one that acknowledged every record.
    void unitThatFloodsAnswersIsStopped()
    {
        TestSupport::TimeScale scale(kFast);
        EngineRig rig;
        rig.writeFirmware(TestSupport::hexFile(200));
        rig.unit.onPacket = nullptr;
        rig.engine.setResponseTimeout(kResponseTimeout);
        rig.engine.LoadStart_Click();
        QVERIFY(ScriptedUnit::waitFor([&] { return rig.unit.received().size() == 7; }));
        QByteArray flood;
        for (int i = 0; i < 32 * 1024; ++i)
            flood += UnitProtocol::response(ResponseCode::Ack);
        rig.unit.send(flood);

        QVERIFY(rig.waitForOutcomes(1, 10000));
        QCOMPARE(rig.outcomes.value(0), UploadOutcome::ConnectionLost);
        QVERIFY2(anyStartsWith(rig.lines(), "The unit sent "), qPrintable(rig.lines().join('\n')));
        QVERIFY(rig.engine.state().RxBuffer.size() < 64 * 1024);
        QVERIFY(!rig.lines().contains("Done!  Unit is ready to use."));
        QCOMPARE(rig.log().backColour().value(), ActivityLog::kRed);
        QVERIFY(rig.allStartControlsEnabled());
        QVERIFY(!rig.engine.isBusy());
    }

    // Whatever the unit says before the programming request is discarded at the hand-over
    // unread: no verdict of it reaches the log.
    void answersBeforeTheHandOverAreDiscardedUnread()
    {
        // Slow enough that the greeting is in well before the hand-over.
        TestSupport::TimeScale scale(0.5);
        EngineRig rig;
        rig.unit.greeting = UnitProtocol::response(ResponseCode::NakChecksum);
        QVERIFY(rig.runUpload());
        QCOMPARE(rig.outcomes, QList<UploadOutcome>{UploadOutcome::Finished});
        QVERIFY2(rig.lines().filter("NAK").isEmpty(), qPrintable(rig.lines().join('\n')));
        QVERIFY(!rig.lines().contains("Device responded with an error.  Please try again."));
        QCOMPARE(rig.log().backColour().value(), ActivityLog::kGreen);
    }

    // The bytes checked are the bytes sent: a file changed on disk during the upload changes
    // nothing of what reaches the unit.
    void firmwareFileChangedDuringTheUpload_data()
    {
        const QByteArray original = TestSupport::hexFile(30);
        QTest::addColumn<QByteArray>("changed");
        QTest::newRow("truncated") << original.left(original.size() / 3);
        QTest::newRow("records appended") << original + TestSupport::hexFile(5);
        QTest::newRow("overwritten") << QByteArray(original.size(), 'x');
    }

    void firmwareFileChangedDuringTheUpload()
    {
        QFETCH(QByteArray, changed);
        TestSupport::TimeScale scale(kFast);
        EngineRig rig;
        const QByteArray original = TestSupport::hexFile(30);
        const QString path = rig.writeFirmware(original);
        rig.unit.onPacket = [&](const QByteArray &) {
            if (rig.unit.records().size() == 3)
                QVERIFY(TestSupport::writeFile(path, changed));
            rig.unit.answerAck();
        };
        QVERIFY(rig.runUpload());
        QCOMPARE(rig.outcomes, QList<UploadOutcome>{UploadOutcome::Finished});
        QCOMPARE(rig.unit.records().join("\r\n") + "\r\n", original);
        QCOMPARE(rig.view.progressValue(), rig.view.progressMaximum());
    }

    // Faults that pile up on one packet shape a single answer the engine must still take apart.
    void combinedFaultsOnOneAnswer_data()
    {
        QTest::addColumn<QStringList>("faults");
        QTest::addColumn<int>("outcome");
        QTest::newRow("stray bytes, split in single bytes")
            << QStringList{"stray:5@3", "split:1@3"} << int(UploadOutcome::Finished);
        QTest::newRow("ack and refusal in one write, split")
            << QStringList{"pair:01@4", "split:3@4"} << int(UploadOutcome::Refused);
        QTest::newRow("refusal then ack, twice")
            << QStringList{"pair:03+00@2", "twice@2"} << int(UploadOutcome::Refused);
        // Every whole answer of an arrival is taken in order: the Ack behind Unknown answers.
        QTest::newRow("unknown then ack in one write")
            << QStringList{"pair:FF+00@5"} << int(UploadOutcome::Finished);
        QTest::newRow("unrecognised code then ack, behind stray bytes")
            << QStringList{"pair:04+00@6", "stray:3@6"} << int(UploadOutcome::Finished);
        QTest::newRow("every answer split, one refused")
            << QStringList{"split:2@1", "split:2@2", "nak-record-type@3"}
            << int(UploadOutcome::Refused);

        // One answer answers one record: a second Ack in the same write answers nothing, and a
        // refusal behind it is acted on at once.
        QStringList doubled;
        for (int packet = 0; packet <= 25; ++packet)
            doubled << QStringLiteral("pair@%1").arg(packet);
        QTest::newRow("two acks for every packet") << doubled << int(UploadOutcome::Finished);
        QTest::newRow("two acks for every packet, record 19 refused")
            << doubled + QStringList{"nak-checksum@19"} << int(UploadOutcome::Refused);
        // Only an answer that moves the transfer on restarts the silence count.
        QTest::newRow("a stray byte every 50 ms instead of an answer")
            << QStringList{"babble@3"} << int(UploadOutcome::UnitSilent);
        QTest::newRow("unknown every 50 ms instead of an answer")
            << QStringList{"babble:FF@3"} << int(UploadOutcome::UnitSilent);
        QTest::newRow("an unrecognised answer every 50 ms")
            << QStringList{"babble:04@3"} << int(UploadOutcome::UnitSilent);
        // The last record's answer is awaited: late, it still decides.
        QTest::newRow("last record refused late")
            << QStringList{"late:40@eof", "nak-checksum@eof"} << int(UploadOutcome::Refused);
        QTest::newRow("last record acknowledged late")
            << QStringList{"late:40@eof"} << int(UploadOutcome::Finished);
    }

    void combinedFaultsOnOneAnswer()
    {
        QFETCH(QStringList, faults);
        QFETCH(int, outcome);
        // Slow enough that a late answer to the last record is still within its wait.
        TestSupport::TimeScale scale(0.05);
        MatrixRig rig;
        for (const QString &text : faults) {
            QString error;
            const std::optional<UnitFault> fault = UnitFault::parse(text, &error);
            QVERIFY2(fault, qPrintable(error));
            rig.sim.addFault(*fault);
        }
        QVERIFY(rig.runUpload());
        Wait(200);
        QCOMPARE(rig.outcomes, QList<UploadOutcome>{UploadOutcome(outcome)});
        QVERIFY(!rig.engine.isBusy());
        QVERIFY(rig.allStartControlsEnabled());
        const QByteArrayList expected = rig.generator.expectedSentLines();
        const QByteArrayList records = rig.sim.records();
        if (UploadOutcome(outcome) == UploadOutcome::Finished) {
            QVERIFY(records == expected);
            QCOMPARE(rig.log().backColour().value(), ActivityLog::kGreen);
        } else {
            QVERIFY(records == expected.mid(0, records.size()));
            // A refused last record is the one failure after which every record went out.
            QVERIFY(records.size() < expected.size() ||
                    rig.lines().contains("NAK - Incorrect Checksum"));
            QVERIFY(!rig.lines().contains("Done!  Unit is ready to use."));
            QCOMPARE(rig.log().backColour().value(), ActivityLog::kRed);
        }
    }
};

QTEST_GUILESS_MAIN(tst_FaultMatrix)
#include "tst_faultmatrix.moc"
