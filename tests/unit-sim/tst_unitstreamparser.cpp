#include "TestSupport.h"
#include "UnitFault.h"
#include "UnitStreamParser.h"
#include "protocol/UnitProtocol.h"

#include <QtTest>

using TestSupport::bytes;
using Kind = UnitStreamParser::Packet::Kind;

namespace {

const QByteArray kRecord = ":100000003C5E81B40C5EC68E04A3406C97D63CFB6C";
const QByteArray kEndRecord = ":00000001FF";
const QByteArray kRequest = bytes("FE55AA010131D0");

// "R:..." style description of what the parser found, for compact comparisons.
QStringList describe(const QList<UnitStreamParser::Packet> &packets)
{
    QStringList out;
    for (const UnitStreamParser::Packet &p : packets) {
        switch (p.kind) {
        case Kind::Record:
            out << QStringLiteral("record %1").arg(QString::fromLatin1(p.bytes));
            break;
        case Kind::Request:
            out << QStringLiteral("request");
            break;
        case Kind::DisplayClear:
            out << QStringLiteral("clear");
            break;
        case Kind::DisplayText:
            out << QStringLiteral("text %1 %2").arg(p.position).arg(QString::fromLatin1(p.text));
            break;
        case Kind::DisplayOther:
            out << QStringLiteral("display");
            break;
        case Kind::Unframed:
            out << QStringLiteral("%1 %2")
                       .arg(p.startsRun ? QStringLiteral("stray") : QStringLiteral("more stray"))
                       .arg(p.bytes.size());
            break;
        }
    }
    return out;
}

} // namespace

class tst_UnitStreamParser : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void framing_data()
    {
        QTest::addColumn<QByteArray>("stream");
        QTest::addColumn<QStringList>("expected");
        const QString record = QStringLiteral("record ") + QString::fromLatin1(kRecord);
        const QString end = QStringLiteral("record :00000001FF");
        const QList<QByteArray> display = UnitProtocol::displayTextPackets("Meridian 8");

        QTest::newRow("request, records")
            << kRequest + kRecord + kEndRecord << QStringList{"request", record, end};
        QTest::newRow("display packets")
            << display[0] + display[1] + display[2] + kRequest
            << QStringList{"clear", "text 0 Updating firmware...",
                           "text 64 Do not press any buttons!", "request"};
        QTest::newRow("lower-case record")
            << QByteArray(":0400fc00deadbeefc8") << QStringList{"record :0400fc00deadbeefc8"};
        QTest::newRow("line ends between records")
            << kRecord + "\r\n" + kEndRecord << QStringList{record, "stray 2", end};
        QTest::newRow("non-hex inside a record")
            << QByteArray(":1000G0") + kEndRecord << QStringList{"stray 7", end};
        QTest::newRow("damaged request header")
            << bytes("FE55AB010131D0") + kEndRecord << QStringList{"stray 7", end};
        QTest::newRow("display length disagrees")
            << bytes("F07D2D01000541F7") + kEndRecord << QStringList{"display", end};
        QTest::newRow("display with a high byte")
            << bytes("F07D2D0100014180F7") + kEndRecord << QStringList{"stray 9", end};
        QTest::newRow("stray before a request")
            << bytes("0011") + kRequest << QStringList{"stray 2", "request"};
    }

    void framing()
    {
        QFETCH(QByteArray, stream);
        QFETCH(QStringList, expected);

        UnitStreamParser whole;
        QCOMPARE(describe(whole.feed(stream)), expected);
        QVERIFY(whole.pending().isEmpty());

        // One byte at a time must find the same packets: TCP may cut a packet anywhere. Stray
        // runs then arrive in pieces, so compare only the packets and the run starts.
        UnitStreamParser bytewise;
        QList<UnitStreamParser::Packet> found;
        for (char byte : stream)
            found += bytewise.feed(QByteArray(1, byte));
        QStringList merged;
        for (const QString &line : describe(found)) {
            if (!line.startsWith(QLatin1String("more stray")))
                merged << (line.startsWith(QLatin1String("stray")) ? QStringLiteral("stray")
                                                                   : line);
        }
        QStringList expectedMerged;
        for (const QString &line : expected)
            expectedMerged << (line.startsWith(QLatin1String("stray")) ? QStringLiteral("stray")
                                                                       : line);
        QCOMPARE(merged, expectedMerged);
    }

    void incompletePacketsWait()
    {
        UnitStreamParser parser;
        QVERIFY(parser.feed(kRecord.left(20)).isEmpty());
        QCOMPARE(parser.pending(), kRecord.left(20));
        QCOMPARE(describe(parser.feed(kRecord.mid(20))),
                 QStringList{QStringLiteral("record ") + QString::fromLatin1(kRecord)});
        QVERIFY(parser.feed(kRequest.left(3)).isEmpty());
        QCOMPARE(describe(parser.feed(kRequest.mid(3))), QStringList{"request"});
        // A record cut short by the next one is dropped; the next one is still taken.
        QCOMPARE(describe(parser.feed(":1000" + kEndRecord)),
                 (QStringList{"stray 5", "record :00000001FF"}));
    }

    void strayRunContinuesAcrossFeeds()
    {
        UnitStreamParser parser;
        QCOMPARE(describe(parser.feed("xy")), QStringList{"stray 2"});
        QCOMPARE(describe(parser.feed("z")), QStringList{"more stray 1"});
        QCOMPARE(describe(parser.feed(kEndRecord + "q")),
                 (QStringList{"record :00000001FF", "stray 1"}));
    }

    void recordVerdict_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<int>("verdict");
        QTest::newRow("data") << kRecord << int(ResponseCode::Ack);
        QTest::newRow("end of file") << kEndRecord << int(ResponseCode::Ack);
        QTest::newRow("lower case") << QByteArray(":0400fc00deadbeefc8") << int(ResponseCode::Ack);
        QTest::newRow("type 05") << QByteArray(":0400000500001000E7") << int(ResponseCode::Ack);
        QTest::newRow("checksum off by one")
            << QByteArray(":100000003C5E81B40C5EC68E04A3406C97D63CFB6D")
            << int(ResponseCode::NakChecksum);
        QTest::newRow("type 06") << QByteArray(":00000006FA") << int(ResponseCode::NakRecordType);
        QTest::newRow("bad checksum beats bad type")
            << QByteArray(":00000006FB") << int(ResponseCode::NakChecksum);
    }

    void recordVerdict()
    {
        QFETCH(QByteArray, record);
        QFETCH(int, verdict);
        QCOMPARE(int(UnitStreamParser::recordVerdict(record)), verdict);
    }

    void faultSyntax_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("canonical"); // empty: rejected
        QTest::newRow("refusal") << "nak-checksum@3"
                                 << "nak-checksum@3";
        QTest::newRow("end record") << "nak-record-type@eof"
                                    << "nak-record-type@eof";
        QTest::newRow("connection") << "reset@0#2"
                                    << "reset@0#2";
        QTest::newRow("stray count") << "stray:5@1"
                                     << "stray:5@1";
        QTest::newRow("split") << "split@1"
                               << "split@1";
        QTest::newRow("pair default") << "pair@1"
                                      << "pair@1";
        QTest::newRow("pair chosen") << "pair:01+00@2"
                                     << "pair:01+00@2";
        QTest::newRow("bad code") << "bad-code:7e@1"
                                  << "bad-code:7E@1";
        QTest::newRow("babble") << "babble:ff@3"
                                << "babble:FF@3";
        QTest::newRow("late") << "late:150@eof"
                              << "late:150@eof";
        QTest::newRow("copy later") << "twice:10@5"
                                    << "twice:10@5";
        QTest::newRow("no packet") << "close"
                                   << "";
        QTest::newRow("unknown kind") << "explode@1"
                                      << "";
        QTest::newRow("negative packet") << "close@-1"
                                         << "";
        QTest::newRow("connection 0") << "close@1#0"
                                      << "";
        QTest::newRow("argument not taken") << "silent:3@1"
                                            << "";
        QTest::newRow("zero count") << "split:0@1"
                                    << "";
        QTest::newRow("three codes") << "pair:00+01+02@1"
                                     << "";
        QTest::newRow("one-digit code") << "bad-code:4@1"
                                        << "";
    }

    void faultSyntax()
    {
        QFETCH(QString, text);
        QFETCH(QString, canonical);
        QString error;
        const std::optional<UnitFault> fault = UnitFault::parse(text, &error);
        if (canonical.isEmpty()) {
            QVERIFY(!fault);
            QVERIFY(!error.isEmpty());
        } else {
            QVERIFY2(fault, qPrintable(error));
            QCOMPARE(fault->toString(), canonical);
        }
    }

    void faultMatching()
    {
        const UnitFault atEnd = *UnitFault::parse(QStringLiteral("close@eof#2"));
        QVERIFY(atEnd.appliesTo(2, 7, true));
        QVERIFY(!atEnd.appliesTo(1, 7, true));
        QVERIFY(!atEnd.appliesTo(2, 7, false));
        const UnitFault every = *UnitFault::parse(QStringLiteral("twice@3"));
        QVERIFY(every.appliesTo(1, 3, false));
        QVERIFY(every.appliesTo(5, 3, true));
        QVERIFY(!every.appliesTo(1, 4, false));
    }
};

QTEST_GUILESS_MAIN(tst_UnitStreamParser)
#include "tst_unitstreamparser.moc"
