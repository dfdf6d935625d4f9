#include "FirmwarePanel.h"
#include "HexFileGenerator.h"
#include "MinisignTool.h"
#include "RunReport.h"
#include "SerialSettings.h"
#include "StationRunner.h"
#include "StationSettings.h"
#include "StationTrust.h"
#include "StationWindow.h"
#include "TestSupport.h"
#include "UnitListFile.h"
#include "UnitListModel.h"
#include "UnitSimProcess.h"
#include "UnitStateText.h"
#include "history/HistoryStore.h"
#include "platform/SettingsStore.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <QStatusBar>

#include <csignal>
#include <memory>
#include <sys/stat.h>

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

    // Each unit's own number: the station hands every uploader the same settings, the numbers
    // come back into the rows and the report; "the scanned label" writes each unit's serial and
    // refuses a unit without one before the run starts.
    void serialNumbers()
    {
        UnitListModel model;
        for (const char *name : {"a", "b", "c"})
            addUnit(model, name, {});
        StationRunner runner(model);
        runner.setCliPath(QStringLiteral(CLI_PATH));
        runner.setHistory("sqlite://" + m_dir.filePath("serials.sqlite"));
        SerialSettings serials;
        serials.enabled = true;
        serials.at = "0x54:2";
        serials.from = "counter:500:599";
        runner.setSerialSettings(serials);
        QString error;
        QVERIFY2(runner.start({0, 1, 2}, m_hexPath, &error), qPrintable(error));
        QVERIFY(waitForRun(runner));
        QSet<QString> numbers;
        for (const StationUnit &unit : model.units()) {
            QVERIFY2(unit.state == UnitState::Finished, qPrintable(unit.verdict()));
            QCOMPARE(unit.serialState, "used");
            numbers.insert(unit.serialWritten);
        }
        QCOMPARE(numbers, QSet<QString>({"500", "501", "502"}));
        const QJsonArray reported =
            QJsonDocument::fromJson(RunReport(model.units(), runner.firmware()).json())
                .object()
                .value("units")
                .toArray();
        QCOMPARE(reported.at(1).toObject().value("serial").toString(), model.unit(1).serialWritten);

        serials.from = SerialSettings::kLabelSource;
        serials.format = "ascii";
        serials.at = "0x54:4";
        runner.setSerialSettings(serials);
        QVERIFY(model.setSerial(0, "0042"));
        QVERIFY(!runner.start({0, 1}, m_hexPath, &error));
        QVERIFY2(error.contains("b has no scanned serial"), qPrintable(error));
        QVERIFY(model.setSerial(1, "0043"));
        QVERIFY2(runner.start({0, 1}, m_hexPath, &error), qPrintable(error));
        QVERIFY(waitForRun(runner));
        QCOMPARE(model.unit(0).serialWritten, "0042");
        QCOMPARE(model.unit(1).serialWritten, "0043");

        // A signed image keeps its signer's word in the uploaders' private copy, verified here
        // or not: a region outside it is refused before any unit is contacted.
        const QString signedHex = m_dir.filePath("numbered-release.hex");
        QVERIFY(QFile::copy(m_hexPath, signedHex));
        QVERIFY(MinisignTool::makeKey(m_dir.path(), "serials"));
        QVERIFY(MinisignTool::sign(m_dir.path(), "serials", signedHex, signedHex + ".minisig",
                                   MinisignTool::Kind::Prehashed, "version 1 serial-at=0x10:4"));
        QVERIFY2(runner.start({0}, signedHex, &error), qPrintable(error));
        QVERIFY(waitForRun(runner));
        QCOMPARE(model.unit(0).state, UnitState::Error);
        QVERIFY2(model.unit(0).reason.contains("0x10:4"), qPrintable(model.unit(0).reason));
    }

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
                     qPrintable(unit.name + ": " + UnitStateText::text(unit) + "\n" +
                                unit.log.join('\n')));
            QCOMPARE(unit.exitCode, exitCodes[row]);
            QVERIFY(unit.started.isValid() && unit.ended >= unit.started);
            // The records counted are the final ones, not the last progress report's.
            QCOMPARE(qint64(unit.sent), unit.recordsSent);
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
                                "finished", "refused",  "connect_failed", "connection_lost"};
        for (int row = 0; row < 8; ++row) {
            const QJsonObject unit = units[row].toObject();
            QCOMPARE(unit["name"].toString(), model.unit(row).name);
            QCOMPARE(unit["port"].toInt(), model.unit(row).port.toInt());
            QCOMPARE(unit["outcome"].toString(), words[row]);
            QCOMPARE(unit["exit_code"].toInt(), exitCodes[row]);
            QCOMPARE(unit["last_log_line"].toString(), model.unit(row).lastLogLine());
            QCOMPARE(unit["reason"].toString(), model.unit(row).reason);
            QVERIFY(!unit["ended"].toString().isEmpty());
        }
        QFile csvFile(base + ".csv");
        QVERIFY(csvFile.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(csvFile.readAll()).split("\r\n");
        QCOMPARE(lines.size(), 10); // header, eight units, the last line end
        QVERIFY(lines[0].startsWith("date,host,version,firmware,firmware_size,firmware_sha256,"
                                    "name,address,port,title,outcome,exit_code,records_sent,"));
        QVERIFY(lines[6].contains(",refuses,127.0.0.1," + model.unit(5).port + ",,refused,1,"));
        // Why each failed unit failed, in the uploader's words, also in the table.
        QVERIFY(model.unit(0).reason.isEmpty());
        QVERIFY2(model.unit(5).reason.contains("refused the programming request") &&
                     model.unit(5).reason.contains("NAK - Incorrect Product Code"),
                 qPrintable(model.unit(5).reason));
        QVERIFY(model.unit(6).reason.contains("port " + model.unit(6).port));
        QVERIFY(model.unit(7).reason.contains("connection to the unit was lost"));
        // The reason, then the label's serial, the number written and its state (none here).
        QVERIFY(lines[6].endsWith("," + model.unit(5).reason + ",,,") ||
                lines[6].endsWith(",\"" + model.unit(5).reason + "\",,,"));
        QVERIFY(model.data(model.index(5, UnitListModel::Outcome), Qt::DisplayRole)
                    .toString()
                    .contains(model.unit(5).reason));

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

        // A refused file leaves the good choice in place and says first what is wrong with it:
        // a text file is not HEX, whatever its signature.
        const QString text = m_dir.filePath("notes.txt");
        QVERIFY(TestSupport::writeFile(text, "not firmware\n"));
        QSignalSpy refused(&panel, &FirmwarePanel::refused);
        QVERIFY(!panel.setPath(text));
        QVERIFY2(panel.problem().contains("not valid Intel HEX"), qPrintable(panel.problem()));
        QVERIFY(panel.isValid());
        QCOMPARE(panel.path(), QFileInfo(path).absoluteFilePath());
        QCOMPARE(refused.size(), 1);
        QVERIFY(refused.first().first().toString().contains(path));
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

        // A running and a waiting unit stopped alone; the others go on.
        runner.stop({0, 3});
        QCOMPARE(model.unit(3).state, UnitState::Stopped);
        QTRY_COMPARE(model.unit(0).state, UnitState::Stopped);
        QCOMPARE(model.unit(1).state, UnitState::Sending);
        QVERIFY(runner.isRunning());
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

    // A unit that stops answering says so in its row within seconds, and the response time-out
    // given to the station reaches the uploader (the default would have ended it long before).
    void silentUnitShowsNoAnswer()
    {
        UnitListModel model;
        addUnit(model, "silent", {"--fault", "silent@20"});
        StationRunner runner(model);
        runner.setCliPath(QStringLiteral(CLI_PATH));
        // Time runs at 0.02 in the uploader: 250 s there are 5 s here.
        runner.setUnitOptions(std::chrono::milliseconds(250000), 0);
        QString error;
        QVERIFY(runner.start({0}, m_hexPath, &error));
        const auto progress = [&] {
            return model.data(model.index(0, UnitListModel::Progress), Qt::DisplayRole).toString();
        };
        QTRY_VERIFY_WITH_TIMEOUT(progress().contains("no answer for 3 s"), 10000);
        QVERIFY(runner.isRunning());
        QVERIFY(waitForRun(runner));
        QCOMPARE(model.unit(0).state, UnitState::Lost);
        QVERIFY2(model.unit(0).reason.contains("stopped answering"),
                 qPrintable(model.unit(0).reason));
        QVERIFY(!progress().contains("no answer"));
    }

    // Closing mid-run stops the units and closes once they have ended; a second request while
    // they stop changes nothing. No event loop waits inside the close.
    void closingMidRunStopsThenCloses()
    {
        UnitListModel units;
        addUnit(units, "slow", {"--delay", "20"});
        const QString list = m_dir.filePath("slow.csv");
        QString error;
        QVERIFY(UnitListFile::save(list, units.units(), &error));
        StationWindow window;
        window.runner().setCliPath(QStringLiteral(CLI_PATH));
        QVERIFY(window.openList(list));
        QVERIFY(window.firmwarePanel().setPath(m_hexPath));
        window.show();
        QVERIFY(window.flashAll());
        QTRY_VERIFY_WITH_TIMEOUT(window.model().unit(0).sent > 5, kWaitMs);
        QSignalSpy finished(&window.runner(), &StationRunner::runFinished);
        QVERIFY(!window.close());
        QVERIFY(window.isVisible());
        QVERIFY(!window.close());
        QVERIFY(finished.wait(kWaitMs));
        QTRY_VERIFY(!window.isVisible());
        QCOMPARE(window.model().unit(0).state, UnitState::Stopped);
    }

    // A remembered list that cannot be read is reported and kept, not replaced by an empty one.
    void damagedRememberedListIsKept()
    {
        SettingsStore store;
        const QString damaged = "name,address,port\r\n\"never closed,127.0.0.1,5000\r\n";
        QVERIFY(store.write("Station", "Station", "UnitsCsv", damaged));
        {
            StationWindow window;
            QCOMPARE(window.model().rowCount(), 0);
            QTRY_VERIFY(window.statusBar()->currentMessage().contains("cannot be read"));
            QVERIFY(window.close());
        }
        QCOMPARE(store.read("Station", "Station", "UnitsCsv", QString()), damaged);

        // A save that does not take is said, not dropped.
        const QString file = store.fileName("Station");
        QVERIFY(QFile::remove(file));
        QVERIFY(QDir().mkpath(file));
        {
            StationWindow window;
            window.setLimit(3);
            QVERIFY(window.close());
            QVERIFY2(window.statusBar()->currentMessage().contains("could not be saved"),
                     qPrintable(window.statusBar()->currentMessage()));
        }
        QVERIFY(QDir(file).removeRecursively());
    }

    // The station as a script runs it: no display, no dialog, a stated exit status and a
    // report in the folder asked for.
    void headlessRunEnds_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("firmware");
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said");
        // Standard output: a line per unit as it ends, then the totals.
        QTest::addColumn<QStringList>("printed");
        // Where --report-dir points: the scratch folder, or one that cannot take a report.
        QTest::addColumn<QString>("reportDir");
        const QStringList good{"good,127.0.0.1,GOOD"};
        QTest::newRow("all finished") << good << "" << QStringList() << 0 << ""
                                      << QStringList{"PASS\tgood\t127.0.0.1:GOOD\t\tfinished\t\n",
                                                     "1 unit: 1 finished, 0 failed\n"}
                                      << "";
        QTest::newRow("one refuses")
            << QStringList{"good,127.0.0.1,GOOD", "bad,127.0.0.1,REFUSES"} << "" << QStringList()
            << 1 << ""
            << QStringList{"PASS\tgood\t127.0.0.1:GOOD\t\tfinished\t\n",
                           "FAIL\tbad\t127.0.0.1:REFUSES\t\trefused\tThe unit ",
                           "2 units: 1 finished, 1 failed\n"}
            << "";
        QTest::newRow("bad row") << QStringList{"good,127.0.0.1,GOOD", "typo,127.0.0.1,70000"} << ""
                                 << QStringList() << 2 << "port \"70000\"" << QStringList() << "";
        QTest::newRow("one unit, two names")
            << QStringList{"good,127.0.0.1,GOOD", "again,localhost,GOOD"} << "" << QStringList()
            << 2 << "same unit as row" << QStringList() << "";
        QTest::newRow("firmware is a pipe")
            << good << "pipe" << QStringList() << 2 << "not a regular file" << QStringList() << "";
        QTest::newRow("list too large") << good << "" << QStringList{"--units-padding"} << 2
                                        << "too large" << QStringList() << "";
        QTest::newRow("bad option") << good << "" << QStringList{"--no-such-option"} << 4
                                    << "no-such-option" << QStringList() << "";
        // A report that would be lost is found before any unit is flashed, not after.
        QTest::newRow("report folder is a file")
            << good << "" << QStringList() << 2 << "is not a folder" << QStringList() << "a file";
        QTest::newRow("report folder cannot be made")
            << good << "" << QStringList() << 2 << "cannot be made" << QStringList()
            << "a file/reports";
    }
    void headlessRunEnds()
    {
        QFETCH(QStringList, rows);
        QFETCH(QString, firmware);
        QFETCH(QStringList, extra);
        QFETCH(int, status);
        QFETCH(QString, said);
        QFETCH(QStringList, printed);
        QFETCH(QString, reportDir);
        QTemporaryDir dir;
        SimulatedUnit good({});
        SimulatedUnit refuses({"--profile", "Meridian 8"});
        QString csv = "name,address,port\n";
        for (QString row : rows)
            csv += row.replace("GOOD", good.port).replace("REFUSES", refuses.port) + "\n";
        if (extra.removeAll("--units-padding") > 0)
            csv += QString(5 * 1024 * 1024, ' ');
        QVERIFY(TestSupport::writeFile(dir.filePath("units.csv"), csv.toUtf8()));
        QString firmwarePath = m_hexPath;
        if (firmware == "pipe") {
            firmwarePath = dir.filePath("firmware.hex");
            QCOMPARE(::mkfifo(QFile::encodeName(firmwarePath).constData(), 0600), 0);
        }
        if (!reportDir.isEmpty())
            QVERIFY(TestSupport::writeFile(dir.filePath("a file"), "not a folder"));
        QProcess station;
        QProcessEnvironment env = TestSupport::programEnvironment(dir.filePath("config"), "0.02");
        // No screen at all: the station must find its own way to run.
        for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            env.remove(name);
        env.insert("FWU_STATION_CLI", CLI_PATH);
        station.setProcessEnvironment(env);
        station.start(STATION_PATH,
                      QStringList{"--units", dir.filePath("units.csv"), "--firmware", firmwarePath,
                                  "--flash-all", "--quit-when-done", "--report-dir",
                                  reportDir.isEmpty() ? dir.path() : dir.filePath(reportDir)} +
                          extra);
        QVERIFY(station.waitForStarted());
        const qint64 pid = station.processId();
        QVERIFY(station.waitForFinished(kWaitMs));
        const QString errors = QString::fromLocal8Bit(station.readAllStandardError());
        QCOMPARE(station.exitStatus(), QProcess::NormalExit);
        QVERIFY2(station.exitCode() == status, qPrintable(errors));
        QVERIFY2(errors.contains(said), qPrintable(errors));
        const QString output = QString::fromUtf8(station.readAllStandardOutput());
        for (QString line : printed) {
            line.replace("GOOD", good.port).replace("REFUSES", refuses.port);
            QVERIFY2(output.contains(line), qPrintable(output));
        }
        if (printed.isEmpty())
            QVERIFY2(!output.contains("PASS") && !output.contains("FAIL"), qPrintable(output));
        const QStringList reports = QDir(dir.path()).entryList({"station-report-*"}, QDir::Files);
        QCOMPARE(reports.size(), status < 2 ? 2 : 0);
        // A run that could not start contacted no unit.
        if (status >= 2) {
            QTest::qWait(200);
            QCOMPARE(good.summaries().size(), 0);
        }
        // Its private copy of the firmware went with it.
        QVERIFY(QDir(env.value("TMPDIR"))
                    .entryList({QStringLiteral("firmware-uploader-station-%1-*").arg(pid)})
                    .isEmpty());
    }

    // A script that terminates the station mid-run gets its units stopped, the report and the
    // status of a program that a signal ended, and nothing left behind.
    void terminatedStationEndsInOrder()
    {
        QTemporaryDir dir;
        SimulatedUnit slow({"--delay", "20"});
        QVERIFY(TestSupport::writeFile(dir.filePath("units.csv"),
                                       "name,address,port\nslow,127.0.0.1," + slow.port.toUtf8()));
        QProcess station;
        QProcessEnvironment env = TestSupport::programEnvironment(dir.filePath("config"), "0.02");
        env.insert("FWU_STATION_CLI", CLI_PATH);
        station.setProcessEnvironment(env);
        station.start(STATION_PATH,
                      {"--units", dir.filePath("units.csv"), "--firmware", m_hexPath, "--flash-all",
                       "--quit-when-done", "--report-dir", dir.path()});
        QVERIFY(station.waitForStarted());
        const qint64 pid = station.processId();
        const QString copies = QStringLiteral("firmware-uploader-station-%1-*").arg(pid);
        const QDir temporary(env.value("TMPDIR"));
        QTRY_VERIFY_WITH_TIMEOUT(!temporary.entryList({copies}, QDir::Dirs).isEmpty(), kWaitMs);
        QTest::qWait(300);
        QCOMPARE(::kill(pid_t(pid), SIGTERM), 0);
        QVERIFY(station.waitForFinished(kWaitMs));
        QCOMPARE(station.exitStatus(), QProcess::NormalExit);
        QCOMPARE(station.exitCode(), 128 + SIGTERM);
        QVERIFY(temporary.entryList({copies}, QDir::Dirs).isEmpty());
        const QStringList reports =
            QDir(dir.path()).entryList({"station-report-*.json"}, QDir::Files);
        QCOMPARE(reports.size(), 1);
        QFile report(dir.filePath(reports.first()));
        QVERIFY(report.open(QIODevice::ReadOnly));
        const QJsonObject json = QJsonDocument::fromJson(report.readAll()).object();
        QCOMPARE(json["units"][0]["outcome"].toString(), QString("interrupted"));
    }

    // A script's time-out (GNU timeout) signals the station and then its whole process group, so
    // that the station and every uploader see the signal, some twice: still every unit ends with
    // its uploader's own result in the report and its row in the history.
    void scriptTimeOutKeepsEveryResult()
    {
        const QString timeout = QStandardPaths::findExecutable("timeout");
        QVERIFY2(!timeout.isEmpty(), "GNU timeout is needed");
        constexpr int kUnits = 8;
        QTemporaryDir dir;
        std::vector<std::unique_ptr<SimulatedUnit>> units;
        QByteArray csv = "name,address,port\n";
        for (int i = 0; i < kUnits; ++i) {
            units.push_back(
                std::make_unique<SimulatedUnit>(QStringList{"--delay", "40", "--verbose"}));
            csv += QStringLiteral("unit %1,127.0.0.1,%2\n").arg(i).arg(units.back()->port).toUtf8();
        }
        QVERIFY(TestSupport::writeFile(dir.filePath("units.csv"), csv));
        const QString history = "sqlite://" + dir.filePath("history.sqlite");
        QProcess script;
        QProcessEnvironment env = TestSupport::programEnvironment(dir.filePath("config"), "0.02");
        env.insert("FWU_STATION_CLI", CLI_PATH);
        env.insert("FWU_HISTORY", history);
        script.setProcessEnvironment(env);
        script.start(timeout,
                     {"300", STATION_PATH, "--units", dir.filePath("units.csv"), "--firmware",
                      m_hexPath, "--flash-all", "--quit-when-done", "--report-dir", dir.path()});
        QVERIFY(script.waitForStarted());
        std::vector<QByteArray> said(kUnits);
        for (int i = 0; i < kUnits; ++i)
            QTRY_VERIFY_WITH_TIMEOUT((said[i] += units[i]->sim.process.readAllStandardError())
                                         .contains("connection 1 open"),
                                     kWaitMs);
        QTest::qWait(300);
        // What timeout does when its own time is up: the signal to the station, then to the group.
        QCOMPARE(::kill(pid_t(script.processId()), SIGTERM), 0);
        // The event loop keeps reading the units' output, so that none of them stalls on it.
        QTRY_VERIFY_WITH_TIMEOUT(script.state() == QProcess::NotRunning, kWaitMs);
        QCOMPARE(script.exitCode(), 128 + SIGTERM);

        const QStringList reports =
            QDir(dir.path()).entryList({"station-report-*.json"}, QDir::Files);
        QCOMPARE(reports.size(), 1);
        QFile report(dir.filePath(reports.first()));
        QVERIFY(report.open(QIODevice::ReadOnly));
        const QJsonArray reported =
            QJsonDocument::fromJson(report.readAll()).object()["units"].toArray();
        QCOMPARE(reported.size(), kUnits);
        for (const QJsonValue &unit : reported) {
            QVERIFY2(unit["exit_code"].toInt() == 130 &&
                         unit["outcome"].toString() == "interrupted",
                     QJsonDocument(unit.toObject()).toJson().constData());
        }
        HistoryStore store(HistoryLocation::parse(history));
        HistoryFilter all;
        all.limit = 0;
        QList<HistoryRow> rows;
        QCOMPARE(store.select(all, &rows), std::nullopt);
        QSet<QString> named;
        for (const HistoryRow &row : std::as_const(rows)) {
            QCOMPARE(row.text("outcome"), QString("interrupted"));
            named.insert(row.text("unit_name"));
        }
        QCOMPARE(rows.size(), kUnits);
        QCOMPARE(named.size(), kUnits);
    }

    // The window as an operator uses it: a list, a firmware, Flash all; the report saved on its
    // own into the folder set for it; the list back at the next start.
    void windowRunSavesReportAndReopensList()
    {
        const QString reports = m_dir.filePath("reports");
        QVERIFY(QDir().mkpath(reports));
        StationSettings settings;
        settings.autoSaveFolder = reports;
        SettingsStore store;
        QVERIFY(settings.save(store));
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
        {
            StationWindow again;
            QCOMPARE(again.model().rowCount(), 2);
            QCOMPARE(again.model().unit(1).name, QString::fromUtf8("zweite Prüfung"));
            QCOMPARE(again.firmwarePanel().path(), m_hexPath);
        }
        // The tests' settings outlive this folder: a later run must not make it again.
        QVERIFY(store.write("Station", "Station", "AutoSaveFolder", QString()));
    }
};

QTEST_MAIN(tst_StationRun)
#include "tst_stationrun.moc"
