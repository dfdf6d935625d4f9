#include "serial/SerialFormat.h"
#include "serial/SerialRegion.h"
#include "serial/SerialSource.h"
#include "serial/SignedRegions.h"

#include <QTemporaryDir>
#include <QTranslator>

#include <QtTest>

// The parsers of the per-unit data options: regions, formats with their canonical texts, the
// sources of values and the regions a signature allows.
class tst_SerialValues : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_scratch;

    QString writeFile(const QString &name, const QByteArray &content)
    {
        const QString path = m_scratch.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    static SerialFormat format(const QString &name)
    {
        return SerialFormat::parse(name, nullptr).value_or(SerialFormat());
    }

private Q_SLOTS:
    void region_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("canonical"); // empty: refused
        QTest::newRow("hex") << "0x7FF0:4"
                             << "0x7FF0:4";
        QTest::newRow("decimal, lower-case hex length") << "32752:0x4"
                                                        << "0x7FF0:4";
        QTest::newRow("lower-case digits") << "0X7ff0:32"
                                           << "0x7FF0:32";
        QTest::newRow("last bytes of the address space") << "0xFFFFFFFC:4"
                                                         << "0xFFFFFFFC:4";
        QTest::newRow("one past the address space") << "0xFFFFFFFD:4"
                                                    << "";
        QTest::newRow("address beyond 32 bits") << "0x100000000:1"
                                                << "";
        QTest::newRow("address beyond 64 bits") << "18446744073709551616:1"
                                                << "";
        QTest::newRow("length 0") << "0x7FF0:0"
                                  << "";
        QTest::newRow("length 33") << "0x7FF0:33"
                                   << "";
        QTest::newRow("no length") << "0x7FF0"
                                   << "";
        QTest::newRow("two colons") << "0x7FF0:4:4"
                                    << "";
        QTest::newRow("sign") << "+16:4"
                              << "";
        QTest::newRow("blank") << " 16:4"
                               << "";
        QTest::newRow("empty address") << ":4"
                                       << "";
    }
    void region()
    {
        QFETCH(QString, text);
        QFETCH(QString, canonical);
        QString problem;
        const auto region = SerialRegion::parse(text, &problem);
        QCOMPARE(region ? region->text() : QString(), canonical);
        QCOMPARE(problem.isEmpty(), bool(region));
        if (region)
            QCOMPARE(SerialRegion::parse(region->text(), nullptr), region);
    }

    void regionContains()
    {
        const SerialRegion outer{0x7FF0, 8};
        QVERIFY(outer.contains({0x7FF0, 8}));
        QVERIFY(outer.contains({0x7FF7, 1}));
        QVERIFY(!outer.contains({0x7FF7, 2}));
        QVERIFY(!outer.contains({0x7FEF, 2}));
        QVERIFY((SerialRegion{0xFFFFFFE0, 32}.contains({0xFFFFFFFF, 1})));
    }

    void formatValue_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes"); // hexadecimal
        QTest::newRow("le") << "le" << 4 << "305419896"
                            << "305419896" << QByteArray("78563412");
        QTest::newRow("be, leading zeros") << "be" << 4 << "0305419896"
                                           << "305419896" << QByteArray("12345678");
        QTest::newRow("be beyond 8 bytes") << "be" << 10 << "1"
                                           << "1" << QByteArray("00000000000000000001");
        QTest::newRow("le, largest number")
            << "le" << 9 << "18446744073709551615"
            << "18446744073709551615" << QByteArray("ffffffffffffffff00");
        QTest::newRow("ascii padded") << "ascii" << 6 << "42"
                                      << "000042" << QByteArray("303030303432");
        QTest::newRow("ascii, other spelling") << "ascii" << 6 << "00042"
                                               << "000042" << QByteArray("303030303432");
        QTest::newRow("hex padded, upper case") << "hex" << 4 << "ff"
                                                << "00FF" << QByteArray("30304646");
        QTest::newRow("hex with 0x") << "hex" << 4 << "0x00fF"
                                     << "00FF" << QByteArray("30304646");
        QTest::newRow("bytes with colons") << "bytes" << 6 << "00:1a:2B:3C:4D:5E"
                                           << "00:1A:2B:3C:4D:5E" << QByteArray("001a2b3c4d5e");
        QTest::newRow("bytes plain") << "bytes" << 6 << "001A2B3C4D5E"
                                     << "00:1A:2B:3C:4D:5E" << QByteArray("001a2b3c4d5e");
        QTest::newRow("bytes with dashes") << "bytes" << 6 << "00-1A-2B-3C-4D-5E"
                                           << "00:1A:2B:3C:4D:5E" << QByteArray("001a2b3c4d5e");
    }
    void formatValue()
    {
        QFETCH(QString, format);
        QFETCH(int, length);
        QFETCH(QString, input);
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QString problem;
        const auto value = SerialFormat::parse(format, &problem)->fromText(input, length, &problem);
        QVERIFY2(value, qPrintable(problem));
        QCOMPARE(value->text, text);
        QCOMPARE(value->bytes.toHex(), bytes);
    }

    void formatRefusal_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("reason"); // a part of it
        QTest::newRow("be too large") << "be" << 1 << "256"
                                      << "does not fit in 1 bytes";
        QTest::newRow("ascii too long") << "ascii" << 3 << "1000"
                                        << "largest is 999";
        QTest::newRow("hex too long") << "hex" << 2 << "100"
                                      << "largest is 255";
        QTest::newRow("beyond 64 bits") << "le" << 8 << "18446744073709551616"
                                        << "larger than";
        QTest::newRow("hex digit in decimal") << "be" << 4 << "12a"
                                              << "not a decimal digit";
        QTest::newRow("blank") << "be" << 4 << " 5"
                               << "not a decimal digit";
        QTest::newRow("line end, shown without it")
            << "be" << 4 << "4\n2" << QString::fromUtf8("the value '4\uFFFD2' holds '\uFFFD'");
        QTest::newRow("empty") << "ascii" << 4 << ""
                               << "no digits";
        QTest::newRow("bytes too few") << "bytes" << 6 << "00:1A:2B:3C:4D"
                                       << "has 5 bytes";
        QTest::newRow("bytes too many") << "bytes" << 2 << "001A2B"
                                        << "has 3 bytes";
        QTest::newRow("bytes half") << "bytes" << 6 << "00:1A:2B:3C:4D:5"
                                    << "not bytes";
        QTest::newRow("bytes mixed separators") << "bytes" << 3 << "00:1A-2B"
                                                << "not bytes";
        QTest::newRow("bytes misplaced") << "bytes" << 2 << "001:A"
                                         << "not bytes";
        QTest::newRow("bytes non-digit") << "bytes" << 2 << "0G1A"
                                         << "not bytes";
    }
    void formatRefusal()
    {
        QFETCH(QString, name);
        QFETCH(int, length);
        QFETCH(QString, input);
        QFETCH(QString, reason);
        QString problem;
        QVERIFY(!format(name).fromText(input, length, &problem));
        QVERIFY2(problem.contains(reason), qPrintable(problem));
        QVERIFY(!problem.contains(u'\n'));
    }

    void formatNames()
    {
        for (const QString name : {"le", "be", "ascii", "hex", "bytes"})
            QCOMPARE(format(name).name(), name);
        QString problem;
        QVERIFY(!SerialFormat::parse(u"LE", &problem));
        QVERIFY2(problem.contains("le, be, ascii, hex and bytes"), qPrintable(problem));
    }

    // Counters count in whole numbers; a bytes counter carries across bytes as a MAC address.
    void counter()
    {
        QString problem;
        const auto pool = SerialSource::parse(u"counter:0x3E8:1999", &problem);
        QVERIFY2(pool, qPrintable(problem));
        QCOMPARE(pool->identity(), "counter:1000:1999");
        QCOMPARE(pool->size(), 1000);
        const SerialFormat be = format("be");
        QCOMPARE(pool->valueAt(999, be, 2, &problem)->text, "1999");
        QVERIFY(!pool->valueAt(1000, be, 2, &problem));
        QVERIFY(pool->check(be, SerialRegion{0, 2}, &problem));
        QVERIFY(!pool->check(be, SerialRegion{0, 1}, &problem));
        QVERIFY2(problem.contains("START"), qPrintable(problem));

        const auto open = SerialSource::parse(u"counter:0x001A2B3C4DFF", &problem);
        QCOMPARE(open->identity(), "counter:112394522111");
        QCOMPARE(open->sizeFor(be, 2), 0);
        QCOMPARE(SerialSource::parse(u"counter:1000", nullptr)->sizeFor(be, 2), 65535 - 1000 + 1);
        QCOMPARE(open->size(), std::numeric_limits<qint64>::max());
        QCOMPARE(open->valueAt(1, format("bytes"), 6, &problem)->text, "00:1A:2B:3C:4E:00");
        QVERIFY(!open->valueAt(0, format("bytes"), 4, &problem));

        for (const char16_t *bad : {u"counter:5:4", u"counter:", u"counter:1:2:3", u"count:1"})
            QVERIFY(!SerialSource::parse(bad, &problem) && !problem.isEmpty());
    }

    void list()
    {
        const QString path = writeFile("list", "  0042 \r\n\n\t43\r77");
        QString problem;
        const auto pool = SerialSource::parse(QStringLiteral("list:") + path, &problem);
        QVERIFY2(pool, qPrintable(problem));
        QCOMPARE(pool->size(), 3);
        QCOMPARE(pool->lineAt(1), 3);
        QVERIFY(pool->check(format("ascii"), SerialRegion{0, 4}, &problem));
        QCOMPARE(pool->valueAt(0, format("ascii"), 4, &problem)->text, "0042");
        QVERIFY(pool->identity().startsWith("list:sha256:"));

        const QString sameValues = writeFile("same", "0042\n43\n77\n");
        const QString otherValues = writeFile("other", "0042\n43\n78\n");
        QCOMPARE(SerialSource::parse(QStringLiteral("list:") + sameValues, nullptr)->identity(),
                 pool->identity());
        QVERIFY(SerialSource::parse(QStringLiteral("list:") + otherValues, nullptr)->identity() !=
                pool->identity());
    }

    void listRefusals_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("reason");
        QTest::newRow("bad value") << QByteArray("1\n2\n\nx7\n") << "line 4: the value 'x7'";
        QTest::newRow("two spellings of one value")
            << QByteArray("42\n7\n042\n") << "line 3 repeats the value 0042 of line 1";
        QTest::newRow("too large") << QByteArray("1\n10000\n") << "line 2:";
        QTest::newRow("long line")
            << QByteArray("1\n") + QByteArray(1025, '1') << "line 2 is longer";
        QTest::newRow("no values") << QByteArray(" \n\n") << "no values";
    }
    void listRefusals()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        const QString path = writeFile("bad-list", content);
        QString problem;
        const auto pool = SerialSource::parse(QStringLiteral("list:") + path, &problem);
        QVERIFY(!pool || !pool->check(format("ascii"), SerialRegion{0, 4}, &problem));
        QVERIFY2(problem.contains(reason), qPrintable(problem));
        QVERIFY(!SerialSource::parse(QStringLiteral("list:") + m_scratch.filePath("missing"),
                                     &problem));
    }

    void hexlist()
    {
        const QString path = writeFile("hexlist", ":047ff00011223344e3\n\n:047FF000AABBCCDD7F\n");
        QString problem;
        const auto pool = SerialSource::parse(QStringLiteral("hexlist:") + path, &problem);
        QVERIFY2(pool, qPrintable(problem));
        QCOMPARE(pool->size(), 2);
        QVERIFY(pool->identity().startsWith("hexlist:sha256:"));
        const auto value = pool->valueAt(0, SerialFormat(), 0, &problem);
        QCOMPARE(value->text, ":047FF00011223344E3");
        QCOMPARE(value->bytes.toHex(), "11223344");
        QCOMPARE(pool->regionAt(1, std::nullopt, &problem), (SerialRegion{0x7FF0, 4}));
        QCOMPARE(pool->regionAt(1, SerialRegion{0x10007FF0, 4}, &problem),
                 (SerialRegion{0x10007FF0, 4}));
        QVERIFY(pool->check(SerialFormat(), SerialRegion{0x7FF0, 4}, &problem));
        QVERIFY(!pool->check(SerialFormat(), SerialRegion{0x7FF0, 5}, &problem));
        QVERIFY2(problem.startsWith("line 1:"), qPrintable(problem));
        QVERIFY(!pool->check(SerialFormat(), SerialRegion{0x7FF1, 4}, &problem));

        const auto repeated = SerialSource::parse(QStringLiteral("hexlist:") +
                                                      writeFile("twice", ":047FF000AABBCCDD7F\n"
                                                                         ":047ff000aabbccdd7f\n"),
                                                  nullptr);
        QVERIFY(!repeated->check(SerialFormat(), std::nullopt, &problem));
        QVERIFY2(problem.contains("line 2 repeats the record of line 1"), qPrintable(problem));
    }

    void hexlistRefusals_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("reason");
        QTest::newRow("checksum") << QByteArray(":047FF00011223344E3\n:047FF000AABBCCDD78\n")
                                  << "line 2: checksum is 78, should be 7F";
        QTest::newRow("not data") << QByteArray(":00000001FF\n") << "line 1: a record of type 01";
        QTest::newRow("no data") << QByteArray(":007FF00091\n") << "line 1: the record carries 0";
        QTest::newRow("not a record") << QByteArray("\n\n047FF000AABBCCDD77\n") << "line 3:";
    }
    void hexlistRefusals()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        QString problem;
        QVERIFY(!SerialSource::parse(QStringLiteral("hexlist:") + writeFile("bad-hexlist", content),
                                     &problem));
        QVERIFY2(problem.contains(reason), qPrintable(problem));
    }

    void signedRegions()
    {
        const auto regions = SignedRegions::fromTrustedComment(
            "version 2.4.1 serial-at=0x7FF0:4  serial-at=0x8000:6\tserial-at=0x8000 "
            "x=serial-at=1:1");
        QCOMPARE(regions.regions().size(), 2);
        QCOMPARE(regions.unreadable(), QStringList{"serial-at=0x8000"});
        QVERIFY(regions.allows({0x7FF2, 2}));
        QVERIFY(regions.allows({0x8000, 6}));
        QVERIFY(!regions.allows({0x7FF2, 4}));
        QVERIFY(!regions.allows({1, 1}));
        QCOMPARE(regions.describe(), "0x7FF0:4, 0x8000:6");

        const auto none = SignedRegions::fromTrustedComment("version 2.4.1");
        QVERIFY(!none.allows({0x7FF0, 1}));
        QVERIFY(!none.describe().isEmpty());
    }

    // Reasons go into the command line's JSON and the flash history: English under any language,
    // the phrases inside them too.
    void reasonsStayEnglish()
    {
        QTranslator german;
        QVERIFY(german.load(QStringLiteral(":/i18n/firmware-uploader_de.qm")));
        QVERIFY(QCoreApplication::installTranslator(&german));
        QString region, counter, value;
        SerialRegion::parse(u"0x10", &region);
        SerialSource::parse(u"counter:1x", &counter);
        format("bytes").fromText(u"0G", 1, &value);
        QCoreApplication::removeTranslator(&german);
        QCOMPARE(region, "'0x10' is not ADDRESS:LENGTH (e.g. 0x7FF0:4)");
        QCOMPARE(counter, "the counter's START holds 'x', not a decimal digit");
        QCOMPARE(value, "the value '0G' is not bytes written as 00:1A:2B or 001A2B");
    }
};

QTEST_GUILESS_MAIN(tst_SerialValues)
#include "tst_serialvalues.moc"
