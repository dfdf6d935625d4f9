#pragma once

#include <QByteArray>
#include <QString>

class SettingsStore;

// What the window remembers between runs, per application title and apart from the connection
// settings (so that Forget leaves it alone): its size and place, and the folder of the last
// firmware file.
class WindowMemory
{
public:
    static constexpr const char *kSection = "Window";

    WindowMemory(const QString &title, SettingsStore &settings);

    QByteArray geometry() const;
    void setGeometry(const QByteArray &geometry);

    // Empty when none is remembered or the folder no longer exists.
    QString firmwareFolder() const;
    void setFirmwareFolder(const QString &folder);

private:
    QString read(const char *key) const;
    void write(const char *key, const QString &value);

    QString m_title;
    SettingsStore &m_settings;
};
