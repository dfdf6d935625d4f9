#pragma once

#include <functional>

// The time of day in seconds since midnight, single precision, as every elapsed-time figure of
// the uploader reads it. Tests replace the source or speed time up; a time scale also shortens
// every pause of WaitableTimer, so a reboot timeline can run in a fraction of its real length.
class Clock
{
public:
    static constexpr double kSecondsPerDay = 86400.0;

    static float now();

    // Seconds on a monotonic clock from an arbitrary start, at the time scale: what durations
    // are measured with, as the time of day may be set back or forward at any moment.
    static double monotonicSeconds();

    // Seconds from start to now, corrected for a day change in between.
    static double secondsBetween(float start, float now);

    // Replaces the time-of-day source (seconds since midnight); an empty function restores it.
    static void setTimeOfDaySource(std::function<double()> source);

    // scale < 1 runs time faster: a pause of M ms takes M * scale ms of real time and the
    // clock advances M ms during it. 1 is real time.
    static void setTimeScale(double scale);
    static double timeScale();
    static int realMilliseconds(int logicalMilliseconds);
};
