#include "firmware/IntelHexCheck.h"
#include "serial/ImagePatch.h"

#include <QMap>

#include <QtTest>

namespace {

// ":" + the record's bytes in hex + their checksum.
QByteArray record(const char *hexBytes)
{
    const QByteArray bytes = QByteArray::fromHex(hexBytes);
    int sum = 0;
    for (const char b : bytes)
        sum += quint8(b);
    return ':' + bytes.toHex().toUpper() + QByteArray(1, char(-sum & 0xFF)).toHex().toUpper();
}

QByteArray lines(const QList<QByteArray> &records, const QByteArray &end = "\r\n")
{
    return records.join(end) + end + record("00000001") + end;
}

// The bytes the upload places: sound records not at FC00-FFFF, in file order.
QMap<quint64, quint8> placedBytes(const QByteArray &content)
{
    QMap<quint64, quint8> placed;
    quint64 base = 0;
    for (const QByteArray &line : content.split('\n')) {
        const QByteArray bytes = QByteArray::fromHex(line.trimmed().mid(1));
        if (bytes.size() < 5 || quint8(bytes.at(1)) >= 0xFC)
            continue;
        const quint64 word = quint64(quint8(bytes.at(4))) << 8 | quint8(bytes.at(5));
        if (bytes.at(3) == 2)
            base = word << 4;
        if (bytes.at(3) == 4)
            base = word << 16;
        const quint64 first = base + (quint64(quint8(bytes.at(1))) << 8 | quint8(bytes.at(2)));
        for (int i = 0; bytes.at(3) == 0 && i < quint8(bytes.at(0)); ++i)
            placed[first + quint64(i)] = quint8(bytes.at(4 + i));
    }
    return placed;
}

QByteArray readBack(const QByteArray &content, const SerialRegion &region)
{
    const QMap<quint64, quint8> placed = placedBytes(content);
    QByteArray bytes;
    for (int i = 0; i < region.length; ++i)
        bytes.append(char(placed.value(region.address + quint64(i), 0xEE)));
    return bytes;
}

std::optional<ImagePatch> planned(const QByteArray &content, const SerialRegion &region)
{
    QString problem;
    auto patch = ImagePatch::make(content, region, &problem);
    if (!patch)
        qWarning("%s", qPrintable(problem));
    return patch;
}

} // namespace

Q_DECLARE_METATYPE(SerialRegion)

class tst_ImagePatch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A region across two records behind extended address records: both records take their
    // share, their checksums are right again, and nothing else of the text changes.
    void acrossRecords_data()
    {
        QTest::addColumn<QByteArray>("image");
        QTest::addColumn<SerialRegion>("region");
        QTest::newRow("linear") << lines(
                                       {record("020000040001"), record("087FF8000102030405060708"),
                                        record("088000000102030405060708"), record("02FFF800AABB"),
                                        record("020000040002"), record("080000000102030405060708")})
                                << SerialRegion{0x17FFC, 8};
        QTest::newRow("segment") << lines({record("020000021000"), record("0400000001020304"),
                                           record("0400040005060708")},
                                          "\n")
                                 << SerialRegion{0x10002, 4};
    }
    void acrossRecords()
    {
        QFETCH(QByteArray, image);
        QFETCH(SerialRegion, region);
        const auto patch = planned(image, region);
        QVERIFY(patch);
        const QByteArray value = QByteArray("\x11\x22\x33\x44\x55\x66\x77\x88", region.length);
        const QByteArray patched = patch->apply(image, value);
        QCOMPARE(IntelHexCheck::checkContent(patched), std::nullopt);
        QCOMPARE(readBack(patched, region), value);
        QCOMPARE(patch->patchedLineNumbers().size(), 2);
        // Only the patched lines differ.
        const QList<QByteArray> before = image.split('\n');
        const QList<QByteArray> after = patched.split('\n');
        QCOMPARE(after.size(), before.size());
        for (qsizetype i = 0; i < before.size(); ++i)
            QCOMPARE(before[i] != after[i], patch->patchedLineNumbers().contains(i + 1));
        QMap<quint64, quint8> others = placedBytes(patched);
        QMap<quint64, quint8> original = placedBytes(image);
        for (int i = 0; i < region.length; ++i) {
            others.remove(region.address + quint64(i));
            original.remove(region.address + quint64(i));
        }
        QCOMPARE(others, original);
    }

    void refusals_data()
    {
        QTest::addColumn<QByteArray>("image");
        QTest::addColumn<SerialRegion>("region");
        QTest::addColumn<QString>("reason");
        const QByteArray gaps = lines({record("027FF0000102"), record("027FF4000304")});
        QTest::newRow("gap") << gaps << SerialRegion{0x7FF0, 8}
                             << "0x7FF2-0x7FF3, 0x7FF6-0x7FF7 not in the image's data";
        QTest::newRow("one byte") << gaps << SerialRegion{0x7FF1, 2} << ": 0x7FF2 not in";
        QTest::newRow("other 64 KiB") << gaps << SerialRegion{0x17FF0, 2} << "0x17FF0-0x17FF1";
        QTest::newRow("never sent") << lines({record("027FF0000102"), record("02FC00000102")})
                                    << SerialRegion{0xFC00, 2} << "line 2 writes to it";
        // Above 64 KiB the record's own 16-bit load address still decides.
        QTest::newRow("never sent, above 64 KiB")
            << lines({record("020000040001"), record("02FC10000102"), record("02FC10000102")})
            << SerialRegion{0x1FC11, 1} << "line 2 writes to it but loads at FC00-FFFF";
    }
    void refusals()
    {
        QFETCH(QByteArray, image);
        QFETCH(SerialRegion, region);
        QFETCH(QString, reason);
        QString problem;
        QVERIFY(!ImagePatch::make(image, region, &problem));
        QVERIFY2(problem.contains(reason), qPrintable(problem));
    }

    // A file in lower case keeps it, also in the digits and checksum rewritten.
    void lowerCase()
    {
        const QByteArray image =
            lines({record("020000040001"), record("0400100001020304"), record("04001400A1B2C3D4")})
                .toLower();
        const SerialRegion region{0x10012, 4};
        const auto patch = planned(image, region);
        QVERIFY(patch);
        const QByteArray patched = patch->apply(image, "\xAB\xCD\xEF\x01");
        QCOMPARE(patched, patched.toLower());
        QCOMPARE(IntelHexCheck::checkContent(patched), std::nullopt);
        QCOMPARE(readBack(patched, region), "\xAB\xCD\xEF\x01");
        QCOMPARE(patch->patchedLines(patched),
                 (QStringList{":040010000102abcd71", ":04001400ef01c3d461"}));
    }

    // Counted among the records the upload sends: blank lines and FC00-FFFF records are not.
    void firstSentRecord()
    {
        const QByteArray image =
            lines({record("020000040000"), record("02FC00000102"), "", record("020000000102"),
                   record("02001000AABB"), record("02001000CCDD")});
        const auto patch = planned(image, {0x11, 1});
        QVERIFY(patch);
        QCOMPARE(patch->firstSentRecord(), 3);
        // A record that writes the address again is patched too.
        QCOMPARE(patch->patchedLineNumbers(), (QList<qint64>{5, 6}));
        const QByteArray patched = patch->apply(image, "\x42");
        QCOMPARE(IntelHexCheck::checkContent(patched), std::nullopt);
        QCOMPARE(patch->patchedLines(patched),
                 (QStringList{record("02001000AA42"), record("02001000CC42")}));
    }
};

QTEST_GUILESS_MAIN(tst_ImagePatch)
#include "tst_imagepatch.moc"
