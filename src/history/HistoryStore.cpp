#include "HistoryStore.h"

#include "HistorySchema.h"

#include <QAtomicInt>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <fcntl.h>
#include <unistd.h>

// Details for a developer; every failure also goes back to the caller, who reports it.
Q_LOGGING_CATEGORY(lcHistory, "fwu.history", QtWarningMsg)

namespace {

QString nextConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("fwhistory-%1").arg(counter.fetchAndAddRelaxed(1));
}

QString columnNames()
{
    QStringList names;
    for (const QString &field : HistoryRecord::fields().mid(1))
        names.append(QLatin1Char('"') + field + QLatin1Char('"'));
    names.append(QStringLiteral("started_ms"));
    return names.join(QStringLiteral(", "));
}

} // namespace

HistoryStore::HistoryStore(const HistoryLocation &location)
    : m_location(location), m_connectionName(nextConnectionName())
{}

HistoryStore::~HistoryStore()
{
    close();
}

QString HistoryStore::failure(const QString &what) const
{
    return QStringLiteral("the history at %1: %2").arg(m_location.display(), what);
}

void HistoryStore::close()
{
    if (!QSqlDatabase::contains(m_connectionName))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
    m_open = false;
}

// The file is made by hand so that its mode is 0600 from the start: the history names hosts,
// operators and units. SQLite gives its -wal and -shm files the same mode.
std::optional<QString> HistoryStore::prepareSqliteFile() const
{
    const QString path = m_location.path();
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        return QStringLiteral("cannot create the folder %1").arg(info.absolutePath());
    if (info.exists())
        return std::nullopt;
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return QStringLiteral("cannot create the file: %1")
            .arg(QString::fromLocal8Bit(strerror(errno)));
    ::close(fd);
    return std::nullopt;
}

std::optional<QString> HistoryStore::openDatabase(Access access)
{
    QSqlDatabase db;
    if (m_location.kind() == HistoryLocation::Kind::Sqlite) {
        if (access == Access::Read && !QFileInfo(m_location.path()).isFile())
            return QStringLiteral("there is no history file");
        if (access == Access::Write) {
            if (std::optional<QString> problem = prepareSqliteFile())
                return problem;
        }
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
        db.setDatabaseName(m_location.path());
        db.setConnectOptions(
            QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs) +
            (access == Access::Read ? QStringLiteral(";QSQLITE_OPEN_READONLY") : QString()));
    } else {
        db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_connectionName);
        db.setHostName(m_location.host());
        db.setPort(m_location.port());
        db.setUserName(m_location.user());
        db.setPassword(m_location.password());
        db.setDatabaseName(m_location.database());
        db.setConnectOptions(m_location.connectOptions());
    }
    if (!db.isValid())
        return QStringLiteral("the Qt SQL driver %1 is not installed").arg(db.driverName());
    if (!db.open())
        return db.lastError().text();
    return std::nullopt;
}

std::optional<QString> HistoryStore::open(Access access)
{
    close();
    if (m_location.kind() == HistoryLocation::Kind::Invalid)
        return m_location.error();
    if (m_location.isOff())
        return QStringLiteral("the history is off");
    m_access = access;
    std::optional<QString> problem = openDatabase(access);
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    QString error;
    std::optional<int> version;
    if (!problem) {
        // Read before anything is written, so that a newer history stays as it is.
        version = HistorySchema::version(db, &error);
        if (!version)
            problem = error;
        else if (*version > HistorySchema::kCurrentVersion)
            problem = HistorySchema::tooNewMessage(*version);
    }
    if (!problem && access == Access::Write) {
        if (m_location.kind() == HistoryLocation::Kind::Sqlite) {
            QSqlQuery wal(db);
            if (!wal.exec(QStringLiteral("PRAGMA journal_mode=WAL")))
                problem = wal.lastError().text();
        }
        if (!problem)
            problem = HistorySchema::ensureCurrent(db);
        version = HistorySchema::kCurrentVersion;
    }
    db = QSqlDatabase();
    if (problem) {
        close();
        qCDebug(lcHistory) << "cannot open" << m_location.display() << *problem;
        return failure(*problem);
    }
    m_version = *version;
    m_open = true;
    return std::nullopt;
}

std::optional<QString> HistoryStore::runQuery(QSqlQuery &query, const QString &sql,
                                              const QVariantList &bindings)
{
    if (!query.prepare(sql))
        return query.lastError().text();
    for (const QVariant &value : bindings)
        query.addBindValue(value);
    if (!query.exec())
        return query.lastError().text();
    return std::nullopt;
}

std::optional<QString> HistoryStore::insert(const HistoryRecord &record)
{
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    QVariantList values = record.values();
    values.append(record.started.toMSecsSinceEpoch());
    const QStringList placeholders(values.size(), QStringLiteral("?"));
    return runQuery(query,
                    QStringLiteral("INSERT INTO attempts (") + columnNames() +
                        QStringLiteral(") VALUES (") + placeholders.join(QLatin1Char(',')) +
                        QLatin1Char(')'),
                    values);
}

std::optional<QString> HistoryStore::append(const HistoryRecord &record)
{
    const bool wasOpen = m_open && m_access == Access::Write;
    if (!wasOpen) {
        if (std::optional<QString> problem = open(Access::Write))
            return problem;
    }
    std::optional<QString> problem = insert(record);
    if (problem && wasOpen && m_location.kind() == HistoryLocation::Kind::Postgres) {
        qCDebug(lcHistory) << "writing again after" << *problem;
        if (std::optional<QString> reopenProblem = open(Access::Write))
            return reopenProblem;
        problem = insert(record);
    }
    if (problem)
        return failure(*problem);
    return std::nullopt;
}

std::optional<QString> HistoryStore::select(const HistoryFilter &filter, QList<HistoryRow> *rows)
{
    rows->clear();
    if (!m_open) {
        if (std::optional<QString> problem = open(Access::Read))
            return problem;
    }
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    query.setForwardOnly(true);
    QVariantList bindings;
    QString sql = QStringLiteral("SELECT ") + HistorySchema::selectList(m_version) +
                  QStringLiteral(" FROM attempts") + filter.whereClause(&bindings) +
                  QStringLiteral(" ORDER BY started_ms DESC, id DESC");
    if (filter.limit > 0)
        sql += QStringLiteral(" LIMIT %1").arg(filter.limit);
    if (m_version == 0)
        return std::nullopt;
    if (std::optional<QString> problem = runQuery(query, sql, bindings))
        return failure(*problem);
    const qsizetype columns = HistoryRecord::fields().size();
    while (query.next()) {
        HistoryRow row;
        row.values.reserve(columns);
        for (int i = 0; i < columns; ++i)
            row.values.append(query.value(i));
        rows->append(row);
    }
    return std::nullopt;
}

std::optional<QString> HistoryStore::countBy(const QString &group, const QString &keyExpression,
                                             const HistoryFilter &filter, QList<Count> *counts)
{
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    query.setForwardOnly(true);
    QVariantList bindings;
    const QString sql = QStringLiteral("SELECT ") + keyExpression +
                        QStringLiteral(" AS k, outcome, COUNT(*) FROM attempts") +
                        filter.whereClause(&bindings) +
                        QStringLiteral(" GROUP BY k, outcome ORDER BY k, outcome");
    if (std::optional<QString> problem = runQuery(query, sql, bindings))
        return failure(*problem);
    while (query.next())
        counts->append({group, query.value(0).toString(), query.value(1).toString(),
                        query.value(2).toLongLong()});
    return std::nullopt;
}

std::optional<QString> HistoryStore::summary(const HistoryFilter &filter, QList<Count> *counts)
{
    counts->clear();
    if (!m_open) {
        if (std::optional<QString> problem = open(Access::Read))
            return problem;
    }
    if (m_version == 0)
        return std::nullopt;
    if (std::optional<QString> problem =
            countBy(QStringLiteral("firmware_sha256"),
                    QStringLiteral("COALESCE(firmware_sha256, '')"), filter, counts))
        return problem;
    return countBy(QStringLiteral("unit"),
                   QStringLiteral("COALESCE(address, '') || ':' || COALESCE(CAST(port AS TEXT), "
                                  "'')"),
                   filter, counts);
}
