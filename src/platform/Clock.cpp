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
    // The monotonic reading at the last change of scale, and when that was.
    QElapsedTimer monotonic;
    double monotonicAnchor = 0.0;
    qint64 monotonicAnchorNs = 0;
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

double Clock::monotonicSeconds()
{
    ClockState &s = state();
    if (!s.monotonic.isValid())
        s.monotonic.start();
    return s.monotonicAnchor +
           double(s.monotonic.nsecsElapsed() - s.monotonicAnchorNs) / 1e9 / s.scale;
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
    // The monotonic reading goes on from where the old scale left it.
    s.monotonicAnchor = monotonicSeconds();
    s.monotonicAnchorNs = s.monotonic.nsecsElapsed();
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
