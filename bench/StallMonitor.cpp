#include "StallMonitor.h"

#include <algorithm>
#include <cstdio>

#include <fcntl.h>
#include <time.h>
#include <unistd.h>

namespace {

qint64 threadCpuNs()
{
    timespec now{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// Time spent runnable but waiting for a core, as the scheduler counts it; 0 where unknown. The
// file stays open: opening it each tick would cost the watched loop more than it measures.
qint64 threadQueuedNs()
{
    static const int fd = ::open("/proc/thread-self/schedstat", O_RDONLY | O_CLOEXEC);
    char text[128] = {};
    if (fd < 0 || ::pread(fd, text, sizeof text - 1, 0) <= 0)
        return 0;
    long long onCpu = 0;
    long long queued = 0;
    return std::sscanf(text, "%lld %lld", &onCpu, &queued) == 2 ? queued : 0;
}

} // namespace

StallMonitor::StallMonitor(QObject *parent) : QObject(parent)
{
    // A coarse timer may fire up to 5 % late by design; that slack is not a stall.
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(kTick);
    connect(&m_timer, &QTimer::timeout, this, &StallMonitor::onTick);
}

void StallMonitor::start()
{
    m_worstNs = 0;
    m_worstCpuNs = 0;
    m_worstAtNs = 0;
    m_firings = 0;
    m_worstQueuedNs = 0;
    m_lastCpuNs = threadCpuNs();
    m_lastQueuedNs = threadQueuedNs();
    m_clock.start();
    m_lastNs = 0;
    m_timer.start();
}

void StallMonitor::stop()
{
    m_timer.stop();
    // The stretch since the last firing counts too: a stall may end the transfer.
    onTick();
}

void StallMonitor::onTick()
{
    const qint64 now = m_clock.nsecsElapsed();
    const qint64 cpu = threadCpuNs();
    const qint64 queued = threadQueuedNs();
    const qint64 late = now - m_lastNs - std::chrono::nanoseconds(kTick).count();
    if (late > m_worstNs) {
        m_worstNs = late;
        m_worstCpuNs = cpu - m_lastCpuNs;
        m_worstQueuedNs = queued - m_lastQueuedNs;
        m_worstAtNs = now;
    }
    m_lastNs = now;
    m_lastCpuNs = cpu;
    m_lastQueuedNs = queued;
    ++m_firings;
}
