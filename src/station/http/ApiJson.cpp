#include "ApiJson.h"

#include "FirmwareSnapshot.h"
#include "ShiftCounts.h"
#include "UnitStateText.h"

#include <QJsonArray>

QString ApiJson::stateWord(UnitState state)
{
    switch (state) {
    case UnitState::Idle:
        return QStringLiteral("idle");
    case UnitState::Waiting:
        return QStringLiteral("waiting");
    case UnitState::Connecting:
        return QStringLiteral("connecting");
    case UnitState::Sending:
        return QStringLiteral("sending");
    case UnitState::Rebooting:
        return QStringLiteral("rebooting");
    case UnitState::Finished:
        return QStringLiteral("finished");
    case UnitState::Refused:
        return QStringLiteral("refused");
    case UnitState::ConnectFailed:
        return QStringLiteral("connect_failed");
    case UnitState::Lost:
        return QStringLiteral("lost");
    case UnitState::Stopped:
        return QStringLiteral("stopped");
    case UnitState::Error:
        break;
    }
    return QStringLiteral("error");
}

QJsonObject ApiJson::unit(const StationUnit &unit)
{
    const std::optional<AttemptOutcome> outcome = UnitStateText::outcome(unit);
    const bool ended = !unit.isRunning() && unit.state != UnitState::Idle;
    return QJsonObject{
        {QStringLiteral("name"), unit.name},
        {QStringLiteral("address"), unit.address},
        {QStringLiteral("port"), unit.port},
        {QStringLiteral("title"), unit.title},
        {QStringLiteral("serial"), unit.serial},
        {QStringLiteral("state"), stateWord(unit.state)},
        {QStringLiteral("outcome"), outcome ? QJsonValue(outcome->word()) : QJsonValue()},
        {QStringLiteral("reason"), ended && !unit.isFailed() ? unit.reason : unit.verdict()},
        {QStringLiteral("records_sent"), unit.recordsSent},
        {QStringLiteral("serial_written"),
         unit.serialWritten.isEmpty() ? QJsonValue() : QJsonValue(unit.serialWritten)},
        {QStringLiteral("serial_state"),
         unit.serialState.isEmpty() ? QJsonValue() : QJsonValue(unit.serialState)},
    };
}

QJsonObject ApiJson::firmware(const FirmwareSnapshot &snapshot)
{
    const FirmwareSummary &summary = snapshot.summary();
    QJsonValue signature;
    if (snapshot.signature() && snapshot.signature()->isValid())
        signature =
            QJsonObject{{QStringLiteral("key_id"), snapshot.signature()->keyId()},
                        {QStringLiteral("comment"), snapshot.signature()->trustedComment()}};
    return QJsonObject{
        {QStringLiteral("path"), snapshot.sourcePath()},
        {QStringLiteral("size"), summary.sizeBytes},
        {QStringLiteral("sha256"), QString::fromLatin1(summary.sha256)},
        {QStringLiteral("records"), summary.records},
        {QStringLiteral("signature"), signature},
    };
}

QJsonObject ApiJson::shift(const ShiftCounts &counts)
{
    return QJsonObject{
        {QStringLiteral("passed"), counts.passed()},
        {QStringLiteral("failed"), counts.failed()},
        {QStringLiteral("total"), counts.total()},
        {QStringLiteral("yield"), counts.yield()},
        {QStringLiteral("started"), time(counts.started())},
    };
}

QJsonValue ApiJson::time(const QDateTime &time)
{
    if (!time.isValid())
        return QJsonValue();
    return time.toUTC().toString(Qt::ISODateWithMs);
}

QJsonObject ApiJson::error(const QString &word, const QString &reason)
{
    return QJsonObject{{QStringLiteral("error"), word}, {QStringLiteral("reason"), reason}};
}
