#pragma once

#include "HistoryFilter.h"
#include "HistoryLocation.h"
#include "HistoryRecord.h"
#include "StationEvent.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class HistoryStore;
class SerialLedger;

// The flash history's side of a HistoryWorker: lives on the worker's thread and owns the one
// connection made there (Qt SQL connections belong to the thread that opened them). Calls run
// one after the other in the order they were made; each answers with a signal. The store is kept
// open between calls and made anew when another history is named.
class HistoryConnection : public QObject
{
    Q_OBJECT

public:
    explicit HistoryConnection(QObject *parent = nullptr);
    ~HistoryConnection() override;

    void append(quint64 id, const HistoryLocation &location, const HistoryRecord &record);
    void select(quint64 id, const HistoryLocation &location, const QList<HistoryFilter> &filters);
    void appendEvent(quint64 id, const HistoryLocation &location, const StationEvent &event);
    // Runs work on the serial-number ledger of the history; answered by appended() with its
    // reason.
    void useLedger(quint64 id, const HistoryLocation &location,
                   const std::function<std::optional<QString>(SerialLedger &)> &work);
    // Closes the connection; the next call connects anew.
    void close();

Q_SIGNALS:
    void appended(quint64 id, const std::optional<QString> &problem);
    // rows holds one list per filter, in order; empty when problem is set.
    void selected(quint64 id, const QList<QList<HistoryRow>> &rows,
                  const std::optional<QString> &problem);

private:
    HistoryStore &storeFor(const HistoryLocation &location);

    std::unique_ptr<HistoryStore> m_store;
    QString m_storeKey;
};
