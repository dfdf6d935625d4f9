#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
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

namespace TestSupport {

// One Intel HEX record line, checksum included: ":LLAAAATT<data>CC".
QByteArray hexRecord(quint16 address, quint8 type, const QByteArray &data);
// n data records of 16 bytes from address 0, then the end-of-file record; CR LF line ends.
QByteArray hexFile(int dataRecords);
// Writes the bytes to the path; false when it could not.
bool writeFile(const QString &path, const QByteArray &bytes);

} // namespace TestSupport

namespace TestSupport {

// The environment for a program under test: settings in configHome (never the user's own) and
// the clock at timeScale (real time when empty).
QProcessEnvironment programEnvironment(const QString &configHome, const QString &timeScale);

} // namespace TestSupport
