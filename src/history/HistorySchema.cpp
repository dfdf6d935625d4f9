#include "HistorySchema.h"

#include "HistoryRecord.h"

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
    if (field == QLatin1String("signature_key_id") || field == QLatin1String("signature_comment"))
        return 2;
    return 1;
}

} // namespace

QString HistorySchema::tooNewMessage(int version)
{
    return QStringLiteral("the history has schema version %1, newer than this program's %2; it "
                          "is left as it is: use a newer release of the program")
        .arg(version)
        .arg(kCurrentVersion);
}

std::optional<int> HistorySchema::version(QSqlDatabase &db, QString *error)
{
    if (!db.tables().contains(QStringLiteral("schema_version")))
        return 0;
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT MAX(version) FROM schema_version")) || !query.next()) {
        *error = query.lastError().text();
        return std::nullopt;
    }
    return query.value(0).toInt();
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

QString HistorySchema::selectList(int version)
{
    QStringList columns;
    for (const QString &field : HistoryRecord::fields()) {
        const QString quoted = QLatin1Char('"') + field + QLatin1Char('"');
        columns.append(versionOfColumn(field) <= version ? quoted
                                                         : QStringLiteral("NULL AS ") + quoted);
    }
    return columns.join(QStringLiteral(", "));
}
