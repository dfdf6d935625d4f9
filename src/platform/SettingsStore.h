#pragma once

#include <QString>

// The per-user settings store: texts addressed by application name, section and key. Every
// application name has a file of its own, <root>/FirmwareUploader/<application>.ini, so each
// application title keeps its values apart. Values are kept exactly as given, spaces, commas,
// quotes and empty texts included.
class SettingsStore
{
public:
    static constexpr const char *kOrganization = "FirmwareUploader";

    // An empty root folder means the user's configuration folder ($XDG_CONFIG_HOME on Linux).
    explicit SettingsStore(const QString &rootFolder = {});

    // The saved value, or defaultText when none is saved or the file cannot be read or parsed.
    QString read(const QString &application, const QString &section, const QString &key,
                 const QString &defaultText) const;
    // Creates or replaces the value. A file that could not be parsed is replaced by a fresh one.
    void write(const QString &application, const QString &section, const QString &key,
               const QString &text);
    // Removes the section with all its keys; nothing happens when there is none.
    void deleteSection(const QString &application, const QString &section);

    // Where the values of this application name live.
    QString fileName(const QString &application) const;

private:
    QString m_rootFolder;
};
