#include "SettingsStore.h"

#include <QFile>
#include <QSettings>
#include <QStringList>

#include <memory>

namespace {

std::unique_ptr<QSettings> settingsFor(const QString &rootFolder, const QString &application)
{
    if (rootFolder.isEmpty()) {
        return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                           QString::fromLatin1(SettingsStore::kOrganization),
                                           application);
    }
    return std::make_unique<QSettings>(rootFolder + QLatin1Char('/') +
                                           QLatin1String(SettingsStore::kOrganization) +
                                           QLatin1Char('/') + application + QLatin1String(".ini"),
                                       QSettings::IniFormat);
}

QString keyPath(const QString &section, const QString &key)
{
    return section + QLatin1Char('/') + key;
}

} // namespace

SettingsStore::SettingsStore(const QString &rootFolder) : m_rootFolder(rootFolder) {}

QString SettingsStore::fileName(const QString &application) const
{
    return settingsFor(m_rootFolder, application)->fileName();
}

QString SettingsStore::read(const QString &application, const QString &section, const QString &key,
                            const QString &defaultText) const
{
    const auto settings = settingsFor(m_rootFolder, application);
    // A damaged file may still yield fragments; trusting none of them is the safer reading.
    if (settings->status() != QSettings::NoError)
        return defaultText;
    const QVariant value = settings->value(keyPath(section, key));
    if (!value.isValid())
        return defaultText;
    // A hand-edited value with an unquoted comma comes back as a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

void SettingsStore::write(const QString &application, const QString &section, const QString &key,
                          const QString &text)
{
    auto settings = settingsFor(m_rootFolder, application);
    if (settings->status() == QSettings::FormatError) {
        // Whatever of the damaged file was parsed would be merged into the new one; start clean
        // so that the next read does not discard the value saved now.
        const QString path = settings->fileName();
        settings.reset();
        QFile::remove(path);
        settings = settingsFor(m_rootFolder, application);
    }
    settings->setValue(keyPath(section, key), text);
    settings->sync();
}

void SettingsStore::deleteSection(const QString &application, const QString &section)
{
    const auto settings = settingsFor(m_rootFolder, application);
    if (settings->status() != QSettings::NoError || !settings->childGroups().contains(section))
        return;
    settings->remove(section);
    settings->sync();
}
