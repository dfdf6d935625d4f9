#include "TestSupport.h"

#include "platform/Clock.h"

namespace TestSupport {

TimeScale::TimeScale(double scale)
{
    Clock::setTimeScale(scale);
}

TimeScale::~TimeScale()
{
    Clock::setTimeScale(1.0);
}

QString hex(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

QByteArray bytes(const char *hexText)
{
    return QByteArray::fromHex(QByteArray(hexText));
}

} // namespace TestSupport
