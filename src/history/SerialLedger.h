#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <chrono>
#include <functional>
#include <optional>

class HistoryStore;
class HistoryTransaction;
class QSqlDatabase;
class QSqlQuery;

// The serial-number pools in the flash history: which number of which pool went to which unit.
// A pool hands its numbers out in order, index 0 to size - 1; a number is allocated to the
// attempt that writes it, then used (the unit has it), burnt (it may have it: never handed out
// again) or returned (it surely has not: the next take hands it out first). Every step is one
// transaction, so that uploaders on several PCs sharing one history never get the same number.
// Works on an open HistoryStore's connection, on the thread that opened it; every failure comes
// back as the reason.
class SerialLedger
{
public:
    enum class State { Allocated, Used, Burnt, Returned };

    // An allocation older than this is burnt by the next take, whoever holds it.
    static constexpr std::chrono::milliseconds kDefaultStaleLimit = std::chrono::hours(1);

    // Who takes a number: the attempt and its unit, and the process that writes it.
    struct Holder
    {
        QString attemptId;
        QString unitName;
        QString address;
        std::optional<int> port;
        // HistoryRecord::hostName(): an allocation of a process on this host that no longer
        // runs is burnt at once.
        QString host;
        qint64 pid = 0;
        qint64 processStart = 0;

        // This process on this PC, for the attempt given.
        static Holder ofThisProcess(const QString &attemptId);
    };

    struct Claim
    {
        QString pool;
        QString value;
        // The pool's index of the value; unset for a label's value outside the pool's order.
        std::optional<qint64> index;
        // The state the number had before: empty for a number new to the ledger.
        QString previousState;
    };

    // The value of the pool's number at index, or why there is none.
    using ValueAt = std::function<std::optional<QString>(qint64 index, QString *value)>;

    static QString word(State state);
    // The fields of select()'s rows, in order.
    static const QStringList &fields();
    // The ledger's tables, for the schema.
    static QStringList createTables(bool postgres);

    explicit SerialLedger(HistoryStore &store);

    // Hands out the pool's next number to holder: first a returned one (the oldest), else a new
    // one. Creates the pool on first use; a pool of another identity or one used up is refused.
    // Sweeps first: an allocation of a process on this host that no longer runs, and one older
    // than staleLimit, is burnt.
    std::optional<QString> take(const QString &pool, const QString &identity, qint64 size,
                                const ValueAt &valueAt, const Holder &holder,
                                std::chrono::milliseconds staleLimit, Claim *claim);
    // Allocates the one value given (a scanned label) to holder: refused when it is used, or
    // allocated to another holder that still runs and is not stale.
    std::optional<QString> claim(const QString &pool, const QString &value, const Holder &holder,
                                 std::chrono::milliseconds staleLimit, Claim *claim);
    // Ends the allocation of attemptId: Used, Burnt or Returned. A number that is no longer
    // allocated to that attempt is left as it is, and the reason says so.
    std::optional<QString> settle(const QString &pool, const QString &value,
                                  const QString &attemptId, State state);
    // The value take() would hand out now (before its sweep), without taking it, and its index
    // in the pool (-1 for a label's value); writes nothing.
    std::optional<QString> peek(const QString &pool, const QString &identity, qint64 size,
                                const ValueAt &valueAt, QString *value,
                                qint64 *valueIndex = nullptr);
    // The numbers of one pool, or of all when pool is empty: the values of fields(), by pool and
    // index.
    std::optional<QString> select(const QString &pool, QList<QVariantList> *rows);

    // Whether the last reason was the ledger's refusal (a pool used up, a number held) rather
    // than the history failing.
    bool refused() const { return m_refused; }

private:
    struct Pool
    {
        qint64 size = 0;
        qint64 nextIndex = 0;
    };

    QSqlDatabase database() const;
    std::optional<QString> refuse(const QString &reason);
    std::optional<QString> beginWriting(HistoryTransaction *transaction);
    std::optional<QString> openPool(const QString &pool, const QString &identity, qint64 size,
                                    Pool *found);
    std::optional<QString> sweep(const QString &pool, const QString &host,
                                 std::chrono::milliseconds staleLimit);
    std::optional<QString> takeReturned(const QString &pool, const Holder &holder, Claim *claim);
    std::optional<QString> takeNew(const QString &pool, const Pool &found, const ValueAt &valueAt,
                                   const Holder &holder, Claim *claim);
    std::optional<QString> usedUp(const QString &pool, qint64 size, const ValueAt &valueAt);
    std::optional<QString> exists(const QString &pool, const QString &value, bool *found);
    std::optional<QString> insertNumber(const QString &pool, const QString &value,
                                        std::optional<qint64> index, const Holder &holder,
                                        bool *inserted);
    std::optional<QString> allocate(const QString &pool, const QString &value,
                                    const QString &fromState, const Holder &holder,
                                    bool *allocated);
    std::optional<QString> openForReading(bool *hasLedger);
    std::optional<QString> run(QSqlQuery &query, const QString &sql, const QVariantList &bindings);
    QString forUpdate(const char *extra = "") const;

    HistoryStore &m_store;
    bool m_refused = false;
};
