#include "firmware/IntelHexCheck.h"
#include "firmware/IntelHexScanner.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// ':' + body + the checksum that makes the record sound.
QByteArray rec(const char *body)
{
    const QByteArray bytes = QByteArray::fromHex(body);
    int sum = 0;
    for (const char byte : bytes)
        sum += static_cast<unsigned char>(byte);
    return ':' + QByteArray(body) +
           QByteArray::number((0x100 - (sum & 0xFF)) & 0xFF, 16).rightJustified(2, '0').toUpper();
}

const QByteArray kData = rec("10000000214601360121470136007EFE09D21901");
const QByteArray kEnd = rec("00000001");

QByteArray lines(const QByteArrayList &list, const char *end = "\r\n")
{
    return list.join(end) + end;
}

// The check fed one byte at a time, as if every read returned a single byte: lines, line ends
// and records cut anywhere must give the verdict of the whole file.
std::optional<IntelHexCheck::Problem> checkByteByByte(const QByteArray &bytes)
{
    IntelHexScanner scanner;
    for (const char byte : bytes)
        scanner.feed(QByteArrayView(&byte, 1));
    return scanner.finish().problem;
}

} // namespace

class tst_IntelHexCheck : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString write(const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(QStringLiteral("f.hex"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

private Q_SLOTS:
    void soundFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("data and end") << lines({kData, kEnd});
        QTest::newRow("no line end after the end record") << kData + "\r\n" + kEnd;
        QTest::newRow("lone LF") << lines({kData, kEnd}, "\n");
        QTest::newRow("blank lines") << lines({"", kData, "", kEnd, "", ""});
        QTest::newRow("lower-case digits") << lines({kData.toLower(), kEnd});
        // As a linker writes it: an upper address, data, records at FC00 to FFFF that are never
        // sent, and the start address before the end.
        QTest::newRow("extended linear address layout")
            << lines({rec("020000040800"), kData, rec("10001000000102030405060708090A0B0C0D0E0F"),
                      rec("04FC000001020304"), rec("020000021000"), rec("0400000500000131"), kEnd});
    }

    void soundFiles()
    {
        QFETCH(QByteArray, bytes);
        const auto problem = IntelHexCheck::check(write(bytes));
        QVERIFY2(!problem, problem ? qPrintable(problem->text) : "");
        QVERIFY(!checkByteByByte(bytes));
    }

    void problems_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qint64>("line");
        QTest::addColumn<QString>("text");

        QByteArray badSum = kData;
        badSum.chop(2);
        badSum += "3A";
        QTest::newRow("checksum") << lines({kData, badSum, kEnd}) << qint64(2)
                                  << "line 2: checksum is 3A, should be 41";
        QTest::newRow("no colon") << lines({kData.mid(1), kEnd}) << qint64(1)
                                  << "line 1: does not start with ':' but with character '1'";
        QTest::newRow("not a digit")
            << lines({":10000G", kEnd}) << qint64(1)
            << "line 1: character 'G' at column 7 is not a hexadecimal digit";
        // Marks other tools leave are named exactly: the unit would be sent them as they are.
        QTest::newRow("space")
            << lines({kData + ' ', kEnd}) << qint64(1)
            << "line 1: ends in blanks (spaces or tabs) from column 44; remove them";
        QTest::newRow("tab and space")
            << lines({kData, kEnd + "\t "}) << qint64(2)
            << "line 2: ends in blanks (spaces or tabs) from column 12; remove them";
        QTest::newRow("byte-order mark")
            << "\xEF\xBB\xBF" + lines({kData, kEnd}) << qint64(1)
            << "line 1: starts with a UTF-8 byte-order mark (bytes EF BB BF); save the file "
               "without it";
        QTest::newRow("DOS end-of-file byte")
            << lines({kData, kEnd}) + "\x1A" << qint64(3)
            << "line 3: holds a DOS end-of-file byte (Ctrl-Z, 1A) at column 1; remove it";
        QTest::newRow("space inside a record")
            << lines({kData.left(9) + ' ' + kData.mid(9), kEnd}) << qint64(1)
            << "line 1: a space at column 10 is not a hexadecimal digit";
        QTest::newRow("NUL byte") << lines({QByteArray(":00\0", 4), kEnd}) << qint64(1)
                                  << "line 1: byte 0x00 at column 4 is not a hexadecimal digit";
        QTest::newRow("too short")
            << lines({":000000", kEnd}) << qint64(1)
            << "line 1: too short for a record (7 characters, at least 11 needed)";
        QTest::newRow("odd digits") << lines({kEnd + '0', kEnd}) << qint64(1)
                                    << "line 1: has an odd number of hexadecimal digits (11)";
        QTest::newRow("byte count") << lines({rec("0200000001"), kEnd}) << qint64(1)
                                    << "line 1: byte count says 2 data bytes, but the line holds 1";
        QTest::newRow("unknown type")
            << lines({rec("00000006"), kEnd}) << qint64(1)
            << "line 1: record type 06 is unknown (known types are 00 to 05)";
        QTest::newRow("address record length") << lines({rec("03000004080000"), kEnd}) << qint64(1)
                                               << "line 1: type 04 (extended linear address) must "
                                                  "carry 2 data bytes, this one carries 3";
        QTest::newRow("bad line where records are not sent")
            << lines({":00FC0000FF", kEnd}) << qint64(1) << "line 1: checksum is FF, should be 04";
        QTest::newRow("too long")
            << lines({':' + QByteArray(600, '0'), kEnd}) << qint64(1)
            << "line 1: longer than any record can be (at most 521 characters)";
        QTest::newRow("numbered as read, LF CR is two lines")
            << QByteArray(kData + "\n\r" + badSum + "\r\n" + kEnd) << qint64(3)
            << "line 3: checksum is 3A, should be 41";
        QTest::newRow("empty file") << QByteArray() << qint64(0) << "the file is empty";
        QTest::newRow("only blank lines")
            << QByteArray("\r\n\r\n") << qint64(0) << "the file holds no records, only empty lines";
        QTest::newRow("no end record")
            << lines({kData, ""}) << qint64(1)
            << "the file does not end with an end-of-file record (type 01): its last record, on "
               "line 1, is type 00";
        QTest::newRow("record after the end")
            << lines({kEnd, kData}) << qint64(2)
            << "line 2: a record follows the end-of-file record of line 1";
        // An image of nothing would "finish" a unit that holds no firmware at all.
        QTest::newRow("only the end record")
            << lines({kEnd}) << qint64(0)
            << "the file holds no data that would be sent (records at FC00 to FFFF are never "
               "sent): the unit would be left without firmware";
        QTest::newRow("data only where records are never sent")
            << lines({rec("020000040000"), rec("04FC000001020304"), kEnd}) << qint64(0)
            << "the file holds no data that would be sent (records at FC00 to FFFF are never "
               "sent): the unit would be left without firmware";
        QTest::newRow("end record never sent")
            << lines({kData, rec("00FC0001")}) << qint64(2)
            << "line 2: the end-of-file record loads at FC00 to FFFF, where records are never sent";
    }

    void problems()
    {
        QFETCH(QByteArray, bytes);
        const auto problem = IntelHexCheck::check(write(bytes));
        QVERIFY(problem);
        QTEST(problem->text, "text");
        QTEST(problem->line, "line");
        QCOMPARE(IntelHexCheck::firstProblem(write(bytes)), problem->text);
        QCOMPARE(checkByteByByte(bytes).value_or(IntelHexCheck::Problem{}).text, problem->text);
    }

    void unopenableFile()
    {
        const auto problem =
            IntelHexCheck::firstProblem(m_dir.filePath(QStringLiteral("none.hex")));
        QVERIFY(problem);
        QVERIFY2(problem->contains(QStringLiteral("does not exist")), qPrintable(*problem));
    }
};

QTEST_GUILESS_MAIN(tst_IntelHexCheck)
#include "tst_intelhexcheck.moc"
