#include "ProgressCaption.h"

#include <cmath>

void ProgressCaption::restart()
{
    m_firstProgress.reset();
    m_started = true;
}

QString ProgressCaption::formatDuration(qint64 seconds)
{
    if (seconds < 60)
        //: A time left below a minute, in seconds.
        return tr("%1 s").arg(seconds);
    //: A time left of a minute or more: minutes, then seconds as two digits.
    return tr("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString ProgressCaption::text(int value, int maximum, bool transferring, qint64 nowMs)
{
    // Before the first attempt the bar says nothing, as it always did.
    if (!m_started || maximum <= 0)
        return {};
    value = std::clamp(value, 0, maximum);
    // Rounded down: the bar reads 100 % only when everything has gone out.
    const int percent = int(qint64(value) * 100 / maximum);
    //: The share of the firmware file sent, in percent.
    const QString percentText = tr("%1%").arg(percent);
    if (!transferring || value == 0 || value >= maximum)
        return percentText;

    if (!m_firstProgress)
        m_firstProgress = std::pair(value, nowMs);
    const auto [firstValue, firstMs] = *m_firstProgress;
    const qint64 elapsedMs = nowMs - firstMs;
    const int done = value - firstValue;
    // Too little seen yet for a rate worth showing.
    if (done <= 0 || elapsedMs < 500)
        return percentText;
    const double msPerUnit = double(elapsedMs) / done;
    const auto secondsLeft = qint64(std::ceil(msPerUnit * (maximum - value) / 1000.0));
    //: The progress bar's text: the share sent, then the time left.
    return tr("%1 - %2 left").arg(percentText, formatDuration(secondsLeft));
}
