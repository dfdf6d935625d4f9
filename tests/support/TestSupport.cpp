#include "TestSupport.h"

#include "platform/Clock.h"

#include <QDir>
#include <QFile>

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

namespace TestSupport {

QByteArray hexRecord(quint16 address, quint8 type, const QByteArray &data)
{
    QByteArray body;
    body.append(char(data.size())).append(char(address >> 8)).append(char(address & 0xFF));
    body.append(char(type)).append(data);
    quint8 sum = 0;
    for (char byte : body)
        sum = quint8(sum + quint8(byte));
    body.append(char(quint8(0x100 - sum)));
    return ':' + body.toHex().toUpper();
}

QByteArray hexFile(int dataRecords)
{
    QByteArray file;
    for (int i = 0; i < dataRecords; ++i) {
        QByteArray data(16, '\0');
        for (int b = 0; b < 16; ++b)
            data[b] = char((i * 16 + b) & 0xFF);
        file += hexRecord(quint16(i * 16), 0x00, data) + "\r\n";
    }
    return file + hexRecord(0, 0x01, {}) + "\r\n";
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

} // namespace TestSupport

namespace TestSupport {

QProcessEnvironment programEnvironment(const QString &configHome, const QString &timeScale)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    // A program killed outright cannot remove its temporary folders: they stay in the test's.
    const QString temporary = QDir(configHome).filePath(QStringLiteral("tmp"));
    QDir().mkpath(temporary);
    env.insert(QStringLiteral("TMPDIR"), temporary);
    if (timeScale.isEmpty())
        env.remove(QStringLiteral("FWU_TIME_SCALE"));
    else
        env.insert(QStringLiteral("FWU_TIME_SCALE"), timeScale);
    return env;
}

} // namespace TestSupport
