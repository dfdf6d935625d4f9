#include "LoopWatch.h"

#include <QDeadlineTimer>
#include <QEventLoop>

#include <algorithm>
#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

LoopWatch::LoopWatch(std::chrono::milliseconds tick, QObject *parent)
    : QObject(parent), m_tick(tick),
      m_schedstat(::open("/proc/thread-self/schedstat", O_RDONLY | O_CLOEXEC))
{
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &LoopWatch::onTick);
    restart();
}

LoopWatch::~LoopWatch()
{
    if (m_schedstat >= 0)
        ::close(m_schedstat);
}

void LoopWatch::restart()
{
    m_worstNs = 0;
    m_ticks = 0;
    m_queued = queuedNs();
    m_clock.start();
    m_last = 0;
    m_timer.start(m_tick);
}

// 0 where the kernel does not count it.
qint64 LoopWatch::queuedNs() const
{
    char text[128] = {};
    long long onCpu = 0;
    long long queued = 0;
    if (m_schedstat < 0 || ::pread(m_schedstat, text, sizeof text - 1, 0) <= 0 ||
        std::sscanf(text, "%lld %lld", &onCpu, &queued) != 2)
        return 0;
    return queued;
}

void LoopWatch::onTick()
{
    const qint64 now = m_clock.nsecsElapsed();
    const qint64 queued = queuedNs();
    const qint64 late = now - m_last - std::chrono::nanoseconds(m_tick).count();
    m_worstNs = std::max(m_worstNs, late - (queued - m_queued));
    m_last = now;
    m_queued = queued;
    ++m_ticks;
}

bool LoopWatch::runUntil(const std::function<bool()> &condition, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    QEventLoop loop;
    QTimer poll;
    connect(&poll, &QTimer::timeout, &loop, [&] {
        if (condition() || deadline.hasExpired())
            loop.quit();
    });
    poll.start(10);
    if (!condition())
        loop.exec();
    return condition();
}
