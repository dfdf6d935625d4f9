// The flash history's store on the real databases: SQLite files and a PostgreSQL server of the
// test's own. Locations, rows and filters, schema versions, and what the history tool prints.

#include "HistoryPrinter.h"
#include "HistoryTestSupport.h"
#include "HistoryToolOptions.h"
#include "PostgresServer.h"
#include "history/HistoryLocation.h"
#include "history/HistorySchema.h"
#include "history/HistoryStore.h"
#include "history/HistorySummary.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

HistoryRecord record(const QString &address, int port, const QString &outcome, qint64 startedMs)
{
    HistoryRecord r;
    r.runId = QStringLiteral("run-7");
    r.started = QDateTime::fromMSecsSinceEpoch(startedMs, Qt::OffsetFromUTC, 3600);
    r.ended = r.started.addMSecs(1234);
    r.host = QStringLiteral("bench-3");
    r.operatorName = QStringLiteral("ada");
    r.program = QStringLiteral("firmware-uploader-cli");
    r.version = QStringLiteral("1.0.40");
    r.title = QStringLiteral("Kestrel Max Firmware Uploader");
    r.unitName = QStringLiteral("unit ") + address;
    r.address = address;
    r.port = port;
    r.firmwarePath = QStringLiteral("/srv/fw/demo.hex");
    r.firmwareSize = 2460;
    r.firmwareSha256 = QString::fromLatin1(
        QCryptographicHash::hash(outcome.toUtf8(), QCryptographicHash::Sha256).toHex());
    r.records = 52;
    r.recordsSent = outcome == QLatin1String("finished") ? 52 : 0;
    r.outcome = outcome;
    r.exitCode = outcome == QLatin1String("finished") ? 0 : 1;
    r.message = QStringLiteral("=HYPERLINK(\"x\")");
    return r;
}

} // namespace

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
                               "'2024-12-31T19:00:01.5-05:00', 'finished')"));
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

    // Units whose first attempt of the period finished, and whose last one did, per group.
    void summaryGroups()
    {
        const qint64 t0 = QDateTime(QDate(2026, 3, 1), QTime(8, 0), Qt::UTC).toMSecsSinceEpoch();
        const qint64 day = 24 * 3600 * 1000;
        QList<HistoryRecord> written{record("10.0.0.1", 1, "refused", t0),
                                     record("10.0.0.1", 1, "finished", t0 + 1000),
                                     record("10.0.0.2", 1, "finished", t0 + 2000),
                                     record("10.0.0.3", 1, "finished", t0 + day),
                                     record("10.0.0.3", 1, "connection_lost", t0 + day + 1000)};
        // One image throughout; one of its rows signed, with the version in its comment.
        for (HistoryRecord &r : written)
            r.firmwareSha256 = QString(64, 'a');
        written[2].signatureComment = "v2.1";
        // The third unit has no name: its address and port tell it apart.
        written[3].unitName.clear();
        written[4].unitName.clear();
        QList<HistoryRow> rows;
        for (const HistoryRecord &r : written)
            rows.prepend(HistoryRow{QVariantList{0} + r.values()});

        const auto summarize = [&rows](const QString &by) {
            QList<HistorySummary::Dimension> dimensions;
            if (HistorySummary::parseDimensions(by, &dimensions))
                return QStringList{"refused"};
            QStringList lines;
            for (const HistorySummary::Group &g : HistorySummary::compute(rows, dimensions))
                lines.append(QStringLiteral("%1|%2|%3 %4 %5 %6 %7")
                                 .arg(g.key.join(','), g.firmwareVersion)
                                 .arg(g.units)
                                 .arg(g.attempts)
                                 .arg(g.finished)
                                 .arg(qRound(g.firstPassYield))
                                 .arg(qRound(g.finalYield)));
            return lines;
        };
        const QString title = written[0].title;
        const QString sha(64, 'a');
        QCOMPARE(summarize("title,firmware"), QStringList{title + ',' + sha + "|v2.1|3 5 3 67 67"});
        QCOMPARE(summarize("day"),
                 (QStringList{"2026-03-01||2 3 2 50 100", "2026-03-02||1 2 1 100 0"}));
        QCOMPARE(summarize("unit"),
                 (QStringList{"10.0.0.3:1||1 2 1 100 0", "unit 10.0.0.1||1 2 1 0 100",
                              "unit 10.0.0.2||1 1 1 100 100"}));
        QCOMPARE(summarize("title,weather"), QStringList{"refused"});
        QCOMPARE(summarize("unit,unit"), QStringList{"refused"});
    }

    void csvField_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("field");
        QTest::newRow("plain") << "unit 3"
                               << "unit 3";
        QTest::newRow("formula") << "=1+2"
                                 << "'=1+2";
        QTest::newRow("plus") << "+1"
                              << "'+1";
        QTest::newRow("minus") << "-1"
                               << "'-1";
        QTest::newRow("at") << "@SUM(A1)"
                            << "'@SUM(A1)";
        QTest::newRow("tab") << "\tx"
                             << "'\tx";
        QTest::newRow("carriage return") << "\rx"
                                         << "\"'\rx\"";
        QTest::newRow("comma and quote") << "a,\"b\""
                                         << "\"a,\"\"b\"\"\"";
        QTest::newRow("formula quoted") << "=A1,B1"
                                        << "\"'=A1,B1\"";
        // A terminal that shows the file must not run what a unit's name carries.
        QTest::newRow("escape and bell") << "bay\x1b]0;x\x07 3\x7f"
                                         << "bay\uFFFD]0;x\uFFFD 3\uFFFD";
        QTest::newRow("C1 control") << "a\u009b31m"
                                    << "a\uFFFD31m";
    }

    void csvField()
    {
        QFETCH(QString, value);
        QFETCH(QString, field);
        QCOMPARE(HistoryPrinter::csvField(value), field);
    }

    void tableCell_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("cell");
        QTest::newRow("line ends") << "a\nb\tc\r"
                                   << "a b c ";
        QTest::newRow("escape") << "\x1b[2J"
                                << "\uFFFD[2J";
        QTest::newRow("turned around") << "bay \u202E3 yab"
                                       << "bay \uFFFD3 yab";
        QTest::newRow("zero width") << "a\u200Bb\u2066c"
                                    << "a\uFFFDb\uFFFDc";
        QTest::newRow("long") << QString(100000, 'x') << QString(59, 'x') + "\u2026";
        QTest::newRow("long, cut between a pair")
            << QString(58, 'x') + QString::fromUtf8("\xF0\x9F\x98\x80") + "yy"
            << QString(58, 'x') + "\u2026";
    }

    void tableCell()
    {
        QFETCH(QString, value);
        QFETCH(QString, cell);
        QCOMPARE(HistoryPrinter::tableCell(value), cell);
    }

    void toolOptions_data()
    {
        QTest::addColumn<QStringList>("arguments");
        // address|port|name|sha|outcome|since|until|run|limit, or the start of the error
        QTest::addColumn<QString>("expected");
        QTest::newRow("defaults") << QStringList{} << "||||||||50";
        // An export takes every matching attempt unless told otherwise.
        QTest::newRow("json") << QStringList{"--json"} << "||||||||0";
        QTest::newRow("csv with limit") << QStringList{"--csv", "--limit", "5"} << "||||||||5";
        QTest::newRow("summary") << QStringList{"--summary", "--by", "day,unit"} << "||||||||0";
        QTest::newRow("by without summary") << QStringList{"--by", "day"} << "--by";
        QTest::newRow("by unknown") << QStringList{"--summary", "--by", "week"} << "--by";
        QTest::newRow("unit with port")
            << QStringList{"--unit", "10.0.0.1:5000", "--limit", "0"} << "10.0.0.1|5000|||||||0";
        QTest::newRow("ipv6 unit") << QStringList{"--unit", "[fe80::1]:7"} << "fe80::1|7|||||||50";
        QTest::newRow("bare ipv6") << QStringList{"--unit", "fe80::1"} << "fe80::1||||||||50";
        QTest::newRow("sha prefix") << QStringList{"--sha256", "ABCDEF01", "--outcome", "refused"}
                                    << "|||abcdef01|refused||||50";
        QTest::newRow("days") << QStringList{"--since", "2026-03-01T00:00Z", "--until",
                                             "2026-03-01T00:00:00.000Z"}
                              << "|||||1772323200000|1772323200001||50";
        QTest::newRow("short sha") << QStringList{"--sha256", "abc"} << "--sha256";
        QTest::newRow("sha wildcard") << QStringList{"--sha256", "abcdef0%"} << "--sha256";
        QTest::newRow("unknown outcome") << QStringList{"--outcome", "ok"} << "--outcome";
        QTest::newRow("bad date") << QStringList{"--since", "2026-02-30"} << "--since";
        QTest::newRow("bad limit") << QStringList{"--limit", "-1"} << "--limit";
        QTest::newRow("twice") << QStringList{"--name", "a", "--name", "b"} << "--name";
        QTest::newRow("two formats") << QStringList{"--json", "--csv"} << "--json";
    }

    void toolOptions()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        const HistoryToolOptions options =
            HistoryToolOptions::parse(QStringList{"firmware-uploader-history"} + arguments);
        if (options.action == HistoryToolOptions::Action::Fail) {
            QVERIFY2(options.error.startsWith(expected), qPrintable(options.error));
            return;
        }
        const HistoryFilter &f = options.filter;
        const auto number = [](const auto &value) {
            return value ? QString::number(*value) : QString();
        };
        QCOMPARE(
            QStringList({f.address, number(f.port), f.unitName, f.sha256Prefix, f.outcome,
                         number(f.sinceMs), number(f.untilMs), f.runId, QString::number(f.limit)})
                .join('|'),
            expected);
    }
};

QTEST_GUILESS_MAIN(tst_HistoryStore)
#include "tst_historystore.moc"
