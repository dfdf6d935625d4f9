#include "HexFileGenerator.h"
#include "TestSupport.h"
#include "protocol/UnitProtocol.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int kWaitMs = 5000;

// Starts the program and reads the port from its first line.
quint16 start(QProcess &process, const QStringList &arguments)
{
    process.start(QStringLiteral(UNIT_SIM_PATH), arguments);
    if (!process.waitForStarted(kWaitMs) || !process.waitForReadyRead(kWaitMs))
        return 0;
    const QString line = QString::fromLatin1(process.readLine()).trimmed();
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("^listening on 127\\.0\\.0\\.1:(\\d+)$")).match(line);
    return match.hasMatch() ? quint16(match.captured(1).toUInt()) : 0;
}

} // namespace

class tst_UnitSimProgram : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void servesOneUploadAndWritesWhatArrived()
    {
        QTemporaryDir dir;
        const QString hexPath = dir.filePath(QStringLiteral("received.hex"));
        QProcess process;
        const quint16 port = start(process, {"--port", "0", "--connections", "1", "--write-hex",
                                             hexPath, "--profile", "Corvus"});
        QVERIFY2(port != 0, process.readAllStandardError().constData());

        HexFileGenerator generator;
        generator.setDataRecords(10);
        QTcpSocket client;
        client.connectToHost(QHostAddress::LocalHost, port);
        QVERIFY(client.waitForConnected(kWaitMs));
        auto exchange = [&](const QByteArray &packet) {
            client.write(packet);
            client.flush();
            QByteArray answer;
            while (answer.size() < 8 && client.waitForReadyRead(kWaitMs))
                answer += client.readAll();
            return answer;
        };
        QCOMPARE(exchange(TestSupport::bytes("FE55AA010036CC")),
                 UnitProtocol::response(ResponseCode::Ack));
        for (const QByteArray &line : generator.expectedSentLines())
            QCOMPARE(exchange(line), UnitProtocol::response(ResponseCode::Ack));
        client.disconnectFromHost();

        QVERIFY(process.waitForFinished(kWaitMs));
        QCOMPARE(process.exitCode(), 0);
        const QString summary = QString::fromLatin1(process.readAllStandardOutput()).trimmed();
        QVERIFY2(summary.startsWith(QLatin1String("connection 1: profile Corvus")),
                 qPrintable(summary));
        QVERIFY2(summary.endsWith(QLatin1String("outcome: complete")), qPrintable(summary));
        QFile file(hexPath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), generator.expectedSentLines().join("\r\n") + "\r\n");
    }

    void rejectsBadOptions_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("not loopback") << QStringList{"--address", "0.0.0.0"};
        QTest::newRow("unit address") << QStringList{"--address", "192.168.0.50"};
        QTest::newRow("unknown profile") << QStringList{"--profile", "Falcon"};
        QTest::newRow("bad fault") << QStringList{"--fault", "explode@1"};
        QTest::newRow("bad tail") << QStringList{"--tail", "00"};
        QTest::newRow("bad port") << QStringList{"--port", "70000"};
    }

    void rejectsBadOptions()
    {
        QFETCH(QStringList, arguments);
        QProcess process;
        process.start(QStringLiteral(UNIT_SIM_PATH), arguments);
        QVERIFY(process.waitForFinished(kWaitMs));
        QVERIFY(process.exitCode() != 0);
        QVERIFY(process.readAllStandardOutput().isEmpty());
        QVERIFY(!process.readAllStandardError().isEmpty());
    }

    void stopsAfterSeconds()
    {
        QProcess process;
        QVERIFY(start(process, {"--seconds", "0.2"}) != 0);
        QVERIFY(process.waitForFinished(kWaitMs));
        QCOMPARE(process.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(tst_UnitSimProgram)
#include "tst_unitsimprogram.moc"
