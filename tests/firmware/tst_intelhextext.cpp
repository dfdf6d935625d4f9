#include "firmware/IntelHexText.h"

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
        QTest::newRow("lower case is sent") << QByteArray(":10fc0000") << false;
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
};

QTEST_GUILESS_MAIN(tst_IntelHexText)
#include "tst_intelhextext.moc"
