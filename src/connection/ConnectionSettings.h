#pragma once

#include <QString>

class SettingsStore;
class ConnectionView;

// Where the unit is: the address and port boxes, filled from the values saved under the
// application title or, when none are saved, from the defaults of the title's product profile.
class ConnectionSettings
{
public:
    static constexpr const char *kSection = "Settings";
    static constexpr const char *kAddressKey = "EthernetAddress";
    static constexpr const char *kPortKey = "EthernetPort";

    ConnectionSettings(const QString &title, SettingsStore &store);

    // Fills the boxes for a title with a profile; any other title leaves them as they are.
    void LoadConnectionSettings(ConnectionView &view) const;
    // Deletes the saved values, then loads again: a profile title shows its defaults.
    void Forget(ConnectionView &view) const;
    // Keeps the boxes' texts exactly as they stand, for the next start.
    void save(const QString &address, const QString &port) const;

    QString title() const { return m_title; }

private:
    QString m_title;
    SettingsStore &m_store;
};
