#pragma once

#include <QString>

// The elapsed-time figures of the log. Both read the clock as single-precision seconds since
// midnight and correct for a day change between the two readings.
class ElapsedTime
{
public:
    // floor((now - start) * 1000 + 0.5): whole milliseconds, halves rounded up.
    static qint64 milliseconds(float start, float now);
    // Thousands grouped with the system's separator, no leading zeros (zero shows no digits),
    // followed by the suffix: "1,234 mS...".
    static QString formatMilliseconds(qint64 milliseconds, const QString &suffix);
    // (now - start) + 0.5 rounded to a whole number, halves away from zero.
    static qint64 secondsFigure(float start, float now);
    // The same figures of a duration in seconds, as a monotonic clock measures it.
    static qint64 millisecondsOf(double seconds);
    static qint64 secondsFigureOf(double seconds);
};
