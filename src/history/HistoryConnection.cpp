#include "HistoryConnection.h"

#include "HistoryStore.h"
#include "SerialLedger.h"

namespace {

// Two locations name the same history, reached the same way, only when all of this matches; the
// display form leaves the password out, and a changed password must reconnect.
QString keyOf(const HistoryLocation &location)
{
    return QStringList{QString::number(int(location.kind())),
                       location.path(),
                       location.host(),
                       QString::number(location.port()),
                       location.user(),
                       location.password(),
                       location.database(),
                       location.connectOptions()}
        .join(QChar(0));
}

} // namespace

HistoryConnection::HistoryConnection(QObject *parent) : QObject(parent) {}

HistoryConnection::~HistoryConnection() = default;

HistoryStore &HistoryConnection::storeFor(const HistoryLocation &location)
{
    const QString key = keyOf(location);
    if (!m_store || key != m_storeKey) {
        m_store = std::make_unique<HistoryStore>(location);
        m_storeKey = key;
    }
    return *m_store;
}

void HistoryConnection::append(quint64 id, const HistoryLocation &location,
                               const HistoryRecord &record)
{
    const std::optional<QString> problem = storeFor(location).append(record);
    // After a failure the next call connects anew: a connection that broke stays broken for
    // reads.
    if (problem)
        close();
    Q_EMIT appended(id, problem);
}

void HistoryConnection::appendEvent(quint64 id, const HistoryLocation &location,
                                    const StationEvent &event)
{
    const std::optional<QString> problem = storeFor(location).appendEvent(event);
    if (problem)
        close();
    Q_EMIT appended(id, problem);
}

void HistoryConnection::useLedger(quint64 id, const HistoryLocation &location,
                                  const std::function<std::optional<QString>(SerialLedger &)> &work)
{
    SerialLedger ledger(storeFor(location));
    const std::optional<QString> problem = work(ledger);
    // A refusal (a pool used up, a number held) leaves a working connection.
    if (problem && !ledger.refused())
        close();
    Q_EMIT appended(id, problem);
}

void HistoryConnection::close()
{
    m_store.reset();
    m_storeKey.clear();
}

void HistoryConnection::select(quint64 id, const HistoryLocation &location,
                               const QList<HistoryFilter> &filters)
{
    HistoryStore &store = storeFor(location);
    QList<QList<HistoryRow>> results;
    results.reserve(filters.size());
    for (const HistoryFilter &filter : filters) {
        QList<HistoryRow> rows;
        if (const std::optional<QString> problem = store.select(filter, &rows)) {
            close();
            Q_EMIT selected(id, {}, problem);
            return;
        }
        results.append(rows);
    }
    Q_EMIT selected(id, results, std::nullopt);
}
