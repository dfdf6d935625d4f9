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
    // Keeps the boxes' texts exactly as they stand, for the next start, both in one step so that
    // two programs saving at once never leave one's address with the other's port. Returns the
    // log line that says the values were not kept, or an empty text when they were.
    QString save(const QString &address, const QString &port) const;

    QString title() const { return m_title; }

private:
    QString m_title;
    SettingsStore &m_store;
};
