#pragma once

#include "HistoryFilter.h"
#include "HistoryLocation.h"
#include "HistoryRecord.h"
#include "StationEvent.h"

#include <QList>
#include <QObject>
#include <QString>

#include <chrono>
#include <functional>
#include <optional>

class HistoryConnection;
class QThread;
class SerialLedger;

// The flash history off the caller's thread: a thread of its own with its own connection, so
// that a locked file or a server that stops answering never holds up an event loop. Calls are
// queued and run in the order they were made (rows are written in the order of their attempts,
// however slow the database); each is answered by a signal carrying the id the call returned.
// A call stuck in the database driver cannot be cut short; the destructor waits for it only as
// long as setShutdownWait() allows, then leaves the thread to end on its own; should the process
// exit before it has, the exit skips the static objects' destruction, which the thread may still
// be using.
class HistoryWorker : public QObject
{
    Q_OBJECT

public:
    explicit HistoryWorker(QObject *parent = nullptr);
    ~HistoryWorker() override;

    // Writes the row (opening for writing as HistoryStore::append does); answered by appended().
    quint64 append(const HistoryLocation &location, const HistoryRecord &record);
    // Writes a station's event; answered by appended().
    quint64 appendEvent(const HistoryLocation &location, const StationEvent &event);
    // Runs work with the history's serial-number ledger on the history's thread (take, claim,
    // settle, peek, select: what work writes to variables of its own is the caller's to read
    // once appended() answers); answered by appended() with work's reason.
    quint64 useLedger(const HistoryLocation &location,
                      std::function<std::optional<QString>(SerialLedger &)> work);
    // Reads the rows of each filter; answered by selected().
    quint64 select(const HistoryLocation &location, const QList<HistoryFilter> &filters);

    // Calls made and not answered yet.
    int pending() const { return m_pending; }
    // How long the destructor waits for calls not answered yet (rows still to be written).
    void setShutdownWait(std::chrono::milliseconds wait) { m_shutdownWait = wait; }

Q_SIGNALS:
    void appended(quint64 id, const std::optional<QString> &problem);
    // One list of rows per filter, in order; none when problem is set.
    void selected(quint64 id, const QList<QList<HistoryRow>> &rows,
                  const std::optional<QString> &problem);
    // Every call made has been answered.
    void idle();

private:
    // Queues the call on the thread; its id.
    quint64 post(std::function<void(HistoryConnection *, quint64)> call);
    void answered();

    QThread *m_thread = nullptr;
    HistoryConnection *m_connection = nullptr;
    quint64 m_lastId = 0;
    int m_pending = 0;
    std::chrono::milliseconds m_shutdownWait{0};
};
