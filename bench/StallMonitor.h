#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <chrono>

// Watches how responsive the event loop stays: a repeating timer that should fire every tick
// notes how late each firing comes. The worst lateness is the longest the loop was kept from
// handling anything else (input, painting) by the work in between.
class StallMonitor : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds kTick{10};

    explicit StallMonitor(QObject *parent = nullptr);

    void start();
    void stop();
    // The worst lateness seen between start() and stop(), in milliseconds.
    double worstLatenessMs() const { return m_worstNs / 1e6; }
    // How the worst stall was spent by the loop's thread: on a core, and runnable but waiting
    // for one (the rest it slept, in a blocking call or waiting for the kernel to wake it).
    double worstCpuMs() const { return m_worstCpuNs / 1e6; }
    double worstQueuedMs() const { return m_worstQueuedNs / 1e6; }
    // When the worst stall ended, counted from start().
    double worstAtMs() const { return m_worstAtNs / 1e6; }
    int firings() const { return m_firings; }

private:
    void onTick();

    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_lastNs = 0;
    qint64 m_worstNs = 0;
    qint64 m_lastCpuNs = 0;
    qint64 m_lastQueuedNs = 0;
    qint64 m_worstCpuNs = 0;
    qint64 m_worstQueuedNs = 0;
    qint64 m_worstAtNs = 0;
    int m_firings = 0;
};
