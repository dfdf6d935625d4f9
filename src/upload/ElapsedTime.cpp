#include "ElapsedTime.h"

#include "platform/Clock.h"

#include <QLocale>

#include <cmath>

qint64 ElapsedTime::milliseconds(float start, float now)
{
    return millisecondsOf(Clock::secondsBetween(start, now));
}

QString ElapsedTime::formatMilliseconds(qint64 milliseconds, const QString &suffix)
{
    if (milliseconds == 0)
        return suffix;
    const QString separator = QLocale().groupSeparator();
    QString digits = QString::number(std::abs(milliseconds));
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, separator);
    if (milliseconds < 0)
        digits.prepend(QLatin1Char('-'));
    return digits + suffix;
}

qint64 ElapsedTime::secondsFigure(float start, float now)
{
    return secondsFigureOf(Clock::secondsBetween(start, now));
}

qint64 ElapsedTime::millisecondsOf(double seconds)
{
    return qint64(std::floor(seconds * 1000.0 + 0.5));
}

qint64 ElapsedTime::secondsFigureOf(double seconds)
{
    return qint64(std::round(seconds + 0.5));
}
