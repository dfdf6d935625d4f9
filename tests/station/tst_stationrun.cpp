#include "FirmwarePanel.h"
#include "HexFileGenerator.h"
#include "MinisignTool.h"
#include "RunReport.h"
#include "StationRunner.h"
#include "StationSettings.h"
#include "StationTrust.h"
#include "StationWindow.h"
#include "UnitListFile.h"
#include "UnitListModel.h"
#include "UnitSimProcess.h"
#include "UnitStateText.h"

#include <QJsonArray>
#include <QLabel>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>

namespace {

constexpr int kWaitMs = 60000;
const QString kHost = QStringLiteral("127.0.0.1");

// A simulated unit as a program, whose summary lines are read while it runs.
struct SimulatedUnit
{
    explicit SimulatedUnit(const QStringList &arguments)
        : sim(QStringLiteral(UNIT_SIM_PATH), arguments), port(sim.port)
    {}
    // The summary lines printed so far, one per connection that has ended.
    QStringList summaries()
    {
        seen += QString::fromLatin1(sim.process.readAllStandardOutput());
        return seen.split('\n', Qt::SkipEmptyParts);
    }

    UnitSimProcess sim;
    QString port;
    QString seen;
};

bool processGone(qint64 pid)
{
    return ::kill(pid_t(pid), 0) != 0;
}

} // namespace

class tst_StationRun : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    HexFileGenerator m_generator;
    QString m_hexPath;
    std::vector<std::unique_ptr<SimulatedUnit>> m_units;

    SimulatedUnit &addUnit(UnitListModel &model, const QString &name, const QStringList &arguments)
    {
        m_units.push_back(std::make_unique<SimulatedUnit>(arguments));
        model.addUnit(StationUnit::listed(name, kHost, m_units.back()->port));
        return *m_units.back();
    }

    static bool waitForRun(StationRunner &runner)
    {
        QSignalSpy finished(&runner, &StationRunner::runFinished);
        return finished.wait(kWaitMs);
    }

private Q_SLOTS:
    void initTestCase()
    {
        // Children inherit it: the reboot wait takes a moment instead of 6.7 s.
        qputenv("FWU_TIME_SCALE", "0.02");
        m_generator.setDataRecords(200);
        m_hexPath = m_dir.filePath("firmware.hex");
        QVERIFY(m_generator.write(m_hexPath));
    }

    void cleanup() { m_units.clear(); }

    // Eight units, three of them failing in different ways; then only those three again.
    void mixedRunReportAndRerun()
    {
        UnitListModel model;
        for (int i = 1; i <= 5; ++i)
            addUnit(model, QStringLiteral("good %1").arg(i),
                    {"--write-hex", m_dir.filePath(QStringLiteral("good%1.hex").arg(i))});
        addUnit(model, "refuses", {"--profile", "Meridian 8"});
        addUnit(model, "absent", {"--fault", "no-server"});
        addUnit(model, "closes", {"--fault", "close@50"});
        for (const auto &unit : m_units)
            QVERIFY(!unit->port.isEmpty());
        QVERIFY(!model.hasProblems());

        StationRunner runner(model);
        runner.setCliPath(QStringLiteral(CLI_PATH));
        QString error;
        QVERIFY2(runner.start({0, 1, 2, 3, 4, 5, 6, 7}, m_hexPath, &error), qPrintable(error));
        QVERIFY(waitForRun(runner));

        const QList<UnitState> states{
            UnitState::Finished, UnitState::Finished, UnitState::Finished,      UnitState::Finished,
            UnitState::Finished, UnitState::Refused,  UnitState::ConnectFailed, UnitState::Lost};
        const QList<int> exitCodes{0, 0, 0, 0, 0, 1, 2, 3};
        const QByteArray expected = m_generator.expectedSentLines().join("\r\n") + "\r\n";
        for (int row = 0; row < 8; ++row) {
            const StationUnit &unit = model.unit(row);
            QVERIFY2(unit.state == states[row],
                     qPrintable(unit.name + ": " + UnitStateText::text(unit.state) + "\n" +
                                unit.log.join('\n')));
            QCOMPARE(unit.exitCode, exitCodes[row]);
            QVERIFY(unit.started.isValid() && unit.ended >= unit.started);
            if (row < 5) {
                QCOMPARE(unit.recordsSent, qint64(m_generator.expectedSentLines().size()));
                QFile received(m_dir.filePath(QStringLiteral("good%1.hex").arg(row + 1)));
                QVERIFY(received.open(QIODevice::ReadOnly));
                QCOMPARE(received.readAll(), expected);
            }
        }
        QCOMPARE(model.counts().finished, 5);
        QCOMPARE(model.counts().failed, 3);

        // The report, read back as a program would.
        const RunReport report(model.units(), runner.firmware());
        const QString base = m_dir.filePath("report");
        QVERIFY(report.save(base, &error));
        QFile jsonFile(base + ".json");
        QVERIFY(jsonFile.open(QIODevice::ReadOnly));
        const QJsonObject json = QJsonDocument::fromJson(jsonFile.readAll()).object();
        QVERIFY(QRegularExpression(
                    "^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d(\\.\\d+)?(Z|[+-]\\d\\d:\\d\\d)$")
                    .match(json["date"].toString())
                    .hasMatch());
        QCOMPARE(json["version"].toString(), QString(FWU_APP_VERSION));
        QVERIFY(!json["host"].toString().isEmpty());
        QCOMPARE(json["firmware"]["path"].toString(), QFileInfo(m_hexPath).absoluteFilePath());
        QCOMPARE(json["firmware"]["size"].toInteger(), QFileInfo(m_hexPath).size());
        QCOMPARE(json["firmware"]["sha256"].toString().size(), 64);
        const QJsonArray units = json["units"].toArray();
        QCOMPARE(units.size(), 8);
        const QStringList words{"finished", "finished", "finished",       "finished",
                                "finished", "refused",  "connect_failed", "lost"};
        for (int row = 0; row < 8; ++row) {
            const QJsonObject unit = units[row].toObject();
            QCOMPARE(unit["name"].toString(), model.unit(row).name);
            QCOMPARE(unit["port"].toString(), model.unit(row).port);
            QCOMPARE(unit["outcome"].toString(), words[row]);
            QCOMPARE(unit["exit_code"].toInt(), exitCodes[row]);
            QCOMPARE(unit["last_log_line"].toString(), model.unit(row).lastLogLine());
            QVERIFY(!unit["ended"].toString().isEmpty());
        }
        QFile csvFile(base + ".csv");
        QVERIFY(csvFile.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(csvFile.readAll()).split("\r\n");
        QCOMPARE(lines.size(), 10); // header, eight units, the last line end
        QVERIFY(lines[0].startsWith("date,host,version,firmware,firmware_size,firmware_sha256,"
                                    "name,address,port,title,outcome,exit_code,records_sent,"));
        QVERIFY(lines[6].contains(",refuses,127.0.0.1," + model.unit(5).port + ",,refused,1,"));

        // Re-running contacts only the failed units: the finished ones see no second connection.
        const QDateTime firstStart = model.unit(0).started;
        QCOMPARE(runner.failedRows(), QList<int>({5, 6, 7}));
        QVERIFY(runner.rerunFailed(&error));
        QVERIFY(waitForRun(runner));
        QCOMPARE(model.unit(0).started, firstStart);
        QTRY_COMPARE(m_units[5]->summaries().size(), 2);
        QTRY_COMPARE(m_units[7]->summaries().size(), 2);
        for (int row = 0; row < 5; ++row)
            QCOMPARE(m_units[row]->summaries().size(), 1);
        QCOMPARE(model.unit(5).state, UnitState::Refused);
    }

    // With a key given, an unsigned file is refused when it is chosen and no unit is contacted;
    // a signed one is flashed, each uploader checking its private copy and signature again.
    void signedFirmwareOnly()
    {
        QVERIFY(MinisignTool::makeKey(m_dir.path(), "release"));
        QString error;
        QVERIFY(StationTrust::setCommandLineKeys({m_dir.filePath("release.pub")}, &error));
        const auto forget = qScopeGuard([] { StationTrust::setCommandLineKeys({}, nullptr); });
        const QString keyId = MinisignTool::keyId(m_dir.path(), "release");
        const QString path = m_dir.filePath("signed.hex");
        QVERIFY(m_generator.write(path));
        UnitListModel model;
        const QString received = m_dir.filePath("signed-received.hex");
        SimulatedUnit &unit = addUnit(model, "unit", {"--verbose", "--write-hex", received});
        StationRunner runner(model);
        runner.setCliPath(QStringLiteral(CLI_PATH));

        FirmwarePanel panel;
        QVERIFY(!panel.setPath(path));
        QVERIFY(!runner.start({0}, path, &error));
        QVERIFY2(error.startsWith("Only signed firmware is flashed here: the firmware is not "
                                  "signed"),
                 qPrintable(error));
        QVERIFY(!unit.sim.process.readAllStandardError().contains("connection 1 open"));

        QVERIFY(MinisignTool::sign(m_dir.path(), "release", path, path + ".minisig"));
        QVERIFY(panel.setPath(path));
        const auto labels = panel.findChildren<QLabel *>();
        QVERIFY(std::any_of(labels.begin(), labels.end(), [&](const QLabel *label) {
            return label->text().contains("Signature: key " + keyId +
                                          ", trusted comment: version 2.4.1");
        }));
        QVERIFY2(runner.start({0}, path, &error), qPrintable(error));
        QVERIFY(QFile::exists(runner.firmware().copyPath() + ".minisig"));
        QVERIFY(runner.firmware().uploaderArguments().value(0).startsWith("--public-key="));
        QVERIFY(waitForRun(runner));
        QCOMPARE(model.unit(0).state, UnitState::Finished);
        QFile file(received);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), m_generator.expectedSentLines().join("\r\n") + "\r\n");
        const QJsonObject report =
            QJsonDocument::fromJson(RunReport(model.units(), runner.firmware()).json()).object();
        QCOMPARE(report["firmware"]["signature_key_id"].toString(), keyId);
        QCOMPARE(report["firmware"]["signature_comment"].toString(), "version 2.4.1");
    }

    // Stop all mid-transfer, with a limit that keeps one unit waiting: every uploader ends, every
    // connection closes, every row says stopped.
    void stopAllMidRun()
    {
        UnitListModel model;
        for (int i = 1; i <= 4; ++i)
            addUnit(model, QStringLiteral("slow %1").arg(i), {"--delay", "20"});
        StationRunner runner(model);
        runner.setCliPath(QStringLiteral(CLI_PATH));
        runner.setLimit(3);
        QString error;
        QVERIFY(runner.start({0, 1, 2, 3}, m_hexPath, &error));
        QTRY_COMPARE(runner.activeCount(), 3);
        QTest::qWait(50);
        QCOMPARE(runner.activeCount(), 3);
        QCOMPARE(model.unit(3).state, UnitState::Waiting);
        QTRY_VERIFY_WITH_TIMEOUT(
            model.unit(0).sent > 5 && model.unit(1).sent > 5 && model.unit(2).sent > 5, kWaitMs);
        const QList<qint64> pids = runner.processIds();
        QCOMPARE(pids.size(), 3);

        runner.stopAll();
        QVERIFY(waitForRun(runner));
        for (int row = 0; row < 4; ++row)
            QCOMPARE(model.unit(row).state, UnitState::Stopped);
        for (int row = 0; row < 3; ++row)
            QCOMPARE(model.unit(row).exitCode, 130);
        for (qint64 pid : pids)
            QVERIFY(processGone(pid));
        // Each simulated unit prints its summary when its connection has closed.
        for (int row = 0; row < 3; ++row)
            QTRY_COMPARE(m_units[row]->summaries().size(), 1);
        QCOMPARE(m_units[3]->summaries().size(), 0);
    }

    // An uploader whose exit contradicts its result, one that crashes and one that cannot start:
    // none of them is a success, and the run still ends.
    void uploadersThatMisbehave()
    {
        const auto script = [&](const QString &name, const QByteArray &body) {
            const QString path = m_dir.filePath(name);
            QFile file(path);
            file.open(QIODevice::WriteOnly);
            file.write("#!/bin/sh\n" + body);
            file.close();
            file.setPermissions(file.permissions() | QFile::ExeOwner);
            return path;
        };
        const QString lies = script("lies.sh", "echo '{\"event\":\"result\",\"exit_code\":0,"
                                               "\"outcome\":\"finished\"}'\nexit 3\n");
        const QString crashes = script("crashes.sh", "kill -SEGV $$\n");
        const QStringList programs{lies, crashes, m_dir.filePath("missing")};
        for (const QString &program : programs) {
            UnitListModel model;
            model.addUnit(StationUnit::listed("unit", kHost, "1"));
            StationRunner runner(model);
            runner.setCliPath(program);
            QString error;
            QVERIFY(runner.start({0}, m_hexPath, &error));
            QVERIFY(waitForRun(runner));
            QCOMPARE(model.unit(0).state, UnitState::Error);
            QVERIFY(!model.unit(0).lastLogLine().isEmpty());
        }
    }

    // The window as an operator uses it: a list, a firmware, Flash all; the report saved on its
    // own into the folder set for it; the list back at the next start.
    void windowRunSavesReportAndReopensList()
    {
        const QString reports = m_dir.filePath("reports");
        QVERIFY(QDir().mkpath(reports));
        StationSettings settings;
        settings.autoSaveFolder = reports;
        settings.save();
        UnitListModel units;
        addUnit(units, "first", {});
        addUnit(units, QString::fromUtf8("zweite Prüfung"), {});
        const QString list = m_dir.filePath("units.csv");
        QString error;
        QVERIFY(UnitListFile::save(list, units.units(), &error));
        {
            StationWindow window;
            window.runner().setCliPath(QStringLiteral(CLI_PATH));
            QVERIFY(window.openList(list));
            QVERIFY(window.firmwarePanel().setPath(m_hexPath));
            window.flashAll();
            QVERIFY(window.runner().isRunning());
            QVERIFY(waitForRun(window.runner()));
            QCOMPARE(window.countsText(),
                     QString("2 units: 2 finished, 0 failed, 0 running, 0 waiting"));
            const QStringList saved = QDir(reports).entryList(QDir::Files, QDir::Name);
            QCOMPARE(saved.size(), 2);
            QVERIFY(saved[0].endsWith(".csv") && saved[1].endsWith(".json"));
            QVERIFY(window.close());
        }
        StationWindow again;
        QCOMPARE(again.model().rowCount(), 2);
        QCOMPARE(again.model().unit(1).name, QString::fromUtf8("zweite Prüfung"));
        QCOMPARE(again.firmwarePanel().path(), m_hexPath);
    }
};

QTEST_MAIN(tst_StationRun)
#include "tst_stationrun.moc"
