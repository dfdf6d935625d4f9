// The station's runs in the flash history: its uploader processes write the rows, which share
// the run's id and carry each unit's name; a history server that stops mid-run costs no upload.

#include "HexFileGenerator.h"
#include "HistoryDialog.h"
#include "HistoryTestSupport.h"
#include "LastFlashLookup.h"
#include "LoopWatch.h"
#include "PostgresServer.h"
#include "StationHistory.h"
#include "StationRunner.h"
#include "UnitListModel.h"
#include "UnitSimProcess.h"
#include "history/HistoryStore.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

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
