// A production batch with each unit's own number: 200 units on 8 benches at a time, real
// uploaders against real simulated units (a fresh one per unit, keeping every record it got),
// 20 % of the units refusing a record (half before the record that carries the number, half
// after) and one uploader killed mid-transfer, on an SQLite file and on PostgreSQL (there with
// the benches split between two host names, as two PCs of one line).

#include "HexFileGenerator.h"
#include "PostgresServer.h"
#include "TestSupport.h"

#include <QDir>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <memory>

namespace {

constexpr int kUnits = 200;
constexpr int kBenches = 8;
constexpr int kWaitMs = 60000;
constexpr int kFirstNumber = 1000;
// Four bytes at 0x5E: the end of the 7th record the upload sends and the start of the 8th.
constexpr quint32 kRegionAddress = 0x5E;
constexpr int kRegionLength = 4;
constexpr int kKilledUnit = 101;
const QString kTitle = QStringLiteral("Kestrel Max Firmware Uploader");

enum class Fault { None, Before, After, Kill };

Fault faultOf(int unit)
{
    if (unit == kKilledUnit)
        return Fault::Kill;
    if (unit % 10 == 3)
        return Fault::Before;
    return unit % 10 == 7 ? Fault::After : Fault::None;
}

struct Unit
{
    int number = 0;
    Fault fault = Fault::None;
    int exitCode = -1;
    QString serial;
    QString state;
    QString hexPath;
};

// The data bytes the unit received at each address, its records' checksums checked.
bool receivedBytes(const QString &path, QHash<quint32, quint8> *bytes, QString *problem)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *problem = "no records from the unit: " + path;
        return false;
    }
    quint32 upper = 0;
    for (const QByteArray &raw : file.readAll().split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.isEmpty())
            continue;
        const QByteArray record = QByteArray::fromHex(line.mid(1));
        quint8 sum = 0;
        for (char c : record)
            sum = quint8(sum + quint8(c));
        if (!line.startsWith(':') || record.size() < 5 || sum != 0) {
            *problem = "a record with a bad checksum: " + QString::fromLatin1(line);
            return false;
        }
        const int type = quint8(record.at(3));
        const quint32 offset = (quint8(record.at(1)) << 8) | quint8(record.at(2));
        if (type == 4)
            upper = ((quint8(record.at(4)) << 8) | quint8(record.at(5))) << 16;
        for (int i = 0; type == 0 && i < quint8(record.at(0)); ++i)
            bytes->insert(upper + offset + quint32(i), quint8(record.at(4 + i)));
    }
    return true;
}

QByteArray littleEndian(quint32 value)
{
    QByteArray bytes;
    for (int i = 0; i < kRegionLength; ++i)
        bytes.append(char((value >> (8 * i)) & 0xFF));
    return bytes;
}

} // namespace

class tst_SerialBatch : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_hexPath;

    QStringList simArguments(const Unit &unit) const
    {
        QStringList arguments{"--connections", "1", "--write-hex", unit.hexPath};
        switch (unit.fault) {
        case Fault::Before:
            return arguments << "--fault"
                             << "nak-record-type@3";
        case Fault::After:
            return arguments << "--fault"
                             << "nak-record-type@10";
        case Fault::Kill:
            return arguments << "--delay"
                             << "40";
        case Fault::None:
            break;
        }
        return arguments;
    }

    // One round: a unit on every bench at once, each with a fresh simulated unit.
    void runRound(const QString &history, const QStringList &hosts, QList<Unit> &units, int first)
    {
        std::vector<std::unique_ptr<QProcess>> sims, clis;
        for (int bench = 0; bench < kBenches && first + bench < kUnits; ++bench) {
            Unit &unit = units[first + bench];
            auto sim = std::make_unique<QProcess>();
            sim->start(QStringLiteral(UNIT_SIM_PATH),
                       QStringList{"--port", "0"} + simArguments(unit));
            QVERIFY(sim->waitForReadyRead(kWaitMs));
            const QString port = QRegularExpression("127\\.0\\.0\\.1:(\\d+)")
                                     .match(QString::fromLatin1(sim->readLine()))
                                     .captured(1);
            QVERIFY(!port.isEmpty());
            auto cli = std::make_unique<QProcess>();
            QProcessEnvironment env =
                TestSupport::programEnvironment(m_dir.filePath("config"), "0.02");
            env.insert("FWU_HOST_NAME", hosts.at(bench % hosts.size()));
            cli->setProcessEnvironment(env);
            cli->start(QStringLiteral(CLI_PATH),
                       {"--json", "--title", kTitle, "--address", "127.0.0.1", "--port", port,
                        "--history", history, "--unit-name",
                        QStringLiteral("unit-%1").arg(unit.number), "--serial-at",
                        QStringLiteral("0x%1:%2").arg(kRegionAddress, 0, 16).arg(kRegionLength),
                        "--serial-format", "le", "--serial-from",
                        QStringLiteral("counter:%1:%2").arg(kFirstNumber).arg(kFirstNumber + 999),
                        m_hexPath});
            sims.push_back(std::move(sim));
            clis.push_back(std::move(cli));
        }
        for (size_t i = 0; i < clis.size(); ++i) {
            Unit &unit = units[first + int(i)];
            if (unit.fault == Fault::Kill) {
                // Mid-transfer: the unit answers every 40 ms.
                QThread::msleep(600);
                clis[i]->kill();
            }
            QVERIFY(clis[i]->waitForFinished(kWaitMs));
            unit.exitCode =
                clis[i]->exitStatus() == QProcess::NormalExit ? clis[i]->exitCode() : -1;
            const QList<QByteArray> lines = clis[i]->readAllStandardOutput().trimmed().split('\n');
            const QJsonObject result = QJsonDocument::fromJson(lines.last()).object();
            if (result.value("event") == "result") {
                unit.serial = result.value("serial").toString();
                unit.state = result.value("serial_state").toString();
            }
            if (!sims[i]->waitForFinished(kWaitMs))
                sims[i]->kill();
        }
    }

    QList<Unit> runBatch(const QString &history, const QStringList &hosts)
    {
        QList<Unit> units(kUnits);
        for (int i = 0; i < kUnits; ++i) {
            units[i].number = i;
            units[i].fault = faultOf(i);
            units[i].hexPath = m_dir.filePath(QStringLiteral("unit-%1.hex").arg(i));
            QFile::remove(units[i].hexPath);
        }
        for (int first = 0; first < kUnits; first += kBenches) {
            runRound(history, hosts, units, first);
            if (QTest::currentTestFailed())
                break;
        }
        return units;
    }

    // The ledger as the history tool lists it: value -> state.
    QHash<QString, QString> ledger(const QString &history)
    {
        QProcess tool;
        tool.setProcessEnvironment(TestSupport::programEnvironment(m_dir.filePath("config"), {}));
        tool.start(QStringLiteral(HISTORY_TOOL_PATH),
                   {"--history", history, "--serials", "--json"});
        if (!tool.waitForFinished(kWaitMs) || tool.exitCode() != 0)
            return {};
        QHash<QString, QString> states;
        for (const QByteArray &line : tool.readAllStandardOutput().split('\n')) {
            const QJsonObject row = QJsonDocument::fromJson(line).object();
            if (!row.isEmpty())
                states.insert(row.value("value").toString(), row.value("state").toString());
        }
        return states;
    }

    void checkBatch(const QList<Unit> &units, const QHash<QString, QString> &states)
    {
        QSet<QString> finished, burnt, returned;
        QHash<QString, int> holders;
        for (const Unit &unit : units) {
            const QString name = QStringLiteral("unit %1").arg(unit.number);
            if (unit.fault == Fault::Kill) {
                QCOMPARE(unit.exitCode, -1);
                continue;
            }
            QVERIFY2(!unit.serial.isEmpty(), qPrintable(name));
            // A returned number goes to a later unit; any other was that unit's alone.
            if (unit.fault != Fault::Before)
                ++holders[unit.serial];
            if (unit.fault == Fault::None) {
                QVERIFY2(unit.exitCode == 0, qPrintable(name));
                QCOMPARE(unit.state, "used");
                QVERIFY2(!finished.contains(unit.serial), qPrintable(name + " " + unit.serial));
                finished.insert(unit.serial);
                // Exactly its number reached the unit, in records whose checksums hold.
                QHash<quint32, quint8> bytes;
                QString problem;
                QVERIFY2(receivedBytes(unit.hexPath, &bytes, &problem), qPrintable(problem));
                const QByteArray expected = littleEndian(unit.serial.toUInt());
                for (int i = 0; i < kRegionLength; ++i)
                    QCOMPARE(bytes.value(kRegionAddress + quint32(i)), quint8(expected.at(i)));
            } else {
                QCOMPARE(unit.exitCode, 1);
                QCOMPARE(unit.state, unit.fault == Fault::Before ? "returned" : "burnt");
                (unit.fault == Fault::Before ? returned : burnt).insert(unit.serial);
            }
        }
        // A burnt number is never handed out again; a returned one is, before new ones.
        for (const QString &value : std::as_const(burnt)) {
            QCOMPARE(holders.value(value), 1);
            QCOMPARE(states.value(value), "burnt");
        }
        for (const QString &value : std::as_const(finished))
            QCOMPARE(holders.value(value), 1);
        // A returned number is still returned, or went to a later unit (which may have failed
        // in turn, or been the killed one, whose number nobody saw).
        for (const QString &value : std::as_const(returned))
            QVERIFY2(states.value(value) == "returned" || holders.value(value) > 0 ||
                         states.value(value) == "burnt",
                     qPrintable(value));
        QVERIFY(!returned.isEmpty() && !(returned & finished).isEmpty());
        // The ledger adds up: every number taken is in one state, and the killed uploader's
        // number, left allocated, was burnt by a later take on its host.
        QHash<QString, int> perState;
        for (const QString &state : states)
            ++perState[state];
        QCOMPARE(perState.value("used"), int(finished.size()));
        QCOMPARE(perState.value("burnt"), int(burnt.size()) + 1);
        QCOMPARE(perState.value("allocated"), 0);
        QCOMPARE(perState.value("used") + perState.value("burnt") + perState.value("returned"),
                 int(states.size()));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        HexFileGenerator generator;
        generator.setDataRecords(40);
        m_hexPath = m_dir.filePath("firmware.hex");
        QVERIFY(generator.write(m_hexPath));
    }

    void sqliteFile()
    {
        const QString history = "sqlite://" + m_dir.filePath("batch.sqlite");
        const QList<Unit> units = runBatch(history, {"bench-pc"});
        if (QTest::currentTestFailed())
            return;
        checkBatch(units, ledger(history));
    }

    void postgresTwoHosts()
    {
        PostgresServer server;
        const QString problem = server.start();
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QString error;
        const QString history = server.createDatabase("batch", &error);
        QVERIFY2(!history.isEmpty(), qPrintable(error));
        const QList<Unit> units = runBatch(history, {"line-pc-a", "line-pc-b"});
        if (QTest::currentTestFailed())
            return;
        checkBatch(units, ledger(history));
    }
};

QTEST_GUILESS_MAIN(tst_SerialBatch)
#include "tst_serialbatch.moc"
