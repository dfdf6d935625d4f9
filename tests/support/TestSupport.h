#pragma once

#include <QByteArray>
#include <QString>

// Small aids shared by the test executables.
namespace TestSupport {

// Runs time faster for the life of the object: pauses take scale times their length and the
// clock advances accordingly. Restores real time when it goes.
class TimeScale
{
public:
    explicit TimeScale(double scale);
    ~TimeScale();
    TimeScale(const TimeScale &) = delete;
    TimeScale &operator=(const TimeScale &) = delete;
};

// "FE 55 AA" style dump, for readable failure messages.
QString hex(const QByteArray &bytes);

// Bytes from a "FE 55 AA" style string.
QByteArray bytes(const char *hexText);

} // namespace TestSupport
