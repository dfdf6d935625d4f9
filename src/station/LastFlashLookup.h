#pragma once

#include <QString>

class UnitListModel;

// Fills each row's "Last flash" from the flash history: the unit's newest attempt there (when,
// outcome, the first 8 hex digits of the firmware's SHA-256), whoever made it. A history that
// cannot be read leaves the column empty.
class LastFlashLookup
{
public:
    // history: the URL the station's uploaders are given; empty for theirs by default.
    static void fill(UnitListModel &model, const QString &history);
    // "2026-03-01 14:30 finished 83a9f043"
    static QString describe(const QString &started, const QString &outcome, const QString &sha256);
};
