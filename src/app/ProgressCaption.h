#pragma once

#include <QCoreApplication>
#include <QString>

#include <optional>

// The text on the progress bar: the percentage and, while records are going out, the time left
// at the rate of the transfer so far.
class ProgressCaption
{
    Q_DECLARE_TR_FUNCTIONS(ProgressCaption)

public:
    // A new attempt: the rate starts over.
    void restart();
    // The text for the bar's value at the given time (milliseconds on any steady clock).
    QString text(int value, int maximum, bool transferring, qint64 nowMs);

    // "1:05" for 65 seconds, "12 s" below a minute.
    static QString formatDuration(qint64 seconds);

private:
    // The first progress seen in this attempt: the rate is measured from there, so the time
    // spent connecting does not count.
    std::optional<std::pair<int, qint64>> m_firstProgress;
    bool m_started = false;
};
