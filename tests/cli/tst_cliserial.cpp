// Each unit's own data from the command line: what reaches the unit, what the JSON and the
// history say of it, and every refusal made before the unit is contacted.

#include "HexFileGenerator.h"
#include "HistoryTestSupport.h"
#include "MinisignTool.h"
#include "PostgresServer.h"
#include "TestSupport.h"
#include "UnitSimProcess.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>
#include <sys/types.h>

namespace {

constexpr int kWaitMs = 30000;
const QString kTitle = QStringLiteral("Kestrel Max Firmware Uploader");

struct Run
{
    int exitCode = -1;
    QList<QJsonObject> events;
    QString err;
    QJsonObject result() const { return events.value(events.size() - 1); }
    QString message() const { return result().value("message").toString(); }
};

// The data bytes a unit received at each address.
QHash<quint32, quint8> receivedBytes(const QString &path)
{
    QFile file(path);
    QHash<quint32, quint8> bytes;
    if (!file.open(QIODevice::ReadOnly))
        return bytes;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QByteArray record = QByteArray::fromHex(line.trimmed().mid(1));
        if (record.size() < 5 || record.at(3) != 0)
            continue;
        const quint32 offset = (quint8(record.at(1)) << 8) | quint8(record.at(2));
        for (int i = 0; i < quint8(record.at(0)); ++i)
            bytes.insert(offset + quint32(i), quint8(record.at(4 + i)));
    }
    return bytes;
}

QByteArray bytesAt(const QHash<quint32, quint8> &bytes, quint32 address, int length)
{
    QByteArray result;
    for (int i = 0; i < length; ++i)
        result.append(char(bytes.value(address + quint32(i))));
    return result;
}

// The connections the simulated unit took, once it is stopped.
int connectionsTaken(UnitSimProcess &sim)
{
    sim.process.kill();
    sim.process.waitForFinished(kWaitMs);
    return int(QString::fromLatin1(sim.process.readAllStandardOutput())
                   .split('\n', Qt::SkipEmptyParts)
                   .size());
}

} // namespace

class tst_CliSerial : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_hexPath;
    QString m_history;

    QString path(const QString &name) const { return m_dir->filePath(name); }

    Run run(const QString &port, const QStringList &extra)
    {
        QProcess cli;
        cli.setProcessEnvironment(TestSupport::programEnvironment(path("config"), "0.02"));
        const QStringList history =
            extra.contains("--history") ? QStringList() : QStringList{"--history", m_history};
        cli.start(QStringLiteral(CLI_PATH), QStringList{"--json", "--title", kTitle, "--address",
                                                        "127.0.0.1", "--port", port} +
                                                history + extra + QStringList{m_hexPath});
        Run run;
        if (!cli.waitForFinished(kWaitMs)) {
            cli.kill();
            cli.waitForFinished();
            return run;
        }
        run.exitCode = cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1;
        run.err = QString::fromUtf8(cli.readAllStandardError());
        for (const QByteArray &line : cli.readAllStandardOutput().split('\n')) {
            if (!line.isEmpty())
                run.events.append(QJsonDocument::fromJson(line).object());
        }
        return run;
    }

    // One unit flashed: the run, and the bytes it received.
    Run flash(const QStringList &extra, QHash<quint32, quint8> *received = nullptr)
    {
        const QString written = path("received.hex");
        QFile::remove(written);
        UnitSimProcess sim(QStringLiteral(UNIT_SIM_PATH),
                           {"--connections", "1", "--write-hex", written});
        const Run result = run(sim.port, extra);
        sim.process.waitForFinished(kWaitMs);
        if (received)
            *received = receivedBytes(written);
        return result;
    }

    // A run that must be refused before the unit is contacted.
    void expectRefused(const QStringList &extra, const QString &pattern)
    {
        UnitSimProcess sim(QStringLiteral(UNIT_SIM_PATH), {});
        const Run result = run(sim.port, extra);
        QCOMPARE(result.exitCode, 4);
        QVERIFY2(result.message().contains(QRegularExpression(pattern)),
                 qPrintable(result.message()));
        QCOMPARE(connectionsTaken(sim), 0);
    }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        HexFileGenerator generator;
        generator.setDataRecords(40);
        m_hexPath = path("firmware.hex");
        QVERIFY(generator.write(m_hexPath));
        m_history = "sqlite://" + path("history.sqlite");
    }

    // Each unit gets the pool's next number, in the bytes and format asked for, and the JSON
    // and the history name it; the record keeps the file's own hash beside the bytes sent.
    void numberOnTheWire()
    {
        const QStringList serial{
            "--serial-at",       "0x5E:4",        "--serial-format", "be", "--serial-from",
            "counter:1000:1999", "--serial-pool", "line 3"};
        QHash<quint32, quint8> received;
        Run result = flash(serial, &received);
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.events.first().value("serial").toString(), "1000");
        QCOMPARE(result.result().value("serial").toString(), "1000");
        QCOMPARE(result.result().value("serial_state").toString(), "used");
        QCOMPARE(bytesAt(received, 0x5E, 4), QByteArray::fromHex("000003E8"));
        result = flash(serial, &received);
        QCOMPARE(result.result().value("serial").toString(), "1001");
        QCOMPARE(bytesAt(received, 0x5E, 4), QByteArray::fromHex("000003E9"));

        const QList<HistoryRow> rows = HistoryTestSupport::rowsOf(m_history);
        QCOMPARE(rows.size(), 2);
        QFile file(m_hexPath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString fileSha = QString::fromLatin1(
            QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex());
        QCOMPARE(rows.first().text("serial"), "1001");
        QCOMPARE(rows.first().text("serial_pool"), "line 3");
        QCOMPARE(rows.first().text("base_sha256"), fileSha);
        QVERIFY(rows.first().text("firmware_sha256") != fileSha);
        QVERIFY(rows.first().text("firmware_sha256") != rows.last().text("firmware_sha256"));
    }

    void refusedBeforeContact_data()
    {
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<QString>("pattern");
        const QStringList counter{"--serial-from", "counter:1"};
        QTest::newRow("not in the image")
            << QStringList{"--serial-at", "0x5000:4"} + counter << "0x5000";
        QTest::newRow("never sent")
            << QStringList{"--serial-at", "0xFC02:2"} + counter << "(?i)fc00";
        QTest::newRow("too large")
            << QStringList{"--serial-at", "0x50:1", "--serial", "300"} << "300";
        QTest::newRow("history off")
            << QStringList{"--serial-at", "0x50:4", "--history", "off"} + counter
            << "history is off";
        QTest::newRow("bad format")
            << QStringList{"--serial-at", "0x50:4", "--serial-format", "bcd"} + counter << "bcd";
    }

    void refusedBeforeContact()
    {
        QFETCH(QStringList, extra);
        QFETCH(QString, pattern);
        expectRefused(extra, pattern);
    }

    // A used-up pool and a label's value that already finished are refused before contact.
    void usedUpAndDuplicate()
    {
        const QStringList small{"--serial-at", "0x50:2", "--serial-from", "counter:5:6"};
        QCOMPARE(flash(small).exitCode, 0);
        QCOMPARE(flash(small).exitCode, 0);
        expectRefused(small, "^serial pool .* is used up: last number 6$");
        // In another language the record stays English, and the person reads their own.
        const Run german = run("9", small + QStringList{"--language", "de"});
        QVERIFY2(german.message().contains(QRegularExpression("^serial pool .* is used up")),
                 qPrintable(german.message()));
        QVERIFY2(german.err.contains("aufgebraucht"), qPrintable(german.err));

        const QStringList label{"--serial-at", "0x50:4", "--serial-format", "ascii",
                                "--serial",    "0777",   "--serial-pool",   "labels"};
        QHash<quint32, quint8> received;
        QCOMPARE(flash(label, &received).exitCode, 0);
        QCOMPARE(bytesAt(received, 0x50, 4), QByteArray("0777"));
        expectRefused(label, "0777");
    }

    // A signed release may carry a unit's data only where its signer declared it.
    void signedRegion()
    {
        QVERIFY(MinisignTool::makeKey(m_dir->path(), "release"));
        QVERIFY(MinisignTool::sign(m_dir->path(), "release", m_hexPath, m_hexPath + ".minisig",
                                   MinisignTool::Kind::Prehashed,
                                   "version 2.4.1 serial-at=0x50:16"));
        const QStringList key{"--public-key", path("release.pub"), "--serial-from", "counter:1"};
        expectRefused(key + QStringList{"--serial-at", "0x5E:4"}, "0x50:16");
        QHash<quint32, quint8> received;
        QCOMPARE(flash(key + QStringList{"--serial-at", "0x54:4"}, &received).exitCode, 0);
        QCOMPARE(bytesAt(received, 0x54, 4), QByteArray::fromHex("01000000"));
    }

    // --check shows where the value goes, the next one, and the record it would change.
    void checkShowsTheNextValue()
    {
        QProcess cli;
        cli.setProcessEnvironment(TestSupport::programEnvironment(path("config"), {}));
        cli.start(QStringLiteral(CLI_PATH),
                  {"--check", "--json", "--history", m_history, "--serial-at", "0x54:4",
                   "--serial-from", "counter:42", m_hexPath});
        QVERIFY(cli.waitForFinished(kWaitMs));
        QCOMPARE(cli.exitCode(), 0);
        const QJsonObject serial =
            QJsonDocument::fromJson(cli.readAllStandardOutput().split('\n').first())
                .object()
                .value("serial")
                .toObject();
        QCOMPARE(serial.value("region").toString(), "0x54:4");
        QCOMPARE(serial.value("next").toString(), "42");
        const QJsonArray records = serial.value("records").toArray();
        QCOMPARE(records.size(), 1);
        QVERIFY2(records.first().toString().startsWith(":10005000") &&
                     records.first().toString().mid(9 + 8, 8) == "2A000000",
                 qPrintable(records.first().toString()));
    }

    // A PostgreSQL server restarted while a unit is flashed: the number is still settled.
    void settledAfterTheServerRestarted()
    {
        PostgresServer server;
        QString problem = server.start();
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        m_history = server.createDatabase("restart", &problem);
        QVERIFY2(!m_history.isEmpty(), qPrintable(problem));
        UnitSimProcess sim(QStringLiteral(UNIT_SIM_PATH), {"--connections", "1", "--delay", "25"});
        QProcess cli;
        cli.setProcessEnvironment(TestSupport::programEnvironment(path("config"), "0.02"));
        cli.start(QStringLiteral(CLI_PATH),
                  {"--json", "--title", kTitle, "--address", "127.0.0.1", "--port", sim.port,
                   "--history", m_history, "--serial-at", "0x54:2", "--serial-from", "counter:1",
                   m_hexPath});
        QVERIFY(cli.waitForReadyRead(kWaitMs)); // the start event: the number is taken
        // Held while the server goes down and comes back, so that the upload ends after both.
        ::kill(pid_t(cli.processId()), SIGSTOP);
        server.stop();
        problem = server.restart();
        ::kill(pid_t(cli.processId()), SIGCONT);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QVERIFY(cli.waitForFinished(kWaitMs));
        QCOMPARE(cli.exitCode(), 0);
        QProcess tool;
        tool.setProcessEnvironment(TestSupport::programEnvironment(path("config"), {}));
        tool.start(QStringLiteral(HISTORY_TOOL_PATH),
                   {"--history", m_history, "--serials", "--csv"});
        QVERIFY(tool.waitForFinished(kWaitMs));
        const QString ledger = QString::fromUtf8(tool.readAllStandardOutput());
        QVERIFY2(ledger.contains(",1,used,"), qPrintable(ledger + cli.readAllStandardError()));
    }

    // A list of Intel HEX records: each unit gets one record's address and data.
    void hexList()
    {
        const QString list = path("serials.hex");
        QVERIFY(TestSupport::writeFile(list, ":040054000A0B0C0D7A\n:0400540011223344FE\n"));
        QHash<quint32, quint8> received;
        const Run result = flash({"--serial-from", "hexlist:" + list}, &received);
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(bytesAt(received, 0x54, 4), QByteArray::fromHex("0A0B0C0D"));
        QCOMPARE(flash({"--serial-from", "hexlist:" + list}, &received).exitCode, 0);
        QCOMPARE(bytesAt(received, 0x54, 4), QByteArray::fromHex("11223344"));
    }
};

QTEST_GUILESS_MAIN(tst_CliSerial)
#include "tst_cliserial.moc"
