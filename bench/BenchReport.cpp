#include "BenchReport.h"

#include "ProcessProbe.h"

#include <QTextStream>

void BenchReport::add(const QString &key, const QString &value)
{
    QString text = value;
    text.replace(QLatin1Char(' '), QLatin1Char('_'));
    m_pairs.append(key + QLatin1Char('=') + text);
}

void BenchReport::add(const QString &key, double value, int decimals)
{
    add(key, QString::number(value, 'f', decimals));
}

void BenchReport::add(const QString &key, qint64 value)
{
    add(key, QString::number(value));
}

void BenchReport::addRun(const UploadRun::Result &result, qint64 records)
{
    add(QStringLiteral("ok"), QString::number(result.ok ? 1 : 0));
    if (!result.ok)
        add(QStringLiteral("failure"), result.failure);
    add(QStringLiteral("records"), records);
    add(QStringLiteral("seconds"), result.transferSeconds, 4);
    add(QStringLiteral("rate"), result.transferSeconds > 0 ? records / result.transferSeconds : 0,
        0);
    add(QStringLiteral("stall_ms"), result.worstStallMs, 2);
    add(QStringLiteral("transfer_cpu"), result.transferCpuPercent, 1);
    add(QStringLiteral("log_lines_at_start"), result.logLinesAtStart);
    if (result.idleCpuPercent)
        add(QStringLiteral("idle_cpu"), *result.idleCpuPercent, 2);
    if (result.timelineCpuPercent) {
        add(QStringLiteral("timeline_cpu"), *result.timelineCpuPercent, 2);
        add(QStringLiteral("timeline_s"), result.timelineSeconds, 2);
    }
}

void BenchReport::print()
{
    add(QStringLiteral("hwm_kib"), ProcessProbe::peakResidentKiB());
    QTextStream(stdout) << m_pairs.join(QLatin1Char(' ')) << Qt::endl;
}
