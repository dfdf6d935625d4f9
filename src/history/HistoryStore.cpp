#include "HistoryStore.h"

#include "HistorySchema.h"
#include "platform/CoreText.h"
#include "platform/SystemErrorText.h"

#include <QAtomicInt>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
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
    names.append(QStringLiteral("ended_ms"));
    return names.join(QStringLiteral(", "));
}

QString systemError()
{
    return SystemErrorText::of(errno);
}

// An existing file of ours that others can read is made private; one of another account stays
// as it is (its owner decides, and the row is still written).
void makePrivate(const QByteArray &name)
{
    const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat info
    {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid() &&
        (info.st_mode & 0777) != 0600)
        ::fchmod(fd, 0600);
    ::close(fd);
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
    // A driver's text may quote the connection string, password and all.
    return CoreText::english("the history at %1: %2")
        .arg(m_location.display(), m_location.scrub(what));
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

// The history names hosts, operators and units: the file is made by hand so that its mode is
// 0600 from the start (SQLite gives its -wal and -shm files the same mode), and a symbolic link
// at its place is refused, so that a link planted there can neither send the rows elsewhere nor
// create a file where it points.
std::optional<QString> HistoryStore::prepareSqliteFile(Access access) const
{
    const QString path = m_location.path();
    const QByteArray name = QFile::encodeName(path);
    struct stat info
    {};
    if (::lstat(name.constData(), &info) != 0) {
        if (errno != ENOENT)
            return systemError();
        if (access == Access::Read)
            return CoreText::english("there is no history file");
        const QString folder = QFileInfo(path).absolutePath();
        if (!QDir().mkpath(folder))
            return CoreText::english("cannot create the folder %1").arg(folder);
        const int fd =
            ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0) {
            ::close(fd);
            return std::nullopt;
        }
        // Another writer made it meanwhile; it is checked as any existing file.
        if (errno != EEXIST || ::lstat(name.constData(), &info) != 0)
            return CoreText::english("cannot create the file: %1").arg(systemError());
    }
    if (S_ISLNK(info.st_mode))
        return CoreText::english("the history file is a symbolic link; give the file itself");
    if (!S_ISREG(info.st_mode))
        return CoreText::english("the history is not a file");
    if (access == Access::Write) {
        for (const char *suffix : {"", "-wal", "-shm"})
            makePrivate(name + suffix);
    }
    return std::nullopt;
}

std::optional<QString> HistoryStore::openDatabase(Access access)
{
    QSqlDatabase db;
    if (m_location.kind() == HistoryLocation::Kind::Sqlite) {
        if (std::optional<QString> problem = prepareSqliteFile(access))
            return problem;
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
        return CoreText::english("the Qt SQL driver %1 is not installed").arg(db.driverName());
    if (!db.open())
        return db.lastError().text();
    return std::nullopt;
}

// Writers that all find a new file switch it to WAL together, and SQLite answers the ones that
// find another connection in the way with "database is locked" at once, without waiting the busy
// time-out (measured: of 8 new writers, one lost its row in about one try of three). They try
// again for as long as the busy time-out, as for any other lock.
std::optional<QString> HistoryStore::useWal(QSqlDatabase &db)
{
    constexpr int kSqliteBusy = 5; // the primary code; extended ones keep it in the low byte
    constexpr unsigned long kRetryMs = 10;
    QDeadlineTimer deadline(kBusyTimeoutMs);
    for (;;) {
        QSqlQuery wal(db);
        if (wal.exec(QStringLiteral("PRAGMA journal_mode=WAL")))
            return std::nullopt;
        if ((wal.lastError().nativeErrorCode().toInt() & 0xff) != kSqliteBusy ||
            deadline.hasExpired())
            return wal.lastError().text();
        QThread::msleep(kRetryMs);
    }
}

std::optional<QString> HistoryStore::open(Access access)
{
    close();
    if (m_location.kind() == HistoryLocation::Kind::Invalid)
        return m_location.error();
    if (m_location.isOff())
        return CoreText::english("the history is off");
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
        if (m_location.kind() == HistoryLocation::Kind::Sqlite)
            problem = useWal(db);
        if (!problem)
            problem = HistorySchema::ensureCurrent(db);
        version = HistorySchema::kCurrentVersion;
    }
    db = QSqlDatabase();
    if (problem) {
        close();
        const QString message = failure(*problem);
        qCDebug(lcHistory) << "cannot open:" << message;
        return message;
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
    values.append(record.ended.toMSecsSinceEpoch());
    const QStringList placeholders(values.size(), QStringLiteral("?"));
    // The row of an insert sent again after its reply was lost is there already: one row stays.
    return runQuery(query,
                    QStringLiteral("INSERT INTO attempts (") + columnNames() +
                        QStringLiteral(") VALUES (") + placeholders.join(QLatin1Char(',')) +
                        QStringLiteral(") ON CONFLICT (attempt_id) DO NOTHING"),
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
    if (problem && wasOpen && isPostgres()) {
        qCDebug(lcHistory) << "writing again after" << m_location.scrub(*problem);
        if (std::optional<QString> reopenProblem = open(Access::Write))
            return reopenProblem;
        problem = insert(record);
    }
    if (problem)
        return failure(*problem);
    return std::nullopt;
}

std::optional<QString> HistoryStore::openForReading()
{
    return ensureOpen(Access::Read);
}

std::optional<QString> HistoryStore::ensureOpen(Access access)
{
    if (m_open && (access == Access::Read || m_access == Access::Write))
        return std::nullopt;
    return open(access);
}

std::optional<QString> HistoryStore::count(const HistoryFilter &filter, qint64 *attempts)
{
    *attempts = 0;
    if (std::optional<QString> problem = openForReading())
        return problem;
    if (m_version == 0)
        return std::nullopt;
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    QVariantList bindings;
    if (std::optional<QString> problem = runQuery(
            query, QStringLiteral("SELECT COUNT(*) FROM attempts") + filter.whereClause(&bindings),
            bindings))
        return failure(*problem);
    if (!query.next())
        return failure(query.lastError().text());
    *attempts = query.value(0).toLongLong();
    return std::nullopt;
}

std::optional<QString> HistoryStore::select(const HistoryFilter &filter, QList<HistoryRow> *rows)
{
    rows->clear();
    if (std::optional<QString> problem = openForReading())
        return problem;
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    query.setForwardOnly(true);
    QVariantList bindings;
    QString sql = QStringLiteral("SELECT ") + HistorySchema::selectList(m_version, isPostgres()) +
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

std::optional<QString> HistoryStore::appendEvent(const StationEvent &event)
{
    if (!(m_open && m_access == Access::Write)) {
        if (std::optional<QString> problem = open(Access::Write))
            return problem;
    }
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    QVariantList values = event.values();
    values.append(event.time.toMSecsSinceEpoch());
    QStringList columns;
    for (const QString &field : StationEvent::fields().mid(1))
        columns.append(QLatin1Char('"') + field + QLatin1Char('"'));
    columns.append(QStringLiteral("time_ms"));
    const QStringList placeholders(values.size(), QStringLiteral("?"));
    if (std::optional<QString> problem =
            runQuery(query,
                     QStringLiteral("INSERT INTO station_events (") + columns.join(u',') +
                         QStringLiteral(") VALUES (") + placeholders.join(u',') + u')',
                     values))
        return failure(*problem);
    return std::nullopt;
}

std::optional<QString> HistoryStore::selectEvents(int limit, QList<QVariantList> *events)
{
    events->clear();
    if (std::optional<QString> problem = openForReading())
        return problem;
    if (m_version < 3)
        return std::nullopt;
    QStringList columns;
    for (const QString &field : StationEvent::fields())
        columns.append(field == QLatin1String("time") && isPostgres()
                           ? QStringLiteral("to_char(\"time\" AT TIME ZONE 'UTC', "
                                            "'YYYY-MM-DD\"T\"HH24:MI:SS.MS\"Z\"')")
                           : QLatin1Char('"') + field + QLatin1Char('"'));
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    query.setForwardOnly(true);
    QString sql = QStringLiteral("SELECT ") + columns.join(QStringLiteral(", ")) +
                  QStringLiteral(" FROM station_events ORDER BY time_ms DESC, id DESC");
    if (limit > 0)
        sql += QStringLiteral(" LIMIT %1").arg(limit);
    if (std::optional<QString> problem = runQuery(query, sql, {}))
        return failure(*problem);
    while (query.next()) {
        QVariantList values;
        for (int i = 0; i < StationEvent::fields().size(); ++i)
            values.append(query.value(i));
        events->append(values);
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
    if (std::optional<QString> problem = openForReading())
        return problem;
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
