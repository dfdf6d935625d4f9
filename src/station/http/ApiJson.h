#pragma once

#include "StationUnit.h"

#include <QDateTime>
#include <QJsonObject>
#include <QJsonValue>

class FirmwareSnapshot;
class ShiftCounts;

// How the station's things read in the HTTP interface's JSON. The words are machine words,
// never translated: line systems key on them.
class ApiJson
{
public:
    // idle, waiting, connecting, sending, rebooting, finished, refused, connect_failed, lost,
    // stopped, error
    static QString stateWord(UnitState state);
    // name, address, port, title, serial, state, outcome (the uploader's outcome word, null
    // while it has not ended), reason, records_sent
    static QJsonObject unit(const StationUnit &unit);
    // path, size, sha256, records, signature ({key_id, comment} or null)
    static QJsonObject firmware(const FirmwareSnapshot &snapshot);
    static QJsonObject shift(const ShiftCounts &counts);
    // UTC, ISO 8601 with Z and milliseconds; null for an invalid time.
    static QJsonValue time(const QDateTime &time);
    // {"error": word, "reason": text}
    static QJsonObject error(const QString &word, const QString &reason);
};
