#pragma once

#include "SerialSettings.h"
#include "platform/SettingsStore.h"

#include <QString>

#include <chrono>

// What the station keeps between sessions, in the user's settings (never beside the program).
struct StationSettings
{
    QString unitsCsv;       // the last list of units, as CSV text
    QString unitsPath;      // where that list was last opened from or saved to
    QString firmwarePath;   // the last firmware chosen
    QString autoSaveFolder; // empty: reports are written only when asked
    int limit = 0;          // units at once; 0 for all
    // Handed to every uploader; the uploader's own defaults.
    std::chrono::milliseconds responseTimeout{60000};
    int retries = 0;
    // How the operator left the window: the line view or the table, the tiles' zoom (percent),
    // and the window's size and place (QWidget::saveGeometry, base64).
    bool lineView = false;
    int zoom = 100;
    QString geometry;
    // Each unit's own number written into its image; off unless turned on.
    SerialSettings serials;

    static StationSettings load(const SettingsStore &store);
    // False when the settings could not be kept (e.g. the folder cannot be written).
    bool save(SettingsStore &store) const;
    // Saves everything but the list of units, which stays as it was.
    bool saveKeepingList(SettingsStore &store) const;

private:
    QList<SettingsStore::Value> valuesButList() const;
};
