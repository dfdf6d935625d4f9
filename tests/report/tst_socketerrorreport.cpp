#include "connection/SocketErrorReport.h"

#include <QtTest>

class tst_SocketErrorReport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lines_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("lines");
        const QString portHint =
            "Hint: Found device but port was not availaible. Verify port number.";
        const QString serverHint = "Hint: Verify Ethernet Interface is configured as 'TCP Server'.";
        QTest::newRow("refused, Kestrel Max")
            << 10061 << "Kestrel Max Firmware Uploader"
            << QStringList{"Ethernet Error 10061", "described", portHint, serverHint};
        QTest::newRow("refused, Kestrel Max Debug")
            << 10061 << "Kestrel Max Firmware Uploader Debug"
            << QStringList{"Ethernet Error 10061", "described", portHint, serverHint};
        QTest::newRow("refused, Meridian 8")
            << 10061 << "Meridian 8 Firmware Uploader"
            << QStringList{"Ethernet Error 10061", "described", portHint};
        QTest::newRow("refused, lower case kestrel")
            << 10061 << "kestrel max" << QStringList{"Ethernet Error 10061", "described", portHint};
        QTest::newRow("refused, title shorter than the name")
            << 10061 << "Kestrel" << QStringList{"Ethernet Error 10061", "described", portHint};
        QTest::newRow("timed out") << 10060 << "Kestrel Max Firmware Uploader"
                                   << QStringList{"Ethernet Error 10060", "described"};
        QTest::newRow("host not found")
            << 11001 << "Corvus" << QStringList{"Ethernet Error 11001", "described"};
        QTest::newRow("negative") << -5 << "Corvus" << QStringList{"Ethernet Error-5", "described"};
        QTest::newRow("zero") << 0 << "Corvus" << QStringList{"Ethernet Error 0", "described"};
    }

    void lines()
    {
        QFETCH(int, number);
        QFETCH(QString, title);
        QFETCH(QStringList, lines);
        QCOMPARE(SocketErrorReport::lines(number, "described", title), lines);
    }

    void emptyDescriptionGivesAnEmptyLine()
    {
        QCOMPARE(SocketErrorReport::lines(10054, QString(), "Corvus"),
                 (QStringList{"Ethernet Error 10054", QString()}));
    }
};

QTEST_GUILESS_MAIN(tst_SocketErrorReport)
#include "tst_socketerrorreport.moc"
