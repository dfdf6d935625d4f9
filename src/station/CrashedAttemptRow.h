#pragma once

#include "history/HistoryLocation.h"
#include "history/HistoryRecord.h"

#include <QString>

#include <functional>
#include <optional>

class FirmwareSnapshot;
class QObject;
struct StationUnit;

// The flash history's row for an attempt whose uploader ended without a result (it crashed or
// was killed), and so wrote no row of its own: the station writes it from what it saw, so that
// a unit that may hold a partial image is in the record.
class CrashedAttemptRow
{
public:
    // The attempt as the station saw it: the records sent are those of the uploader's last
    // progress line; signalNumber is the signal that ended it.
    static HistoryRecord record(const StationUnit &unit, const FirmwareSnapshot &firmware,
                                const QString &runId, int signalNumber);
    // Writes the row on a thread of its own with a connection of its own, so that a slow
    // history never holds up the window. done gets the reason when the row could not be written
    // (nullopt when it was), on context's thread; it is not called once context has gone.
    static void write(const HistoryLocation &location, const HistoryRecord &record,
                      QObject *context, std::function<void(const std::optional<QString> &)> done);
};
