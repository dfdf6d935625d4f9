#include "ElapsedTime.h"

#include "platform/Clock.h"

#include <QLocale>

#include <cmath>

qint64 ElapsedTime::milliseconds(float start, float now)
{
    return qint64(std::floor(Clock::secondsBetween(start, now) * 1000.0 + 0.5));
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
    return qint64(std::round(Clock::secondsBetween(start, now) + 0.5));
}
