#include "SerialLedger.h"

#include "HistoryRecord.h"
#include "HistoryStore.h"
#include "HistoryTransaction.h"
#include "platform/CoreText.h"
#include "platform/ProcessIdentity.h"

#include <QDateTime>
#include <QFile>
#include <QMetaType>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace {

QVariant textOrNull(const QString &text)
{
    return text.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(text);
}

QVariant numberOrNull(std::optional<qint64> number)
{
    return number ? QVariant(*number) : QVariant(QMetaType::fromType<qint64>());
}

qint64 nowMs()
{
    return QDateTime::currentMSecsSinceEpoch();
}

QString nowText()
{
    return HistoryRecord::timeText(QDateTime::currentDateTimeUtc());
}

constexpr const char *kHolderColumns =
    "attempt_id = ?, unit_name = ?, address = ?, port = ?, host = ?, pid = ?, process_start = ?, "
    "changed = ?, changed_ms = ?";

QVariantList holderValues(const SerialLedger::Holder &holder)
{
    return {textOrNull(holder.attemptId),
            textOrNull(holder.unitName),
            textOrNull(holder.address),
            numberOrNull(holder.port ? std::optional<qint64>(*holder.port) : std::nullopt),
            textOrNull(holder.host),
            holder.pid,
            holder.processStart,
            nowText(),
            nowMs()};
}

} // namespace

SerialLedger::Holder SerialLedger::Holder::ofThisProcess(const QString &attemptId)
{
    Holder holder;
    holder.attemptId = attemptId;
    holder.host = HistoryRecord::hostName();
    const ProcessIdentity self = ProcessIdentity::current();
    holder.pid = self.pid;
    holder.processStart = self.startTicks;
    return holder;
}

QString SerialLedger::word(State state)
{
    static const char *const words[] = {"allocated", "used", "burnt", "returned"};
    return QLatin1String(words[int(state)]);
}

const QStringList &SerialLedger::fields()
{
    static const QStringList names{
        QStringLiteral("pool"),       QStringLiteral("value"),     QStringLiteral("state"),
        QStringLiteral("attempt_id"), QStringLiteral("unit_name"), QStringLiteral("address"),
        QStringLiteral("port"),       QStringLiteral("host"),      QStringLiteral("changed")};
    return names;
}

QStringList SerialLedger::createTables(bool /*postgres*/)
{
    // changed is UTC text like the attempts' times; changed_ms is what the sweep compares.
    return {QStringLiteral("CREATE TABLE serial_pools (pool TEXT PRIMARY KEY, identity TEXT NOT "
                           "NULL, size BIGINT NOT NULL, next_index BIGINT NOT NULL, created TEXT "
                           "NOT NULL)"),
            QStringLiteral("CREATE TABLE serial_numbers (pool TEXT NOT NULL, value TEXT NOT NULL, "
                           "seq BIGINT, state TEXT NOT NULL, attempt_id TEXT, unit_name TEXT, "
                           "address TEXT, port BIGINT, host TEXT, pid BIGINT, process_start "
                           "BIGINT, changed TEXT NOT NULL, changed_ms BIGINT NOT NULL, PRIMARY "
                           "KEY (pool, value))"),
            QStringLiteral("CREATE INDEX serial_numbers_state ON serial_numbers (pool, state, "
                           "changed_ms)")};
}

SerialLedger::SerialLedger(HistoryStore &store) : m_store(store) {}

QSqlDatabase SerialLedger::database() const
{
    return QSqlDatabase::database(m_store.connectionName(), false);
}

std::optional<QString> SerialLedger::refuse(const QString &reason)
{
    m_refused = true;
    return reason;
}

QString SerialLedger::forUpdate(const char *extra) const
{
    return m_store.isPostgres() ? QStringLiteral(" FOR UPDATE") + QLatin1String(extra) : QString();
}

std::optional<QString> SerialLedger::run(QSqlQuery &query, const QString &sql,
                                         const QVariantList &bindings)
{
    if (std::optional<QString> problem = HistoryStore::runQuery(query, sql, bindings))
        return m_store.failure(*problem);
    return std::nullopt;
}

std::optional<QString> SerialLedger::beginWriting(HistoryTransaction *transaction)
{
    m_refused = false;
    if (std::optional<QString> problem = m_store.ensureOpen(HistoryStore::Access::Write))
        return problem;
    if (std::optional<QString> problem = transaction->begin(database(), m_store.isPostgres()))
        return m_store.failure(*problem);
    return std::nullopt;
}

std::optional<QString> SerialLedger::openPool(const QString &pool, const QString &identity,
                                              qint64 size, Pool *found)
{
    QSqlQuery query(database());
    if (std::optional<QString> problem =
            run(query,
                QStringLiteral("INSERT INTO serial_pools (pool, identity, size, next_index, "
                               "created) VALUES (?, ?, ?, 0, ?) ON CONFLICT (pool) DO NOTHING"),
                {pool, identity, size, nowText()}))
        return problem;
    if (std::optional<QString> problem = run(
            query,
            QStringLiteral("SELECT identity, size, next_index FROM serial_pools WHERE pool = ?") +
                forUpdate(),
            {pool}))
        return problem;
    if (!query.next())
        return m_store.failure(query.lastError().text());
    const QString held = query.value(0).toString();
    if (held != identity)
        return refuse(
            CoreText::english("serial pool %1 holds %2, not %3").arg(pool, held, identity));
    found->size = query.value(1).toLongLong();
    found->nextIndex = query.value(2).toLongLong();
    return std::nullopt;
}

std::optional<QString> SerialLedger::sweep(const QString &pool, const QString &host,
                                           std::chrono::milliseconds staleLimit)
{
    const QString burn = QStringLiteral("UPDATE serial_numbers SET state = 'burnt', changed = ?, "
                                        "changed_ms = ? WHERE pool = ? AND state = 'allocated' ");
    QSqlQuery query(database());
    if (std::optional<QString> problem =
            run(query, burn + QStringLiteral("AND changed_ms < ?"),
                {nowText(), nowMs(), pool, nowMs() - qint64(staleLimit.count())}))
        return problem;
    if (std::optional<QString> problem =
            run(query,
                QStringLiteral("SELECT value, pid, process_start FROM serial_numbers WHERE pool = "
                               "? AND state = 'allocated' AND host = ?"),
                {pool, host}))
        return problem;
    QList<QVariantList> dead;
    while (query.next()) {
        if (!ProcessIdentity::isRunning(query.value(1).toLongLong(), query.value(2).toLongLong()))
            dead.append({query.value(0), query.value(1), query.value(2)});
    }
    for (const QVariantList &number : dead) {
        if (std::optional<QString> problem =
                run(query,
                    burn + QStringLiteral(
                               "AND value = ? AND host = ? AND pid = ? AND process_start = ?"),
                    {nowText(), nowMs(), pool, number.at(0), host, number.at(1), number.at(2)}))
            return problem;
    }
    return std::nullopt;
}

std::optional<QString> SerialLedger::allocate(const QString &pool, const QString &value,
                                              const QString &fromState, const Holder &holder,
                                              bool *allocated)
{
    QSqlQuery query(database());
    if (std::optional<QString> problem =
            run(query,
                QStringLiteral("UPDATE serial_numbers SET state = 'allocated', ") +
                    QLatin1String(kHolderColumns) +
                    QStringLiteral(" WHERE pool = ? AND value = ? AND state = ?"),
                holderValues(holder) + QVariantList{pool, value, fromState}))
        return problem;
    *allocated = query.numRowsAffected() == 1;
    return std::nullopt;
}

std::optional<QString> SerialLedger::insertNumber(const QString &pool, const QString &value,
                                                  std::optional<qint64> index, const Holder &holder,
                                                  bool *inserted)
{
    QSqlQuery query(database());
    // A value already in the ledger (a label claimed before its turn) stays as it is.
    if (std::optional<QString> problem =
            run(query,
                QStringLiteral("INSERT INTO serial_numbers (pool, value, seq, state, attempt_id, "
                               "unit_name, address, port, host, pid, process_start, changed, "
                               "changed_ms) VALUES (?, ?, ?, 'allocated', ?, ?, ?, ?, ?, ?, ?, "
                               "?, ?) ON CONFLICT (pool, value) DO NOTHING"),
                QVariantList{pool, value, numberOrNull(index)} + holderValues(holder)))
        return problem;
    *inserted = query.numRowsAffected() == 1;
    return std::nullopt;
}

std::optional<QString> SerialLedger::takeReturned(const QString &pool, const Holder &holder,
                                                  Claim *claim)
{
    QSqlQuery query(database());
    if (std::optional<QString> problem =
            run(query,
                QStringLiteral("SELECT value, seq FROM serial_numbers WHERE pool = ? AND state = "
                               "'returned' ORDER BY changed_ms, seq LIMIT 1") +
                    forUpdate(" SKIP LOCKED"),
                {pool}))
        return problem;
    if (!query.next())
        return std::nullopt;
    const QString value = query.value(0).toString();
    const QVariant index = query.value(1);
    bool allocated = false;
    if (std::optional<QString> problem =
            allocate(pool, value, QStringLiteral("returned"), holder, &allocated))
        return problem;
    if (allocated)
        *claim = {pool, value, index.isNull() ? std::nullopt : std::optional(index.toLongLong()),
                  QStringLiteral("returned")};
    return std::nullopt;
}

std::optional<QString> SerialLedger::usedUp(const QString &pool, qint64 size,
                                            const ValueAt &valueAt)
{
    QString last;
    if (std::optional<QString> problem = valueAt(size - 1, &last))
        return refuse(*problem);
    return refuse(CoreText::english("serial pool %1 is used up: last number %2").arg(pool, last));
}

std::optional<QString> SerialLedger::takeNew(const QString &pool, const Pool &found,
                                             const ValueAt &valueAt, const Holder &holder,
                                             Claim *claim)
{
    for (qint64 index = found.nextIndex;; ++index) {
        if (index >= found.size)
            return usedUp(pool, found.size, valueAt);
        QString value;
        if (std::optional<QString> problem = valueAt(index, &value))
            return refuse(*problem);
        bool inserted = false;
        if (std::optional<QString> problem = insertNumber(pool, value, index, holder, &inserted))
            return problem;
        if (!inserted)
            continue;
        QSqlQuery query(database());
        if (std::optional<QString> problem =
                run(query, QStringLiteral("UPDATE serial_pools SET next_index = ? WHERE pool = ?"),
                    {index + 1, pool}))
            return problem;
        *claim = {pool, value, index, QString()};
        return std::nullopt;
    }
}

std::optional<QString> SerialLedger::take(const QString &pool, const QString &identity, qint64 size,
                                          const ValueAt &valueAt, const Holder &holder,
                                          std::chrono::milliseconds staleLimit, Claim *claim)
{
    *claim = {};
    HistoryTransaction transaction;
    if (std::optional<QString> problem = beginWriting(&transaction))
        return problem;
    Pool found;
    if (std::optional<QString> problem = openPool(pool, identity, size, &found))
        return problem;
    if (std::optional<QString> problem = sweep(pool, holder.host, staleLimit))
        return problem;
    if (std::optional<QString> problem = takeReturned(pool, holder, claim))
        return problem;
    if (claim->value.isEmpty()) {
        std::optional<QString> problem = takeNew(pool, found, valueAt, holder, claim);
        // A pool used up still keeps its sweep.
        if (problem && m_refused) {
            if (std::optional<QString> commitProblem = transaction.commit())
                return m_store.failure(*commitProblem);
        }
        if (problem)
            return problem;
    }
    if (std::optional<QString> problem = transaction.commit()) {
        *claim = {};
        return m_store.failure(*problem);
    }
    return std::nullopt;
}

std::optional<QString> SerialLedger::claim(const QString &pool, const QString &value,
                                           const Holder &holder,
                                           std::chrono::milliseconds staleLimit, Claim *claim)
{
    *claim = {};
    HistoryTransaction transaction;
    if (std::optional<QString> problem = beginWriting(&transaction))
        return problem;
    QSqlQuery query(database());
    if (std::optional<QString> problem =
            run(query,
                QStringLiteral("SELECT state, attempt_id, unit_name, host, pid, process_start, "
                               "changed_ms, seq FROM serial_numbers WHERE pool = ? AND value = "
                               "?") +
                    forUpdate(),
                {pool, value}))
        return problem;
    const QString meanwhile =
        CoreText::english("serial %1 in pool %2 was taken meanwhile; try again");
    bool allocated = false;
    Claim made{pool, value, std::nullopt, QString()};
    if (!query.next()) {
        if (std::optional<QString> problem =
                insertNumber(pool, value, std::nullopt, holder, &allocated))
            return problem;
    } else {
        made.previousState = query.value(0).toString();
        if (!query.value(7).isNull())
            made.index = query.value(7).toLongLong();
        if (made.previousState == word(State::Used))
            return refuse(
                CoreText::english("serial %1 already finished in pool %2").arg(value, pool));
        const bool sameHost = query.value(3).toString() == holder.host;
        const bool live = query.value(6).toLongLong() >= nowMs() - qint64(staleLimit.count()) &&
                          (!sameHost || ProcessIdentity::isRunning(query.value(4).toLongLong(),
                                                                   query.value(5).toLongLong()));
        if (made.previousState == word(State::Allocated) &&
            query.value(1).toString() != holder.attemptId && live)
            return refuse(
                CoreText::english("serial %1 in pool %2 is being written to %3 from %4")
                    .arg(value, pool, query.value(2).toString(), query.value(3).toString()));
        if (std::optional<QString> problem =
                allocate(pool, value, made.previousState, holder, &allocated))
            return problem;
    }
    if (!allocated)
        return refuse(meanwhile.arg(value, pool));
    if (std::optional<QString> problem = transaction.commit())
        return m_store.failure(*problem);
    *claim = made;
    return std::nullopt;
}

std::optional<QString> SerialLedger::settle(const QString &pool, const QString &value,
                                            const QString &attemptId, State state)
{
    m_refused = false;
    if (state == State::Allocated)
        return refuse(CoreText::english("a number ends used, burnt or returned"));
    if (std::optional<QString> problem = m_store.ensureOpen(HistoryStore::Access::Write))
        return problem;
    QSqlQuery query(database());
    if (std::optional<QString> problem =
            run(query,
                QStringLiteral("UPDATE serial_numbers SET state = ?, changed = ?, changed_ms = ? "
                               "WHERE pool = ? AND value = ? AND state = 'allocated' AND "
                               "attempt_id = ?"),
                {word(state), nowText(), nowMs(), pool, value, attemptId}))
        return problem;
    if (query.numRowsAffected() == 1)
        return std::nullopt;
    if (std::optional<QString> problem = run(
            query,
            QStringLiteral("SELECT state, attempt_id FROM serial_numbers WHERE pool = ? AND value "
                           "= ?"),
            {pool, value}))
        return problem;
    if (!query.next())
        return refuse(CoreText::english("serial %1 is not in pool %2").arg(value, pool));
    const QString heldState = query.value(0).toString();
    const QString holder = query.value(1).toString();
    // The same step again, after its reply was lost.
    if (heldState == word(state) && holder == attemptId)
        return std::nullopt;
    return refuse(CoreText::english(
                      "serial %1 in pool %2 is %3 for attempt %4, not held by attempt %5; it is "
                      "left as it is")
                      .arg(value, pool, heldState, holder, attemptId));
}

std::optional<QString> SerialLedger::exists(const QString &pool, const QString &value, bool *found)
{
    QSqlQuery query(database());
    if (std::optional<QString> problem =
            run(query, QStringLiteral("SELECT 1 FROM serial_numbers WHERE pool = ? AND value = ?"),
                {pool, value}))
        return problem;
    *found = query.next();
    return std::nullopt;
}

std::optional<QString> SerialLedger::openForReading(bool *hasLedger)
{
    // A history not made yet holds no numbers; peeking creates nothing.
    const HistoryLocation &location = m_store.location();
    *hasLedger = false;
    if (location.kind() == HistoryLocation::Kind::Sqlite && !QFile::exists(location.path()))
        return std::nullopt;
    if (std::optional<QString> problem = m_store.ensureOpen(HistoryStore::Access::Read))
        return problem;
    *hasLedger = m_store.schemaVersion() >= 4;
    return std::nullopt;
}

std::optional<QString> SerialLedger::peek(const QString &pool, const QString &identity, qint64 size,
                                          const ValueAt &valueAt, QString *value,
                                          qint64 *valueIndex)
{
    m_refused = false;
    value->clear();
    qint64 ignored = -1;
    if (!valueIndex)
        valueIndex = &ignored;
    *valueIndex = -1;
    bool hasLedger = false;
    if (std::optional<QString> problem = openForReading(&hasLedger))
        return problem;
    Pool found{size, 0};
    QSqlQuery query(database());
    if (hasLedger) {
        if (std::optional<QString> problem = run(
                query,
                QStringLiteral("SELECT identity, size, next_index FROM serial_pools WHERE pool = "
                               "?"),
                {pool}))
            return problem;
        if (query.next()) {
            if (query.value(0).toString() != identity)
                return refuse(CoreText::english("serial pool %1 holds %2, not %3")
                                  .arg(pool, query.value(0).toString(), identity));
            found = {query.value(1).toLongLong(), query.value(2).toLongLong()};
        }
        if (std::optional<QString> problem =
                run(query,
                    QStringLiteral("SELECT value FROM serial_numbers WHERE pool = ? AND state = "
                                   "'returned' ORDER BY changed_ms, seq LIMIT 1"),
                    {pool}))
            return problem;
        if (query.next()) {
            *value = query.value(0).toString();
            return std::nullopt;
        }
    }
    for (qint64 index = found.nextIndex; index < found.size; ++index) {
        QString candidate;
        if (std::optional<QString> problem = valueAt(index, &candidate))
            return refuse(*problem);
        bool taken = false;
        if (hasLedger) {
            if (std::optional<QString> problem = exists(pool, candidate, &taken))
                return problem;
        }
        if (!taken) {
            *value = candidate;
            *valueIndex = index;
            return std::nullopt;
        }
    }
    return usedUp(pool, found.size, valueAt);
}

std::optional<QString> SerialLedger::select(const QString &pool, QList<QVariantList> *rows)
{
    m_refused = false;
    rows->clear();
    if (std::optional<QString> problem = m_store.ensureOpen(HistoryStore::Access::Read))
        return problem;
    if (m_store.schemaVersion() < 4)
        return std::nullopt;
    QStringList columns;
    for (const QString &field : fields())
        columns.append(QLatin1Char('"') + field + QLatin1Char('"'));
    QSqlQuery query(database());
    query.setForwardOnly(true);
    QVariantList bindings;
    QString sql = QStringLiteral("SELECT ") + columns.join(QStringLiteral(", ")) +
                  QStringLiteral(" FROM serial_numbers");
    if (!pool.isEmpty()) {
        sql += QStringLiteral(" WHERE pool = ?");
        bindings.append(pool);
    }
    sql += QStringLiteral(" ORDER BY pool, seq IS NULL, seq, value");
    if (std::optional<QString> problem = run(query, sql, bindings))
        return problem;
    while (query.next()) {
        QVariantList values;
        for (int i = 0; i < fields().size(); ++i)
            values.append(query.value(i));
        rows->append(values);
    }
    return std::nullopt;
}
