#include "ProcessProbe.h"

#include <QByteArray>
#include <QFile>

#include <sys/resource.h>

namespace {

// A "Name:   1234 kB" line of /proc/self/status.
qint64 statusFieldKiB(const char *name)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray key = QByteArray(name) + ':';
    const QList<QByteArray> lines = status.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (!line.startsWith(key))
            continue;
        const QList<QByteArray> parts = line.mid(key.size()).simplified().split(' ');
        return parts.isEmpty() ? 0 : parts.first().toLongLong();
    }
    return 0;
}

std::chrono::microseconds toMicroseconds(const timeval &value)
{
    return std::chrono::seconds(value.tv_sec) + std::chrono::microseconds(value.tv_usec);
}

} // namespace

qint64 ProcessProbe::peakResidentKiB()
{
    return statusFieldKiB("VmHWM");
}

qint64 ProcessProbe::residentKiB()
{
    return statusFieldKiB("VmRSS");
}

std::chrono::microseconds ProcessProbe::cpuTime()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return toMicroseconds(usage.ru_utime) + toMicroseconds(usage.ru_stime);
}

void ProcessProbe::CpuMeter::restart()
{
    m_cpuStart = cpuTime();
    m_wallStart = std::chrono::steady_clock::now();
}

double ProcessProbe::CpuMeter::seconds() const
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - m_wallStart).count();
}

double ProcessProbe::CpuMeter::percent() const
{
    const double wall = seconds();
    if (wall <= 0)
        return 0;
    const double cpu = std::chrono::duration<double>(cpuTime() - m_cpuStart).count();
    return 100.0 * cpu / wall;
}
