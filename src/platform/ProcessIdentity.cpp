#include "ProcessIdentity.h"

#include <QByteArray>
#include <QFile>
#include <QList>

#include <unistd.h>

namespace {

// /proc/PID/stat: "pid (comm) state ppid ... starttime ...": comm may hold spaces and
// parentheses, so the fields are counted from the last ')'. starttime is field 22, state 3.
constexpr int kStateField = 3;
constexpr int kStartField = 22;

} // namespace

ProcessIdentity ProcessIdentity::current()
{
    ProcessIdentity self;
    self.pid = ::getpid();
    self.startTicks = startOf(self.pid).value_or(0);
    return self;
}

std::optional<qint64> ProcessIdentity::startOf(qint64 pid)
{
    if (pid <= 0)
        return std::nullopt;
    QFile file(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray text = file.readAll();
    const qsizetype end = text.lastIndexOf(')');
    if (end < 0)
        return std::nullopt;
    const QList<QByteArray> fields = text.mid(end + 1).simplified().split(' ');
    if (fields.size() <= kStartField - kStateField)
        return std::nullopt;
    if (fields.at(0) == "Z" || fields.at(0) == "X")
        return std::nullopt;
    bool ok = false;
    const qint64 start = fields.at(kStartField - kStateField).toLongLong(&ok);
    return ok ? std::optional(start) : std::nullopt;
}

bool ProcessIdentity::isRunning(qint64 pid, qint64 startTicks)
{
    const std::optional<qint64> start = startOf(pid);
    return start && *start == startTicks;
}
