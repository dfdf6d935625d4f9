#include "HistoryWorker.h"

#include "HistoryConnection.h"

#include <QDeadlineTimer>
#include <QLoggingCategory>
#include <QMutex>
#include <QPair>
#include <QPointer>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <stdlib.h>
#include <unistd.h>

Q_DECLARE_LOGGING_CATEGORY(lcHistory)

using namespace std::chrono_literals;

namespace {
// An idle thread ends as soon as it is asked to; this only bounds a thread that is not idle
// after all.
constexpr std::chrono::milliseconds kIdleShutdown = 1s;

// Threads left with a call under way, with their connections. The QThread objects live on until
// the process's exit, so that it can ask them then whether they are done.
QMutex g_abandonedMutex;
QList<QPair<QThread *, HistoryConnection *>> g_abandoned;

// At the process's exit, before the static objects go (Qt SQL's list of connections among them):
// a thread left behind may still be using them, so the process then ends at once, with the
// status it was ending with. Threads that have ended since are cleared away.
void endWithoutStatics(int status, void *)
{
    const QMutexLocker locker(&g_abandonedMutex);
    for (const auto &[thread, connection] : std::as_const(g_abandoned)) {
        if (!thread->isFinished()) {
            std::fflush(nullptr);
            ::_exit(status);
        }
    }
    for (const auto &[thread, connection] : std::as_const(g_abandoned)) {
        delete connection;
        delete thread;
    }
    g_abandoned.clear();
}

void abandon(QThread *thread, HistoryConnection *connection)
{
    const QMutexLocker locker(&g_abandonedMutex);
    if (g_abandoned.isEmpty())
        ::on_exit(&endWithoutStatics, nullptr);
    g_abandoned.append({thread, connection});
}

} // namespace

HistoryWorker::HistoryWorker(QObject *parent)
    : QObject(parent), m_thread(new QThread), m_connection(new HistoryConnection)
{
    m_thread->setObjectName(QStringLiteral("history"));
    m_connection->moveToThread(m_thread);
    connect(m_connection, &HistoryConnection::appended, this,
            [this](quint64 id, const std::optional<QString> &problem) {
                const QPointer<HistoryWorker> alive(this);
                --m_pending;
                Q_EMIT appended(id, problem);
                if (alive)
                    answered();
            });
    connect(m_connection, &HistoryConnection::selected, this,
            [this](quint64 id, const QList<QList<HistoryRow>> &rows,
                   const std::optional<QString> &problem) {
                const QPointer<HistoryWorker> alive(this);
                --m_pending;
                Q_EMIT selected(id, rows, problem);
                if (alive)
                    answered();
            });
    m_thread->start();
}

HistoryWorker::~HistoryWorker()
{
    QThread *thread = m_thread;
    HistoryConnection *connection = m_connection;
    disconnect(connection, nullptr, this, nullptr);
    // Queued behind the calls still to run, so that they run first; the connection is closed on
    // the thread that opened it.
    QMetaObject::invokeMethod(
        connection,
        [connection, thread] {
            connection->close();
            thread->quit();
        },
        Qt::QueuedConnection);
    // A call under way gets a moment to end even when nothing it does must be waited for.
    if (thread->wait(QDeadlineTimer(std::max(m_shutdownWait, kIdleShutdown)))) {
        delete connection;
        delete thread;
        return;
    }
    // Stuck in the driver (a server that stopped answering): the call may still end, and the
    // thread with it; until then nothing here may touch the connection, nor destroy the thread.
    qCDebug(lcHistory) << "left" << m_pending << "history call(s) without an answer";
    abandon(thread, connection);
}

// After the answer's own signal, whose receiver may have made another call meanwhile.
void HistoryWorker::answered()
{
    if (m_pending == 0)
        Q_EMIT idle();
}

quint64 HistoryWorker::post(std::function<void(HistoryConnection *, quint64)> call)
{
    ++m_pending;
    const quint64 id = ++m_lastId;
    QMetaObject::invokeMethod(
        m_connection, [connection = m_connection, id, call] { call(connection, id); },
        Qt::QueuedConnection);
    return id;
}

quint64 HistoryWorker::append(const HistoryLocation &location, const HistoryRecord &record)
{
    return post([location, record](HistoryConnection *connection, quint64 id) {
        connection->append(id, location, record);
    });
}

quint64 HistoryWorker::appendEvent(const HistoryLocation &location, const StationEvent &event)
{
    return post([location, event](HistoryConnection *connection, quint64 id) {
        connection->appendEvent(id, location, event);
    });
}

quint64 HistoryWorker::select(const HistoryLocation &location, const QList<HistoryFilter> &filters)
{
    return post([location, filters](HistoryConnection *connection, quint64 id) {
        connection->select(id, location, filters);
    });
}

quint64 HistoryWorker::useLedger(const HistoryLocation &location,
                                 std::function<std::optional<QString>(SerialLedger &)> work)
{
    return post([location, work](HistoryConnection *connection, quint64 id) {
        connection->useLedger(id, location, work);
    });
}
