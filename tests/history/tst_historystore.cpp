// The flash history's store on the real databases: SQLite files and a PostgreSQL server of the
// test's own. Locations, rows and filters, schema versions, the file's mode and place.

#include "HistoryTestSupport.h"
#include "PostgresServer.h"
#include "history/HistoryLocation.h"
#include "history/HistorySchema.h"
#include "history/HistoryStore.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using HistoryTestSupport::record;

class tst_HistoryStore : public QObject
{
    Q_OBJECT

    PostgresServer m_postgres;
    QTemporaryDir m_dir;

    QString freshHistory(const QString &backend)
    {
        return HistoryTestSupport::freshHistory(backend, m_dir, m_postgres);
    }

    // A connection of the test's own, beside the store's.
    static QSqlDatabase raw(const HistoryLocation &location)
    {
        const bool sqlite = location.kind() == HistoryLocation::Kind::Sqlite;
        QSqlDatabase db = QSqlDatabase::addDatabase(sqlite ? "QSQLITE" : "QPSQL", "raw");
        db.setDatabaseName(sqlite ? location.path() : location.database());
        db.setHostName(location.host());
        db.setUserName(location.user());
        db.open();
        return db;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        const QString problem = m_postgres.start();
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }

    void location_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("kind");
        // host|port|user|database|path as the location reads them
        QTest::addColumn<QString>("parts");

        using K = HistoryLocation::Kind;
        QTest::newRow("off") << "off" << int(K::Off) << "|-1|||";
        QTest::newRow("sqlite") << "sqlite:///var/lib/h%20x.sqlite" << int(K::Sqlite)
                                << "|-1|||/var/lib/h x.sqlite";
        QTest::newRow("sqlite relative") << "sqlite://h.sqlite" << int(K::Invalid) << "";
        QTest::newRow("sqlite empty") << "sqlite://" << int(K::Invalid) << "";
        QTest::newRow("server") << "postgresql://line@db.example:5433/flashes" << int(K::Postgres)
                                << "db.example|5433|line|flashes|";
        QTest::newRow("short scheme")
            << "postgres://line@db/flashes" << int(K::Postgres) << "db|-1|line|flashes|";
        QTest::newRow("socket in query") << "postgresql://line@/flashes?host=/run/pg%20x&port=5432"
                                         << int(K::Postgres) << "/run/pg x|5432|line|flashes|";
        QTest::newRow("socket encoded in host")
            << "postgresql://%2Frun%2Fpg/flashes" << int(K::Postgres) << "/run/pg|-1||flashes|";
        QTest::newRow("ipv6") << "postgresql://u:secret@[::1]:6000/d" << int(K::Postgres)
                              << "::1|6000|u|d|";
        QTest::newRow("bad port") << "postgresql://u:secret@h:99999/d?password=secret&x=1"
                                  << int(K::Invalid) << "";
        QTest::newRow("several hosts") << "postgresql://h1,h2/d" << int(K::Invalid) << "";
        QTest::newRow("option with ;") << "postgresql://h/d?sslmode=a;b" << int(K::Invalid) << "";
        QTest::newRow("other scheme") << "mysql://h/d" << int(K::Invalid) << "";
        QTest::newRow("plain path") << "/tmp/h.sqlite" << int(K::Invalid) << "";
    }

    void location()
    {
        QFETCH(QString, text);
        QFETCH(int, kind);
        QFETCH(QString, parts);
        const HistoryLocation location = HistoryLocation::parse(text);
        QCOMPARE(int(location.kind()), kind);
        // A password never shows in messages, nor in a driver's text passed on.
        if (location.kind() == HistoryLocation::Kind::Invalid) {
            QVERIFY2(location.error().contains(HistoryLocation::withoutPassword(text)),
                     qPrintable(location.error()));
            QVERIFY2(!location.error().contains("secret"), qPrintable(location.error()));
            return;
        }
        const QString driverText =
            QStringLiteral("could not connect: host='h' password='secret' user=u; ") + text;
        QVERIFY2(!location.scrub(driverText).contains("secret"),
                 qPrintable(location.scrub(driverText)));
        // A server that went away is noticed within seconds, also on an idle connection.
        if (location.kind() == HistoryLocation::Kind::Postgres) {
            for (const char *option : {"keepalives='1'", "keepalives_idle=", "keepalives_interval=",
                                       "keepalives_count=", "tcp_user_timeout="})
                QVERIFY2(location.connectOptions().contains(option),
                         qPrintable(location.connectOptions()));
        }
        QCOMPARE(QStringList({location.host(), QString::number(location.port()), location.user(),
                              location.database(), location.path()})
                     .join('|'),
                 parts);
        QVERIFY(!location.display().contains("secret"));
    }

    void rowsAndFilters_data() { HistoryTestSupport::addBackendRows(); }

    void rowsAndFilters()
    {
        QFETCH(QString, backend);
        HistoryStore store(HistoryLocation::parse(freshHistory(backend)));
        const qint64 t0 = QDateTime(QDate(2026, 3, 1), QTime(8, 0), Qt::UTC).toMSecsSinceEpoch();
        const QList<HistoryRecord> written{record("10.0.0.1", 5000, "finished", t0),
                                           record("10.0.0.2", 5000, "refused", t0 + 60000),
                                           record("10.0.0.1", 5001, "finished", t0 + 120000)};
        for (const HistoryRecord &r : written)
            QCOMPARE(store.append(r), std::nullopt);

        QList<HistoryRow> rows;
        QCOMPARE(store.select({}, &rows), std::nullopt);
        QCOMPARE(rows.size(), 3);
        // Newest first, every field back as written, the id counted by the database.
        QCOMPARE(rows[0].value("address").toString(), "10.0.0.1");
        QCOMPARE(rows[0].value("port").toInt(), 5001);
        QCOMPARE(rows[2].values.mid(1), QVariantList(written[0].values()));
        // UTC, whatever the writer's zone, so that text order is time order.
        QCOMPARE(rows[2].text("started"), "2026-03-01T08:00:00.000Z");
        QCOMPARE(rows[2].text("attempt_id"), written[0].attemptId);
        QCOMPARE(rows[2].text("duration_s"), "1.234");
        QVERIFY(rows[2].value("signature_key_id").isNull());
        QVERIFY(rows[0].value("id").toLongLong() > rows[2].value("id").toLongLong());

        const auto count = [&store](const HistoryFilter &filter) {
            QList<HistoryRow> found;
            return store.select(filter, &found) ? -1 : int(found.size());
        };
        HistoryFilter f;
        f.address = "10.0.0.1";
        QCOMPARE(count(f), 2);
        f.port = 5000;
        QCOMPARE(count(f), 1);
        f = {};
        f.sha256Prefix = written[1].firmwareSha256.left(8);
        QCOMPARE(count(f), 1);
        f = {};
        f.outcome = "finished";
        f.sinceMs = t0 + 1;
        QCOMPARE(count(f), 1);
        f = {};
        f.untilMs = t0 + 60000;
        QCOMPARE(count(f), 1);
        f = {};
        f.unitName = "unit 10.0.0.2";
        f.runId = "run-7";
        QCOMPARE(count(f), 1);
        f = {};
        f.limit = 2;
        QCOMPARE(count(f), 2);
        qint64 matching = 0;
        QCOMPARE(store.count(f, &matching), std::nullopt);
        QCOMPARE(matching, 3);

        // A row written in another zone, a minute after the first: the filters and the
        // database's own comparisons put it in its place.
        HistoryRecord west = record("10.0.0.3", 5000, "finished", t0 + 30000);
        west.started = west.started.toOffsetFromUtc(-5 * 3600);
        west.ended = west.ended.toOffsetFromUtc(-5 * 3600);
        QCOMPARE(store.append(west), std::nullopt);
        f = {};
        f.sinceMs = HistoryFilter::parseTime("2026-03-01T03:00:15-05:00", false);
        f.untilMs = HistoryFilter::parseTime("2026-03-01T08:01:00Z", false);
        QCOMPARE(count(f), 1);
        {
            QSqlDatabase db = raw(store.location());
            QSqlQuery query(db);
            QVERIFY2(query.exec(backend == "postgresql"
                                    ? "SELECT COUNT(*), MIN(pg_typeof(started)::text), "
                                      "MIN(pg_typeof(attempt_id)::text) FROM attempts WHERE "
                                      "started >= TIMESTAMPTZ '2026-03-01 08:00:15Z' AND "
                                      "ended_ms = started_ms + 1234"
                                    : "SELECT COUNT(*), 'timestamp with time zone', 'uuid' FROM "
                                      "attempts WHERE started >= '2026-03-01T08:00:15Z' AND "
                                      "ended_ms = started_ms + 1234"),
                     qPrintable(query.lastError().text()));
            QVERIFY(query.next());
            QCOMPARE(query.value(0).toInt(), 3);
            QCOMPARE(query.value(1).toString(), "timestamp with time zone");
            QCOMPARE(query.value(2).toString(), "uuid");
        }
        QSqlDatabase::removeDatabase("raw");

        // An insert sent again after its reply was lost leaves the one row.
        QCOMPARE(store.append(written[0]), std::nullopt);
        QCOMPARE(count({}), 4);

        QList<HistoryStore::Count> counts;
        QCOMPARE(store.summary({}, &counts), std::nullopt);
        QStringList summary;
        for (const HistoryStore::Count &c : counts)
            summary.append(c.key.left(4) + ' ' + c.outcome + ' ' + QString::number(c.attempts));
        QCOMPARE(summary.size(), 6);
        QVERIFY(summary.contains("10.0.0.1:5000 finished 1") ||
                summary.contains("10.0 finished 1"));
    }

    // What a supervisor audits a shift by: the serial on the unit's label with its attempts, and
    // the station's events beside them.
    void serialsAndStationEvents_data() { HistoryTestSupport::addBackendRows(); }
    void serialsAndStationEvents()
    {
        QFETCH(QString, backend);
        HistoryStore store(HistoryLocation::parse(freshHistory(backend)));
        HistoryRecord labelled = record("10.0.0.1", 5000, "finished", 1772323200000);
        labelled.unitSerial = "SN-0042";
        QCOMPARE(store.append(labelled), std::nullopt);
        QCOMPARE(store.append(record("10.0.0.2", 5000, "refused", 1772323201000)), std::nullopt);
        HistoryFilter filter;
        filter.unitSerial = "SN-0042";
        QList<HistoryRow> rows;
        QCOMPARE(store.select(filter, &rows), std::nullopt);
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].text("address"), "10.0.0.1");

        StationEvent locked;
        locked.event = "lock";
        locked.operatorName = "anna";
        locked.time = QDateTime::fromMSecsSinceEpoch(1772323202000, Qt::UTC);
        QCOMPARE(store.appendEvent(locked), std::nullopt);
        StationEvent shift = locked;
        shift.event = "new_shift";
        shift.time = shift.time.addSecs(60);
        QCOMPARE(store.appendEvent(shift), std::nullopt);
        QList<QVariantList> events;
        QCOMPARE(store.selectEvents(0, &events), std::nullopt);
        QCOMPARE(events.size(), 2);
        const qsizetype event = StationEvent::fields().indexOf("event");
        QCOMPARE(events[0].value(event).toString(), "new_shift");
        QCOMPARE(events[1].value(StationEvent::fields().indexOf("time")).toString(),
                 "2026-03-01T00:00:02.000Z");
        QCOMPARE(events[1].value(StationEvent::fields().indexOf("operator")).toString(), "anna");
    }

    void schemaVersions_data()
    {
        QTest::addColumn<QString>("backend");
        QTest::addColumn<int>("version");
        for (const char *backend : {"sqlite", "postgresql"}) {
            QTest::addRow("%s version 1", backend) << backend << 1;
            QTest::addRow("%s version 2", backend) << backend << 2;
            QTest::addRow("%s newer", backend) << backend << HistorySchema::kCurrentVersion + 1;
        }
    }

    // An older history is brought up to date with its rows, their local times turned to UTC; a
    // newer one is refused untouched.
    void schemaVersions()
    {
        QFETCH(QString, backend);
        QFETCH(int, version);
        const HistoryLocation location = HistoryLocation::parse(freshHistory(backend));
        const bool postgres = backend == "postgresql";
        {
            QSqlDatabase db = raw(location);
            QSqlQuery query(db);
            for (int step = 1; step <= qMin(version, 2); ++step) {
                for (const QString &statement : HistorySchema::upgradeTo(step, postgres))
                    QVERIFY2(query.exec(statement), qPrintable(statement));
            }
            QVERIFY(
                query.exec(QStringLiteral("UPDATE schema_version SET version = %1").arg(version)));
            QVERIFY(query.exec("INSERT INTO attempts (started, started_ms, ended, outcome) "
                               "VALUES ('2025-01-01T01:00:00.000+01:00', 1735689600000, "
                               "'2024-12-31T19:00:01.5-05:00', 'stopped')"));
        }
        QSqlDatabase::removeDatabase("raw");
        QByteArray before;
        if (!postgres) {
            QFile file(location.path());
            QVERIFY(file.open(QIODevice::ReadOnly));
            before = file.readAll();
        }

        HistoryStore store(location);
        const std::optional<QString> problem =
            store.append(record("10.0.0.9", 1, "refused", 1772323200000));
        QList<HistoryRow> rows;
        if (version > HistorySchema::kCurrentVersion) {
            QVERIFY(problem && problem->contains("newer"));
            QVERIFY(store.select({}, &rows).has_value());
            if (!postgres) {
                QFile file(location.path());
                QVERIFY(file.open(QIODevice::ReadOnly));
                QCOMPARE(file.readAll(), before);
            }
            QSqlDatabase db = raw(location);
            QSqlQuery query(
                "SELECT COUNT(*), MAX(schema_version.version) FROM attempts, schema_version", db);
            QVERIFY2(query.next(), qPrintable(query.lastError().text()));
            QCOMPARE(query.value(0).toInt(), 1);
            QCOMPARE(query.value(1).toInt(), version);
            return;
        }
        QCOMPARE(problem, std::nullopt);
        QCOMPARE(store.select({}, &rows), std::nullopt);
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[1].text("started"), "2025-01-01T00:00:00.000Z");
        QCOMPARE(rows[1].text("ended"), "2025-01-01T00:00:01.500Z");
        QVERIFY(rows[1].value("attempt_id").isNull());
        // The window's old word for an operator's stop is the one every program uses now.
        QCOMPARE(rows[1].text("outcome"), "interrupted");
        QSqlDatabase db = raw(location);
        QSqlQuery query("SELECT version FROM schema_version", db);
        QVERIFY(query.next());
        QCOMPARE(query.value(0).toInt(), HistorySchema::kCurrentVersion);
        QVERIFY(!query.next());
        QVERIFY(query.exec("SELECT ended_ms FROM attempts WHERE attempt_id IS NULL"));
        QVERIFY(query.next());
        QCOMPARE(query.value(0).toLongLong(), 1735689601500);
    }

    void cleanup() { QSqlDatabase::removeDatabase("raw"); }

    // The default file: private to its owner, WAL journal so that writers do not block readers.
    void sqliteFile()
    {
        const HistoryLocation location = HistoryLocation::parse(QStringLiteral("sqlite://") +
                                                                m_dir.filePath("new/dir/h.sqlite"));
        HistoryStore store(location);
        QCOMPARE(store.append(record("10.0.0.1", 1, "finished", 0)), std::nullopt);
        struct stat info
        {};
        QCOMPARE(::stat(QFile::encodeName(location.path()).constData(), &info), 0);
        QCOMPARE(info.st_mode & 0777, 0600u);
        QSqlDatabase db = raw(location);
        QSqlQuery query("PRAGMA journal_mode", db);
        QVERIFY(query.next());
        QCOMPARE(query.value(0).toString(), "wal");

        HistoryStore folder(HistoryLocation::parse(QStringLiteral("sqlite://") + m_dir.path()));
        QVERIFY(folder.append(record("10.0.0.1", 1, "finished", 0)).has_value());
        db.close();
        QSqlDatabase::removeDatabase("raw");

        // A file that others could read is made private when it is next written.
        store.close();
        QVERIFY(::chmod(QFile::encodeName(location.path()).constData(), 0644) == 0);
        QCOMPARE(store.append(record("10.0.0.1", 1, "finished", 0)), std::nullopt);
        QCOMPARE(::stat(QFile::encodeName(location.path()).constData(), &info), 0);
        QCOMPARE(info.st_mode & 0777, 0600u);
    }

    // A symbolic link at the history's place is refused for reading and writing: it creates no
    // file where it points and sends no row there.
    void symlinkRefused()
    {
        const QString target = m_dir.filePath("elsewhere.sqlite");
        const QString link = m_dir.filePath("linked.sqlite");
        QVERIFY(QFile::link(target, link));
        HistoryStore store(HistoryLocation::parse(QStringLiteral("sqlite://") + link));
        const std::optional<QString> dangling = store.append(record("10.0.0.1", 1, "finished", 0));
        QVERIFY(dangling && dangling->contains("symbolic link"));
        QVERIFY(!QFile::exists(target));

        HistoryStore real(HistoryLocation::parse(QStringLiteral("sqlite://") + target));
        QCOMPARE(real.append(record("10.0.0.1", 1, "finished", 0)), std::nullopt);
        real.close();
        QVERIFY(store.append(record("10.0.0.2", 1, "finished", 0)).has_value());
        QList<HistoryRow> rows;
        QVERIFY(store.select({}, &rows).has_value());
        QCOMPARE(HistoryTestSupport::rowsOf(QStringLiteral("sqlite://") + target).size(), 1);
    }
};

QTEST_GUILESS_MAIN(tst_HistoryStore)
#include "tst_historystore.moc"
