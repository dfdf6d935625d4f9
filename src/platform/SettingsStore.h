#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// The per-user settings store: texts addressed by application name, section and key. Every
// application name has a file of its own, <root>/FirmwareUploader/<application>.ini, so each
// application title keeps its values apart. Values are kept exactly as given, spaces, commas,
// quotes and empty texts included.
class SettingsStore
{
public:
    static constexpr const char *kOrganization = "FirmwareUploader";

    struct Value
    {
        QString key;
        QString text;
    };

    // An empty root folder means the user's configuration folder ($XDG_CONFIG_HOME on Linux).
    explicit SettingsStore(const QString &rootFolder = {});
    // A store that lives in this object alone: nothing is read from disk or written to it.
    static SettingsStore inMemory();

    // The saved value, or defaultText when none is saved or the file cannot be read or parsed.
    QString read(const QString &application, const QString &section, const QString &key,
                 const QString &defaultText) const;
    // Several values read from one state of the file, so that a save made meanwhile by another
    // program is seen whole or not at all. Each entry's text is the default for its key.
    QStringList read(const QString &application, const QString &section,
                     const QList<Value> &keysWithDefaults) const;
    // Creates or replaces the value. A file that could not be parsed is replaced by a fresh one.
    // Returns false when the value could not be kept (e.g. the folder cannot be written).
    bool write(const QString &application, const QString &section, const QString &key,
               const QString &text);
    // Writes the values in one step: a reader sees all of them or none.
    bool write(const QString &application, const QString &section, const QList<Value> &values);
    // Removes the section with all its keys; nothing happens when there is none.
    void deleteSection(const QString &application, const QString &section);

    // Where the values of this application name live.
    QString fileName(const QString &application) const;
    // The file's name for an application name (without ".ini"): the name itself, except that
    // anything that could lead out of the settings folder or is not allowed in a file name is
    // written as %XX, and a very long name is shortened with a digest that keeps it apart.
    static QString fileBaseName(const QString &application);

private:
    QString m_rootFolder;
    bool m_inMemory = false;
    QHash<QString, QString> m_memory;
};
