#include "HistorySchema.h"

#include "HistoryRecord.h"
#include "SerialLedger.h"
#include "StationEvent.h"
#include "platform/CoreText.h"

#include <QPair>
#include <QSqlError>
#include <QSqlQuery>

namespace {

// Any number will do, as long as every writer of a history takes the same one.
constexpr const char *kSchemaLockKey = "702106";

bool isPostgres(const QSqlDatabase &db)
{
    return db.driverName() == QLatin1String("QPSQL");
}

std::optional<QString> run(QSqlDatabase &db, const QString &statement)
{
    QSqlQuery query(db);
    if (query.exec(statement))
        return std::nullopt;
    return query.lastError().text();
}

// Columns that arrived after the first version, with the version that brought them.
int versionOfColumn(const QString &field)
{
    if (field == QLatin1String("serial") || field == QLatin1String("serial_pool") ||
        field == QLatin1String("base_sha256"))
        return 4;
    if (field == QLatin1String("unit_serial"))
        return 3;
    if (field == QLatin1String("signature_key_id") || field == QLatin1String("signature_comment"))
        return 2;
    if (field == QLatin1String("attempt_id"))
        return 3;
    return 1;
}

// Whether the attempts and the schema_version tables exist. A query rather than
// QSqlDatabase::tables(), which answers "none" for a file that is no database or is locked; on
// PostgreSQL one that reads pg_class as of now: to_regclass() can answer from the session's
// cache, which still holds "missing" after another writer created the tables while this one
// waited for the schema lock.
std::optional<QPair<bool, bool>> historyTables(QSqlDatabase &db, QString *error)
{
    const auto exists = [&db](const char *table) {
        return isPostgres(db)
                   ? QStringLiteral("(SELECT COUNT(*) FROM pg_catalog.pg_class c JOIN "
                                    "pg_catalog.pg_namespace n ON n.oid = c.relnamespace WHERE "
                                    "n.nspname = current_schema() AND c.relname = '%1')")
                         .arg(QLatin1String(table))
                   : QStringLiteral("(SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' "
                                    "AND name = '%1')")
                         .arg(QLatin1String(table));
    };
    const QString sql =
        QStringLiteral("SELECT %1 > 0, %2 > 0").arg(exists("attempts"), exists("schema_version"));
    QSqlQuery query(db);
    if (!query.exec(sql) || !query.next()) {
        *error = query.lastError().text();
        return std::nullopt;
    }
    return QPair<bool, bool>(query.value(0).toBool(), query.value(1).toBool());
}

// The times of older versions were local text with an offset: to UTC, and ended_ms beside them.
QStringList toUtcTimes(bool postgres)
{
    if (postgres)
        return {QStringLiteral("ALTER TABLE attempts ALTER COLUMN started TYPE timestamptz USING "
                               "TIMESTAMPTZ 'epoch' + started_ms * INTERVAL '1 millisecond'"),
                QStringLiteral("ALTER TABLE attempts ALTER COLUMN ended TYPE timestamptz USING "
                               "ended::timestamptz"),
                QStringLiteral("UPDATE attempts SET ended_ms = "
                               "ROUND(EXTRACT(EPOCH FROM ended) * 1000)")};
    // SQLite's date functions read the offset and answer in UTC; started_ms stands in for a
    // text they cannot read.
    return {QStringLiteral(
        "UPDATE attempts SET "
        "ended_ms = COALESCE(CAST(ROUND((julianday(ended) - 2440587.5) * 86400000.0) AS INTEGER), "
        "started_ms), "
        "started = COALESCE(strftime('%Y-%m-%dT%H:%M:%fZ', started), "
        "strftime('%Y-%m-%dT%H:%M:%fZ', started_ms / 1000.0, 'unixepoch')), "
        "ended = COALESCE(strftime('%Y-%m-%dT%H:%M:%fZ', ended), "
        "strftime('%Y-%m-%dT%H:%M:%fZ', started_ms / 1000.0, 'unixepoch'))")};
}

} // namespace

QString HistorySchema::tooNewMessage(int version)
{
    return CoreText::english("the history has schema version %1, newer than this program's %2; it "
                             "is left as it is: use a newer release of the program")
        .arg(version)
        .arg(kCurrentVersion);
}

std::optional<int> HistorySchema::version(QSqlDatabase &db, QString *error)
{
    const std::optional<QPair<bool, bool>> tables = historyTables(db, error);
    if (!tables)
        return std::nullopt;
    const auto [hasAttempts, hasVersion] = *tables;
    if (!hasVersion) {
        if (!hasAttempts)
            return 0;
        *error = CoreText::english("the history has attempts but no schema_version table");
        return std::nullopt;
    }
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT MAX(version) FROM schema_version")) || !query.next()) {
        *error = query.lastError().text();
        return std::nullopt;
    }
    // An empty table, NULL or 0 is a damaged history, not a new one: reading it as empty
    // would hide its attempts.
    bool isNumber = false;
    const int found = query.value(0).toInt(&isNumber);
    if (!isNumber || found < 1) {
        *error = CoreText::english("the schema_version table holds no version");
        return std::nullopt;
    }
    return found;
}

QStringList HistorySchema::upgradeTo(int version, bool postgres)
{
    switch (version) {
    case 1:
        return {
            QStringLiteral("CREATE TABLE schema_version (version INTEGER NOT NULL)"),
            QStringLiteral("CREATE TABLE attempts (id ") +
                (postgres ? QStringLiteral("BIGSERIAL PRIMARY KEY")
                          : QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT")) +
                QStringLiteral(", run_id TEXT, started TEXT NOT NULL, started_ms BIGINT NOT NULL, "
                               "ended TEXT NOT NULL, duration_s DOUBLE PRECISION, host TEXT, "
                               "\"operator\" TEXT, program TEXT, version TEXT, title TEXT, "
                               "unit_name TEXT, address TEXT, port BIGINT, firmware_path TEXT, "
                               "firmware_size BIGINT, firmware_sha256 TEXT, records BIGINT, "
                               "records_sent BIGINT, outcome TEXT NOT NULL, exit_code BIGINT, "
                               "message TEXT)"),
            QStringLiteral("CREATE INDEX attempts_started ON attempts (started_ms)"),
            QStringLiteral("INSERT INTO schema_version (version) VALUES (1)")};
    case 2:
        return {QStringLiteral("ALTER TABLE attempts ADD COLUMN signature_key_id TEXT"),
                QStringLiteral("ALTER TABLE attempts ADD COLUMN signature_comment TEXT"),
                QStringLiteral("CREATE INDEX attempts_sha256 ON attempts (firmware_sha256)"),
                QStringLiteral("CREATE INDEX attempts_unit ON attempts (address, port)"),
                QStringLiteral("UPDATE schema_version SET version = 2")};
    case 3:
        return QStringList{QStringLiteral("ALTER TABLE attempts ADD COLUMN attempt_id ") +
                               (postgres ? QStringLiteral("UUID") : QStringLiteral("TEXT")),
                           QStringLiteral("ALTER TABLE attempts ADD COLUMN ended_ms BIGINT")} +
               toUtcTimes(postgres) +
               QStringList{QStringLiteral("CREATE UNIQUE INDEX attempts_attempt_id ON attempts "
                                          "(attempt_id)"),
                           // One word for one outcome: the window called its operator's stop
                           // "stopped" where every other program says "interrupted".
                           QStringLiteral("UPDATE attempts SET outcome = 'interrupted' WHERE "
                                          "outcome = 'stopped'"),
                           QStringLiteral("ALTER TABLE attempts ADD COLUMN unit_serial TEXT"),
                           QStringLiteral("CREATE INDEX attempts_unit_serial ON attempts "
                                          "(unit_serial)"),
                           StationEvent::createTable(postgres),
                           QStringLiteral("UPDATE schema_version SET version = 3")};
    case 4:
        return QStringList{QStringLiteral("ALTER TABLE attempts ADD COLUMN serial TEXT"),
                           QStringLiteral("ALTER TABLE attempts ADD COLUMN serial_pool TEXT"),
                           QStringLiteral("ALTER TABLE attempts ADD COLUMN base_sha256 TEXT"),
                           QStringLiteral("CREATE INDEX attempts_serial ON attempts (serial)")} +
               SerialLedger::createTables(postgres) +
               QStringList{QStringLiteral("UPDATE schema_version SET version = 4")};
    default:
        return {};
    }
}

std::optional<QString> HistorySchema::lockForSchema(QSqlDatabase &db, bool postgres)
{
    // SQLite: a write lock from the start, so that two new writers cannot both create tables.
    if (!postgres)
        return run(db, QStringLiteral("BEGIN IMMEDIATE"));
    if (!db.transaction())
        return db.lastError().text();
    return run(
        db, QStringLiteral("SELECT pg_advisory_xact_lock(%1)").arg(QLatin1String(kSchemaLockKey)));
}

std::optional<QString> HistorySchema::ensureCurrent(QSqlDatabase &db)
{
    const bool postgres = isPostgres(db);
    if (std::optional<QString> problem = lockForSchema(db, postgres))
        return problem;
    const auto rollback = [&db, postgres](const QString &why) -> std::optional<QString> {
        if (postgres)
            db.rollback();
        else
            run(db, QStringLiteral("ROLLBACK"));
        return why;
    };
    QString error;
    const std::optional<int> found = version(db, &error);
    if (!found)
        return rollback(error);
    if (*found > kCurrentVersion)
        return rollback(tooNewMessage(*found));
    if (*found == kCurrentVersion) {
        rollback(QString());
        return std::nullopt;
    }
    for (int step = *found + 1; step <= kCurrentVersion; ++step) {
        for (const QString &statement : upgradeTo(step, postgres)) {
            if (std::optional<QString> problem = run(db, statement))
                return rollback(*problem);
        }
    }
    if (postgres)
        return db.commit() ? std::nullopt : rollback(db.lastError().text());
    if (std::optional<QString> problem = run(db, QStringLiteral("COMMIT")))
        return rollback(*problem);
    return std::nullopt;
}

QString HistorySchema::selectList(int version, bool postgres)
{
    const bool timestamps = postgres && version >= 3;
    QStringList columns;
    for (const QString &field : HistoryRecord::fields()) {
        const QString quoted = QLatin1Char('"') + field + QLatin1Char('"');
        if (versionOfColumn(field) > version)
            columns.append(QStringLiteral("NULL AS ") + quoted);
        else if (timestamps &&
                 (field == QLatin1String("started") || field == QLatin1String("ended")))
            columns.append(QStringLiteral("to_char(%1 AT TIME ZONE 'UTC', "
                                          "'YYYY-MM-DD\"T\"HH24:MI:SS.MS\"Z\"') AS %1")
                               .arg(quoted));
        else if (postgres && field == QLatin1String("attempt_id"))
            columns.append(QStringLiteral("CAST(attempt_id AS TEXT) AS ") + quoted);
        else
            columns.append(quoted);
    }
    return columns.join(QStringLiteral(", "));
}
