#pragma once

#include <QtGlobal>

#include <chrono>

// Figures about this process that the benchmarks report: memory from /proc/self/status and the
// processor time used over an interval of real time.
class ProcessProbe
{
public:
    // Peak resident memory so far (VmHWM), in KiB; 0 when the kernel does not say.
    static qint64 peakResidentKiB();
    // Resident memory now (VmRSS), in KiB.
    static qint64 residentKiB();
    // User and system processor time used by this process so far.
    static std::chrono::microseconds cpuTime();

    // Measures processor use from construction (or restart()) to percent().
    class CpuMeter
    {
    public:
        CpuMeter() { restart(); }
        void restart();
        // Processor time over real time, in percent of one core.
        double percent() const;
        double seconds() const;

    private:
        std::chrono::microseconds m_cpuStart{0};
        std::chrono::steady_clock::time_point m_wallStart;
    };
};
