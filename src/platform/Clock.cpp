#include "Clock.h"

#include <QElapsedTimer>
#include <QTime>

#include <cmath>
#include <utility>

namespace {

struct ClockState
{
    std::function<double()> source;
    double scale = 1.0;
    double anchorTimeOfDay = 0.0;
    QElapsedTimer sinceAnchor;
};

ClockState &state()
{
    static ClockState s;
    return s;
}

double realTimeOfDay()
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

} // namespace

float Clock::now()
{
    ClockState &s = state();
    if (s.source)
        return float(s.source());
    if (s.scale == 1.0)
        return float(realTimeOfDay());
    const double logical = s.anchorTimeOfDay + s.sinceAnchor.nsecsElapsed() / 1e9 / s.scale;
    return float(std::fmod(logical, kSecondsPerDay));
}

double Clock::secondsBetween(float start, float now)
{
    double seconds = double(now) - double(start);
    // The time of day falls back by a day at midnight; half a day back can only mean that.
    if (seconds < -kSecondsPerDay / 2)
        seconds += kSecondsPerDay;
    return seconds;
}

void Clock::setTimeOfDaySource(std::function<double()> source)
{
    state().source = std::move(source);
}

void Clock::setTimeScale(double scale)
{
    ClockState &s = state();
    s.scale = scale > 0 ? scale : 1.0;
    s.anchorTimeOfDay = realTimeOfDay();
    s.sinceAnchor.start();
}

double Clock::timeScale()
{
    return state().scale;
}

int Clock::realMilliseconds(int logicalMilliseconds)
{
    return int(std::lround(logicalMilliseconds * state().scale));
}
