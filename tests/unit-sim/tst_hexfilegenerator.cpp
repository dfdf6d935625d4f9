#include "HexFileGenerator.h"
#include "UnitStreamParser.h"

#include <QFile>
#include <QtTest>

namespace {

QByteArrayList skippedLines(const QByteArrayList &lines)
{
    QByteArrayList skipped;
    for (const QByteArray &line : lines) {
        if (HexFileGenerator::isSkipped(line))
            skipped.append(line);
    }
    return skipped;
}

int recordType(const QByteArray &line)
{
    return UnitStreamParser::recordType(line);
}

} // namespace

class tst_HexFileGenerator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultFile()
    {
        const HexFileGenerator generator;
        const QByteArrayList lines = generator.lines();
        QCOMPARE(generator.dataBytes(), qint64(32768));
        QCOMPARE(lines.first(), QByteArray(":020000040000FA"));
        QCOMPARE(lines.last(), QByteArray(":00000001FF"));
        for (const QByteArray &line : lines)
            QCOMPARE(int(UnitStreamParser::recordVerdict(line)), int(ResponseCode::Ack));

        const QByteArrayList skipped = skippedLines(lines);
        QCOMPARE(skipped.size(), 4);
        for (const QByteArray &line : skipped) {
            const qsizetype at = lines.indexOf(line);
            QVERIFY(at > 1 && at < lines.size() - 2); // between data records
        }
        QCOMPARE(generator.expectedSentLines().size(), lines.size() - 4);

        const QByteArray contents = generator.contents();
        QVERIFY(contents.endsWith(":00000001FF\r\n"));
        QCOMPARE(contents.count("\r\n"), lines.size());
        QCOMPARE(contents.count('\n'), lines.size());
    }

    void sampleFileIsTheDefault()
    {
        QFile file(QStringLiteral(FWU_DEMO_HEX));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), HexFileGenerator().contents());
    }

    void isSkipped_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("skipped");
        QTest::newRow("FC") << QByteArray(":10FC0000") << true;
        QTest::newRow("FD") << QByteArray(":10FD00") << true;
        QTest::newRow("FE") << QByteArray(":10FE") << true;
        QTest::newRow("FF") << QByteArray(":00FFFF01") << true;
        QTest::newRow("FB") << QByteArray(":10FBF000") << false;
        QTest::newRow("lower case") << QByteArray(":10fc0000") << true;
        QTest::newRow("short") << QByteArray(":10F") << false;
        QTest::newRow("blank") << QByteArray() << false;
        QTest::newRow("F in count") << QByteArray(":FF000000") << false;
    }

    void isSkipped()
    {
        QFETCH(QByteArray, line);
        QFETCH(bool, skipped);
        QCOMPARE(HexFileGenerator::isSkipped(line), skipped);
    }

    void lineEndings_data()
    {
        QTest::addColumn<HexFileGenerator::LineEnding>("ending");
        QTest::addColumn<QByteArray>("terminator");
        QTest::newRow("CR LF") << HexFileGenerator::LineEnding::CrLf << QByteArray("\r\n");
        QTest::newRow("LF") << HexFileGenerator::LineEnding::Lf << QByteArray("\n");
        QTest::newRow("CR") << HexFileGenerator::LineEnding::Cr << QByteArray("\r");
    }

    void lineEndings()
    {
        QFETCH(HexFileGenerator::LineEnding, ending);
        QFETCH(QByteArray, terminator);
        HexFileGenerator generator;
        generator.setDataRecords(5);
        generator.setLineEnding(ending);
        QCOMPARE(generator.contents(), generator.lines().join(terminator) + terminator);
    }

    void trailingBlankLinesAreNotSent()
    {
        HexFileGenerator generator;
        generator.setDataRecords(3);
        generator.setTrailingBlankLines(2);
        QVERIFY(generator.contents().endsWith(":00000001FF\r\n\r\n\r\n"));
        QCOMPARE(generator.expectedSentLines().last(), QByteArray(":00000001FF"));
        QCOMPARE(generator.expectedSentLines().size(), generator.lines().size() - 4 - 2);
    }

    void noEndRecord()
    {
        HexFileGenerator generator;
        generator.setDataRecords(3);
        generator.setEndRecord(false);
        for (const QByteArray &line : generator.lines())
            QVERIFY(recordType(line) != 1);
    }

    // Lower-case digits are valid records, and the skip test reads the address they spell.
    void lowerCase()
    {
        HexFileGenerator generator;
        generator.setDataRecords(4);
        generator.setLowerCase(true);
        const QByteArrayList lines = generator.lines();
        for (const QByteArray &line : lines) {
            QCOMPARE(line, line.toLower());
            QCOMPARE(int(UnitStreamParser::recordVerdict(line)), int(ResponseCode::Ack));
        }
        QCOMPARE(generator.expectedSentLines().size(), lines.size() - 4);
        QVERIFY(lines.join().contains(":10fc00"));
    }

    void endInsideSkipped()
    {
        HexFileGenerator generator;
        generator.setDataRecords(6);
        generator.setEndInsideSkipped(true);
        const QByteArrayList lines = generator.lines();
        QVERIFY(HexFileGenerator::isSkipped(lines.last()));
        QCOMPARE(lines.size() - lines.indexOf(":00000001FF"), qsizetype(1 + 4));
        QCOMPARE(generator.expectedSentLines().last(), QByteArray(":00000001FF"));
    }

    void damagedLine_data()
    {
        QTest::addColumn<bool>("badType");
        QTest::addColumn<bool>("lowerCase");
        QTest::addColumn<int>("verdict");
        QTest::newRow("checksum") << false << false << int(ResponseCode::NakChecksum);
        QTest::newRow("checksum, lower case") << false << true << int(ResponseCode::NakChecksum);
        QTest::newRow("record type") << true << false << int(ResponseCode::NakRecordType);
    }

    // Only the chosen line is damaged, in the one way asked for.
    void damagedLine()
    {
        QFETCH(bool, badType);
        QFETCH(bool, lowerCase);
        QFETCH(int, verdict);
        HexFileGenerator generator;
        generator.setDataRecords(6);
        generator.setLowerCase(lowerCase);
        const QByteArrayList good = generator.lines();
        if (badType)
            generator.setBadRecordTypeAtLine(3);
        else
            generator.setBadChecksumAtLine(3);
        const QByteArrayList lines = generator.lines();
        QCOMPARE(lines.size(), good.size());
        for (int i = 0; i < lines.size(); ++i) {
            const int expected = i == 2 ? verdict : int(ResponseCode::Ack);
            QCOMPARE(int(UnitStreamParser::recordVerdict(lines[i])), expected);
            QCOMPARE(lines[i] == good[i], i != 2);
            QCOMPARE(lines[i].size(), good[i].size());
            QCOMPARE(lines[i] == lines[i].toLower(), lowerCase);
        }
    }

    // Beyond 63 KiB a new segment starts, so no data record lands in the skipped range.
    void largeFileOpensSegments()
    {
        HexFileGenerator generator;
        generator.setDataRecords(9000);
        generator.setBytesPerRecord(32);
        const QByteArrayList lines = generator.lines();
        int segments = 0;
        for (const QByteArray &line : lines) {
            QCOMPARE(int(UnitStreamParser::recordVerdict(line)), int(ResponseCode::Ack));
            if (recordType(line) == 4)
                ++segments;
        }
        QCOMPARE(segments, 5); // 288000 bytes in 0xFC00-byte segments
        QCOMPARE(skippedLines(lines).size(), 4);
        QCOMPARE(generator.expectedSentLines().size(), 9000 + segments + 1);
    }
};

QTEST_GUILESS_MAIN(tst_HexFileGenerator)
#include "tst_hexfilegenerator.moc"
