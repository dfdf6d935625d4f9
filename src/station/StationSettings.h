#pragma once

#include <QString>

// What the station keeps between sessions, in the user's settings (never beside the program).
struct StationSettings
{
    QString unitsCsv;       // the last list of units, as CSV text
    QString unitsPath;      // where that list was last opened from or saved to
    QString firmwarePath;   // the last firmware chosen
    QString autoSaveFolder; // empty: reports are written only when asked
    int limit = 0;          // units at once; 0 for all

    static StationSettings load();
    void save() const;
};
