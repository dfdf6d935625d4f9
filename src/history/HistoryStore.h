#pragma once

#include "HistoryFilter.h"
#include "HistoryLocation.h"
#include "HistoryRecord.h"
#include "StationEvent.h"

#include <QList>
#include <QString>

#include <optional>

// The flash history behind one database connection: SQLite in a file (WAL journal, a busy
// time-out so that many uploaders finishing at once all get their row) or a PostgreSQL server.
// Every failure comes back as the reason; none is thrown or only logged.
class QSqlDatabase;
class QSqlQuery;

class HistoryStore
{
public:
    enum class Access { Write, Read };

    // How long an SQLite writer waits for another's lock before its row is given up.
    static constexpr int kBusyTimeoutMs = 10000;

    struct Count
    {
        // "firmware_sha256" or "unit"
        QString group;
        QString key;
        QString outcome;
        qint64 attempts = 0;
    };

    explicit HistoryStore(const HistoryLocation &location);
    ~HistoryStore();
    HistoryStore(const HistoryStore &) = delete;
    HistoryStore &operator=(const HistoryStore &) = delete;

    const HistoryLocation &location() const { return m_location; }

    // Connects; for writing also creates the file (mode 0600) and brings the schema up to date.
    // For reading, a missing SQLite file is an error, and nothing is created or changed.
    std::optional<QString> open(Access access);
    void close();
    // Opens for writing when not yet open. A PostgreSQL connection that broke since the last
    // row is made again once.
    std::optional<QString> append(const HistoryRecord &record);
    // Newest first.
    std::optional<QString> select(const HistoryFilter &filter, QList<HistoryRow> *rows);
    // How many attempts the filter lets through, its limit aside.
    std::optional<QString> count(const HistoryFilter &filter, qint64 *attempts);
    // Attempts per outcome for each firmware SHA-256 and for each unit (address:port), among
    // those the filter lets through (its limit aside).
    std::optional<QString> summary(const HistoryFilter &filter, QList<Count> *counts);
    // The station's events: written like a row, read newest first (limit 0: all), each the
    // values of StationEvent::fields().
    std::optional<QString> appendEvent(const StationEvent &event);
    std::optional<QString> selectEvents(int limit, QList<QVariantList> *events);

    // For the classes that keep their own tables in the history (SerialLedger), on the thread
    // that opened the store: opens it when it is not open yet (or only for reading when
    // writing is asked for), then lends its connection.
    std::optional<QString> ensureOpen(Access access);
    QString connectionName() const { return m_connectionName; }
    // The schema version of the open history (0: none yet).
    int schemaVersion() const { return m_version; }
    bool isPostgres() const { return m_location.kind() == HistoryLocation::Kind::Postgres; }
    // A reason with the history's place in front and the password taken out.
    QString failure(const QString &what) const;
    static std::optional<QString> runQuery(QSqlQuery &query, const QString &sql,
                                           const QVariantList &bindings);

private:
    std::optional<QString> openDatabase(Access access);
    static std::optional<QString> useWal(QSqlDatabase &db);
    std::optional<QString> prepareSqliteFile(Access access) const;
    std::optional<QString> insert(const HistoryRecord &record);
    std::optional<QString> openForReading();
    std::optional<QString> countBy(const QString &group, const QString &keyExpression,
                                   const HistoryFilter &filter, QList<Count> *counts);

    HistoryLocation m_location;
    QString m_connectionName;
    bool m_open = false;
    Access m_access = Access::Write;
    int m_version = 0;
};
