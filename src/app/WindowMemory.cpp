#include "WindowMemory.h"

#include "platform/SettingsStore.h"

#include <QDir>
#include <QFileInfo>

namespace {
constexpr const char *kGeometryKey = "Geometry";
constexpr const char *kFirmwareFolderKey = "FirmwareFolder";
} // namespace

WindowMemory::WindowMemory(const QString &title, SettingsStore &settings)
    : m_title(title), m_settings(settings)
{}

QString WindowMemory::read(const char *key) const
{
    return m_settings.read(m_title, QLatin1String(kSection), QLatin1String(key), QString());
}

void WindowMemory::write(const char *key, const QString &value)
{
    m_settings.write(m_title, QLatin1String(kSection), QLatin1String(key), value);
}

QByteArray WindowMemory::geometry() const
{
    return QByteArray::fromBase64(read(kGeometryKey).toLatin1());
}

void WindowMemory::setGeometry(const QByteArray &geometry)
{
    write(kGeometryKey, QString::fromLatin1(geometry.toBase64()));
}

QString WindowMemory::firmwareFolder() const
{
    const QString folder = read(kFirmwareFolderKey);
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}

void WindowMemory::setFirmwareFolder(const QString &folder)
{
    write(kFirmwareFolderKey, QDir::cleanPath(folder));
}
