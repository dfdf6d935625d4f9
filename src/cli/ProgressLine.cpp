#include "ProgressLine.h"

#include "firmware/FirmwareFile.h"
#include "firmware/IntelHexText.h"

#include <cmath>

void ProgressLine::countContent(const QByteArray &content)
{
    FirmwareFile file;
    file.openContent(content);
    qint64 records = 0;
    qint64 bytes = 0;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine();
        if (IntelHexText::isPassedOver(line))
            continue;
        ++records;
        bytes += line.size();
    }
    setTotals(records, bytes);
}

void ProgressLine::setTotals(qint64 records, qint64 bytes)
{
    m_totalRecords = records;
    m_totalBytes = bytes;
}

void ProgressLine::restart()
{
    m_records = 0;
    m_bytes = 0;
    m_sinceFirstRecord.invalidate();
}

void ProgressLine::recordSent(qint64 bytes)
{
    if (m_records == 0)
        m_sinceFirstRecord.start();
    ++m_records;
    m_bytes += bytes;
}

QString ProgressLine::text() const
{
    const double elapsed =
        m_sinceFirstRecord.isValid() ? double(m_sinceFirstRecord.nsecsElapsed()) / 1e9 : 0.0;
    return format(m_records, m_totalRecords, m_bytes, m_totalBytes, elapsed);
}

QString ProgressLine::format(qint64 records, qint64 totalRecords, qint64 bytes, qint64 totalBytes,
                             double elapsedSeconds)
{
    // 100% only once the last record is out, never by rounding up.
    const qint64 percent = totalRecords > 0 ? qMin<qint64>(100, records * 100 / totalRecords) : 0;
    QString rate = QStringLiteral("-- B/s");
    QString left = QStringLiteral("--");
    if (elapsedSeconds > 0 && bytes > 0) {
        const double bytesPerSecond = double(bytes) / elapsedSeconds;
        rate = formatRate(bytesPerSecond);
        const double remaining = double(qMax<qint64>(0, totalBytes - bytes));
        left = formatDuration(qint64(std::ceil(remaining / bytesPerSecond)));
    }
    //: The progress line on a terminal: records sent of all, percent, rate, time left.
    return tr("%1/%2 records  %3%  %4  %5 left")
        .arg(records)
        .arg(totalRecords)
        .arg(percent)
        .arg(rate, left);
}

QString ProgressLine::formatRate(double bytesPerSecond)
{
    if (bytesPerSecond < 1000)
        return QStringLiteral("%1 B/s").arg(qint64(std::floor(bytesPerSecond)));
    if (bytesPerSecond < 1000 * 1000)
        return QStringLiteral("%1 kB/s").arg(bytesPerSecond / 1000, 0, 'f', 1);
    return QStringLiteral("%1 MB/s").arg(bytesPerSecond / 1e6, 0, 'f', 1);
}

QString ProgressLine::formatDuration(qint64 seconds)
{
    const qint64 hours = seconds / 3600;
    const qint64 minutes = seconds / 60 % 60;
    const QString secondsText = QStringLiteral("%1").arg(seconds % 60, 2, 10, QLatin1Char('0'));
    if (hours > 0)
        return QStringLiteral("%1:%2:%3")
            .arg(hours)
            .arg(minutes, 2, 10, QLatin1Char('0'))
            .arg(secondsText);
    return QStringLiteral("%1:%2").arg(minutes).arg(secondsText);
}
