// The command-line uploader's rows in the flash history, as separate programs against simulated
// units, on SQLite and on a PostgreSQL server of the test's own; and the history tool's answers.

#include "HexFileGenerator.h"
#include "HistoryTestSupport.h"
#include "PostgresServer.h"
#include "TestSupport.h"
#include "UnitSimProcess.h"
#include "history/HistorySchema.h"
#include "history/HistoryStore.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>
#include <unistd.h>

namespace {

constexpr int kWaitMs = 60000;
const QString kHost = QStringLiteral("127.0.0.1");

struct Run
{
    int exitCode = -1;
    QJsonObject result;
    QString errors;
};

Run collect(QProcess &process)
{
    Run run;
    if (!process.waitForFinished(kWaitMs) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitCode();
    run.errors = QString::fromUtf8(process.readAllStandardError());
    const QList<QByteArray> lines = process.readAllStandardOutput().trimmed().split('\n');
    run.result = QJsonDocument::fromJson(lines.last()).object();
    return run;
}

} // namespace

class tst_HistoryCli : public QObject
{
    Q_OBJECT

    PostgresServer m_postgres;
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_hexPath;
    QByteArray m_sha256;

    QString freshHistory(const QString &backend)
    {
        return HistoryTestSupport::freshHistory(backend, *m_dir, m_postgres);
    }

    QProcess *startCli(const QStringList &arguments, const QString &timeScale = "0.02")
    {
        auto *cli = new QProcess(this);
        cli->setProcessEnvironment(
            TestSupport::programEnvironment(m_dir->filePath("config"), timeScale));
        cli->start(QStringLiteral(CLI_PATH),
                   QStringList{"--json"} + arguments + QStringList{m_hexPath});
        return cli;
    }

    Run runCli(const QStringList &arguments)
    {
        std::unique_ptr<QProcess> cli(startCli(arguments));
        return collect(*cli);
    }

private Q_SLOTS:
    void initTestCase()
    {
        const QString problem = m_postgres.start();
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        HexFileGenerator generator;
        generator.setDataRecords(40);
        m_hexPath = m_dir->filePath("firmware.hex");
        QVERIFY(generator.write(m_hexPath));
        QFile file(m_hexPath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        m_sha256 = QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex();
    }

    void attemptRows_data()
    {
        QTest::addColumn<QString>("backend");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<int>("exitCode");
        // The outcome of each row, oldest first.
        QTest::addColumn<QStringList>("outcomes");
        for (const char *backend : {"sqlite", "postgresql"}) {
            QTest::addRow("%s finished", backend)
                << backend << "" << QStringList{} << 0 << QStringList{"finished"};
            QTest::addRow("%s refused", backend)
                << backend << "Corvus" << QStringList{} << 1 << QStringList{"refused"};
            QTest::addRow("%s every try", backend)
                << backend << "no-server" << QStringList{"--retries", "1", "--retry-delay", "0"}
                << 2 << QStringList{"connect_failed", "connect_failed"};
            QTest::addRow("%s interrupted", backend)
                << backend << "slow" << QStringList{} << 130 << QStringList{"interrupted"};
        }
    }

    // One row per attempt with every field, and the result says it is saved.
    void attemptRows()
    {
        QFETCH(QString, backend);
        QFETCH(QString, unit);
        QFETCH(QStringList, extra);
        QFETCH(int, exitCode);
        QFETCH(QStringList, outcomes);
        QStringList simArguments{"--connections", "1"};
        if (unit == "Corvus")
            simArguments << "--profile"
                         << "Corvus";
        else if (unit == "no-server")
            simArguments = {"--fault", "no-server"};
        else if (unit == "slow")
            simArguments << "--delay"
                         << "200";
        UnitSimProcess sim(QStringLiteral(UNIT_SIM_PATH), simArguments);
        QVERIFY(!sim.port.isEmpty());
        const QString url = freshHistory(backend);
        const QStringList arguments =
            QStringList{"--address", kHost,      "--port", sim.port,      "--history",
                        url,         "--run-id", "run-42", "--unit-name", "bay 3"} +
            extra;
        std::unique_ptr<QProcess> cli(startCli(arguments, unit == "slow" ? QString() : "0.02"));
        if (unit == "slow") {
            QByteArray seen;
            while (!seen.contains("\"event\":\"progress\"") && cli->waitForReadyRead(kWaitMs))
                seen += cli->peek(1 << 20);
            ::kill(pid_t(cli->processId()), SIGINT);
        }
        const Run run = collect(*cli);
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.result.value("history_saved").toBool(), true);

        const QList<HistoryRow> rows = HistoryTestSupport::rowsOf(url);
        QCOMPARE(rows.size(), outcomes.size());
        for (qsizetype i = 0; i < rows.size(); ++i) {
            const HistoryRow &row = rows[rows.size() - 1 - i];
            QCOMPARE(row.text("outcome"), outcomes[i]);
            QCOMPARE(row.value("exit_code").toInt(), exitCode);
            QCOMPARE(row.text("run_id"), "run-42");
            QCOMPARE(row.text("unit_name"), "bay 3");
            QCOMPARE(row.text("address"), kHost);
            QCOMPARE(row.text("port"), sim.port);
            QCOMPARE(row.text("program"), "firmware-uploader-cli");
            QCOMPARE(row.text("firmware_path"), m_hexPath);
            QCOMPARE(row.text("firmware_sha256").toLatin1(), m_sha256);
            QCOMPARE(row.value("firmware_size").toLongLong(), QFileInfo(m_hexPath).size());
            const int records = run.result.value("firmware").toObject().value("records").toInt();
            QCOMPARE(row.value("records").toInt(), records);
            const int sent = row.value("records_sent").toInt();
            if (exitCode == 130)
                QVERIFY(sent > 0 && sent < records);
            else
                QCOMPARE(sent, exitCode == 0 ? records : 0);
            QVERIFY(!row.text("host").isEmpty() && !row.text("operator").isEmpty());
            QVERIFY(!row.text("version").isEmpty() && !row.text("title").isEmpty());
            QVERIFY(!row.text("message").isEmpty());
            const QDateTime started = QDateTime::fromString(row.text("started"), Qt::ISODateWithMs);
            const QDateTime ended = QDateTime::fromString(row.text("ended"), Qt::ISODateWithMs);
            QVERIFY(started.isValid() && started <= ended);
            QVERIFY(qAbs(started.secsTo(QDateTime::currentDateTime())) < 120);
        }
    }

    void allAtOnce_data() { HistoryTestSupport::addBackendRows(); }

    // 32 uploaders finishing together: every one gets its row, none waits past the time-out.
    void allAtOnce()
    {
        QFETCH(QString, backend);
        constexpr int kUnits = 32;
        const QString url = freshHistory(backend);
        std::vector<std::unique_ptr<UnitSimProcess>> sims;
        for (int i = 0; i < kUnits; ++i) {
            sims.push_back(std::make_unique<UnitSimProcess>(QStringLiteral(UNIT_SIM_PATH),
                                                            QStringList{"--connections", "1"}));
            QVERIFY(!sims.back()->port.isEmpty());
        }
        std::vector<std::unique_ptr<QProcess>> clis;
        for (const auto &sim : sims)
            clis.emplace_back(
                startCli({"--address", kHost, "--port", sim->port, "--history", url}));
        QSet<QString> ports;
        for (const auto &cli : clis) {
            const Run run = collect(*cli);
            QCOMPARE(run.exitCode, 0);
            QVERIFY2(run.result.value("history_saved").toBool(), qPrintable(run.errors));
        }
        const QList<HistoryRow> rows = HistoryTestSupport::rowsOf(url);
        QCOMPARE(rows.size(), kUnits);
        for (const HistoryRow &row : rows) {
            QCOMPARE(row.text("outcome"), "finished");
            ports.insert(row.text("port"));
        }
        QCOMPARE(ports.size(), kUnits);
    }

    // A writer that waited while another created the tables finds them, instead of creating
    // them again and losing its row (PostgreSQL can answer from a cache of the session's first
    // look).
    void waitsForSchema()
    {
        const QString url = freshHistory("postgresql");
        const HistoryLocation location = HistoryLocation::parse(url);
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QPSQL", "raw");
            db.setHostName(location.host());
            db.setUserName(location.user());
            db.setDatabaseName(location.database());
            QVERIFY(db.open());
            QVERIFY(db.transaction());
            QSqlQuery query(db);
            // The schema lock that every writer takes.
            QVERIFY(query.exec("SELECT pg_advisory_xact_lock(702106)"));
            UnitSimProcess sim(QStringLiteral(UNIT_SIM_PATH), {"--connections", "1"});
            std::unique_ptr<QProcess> cli(
                startCli({"--address", kHost, "--port", sim.port, "--history", url}));
            QTRY_VERIFY_WITH_TIMEOUT(
                QSqlQuery("SELECT 1 FROM pg_locks WHERE locktype = 'advisory' AND NOT granted", db)
                    .next(),
                kWaitMs);
            for (int step = 1; step <= HistorySchema::kCurrentVersion; ++step) {
                for (const QString &statement : HistorySchema::upgradeTo(step, true))
                    QVERIFY2(query.exec(statement), qPrintable(statement));
            }
            QVERIFY(db.commit());
            const Run run = collect(*cli);
            QVERIFY2(run.result.value("history_saved").toBool(), qPrintable(run.errors));
        }
        QSqlDatabase::removeDatabase("raw");
        QCOMPARE(HistoryTestSupport::rowsOf(url).size(), 1);
    }

    void historyNotWritable_data()
    {
        QTest::addColumn<QString>("history");
        QTest::newRow("a folder") << "folder";
        QTest::newRow("read-only") << "read-only";
        QTest::newRow("server down") << "server down";
        QTest::newRow("newer schema") << "newer";
    }

    // The history is a record, never a gate: the upload's outcome stands and stderr says why
    // the row is missing.
    void historyNotWritable()
    {
        QFETCH(QString, history);
        QString url = QStringLiteral("sqlite://") + m_dir->filePath("h/history.sqlite");
        QVERIFY(QDir().mkpath(m_dir->filePath("h")));
        QStringList wrap;
        if (history == "folder") {
            url = QStringLiteral("sqlite://") + m_dir->filePath("h");
        } else if (history == "read-only") {
            QVERIFY(!HistoryStore(HistoryLocation::parse(url)).open(HistoryStore::Access::Write));
            // Root writes through file modes: the folder is made read-only by a mount of its own.
            wrap = QStringList{"unshare",
                               "-m",
                               "sh",
                               "-c",
                               "mount --bind -o ro \"$0\" \"$0\" && exec \"$@\"",
                               m_dir->filePath("h")};
        } else if (history == "server down") {
            url = QStringLiteral("postgresql://fwu@/postgres?host=") + m_dir->filePath("h");
        } else {
            HistoryStore store(HistoryLocation::parse(url));
            QVERIFY(!store.open(HistoryStore::Access::Write));
            store.close();
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "raw");
            db.setDatabaseName(m_dir->filePath("h/history.sqlite"));
            QVERIFY(db.open());
            QVERIFY(QSqlQuery(db).exec("UPDATE schema_version SET version = 99"));
            db.close();
        }
        QSqlDatabase::removeDatabase("raw");
        UnitSimProcess sim(QStringLiteral(UNIT_SIM_PATH), {"--connections", "1"});
        QProcess cli;
        cli.setProcessEnvironment(
            TestSupport::programEnvironment(m_dir->filePath("config"), "0.02"));
        const QStringList arguments{"--json", "--address", kHost, "--port",
                                    sim.port, "--history", url,   m_hexPath};
        if (wrap.isEmpty())
            cli.start(QStringLiteral(CLI_PATH), arguments);
        else
            cli.start(wrap.takeFirst(), wrap + QStringList{QStringLiteral(CLI_PATH)} + arguments);
        const Run run = collect(cli);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.result.value("outcome").toString(), "finished");
        QCOMPARE(run.result.value("history_saved").toBool(true), false);
        QVERIFY2(run.errors.contains("not in the flash history"), qPrintable(run.errors));
        QCOMPARE(sim.summaries().size(), 1);
    }

    void unansweringHistory_data()
    {
        QTest::addColumn<QString>("backend");
        QTest::addColumn<bool>("interrupt");
        QTest::newRow("sqlite locked, time-out") << "sqlite" << false;
        QTest::newRow("sqlite locked, SIGINT") << "sqlite" << true;
        QTest::newRow("postgresql paused, time-out") << "postgresql" << false;
        QTest::newRow("postgresql paused, SIGINT") << "postgresql" << true;
    }

    // A history that does not answer: another process holds the file's lock past the store's
    // limit, or the server stops answering after the uploader has logged in. The run's end waits
    // for its rows for that limit only (not once per row), a stop signal during the wait ends it
    // at once with the signal's exit code, and the thread left in the driver ends nothing badly.
    void unansweringHistory()
    {
        QFETCH(QString, backend);
        QFETCH(bool, interrupt);
        const QString url = freshHistory(backend);
        QVERIFY(!HistoryStore(HistoryLocation::parse(url)).open(HistoryStore::Access::Write));
        QProcess locker;
        QStringList simArguments{"--connections", "2", "--delay", "20"};
        // Two attempts, so two rows: each would wait out the lock on its own.
        QStringList extra{"--loop", "2"};
        int exitCode = 0;
        if (backend == "sqlite") {
            locker.start(QStringLiteral(LOCKER_PATH),
                         {HistoryLocation::parse(url).path(), QStringLiteral("40000")});
            QVERIFY(locker.waitForReadyRead(10000));
            simArguments = {"--fault", "no-server"};
            extra = {"--retries", "1", "--retry-delay", "0"};
            exitCode = 2;
        }
        UnitSimProcess sim(QStringLiteral(UNIT_SIM_PATH), simArguments);
        std::unique_ptr<QProcess> cli(startCli(
            QStringList{"--address", kHost, "--port", sim.port, "--history", url} + extra));
        QElapsedTimer clock;
        clock.start();
        QByteArray seen;
        const auto waitForOutput = [&](const QByteArray &text, int count) {
            while (seen.count(text) < count && cli->waitForReadyRead(kWaitMs))
                seen += cli->peek(1 << 20).mid(seen.size());
            return seen.count(text) >= count;
        };
        if (backend == "postgresql") {
            // The first pass's row is in: the uploader has logged in.
            QVERIFY(waitForOutput("\"phase\":\"ended\"", 1));
            QVERIFY(QTest::qWaitFor([&] { return HistoryTestSupport::rowsOf(url).size() == 1; }));
            m_postgres.pause();
            clock.start();
        }
        if (interrupt) {
            QVERIFY(waitForOutput("\"phase\":\"ended\"", 2));
            QTest::qWait(300);
            clock.start();
            ::kill(pid_t(cli->processId()), SIGINT);
            exitCode = 130;
        }
        const Run run = collect(*cli);
        const qint64 elapsedMs = clock.elapsed();
        m_postgres.resume();
        locker.kill();
        locker.waitForFinished();
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.result.value("exit_code").toInt(), exitCode);
        QCOMPARE(run.result.value("history_saved").toBool(true), false);
        QVERIFY2(run.errors.contains("not in the flash history"), qPrintable(run.errors));
        QVERIFY2(!run.errors.contains("QThread"), qPrintable(run.errors));
        if (interrupt)
            QVERIFY2(elapsedMs < 2000, qPrintable(QString::number(elapsedMs)));
        else
            QVERIFY2(elapsedMs < 15000, qPrintable(QString::number(elapsedMs)));
    }

    // The history tool never hangs on a server that stops answering: it gives up after --wait.
    void toolGivesUpOnAPausedServer()
    {
        const QString url = freshHistory("postgresql");
        QVERIFY(!HistoryStore(HistoryLocation::parse(url)).open(HistoryStore::Access::Write));
        m_postgres.pause();
        QProcess tool;
        QElapsedTimer clock;
        clock.start();
        tool.start(QStringLiteral(HISTORY_PATH), {"--history", url, "--wait", "2"});
        const bool ended = tool.waitForFinished(kWaitMs);
        const qint64 elapsedMs = clock.elapsed();
        m_postgres.resume();
        QVERIFY(ended);
        QCOMPARE(tool.exitCode(), 2);
        const QString err = QString::fromUtf8(tool.readAllStandardError());
        QVERIFY2(err.contains("no answer from the history") && err.contains("within 2 s"),
                 qPrintable(err));
        QVERIFY2(elapsedMs < 4500, qPrintable(QString::number(elapsedMs)));
    }

    void tool_data()
    {
        QTest::addColumn<QStringList>("arguments");
        // What is done to the history after its two rows are written.
        QTest::addColumn<QString>("damage");
        QTest::addColumn<int>("exitCode");
        // What standard output holds, or standard error when it is empty.
        QTest::addColumn<QString>("expected");
        QTest::newRow("table") << QStringList{} << "" << 0 << "ID  STARTED";
        QTest::newRow("json") << QStringList{"--json", "--limit", "1"} << "" << 0
                              << "{\"address\":";
        QTest::newRow("csv")
            << QStringList{"--csv", "--outcome", "refused"} << "" << 0
            << "id,attempt_id,run_id,started,ended,duration_s,host,operator,"
               "program,version,title,unit_name,unit_serial,serial,serial_pool,address,port,"
               "firmware_path,firmware_size,firmware_sha256,base_sha256,records,records_sent,"
               "outcome,"
               "exit_code,message,signature_key_id,signature_comment\r\n";
        QTest::newRow("summary") << QStringList{"--summary", "--json"} << "" << 0
                                 << "{\"attempts\":2,\"final_yield\":100,\"finished\":2,"
                                    "\"firmware_sha256\":";
        QTest::newRow("summary by day, csv")
            << QStringList{"--summary", "--by", "day", "--csv"} << "" << 0
            << "day,units,attempts,finished,first_pass_yield,final_yield\r\n";
        // The serial-number ledger beside the attempts, and the attempts of one written serial.
        const QString number =
            "INSERT INTO serial_numbers (pool, value, seq, state, attempt_id, port, changed, "
            "changed_ms) VALUES ('%1', 'SN-7', 0, 'used', 'a1', 5000, '2026-03-01T08:00:00.000Z', "
            "0)";
        QTest::newRow("serials, csv")
            << QStringList{"--serials", "--pool", "board", "--csv"}
            << number.arg("board") + ";" + number.arg("alpha") << 0
            << "pool,value,state,attempt_id,unit_name,address,port,host,changed\r\n"
               "board,SN-7,used,a1,,,5000,,2026-03-01T08:00:00.000Z\r\n";
        QTest::newRow("serials, json") << QStringList{"--serials", "--json"} << number.arg("board")
                                       << 0 << "\"port\":5000,\"state\":\"used\"";
        QTest::newRow("no serials") << QStringList{"--serials"} << "" << 0 << "no serial numbers";
        QTest::newRow("pool alone") << QStringList{"--pool", "board"} << "" << 4 << "--serials";
        QTest::newRow("one serial")
            << QStringList{"--json", "--serial", "SN-7"}
            << "UPDATE attempts SET serial = 'SN-7' WHERE id = 1" << 0 << "\"serial\":\"SN-7\"";
        QTest::newRow("none") << QStringList{"--name", "nobody"} << "" << 0 << "no attempts match";
        QTest::newRow("bad option") << QStringList{"--limit", "x"} << "" << 4 << "--limit";
        QTest::newRow("unreadable") << QStringList{"--history", "sqlite:///nonexistent/h.sqlite"}
                                    << "" << 2 << "no history file";
        // A history that cannot be read is never shown as one without attempts.
        QTest::newRow("not a database")
            << QStringList{} << "not a database" << 2 << "not a database";
        QTest::newRow("version 0")
            << QStringList{} << "UPDATE schema_version SET version = 0" << 2 << "schema_version";
        QTest::newRow("version NULL")
            << QStringList{}
            << "DROP TABLE schema_version; CREATE TABLE schema_version (version INTEGER); "
               "INSERT INTO schema_version VALUES (NULL)"
            << 2 << "schema_version";
        QTest::newRow("no version")
            << QStringList{} << "DELETE FROM schema_version" << 2 << "schema_version";
        QTest::newRow("symbolic link") << QStringList{} << "symlink" << 2 << "symbolic link";
        QTest::newRow("locked") << QStringList{} << "locked" << 2 << "locked";
        QTest::newRow("full disk, cut -shm") << QStringList{} << "full disk" << 2 << "I/O error";
    }

    void tool()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, damage);
        QFETCH(int, exitCode);
        QFETCH(QString, expected);
        QString url = freshHistory("sqlite");
        UnitSimProcess sim(QStringLiteral(UNIT_SIM_PATH), {"--connections", "2"});
        for (int i = 0; i < 2; ++i)
            QCOMPARE(runCli({"--address", kHost, "--port", sim.port, "--history", url}).exitCode,
                     0);
        const QString path = HistoryLocation::parse(url).path();
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "raw");
        db.setDatabaseName(path);
        if (damage == "not a database") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(QByteArray(8192, 'x'));
        } else if (damage == "symlink") {
            QVERIFY(QFile::rename(path, path + ".real"));
            QVERIFY(QFile::link(path + ".real", path));
        } else if (damage == "locked") {
            // Another process's lock that readers cannot pass: given up after the busy time-out.
            QVERIFY(db.open());
            QSqlQuery lock(db);
            for (const char *statement : {"PRAGMA locking_mode=EXCLUSIVE", "BEGIN EXCLUSIVE",
                                          "DELETE FROM attempts WHERE id < 0"})
                QVERIFY2(lock.exec(statement), statement);
        } else if (damage == "full disk") {
            // A row still in the journal, kept there by this open connection.
            QVERIFY(db.open());
            QVERIFY(QSqlQuery(db).exec("INSERT INTO attempts (started, started_ms, ended, outcome) "
                                       "SELECT started, started_ms, ended, outcome FROM attempts"));
        } else if (!damage.isEmpty()) {
            QVERIFY(db.open());
            for (const QString &statement : damage.split(';'))
                QVERIFY2(QSqlQuery(db).exec(statement), qPrintable(statement));
            db.close();
        }
        QProcess tool;
        if (damage == "full disk") {
            // A copy on a file system of its own that is full, with an empty -shm file: what a
            // full disk leaves behind. Root alone may mount, in a mount namespace of its own.
            QVERIFY(QDir().mkpath(m_dir->filePath("full")));
            tool.start("unshare",
                       {"-m", "sh", "-c",
                        "mount -t tmpfs -o size=256k tmpfs \"$0\" && cp \"$1\" \"$0/h.sqlite\" && "
                        "cp \"$1-wal\" \"$0/h.sqlite-wal\" && : >\"$0/h.sqlite-shm\" && "
                        "{ dd if=/dev/zero of=\"$0/fill\" bs=4k 2>/dev/null; "
                        "exec \"$2\" --history \"sqlite://$0/h.sqlite\"; }",
                        m_dir->filePath("full"), path, QStringLiteral(HISTORY_PATH)});
        } else {
            tool.start(QStringLiteral(HISTORY_PATH),
                       arguments.contains("--history") ? arguments
                                                       : QStringList{"--history", url} + arguments);
        }
        QVERIFY(tool.waitForFinished(kWaitMs));
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase("raw");
        QCOMPARE(tool.exitCode(), exitCode);
        const QString out = QString::fromUtf8(tool.readAllStandardOutput());
        const QString err = QString::fromUtf8(tool.readAllStandardError());
        QVERIFY2((out.isEmpty() ? err : out).contains(expected), qPrintable(out + err));
        if (arguments.startsWith("--json") && !arguments.contains("--summary")) {
            const QJsonObject row = QJsonDocument::fromJson(out.toUtf8()).object();
            QCOMPARE(row.keys().size(), HistoryRecord::fields().size());
            QCOMPARE(row.value("firmware_sha256").toString().toLatin1(), m_sha256);
        }
    }

    // What the tool shows of many rows written in several zones, one of them a hostile name:
    // the reader's local time, every row in an export, a word when the table stops short, and
    // nothing that steers a terminal.
    void toolOutputs()
    {
        constexpr int kRows = 62;
        const QString url = freshHistory("sqlite");
        const qint64 t0 = QDateTime(QDate(2026, 3, 1), QTime(8, 0), Qt::UTC).toMSecsSinceEpoch();
        {
            HistoryStore store(HistoryLocation::parse(url));
            for (int i = 0; i < kRows; ++i) {
                HistoryRecord r;
                r.started = QDateTime::fromMSecsSinceEpoch(t0 + i * 60000, Qt::OffsetFromUTC,
                                                           i % 2 ? -5 * 3600 : 3600);
                r.ended = r.started.addSecs(7);
                r.address = kHost;
                r.port = 5000 + i;
                r.outcome = "finished";
                r.unitName = i == 0 ? "bay\x1b]2;owned\x07 \u202E3" + QString(100000, 'x')
                                    : QStringLiteral("bay %1").arg(i);
                QCOMPARE(store.append(r), std::nullopt);
            }
        }
        const auto run = [&url](const QStringList &arguments, QString *err) {
            QProcess tool;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert("TZ", "Asia/Kolkata");
            tool.setProcessEnvironment(env);
            tool.start(QStringLiteral(HISTORY_PATH), QStringList{"--history", url} + arguments);
            if (!tool.waitForFinished(kWaitMs) || tool.exitCode() != 0)
                return QString("failed");
            *err = QString::fromUtf8(tool.readAllStandardError());
            return QString::fromUtf8(tool.readAllStandardOutput());
        };
        QString err;
        const QString table = run({}, &err);
        QCOMPARE(table.count('\n'), HistoryFilter::kDefaultLimit + 1);
        QVERIFY2(err.contains("50 of 62 attempts shown; --limit 0 shows all"), qPrintable(err));
        QVERIFY2(table.contains("2026-03-01 14:31:00+05:30"), qPrintable(table.left(400)));
        const QString all = run({"--limit", "0"}, &err);
        QCOMPARE(all.count('\n'), kRows + 1);
        QVERIFY(err.isEmpty());
        for (const QString &line : all.split('\n'))
            QVERIFY2(line.size() < 400, qPrintable(line.left(400)));
        for (const QString &output : {all, run({"--csv"}, &err)}) {
            for (const char16_t hostile : {u'\x1b', u'\x07'})
                QVERIFY(!output.contains(QChar(hostile)));
        }
        QVERIFY(!all.contains(QChar(0x202E)));

        QCOMPARE(run({"--json"}, &err).count('\n'), kRows);
        QCOMPARE(run({"--csv"}, &err).count("\r\n"), kRows + 1);
        // Without an offset a time is the reader's: 13:31 in Kolkata is 08:01 UTC.
        for (const char *since :
             {"2026-03-01T13:31", "2026-03-01T08:01Z", "2026-03-01 03:01-05:00"})
            QCOMPARE(run({"--json", "--since", since}, &err).count('\n'), kRows - 1);
    }
};

QTEST_GUILESS_MAIN(tst_HistoryCli)
#include "tst_historycli.moc"
