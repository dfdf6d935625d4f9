// The station's runs in the flash history: its uploader processes write the rows, which share
// the run's id and carry each unit's name; a history server that stops mid-run costs no upload.

#include "HexFileGenerator.h"
#include "HistoryDialog.h"
#include "HistoryTestSupport.h"
#include "LastFlashLookup.h"
#include "LoopWatch.h"
#include "PostgresServer.h"
#include "RunReport.h"
#include "StationHistory.h"
#include "StationRunner.h"
#include "UnitListModel.h"
#include "UnitSimProcess.h"
#include "history/HistoryStore.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>

namespace {

constexpr int kWaitMs = 60000;
const QString kHost = QStringLiteral("127.0.0.1");

} // namespace

class tst_HistoryStation : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_hexPath;
    PostgresServer m_postgres;
    std::vector<std::unique_ptr<UnitSimProcess>> m_sims;

    void addUnit(UnitListModel &model, const QString &name, const QStringList &arguments = {})
    {
        m_sims.push_back(
            std::make_unique<UnitSimProcess>(QStringLiteral(UNIT_SIM_PATH), arguments));
        model.addUnit(StationUnit::listed(name, kHost, m_sims.back()->port));
    }

    static bool run(StationRunner &runner, const std::function<bool(StationRunner &)> &start)
    {
        QSignalSpy finished(&runner, &StationRunner::runFinished);
        return start(runner) && finished.wait(kWaitMs);
    }

private Q_SLOTS:
    void initTestCase()
    {
        qputenv("FWU_TIME_SCALE", "0.02");
        HexFileGenerator generator;
        generator.setDataRecords(100);
        m_hexPath = m_dir.filePath("firmware.hex");
        QVERIFY(generator.write(m_hexPath));
        const QString problem = m_postgres.start();
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }

    void cleanup() { m_sims.clear(); }

    void runRows_data() { HistoryTestSupport::addBackendRows(); }

    // A run's rows share its id and name their units; Re-run failed is a run of its own.
    void runRows()
    {
        QFETCH(QString, backend);
        QString error;
        const QString url = backend == "sqlite" ? "sqlite://" + m_dir.filePath("station.sqlite")
                                                : m_postgres.createDatabase("station", &error);
        QVERIFY2(!url.isEmpty(), qPrintable(error));
        UnitListModel model;
        addUnit(model, "bay 1");
        addUnit(model, "bay 2");
        addUnit(model, "bay 3, the odd one", {"--profile", "Corvus"});
        StationRunner runner(model);
        runner.setCliPath(QStringLiteral(CLI_PATH));
        runner.setHistory(url);
        runner.setOperator("anna");
        model.setSerial(0, "SN-0001");
        QVERIFY(run(runner, [&](StationRunner &r) {
            return r.start({0, 1, 2}, m_hexPath, &error);
        }));
        const QString firstRun = runner.runId();
        QVERIFY(run(runner, [&](StationRunner &r) { return r.rerunFailed(&error); }));
        QVERIFY(runner.runId() != firstRun);

        const QList<HistoryRow> rows = HistoryTestSupport::rowsOf(url);
        QCOMPARE(rows.size(), 4);
        QMap<QString, QString> portOf;
        for (int i = 0; i < model.rowCount(); ++i)
            portOf.insert(model.unit(i).name, model.unit(i).port);
        QMap<QString, QString> outcomes;
        for (const HistoryRow &row : rows) {
            QCOMPARE(row.text("address"), kHost);
            QCOMPARE(row.text("port"), portOf.value(row.text("unit_name")));
            QCOMPARE(row.text("operator"), "anna");
            QCOMPARE(row.text("unit_serial"), row.text("unit_name") == "bay 1" ? "SN-0001" : "");
            outcomes[row.text("run_id") + '|' + row.text("unit_name")] += row.text("outcome");
        }
        QCOMPARE(outcomes.value(firstRun + "|bay 1"), "finished");
        QCOMPARE(outcomes.value(firstRun + "|bay 2"), "finished");
        QCOMPARE(outcomes.value(firstRun + "|bay 3, the odd one"), "refused");
        QCOMPARE(outcomes.value(runner.runId() + "|bay 3, the odd one"), "refused");
        // Every row names the file that was chosen, not the station's private copy of it.
        for (const HistoryRow &row : rows)
            QCOMPARE(row.text("firmware_path"), m_hexPath);
        // The report gives the uploader's message, the unit's refusal in it, as the row does.
        const QJsonArray reported =
            QJsonDocument::fromJson(RunReport(model.units(), runner.firmware()).json())
                .object()["units"]
                .toArray();
        const QString reason = reported[2]["reason"].toString();
        QVERIFY2(reason.contains("NAK - Incorrect Product Code"), qPrintable(reason));
        QCOMPARE(reason, rows.first().text("message"));

        // Each row's last recorded flash.
        LastFlashLookup lookup(model);
        QSignalSpy filled(&lookup, &LastFlashLookup::filled);
        lookup.refresh(url);
        QVERIFY(filled.wait(kWaitMs));
        QCOMPARE(filled.first().first().toBool(), true);
        const QString sha8 = rows.first().text("firmware_sha256").left(8);
        QVERIFY2(model.unit(0).lastFlash.endsWith(" finished " + sha8),
                 qPrintable(model.unit(0).lastFlash));
        QVERIFY(model.unit(2).lastFlash.endsWith(" refused " + sha8));
        QCOMPARE(model.data(model.index(2, UnitListModel::LastFlash), Qt::DisplayRole).toString(),
                 model.unit(2).lastFlash);

        // The History view of the first and the third unit.
        std::unique_ptr<HistoryDialog> view(StationHistory::show(runner, model, {0, 2}, nullptr));
        QTRY_COMPARE_WITH_TIMEOUT(view->rowCount(), 3, kWaitMs);
    }

    // A server that stops answering after the station has logged in: its lookups and its
    // History view wait on their own threads, the station's loop goes on, and a view closed
    // meanwhile leaves its reading behind without waiting for it.
    void pausedServer()
    {
        QString error;
        const QString url = m_postgres.createDatabase("paused", &error);
        QVERIFY2(!url.isEmpty(), qPrintable(error));
        UnitListModel model;
        addUnit(model, "bay 1");
        HistoryRecord record;
        record.started = record.ended = QDateTime::currentDateTime();
        record.address = kHost;
        record.setPort(model.unit(0).port);
        record.outcome = "finished";
        record.firmwareSha256 = "83a9f043";
        QCOMPARE(HistoryStore(HistoryLocation::parse(url)).append(record), std::nullopt);
        LastFlashLookup lookup(model);
        QSignalSpy filled(&lookup, &LastFlashLookup::filled);
        lookup.refresh(url);
        QVERIFY(filled.wait(kWaitMs));
        QVERIFY(model.unit(0).lastFlash.endsWith(" finished 83a9f043"));

        m_postgres.pause();
        LoopWatch watch(std::chrono::milliseconds(10));
        model.unitForUpdate(model.unit(0).id)->lastFlash.clear();
        lookup.refresh(url);
        auto *view = new HistoryDialog(HistoryLocation::parse(url));
        QVERIFY(view->refresh());
        QVERIFY(!LoopWatch::runUntil([&] { return filled.size() > 1; }, 1500));
        delete view;
        QVERIFY2(watch.worstMs() < 50, qPrintable(QString("%1 ms").arg(watch.worstMs())));
        m_postgres.resume();
        QVERIFY(LoopWatch::runUntil([&] { return filled.size() > 1; }, kWaitMs));
        QCOMPARE(filled.last().first().toBool(), true);
        QVERIFY(model.unit(0).lastFlash.endsWith(" finished 83a9f043"));
    }

    // A station's first run on a new SQLite history: every uploader finds no file, and all of
    // them make it at once; each still gets its row.
    void newHistoryGetsEveryRow()
    {
        constexpr int kUnits = 8;
        constexpr int kRuns = 10;
        // Ports where nothing listens: every upload fails at once, and writes its row.
        UnitListModel model;
        QList<int> rows;
        {
            std::vector<std::unique_ptr<QTcpServer>> taken;
            for (int i = 0; i < kUnits; ++i) {
                taken.push_back(std::make_unique<QTcpServer>());
                QVERIFY(taken.back()->listen(QHostAddress::LocalHost));
                model.addUnit(StationUnit::listed(QStringLiteral("unit %1").arg(i), kHost,
                                                  QString::number(taken.back()->serverPort())));
                rows.append(i);
            }
        }
        for (int pass = 0; pass < kRuns; ++pass) {
            const QString url =
                "sqlite://" + m_dir.filePath(QStringLiteral("new-%1.sqlite").arg(pass));
            StationRunner runner(model);
            runner.setCliPath(QStringLiteral(CLI_PATH));
            runner.setHistory(url);
            QString error;
            QVERIFY(
                run(runner, [&](StationRunner &r) { return r.start(rows, m_hexPath, &error); }));
            QCOMPARE(HistoryTestSupport::rowsOf(url).size(), kUnits);
        }
    }

    // A password in the history URL reaches the uploaders, whose rows are written, but never
    // their command lines, which every user of the machine can read.
    void passwordNotInCommandLines()
    {
        QString error;
        QString url = m_postgres.createDatabase("secret", &error);
        QVERIFY2(url.startsWith("postgresql://fwu@"), qPrintable(url + error));
        url.replace("postgresql://fwu@", "postgresql://fwu:never-shown@");
        UnitListModel model;
        addUnit(model, "unit 1", {"--delay", "30"});
        addUnit(model, "unit 2", {"--delay", "30"});
        StationRunner runner(model);
        runner.setCliPath(QStringLiteral(CLI_PATH));
        runner.setHistory(url);
        QSignalSpy finished(&runner, &StationRunner::runFinished);
        QVERIFY(runner.start({0, 1}, m_hexPath, &error));
        QTRY_COMPARE(runner.processIds().size(), 2);
        for (qint64 pid : runner.processIds()) {
            QFile file(QStringLiteral("/proc/%1/cmdline").arg(pid));
            const auto commandLine = [&file] {
                file.close();
                return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
            };
            // Once the uploader runs, not the station's copy of itself before it.
            QTRY_VERIFY(commandLine().contains("--run-id="));
            QVERIFY2(!commandLine().contains("never-shown"), commandLine().constData());
        }
        QVERIFY(finished.wait(kWaitMs));
        QCOMPARE(HistoryTestSupport::rowsOf(url).size(), 2);
    }

    // An uploader killed mid-transfer writes no row; the station writes it: crashed, with the
    // records its progress had reached, in the run, for the unit and the file chosen.
    void crashedUploaderGetsItsRow()
    {
        const QString url = "sqlite://" + m_dir.filePath("crashed.sqlite");
        // A killed uploader leaves its scratch folder behind: it goes with the test's.
        const QByteArray tempDir = qgetenv("TMPDIR");
        const auto restore = qScopeGuard(
            [tempDir] { tempDir.isNull() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", tempDir); });
        QVERIFY(QDir().mkpath(m_dir.filePath("tmp")));
        qputenv("TMPDIR", QFile::encodeName(m_dir.filePath("tmp")));
        UnitListModel model;
        addUnit(model, "killed", {"--delay", "50"});
        StationRunner runner(model);
        runner.setCliPath(QStringLiteral(CLI_PATH));
        runner.setHistory(url);
        QSignalSpy finished(&runner, &StationRunner::runFinished);
        QString error;
        QVERIFY(runner.start({0}, m_hexPath, &error));
        QTRY_VERIFY_WITH_TIMEOUT(model.unit(0).recordsSent > 10, kWaitMs);
        QCOMPARE(::kill(pid_t(runner.processIds().first()), SIGKILL), 0);
        QVERIFY(finished.wait(kWaitMs));

        const QList<HistoryRow> rows = HistoryTestSupport::rowsOf(url);
        QCOMPARE(rows.size(), 1);
        const HistoryRow &crashed = rows.first();
        QCOMPARE(crashed.text("unit_name"), QString("killed"));
        QCOMPARE(crashed.text("outcome"), QString("crashed"));
        QCOMPARE(crashed.text("exit_code"), QString("-1"));
        QCOMPARE(crashed.text("records_sent"), QString::number(model.unit(0).recordsSent));
        QCOMPARE(crashed.text("records"), QString::number(runner.firmware().summary().records));
        QVERIFY(crashed.text("records_sent").toInt() < crashed.text("records").toInt());
        QCOMPARE(crashed.text("run_id"), runner.runId());
        QCOMPARE(crashed.text("port"), model.unit(0).port);
        QCOMPARE(crashed.text("firmware_path"), m_hexPath);
        QCOMPARE(crashed.text("firmware_sha256"),
                 QString::fromLatin1(runner.firmware().summary().sha256));
        QCOMPARE(crashed.text("program"), QString("firmware-uploader-station"));
        QVERIFY2(crashed.text("message").contains("signal 9"), qPrintable(crashed.text("message")));
    }

    // Stopping keeps the record: an uploader stopped while another process holds the history
    // locked (for longer than a stopped uploader used to be given, shorter than its wait for the
    // lock) writes its row once the lock goes; so does one stopped by the station going away.
    void stoppedUploadersKeepTheirRows()
    {
        const QString path = m_dir.filePath("stopped.sqlite");
        const QString url = "sqlite://" + path;
        {
            HistoryStore store(HistoryLocation::parse(url));
            QCOMPARE(store.open(HistoryStore::Access::Write), std::nullopt);
        }
        UnitListModel model;
        addUnit(model, "stopped", {"--delay", "20"});
        addUnit(model, "left running", {"--delay", "200"});
        auto runner = std::make_unique<StationRunner>(model);
        runner->setCliPath(QStringLiteral(CLI_PATH));
        runner->setHistory(url);
        QString error;
        QVERIFY(runner->start({0, 1}, m_hexPath, &error));
        QTRY_VERIFY_WITH_TIMEOUT(model.unit(0).sent > 5 && model.unit(1).sent > 0, kWaitMs);
        {
            QSqlDatabase lock = QSqlDatabase::addDatabase("QSQLITE", "lock");
            lock.setDatabaseName(path);
            QVERIFY(lock.open());
            QVERIFY(QSqlQuery(lock).exec("BEGIN EXCLUSIVE"));
            runner->stop({0});
            QTest::qWait(7000);
            QVERIFY(QSqlQuery(lock).exec("COMMIT"));
            lock.close();
        }
        QSqlDatabase::removeDatabase("lock");
        QTRY_VERIFY_WITH_TIMEOUT(model.unit(0).state == UnitState::Stopped, kWaitMs);
        QCOMPARE(model.unit(0).exitCode, 130);
        QVERIFY(model.unit(1).isRunning());
        runner.reset();

        const QList<HistoryRow> rows = HistoryTestSupport::rowsOf(url);
        QStringList stopped;
        for (const HistoryRow &row : rows)
            stopped << row.text("unit_name") + ": " + row.text("outcome");
        stopped.sort();
        QCOMPARE(stopped, QStringList({"left running: interrupted", "stopped: interrupted"}));
    }

    // Every upload finishes; each uploader says whether its row was saved, and the rows that
    // are there are exactly those of the uploaders that said so.
    void serverStoppedMidRun()
    {
        QString error;
        const QString url = m_postgres.createDatabase("midrun", &error);
        QVERIFY2(!url.isEmpty(), qPrintable(error));
        constexpr int kUnits = 6;
        UnitListModel model;
        for (int i = 0; i < kUnits; ++i)
            addUnit(model, QStringLiteral("unit %1").arg(i));
        StationRunner runner(model);
        runner.setCliPath(QStringLiteral(CLI_PATH));
        runner.setHistory(url);
        runner.setLimit(1);
        QSignalSpy finished(&runner, &StationRunner::runFinished);
        QVERIFY(runner.start({0, 1, 2, 3, 4, 5}, m_hexPath, &error));
        QTRY_VERIFY_WITH_TIMEOUT(model.unit(1).state == UnitState::Finished, kWaitMs);
        m_postgres.stop();
        QVERIFY(finished.wait(kWaitMs));
        const QString problem = m_postgres.restart();
        QVERIFY2(problem.isEmpty(), qPrintable(problem));

        QSet<QString> unsaved;
        for (int row = 0; row < kUnits; ++row) {
            const StationUnit &unit = model.unit(row);
            QVERIFY2(unit.state == UnitState::Finished, qPrintable(unit.log.join('\n')));
            if (unit.errors.join('\n').contains("not in the flash history"))
                unsaved.insert(unit.name);
        }
        QVERIFY(!unsaved.isEmpty());
        const QList<HistoryRow> rows = HistoryTestSupport::rowsOf(url);
        QCOMPARE(rows.size(), kUnits - unsaved.size());
        for (const HistoryRow &row : rows)
            QVERIFY(!unsaved.contains(row.text("unit_name")));
    }
};

QTEST_MAIN(tst_HistoryStation)
#include "tst_historystation.moc"
