#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>

// How long the event loop of the thread that makes it is kept from its timers, measured as the
// benchmarks' stall monitor does: a repeating precise timer that notes how late each firing
// comes. The time the thread waited for a core (the scheduler's count) is left out, so that a
// busy machine does not pass for a loop that blocks: what remains was spent blocked or working.
class LoopWatch : public QObject
{
public:
    explicit LoopWatch(std::chrono::milliseconds tick, QObject *parent = nullptr);
    ~LoopWatch() override;

    // The worst lateness so far, in milliseconds.
    double worstMs() const { return double(m_worstNs) / 1e6; }
    int ticks() const { return m_ticks; }
    void restart();

    // Runs the event loop until the condition holds or the time is up; true when it holds. Not
    // QTest::qWait, which sleeps between its passes: a watched loop must only wait for events.
    static bool runUntil(const std::function<bool()> &condition, int timeoutMs);

private:
    qint64 queuedNs() const;
    void onTick();

    std::chrono::milliseconds m_tick;
    int m_schedstat = -1;
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_queued = 0;
    qint64 m_worstNs = 0;
    int m_ticks = 0;
};
