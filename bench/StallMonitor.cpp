#include "StallMonitor.h"

#include <algorithm>

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
    m_firings = 0;
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
    const qint64 late = now - m_lastNs - std::chrono::nanoseconds(kTick).count();
    m_worstNs = std::max(m_worstNs, late);
    m_lastNs = now;
    ++m_firings;
}
