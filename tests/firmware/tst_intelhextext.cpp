#include "firmware/FirmwareSummary.h"
#include "firmware/IntelHexText.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <QtTest>

class tst_IntelHexText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void skippedRange_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("skipped");
        QTest::newRow("FC") << QByteArray(":10FC0000") << true;
        QTest::newRow("FD") << QByteArray(":10FD0000") << true;
        QTest::newRow("FE") << QByteArray(":10FE0000") << true;
        QTest::newRow("FF") << QByteArray(":10FFF000") << true;
        QTest::newRow("FB is sent") << QByteArray(":10FB0000") << false;
        QTest::newRow("lower case, by value") << QByteArray(":10fc0000") << true;
        QTest::newRow("lower case below FC") << QByteArray(":10fb0000") << false;
        QTest::newRow("end record") << QByteArray(":00000001FF") << false;
        QTest::newRow("five characters") << QByteArray(":10FC") << true;
        QTest::newRow("four characters") << QByteArray(":10F") << false;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("type byte, not address") << QByteArray(":0200000FFC") << false;
    }

    void skippedRange()
    {
        QFETCH(QByteArray, line);
        QFETCH(bool, skipped);
        QCOMPARE(IntelHexText::loadsInSkippedRange(line), skipped);
    }

    void digits()
    {
        QCOMPARE(IntelHexText::digitValue('0'), 0);
        QCOMPARE(IntelHexText::digitValue('9'), 9);
        QCOMPARE(IntelHexText::digitValue('a'), 10);
        QCOMPARE(IntelHexText::digitValue('F'), 15);
        for (char c : {'g', 'G', ':', ' ', '\0', '/', '@'})
            QCOMPARE(IntelHexText::digitValue(c), -1);
    }
    // What every front-end shows: addresses follow the extended address records, adjacent data
    // merges, passed-over records and blank lines send nothing, every line end counts a line.
    void summary()
    {
        const QByteArray content = ":020000040001F9\r\n"
                                   ":04000000DEADBEEFC4\r\n"
                                   "\r\n"
                                   ":0400040001020304EE\r"
                                   ":04FC00001122334456\n"
                                   ":020000040000FA\n"
                                   ":02001000AABB89\n"
                                   ":00000001FF\n";
        const FirmwareSummary summary = FirmwareSummary::fromContent(content);
        QCOMPARE(summary.sizeBytes, content.size());
        QCOMPARE(summary.records, 6);
        QCOMPARE(summary.dataBytes, 10);
        QCOMPARE(summary.passedOverLines, QList<int>{5});
        QCOMPARE(summary.rangesText(),
                 QStringLiteral("0x00000010-0x00000011, 0x00010000-0x00010007"));
        QCOMPARE(summary.sha256,
                 QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex());

        const QJsonObject json = summary.toJson();
        QCOMPARE(json.value("records").toInt(), 6);
        QCOMPARE(json.value("ranges").toArray().at(1).toObject().value("last").toString(),
                 QStringLiteral("0x00010007"));
        QCOMPARE(json.value("passed_over_lines").toArray(), QJsonArray{5});
        QVERIFY(summary.describe().join('\n').contains(QString::fromLatin1(summary.sha256)));
    }

    // One address written twice with different bytes is reported with both lines, in file order;
    // the same bytes written again, or written by a record that is never sent, are no overlap.
    void overlaps()
    {
        const QByteArray content = ":1000000000112233445566778899AABBCCDDEEFFF8\n"
                                   ":040004004455667782\n" // same bytes again
                                   ":020000040000FA\n"
                                   ":04FC000001020304F6\n" // never sent
                                   ":02000E00BEEF43\n"     // stamp over the last two
                                   ":00000001FF\n";
        const FirmwareSummary summary = FirmwareSummary::fromContent(content);
        QCOMPARE(summary.dataBytes, 16);
        QCOMPARE(summary.overlapCount, 1);
        QCOMPARE(summary.overlaps.size(), 1);
        QCOMPARE(summary.overlaps[0].range.first, 0x0Eu);
        QCOMPARE(summary.overlaps[0].range.last, 0x0Fu);
        QCOMPARE(summary.overlaps[0].earlierLine, 1);
        QCOMPARE(summary.overlaps[0].laterLine, 5);
        const QString text = summary.describe().join('\n');
        QVERIFY2(text.contains("0x0000000E-0x0000000F: line 1, then line 5"), qPrintable(text));
        QVERIFY(text.contains("in file order"));
        const QJsonObject overlap = summary.toJson().value("overlaps").toArray().at(0).toObject();
        QCOMPARE(overlap.value("first").toString(), QStringLiteral("0x0000000E"));
        QCOMPARE(overlap.value("lines").toArray(), (QJsonArray{1, 5}));
    }
};

QTEST_GUILESS_MAIN(tst_IntelHexText)
#include "tst_intelhextext.moc"
