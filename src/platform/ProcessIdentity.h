#pragma once

#include <QtGlobal>

#include <optional>

// A process on this host as the kernel knows it: its id and its start time (clock ticks since
// boot, from /proc/PID/stat). The pair names one process even after its id is given to another.
struct ProcessIdentity
{
    qint64 pid = 0;
    qint64 startTicks = 0;

    static ProcessIdentity current();
    // The start time of a process that runs now; none when there is no such process or it has
    // ended and only waits for its parent (a zombie).
    static std::optional<qint64> startOf(qint64 pid);
    // Whether the process that started at startTicks with that id still runs.
    static bool isRunning(qint64 pid, qint64 startTicks);
};
