#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <optional>

// The tables of the flash history and the steps from each schema version to the next. The
// schema_version table holds the version; a history without it (and without attempts) is new.
// Version 3 keeps started and ended in UTC (timestamptz on PostgreSQL), adds ended_ms and the
// attempt_id that makes a retried insert harmless. Version 4 adds the serial-number pools and the
// serial each attempt wrote.
class HistorySchema
{
public:
    static constexpr int kCurrentVersion = 4;

    // The version of the history on db: 0 when it has no schema yet, nullopt when it cannot be
    // read or is damaged (attempts without a version, a version table without one).
    static std::optional<int> version(QSqlDatabase &db, QString *error);
    // Creates the schema or brings an older one up to the current version, in one transaction
    // that other writers wait for. Refuses a newer version without touching it.
    static std::optional<QString> ensureCurrent(QSqlDatabase &db);
    // The select list for reading the attempts of a history at the given version: the columns
    // it lacks read as NULL, times as the UTC text that SQLite stores.
    static QString selectList(int version, bool postgres);
    // The statements that bring version - 1 up to version (1: a new history's first tables).
    static QStringList upgradeTo(int version, bool postgres);

    static QString tooNewMessage(int version);

private:
    static std::optional<QString> lockForSchema(QSqlDatabase &db, bool postgres);
};
