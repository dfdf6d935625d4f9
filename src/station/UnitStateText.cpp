#include "UnitStateText.h"

QString UnitStateText::text(UnitState state)
{
    switch (state) {
    case UnitState::Idle:
        return QString();
    case UnitState::Waiting:
        return QStringLiteral("waiting");
    case UnitState::Connecting:
        return QStringLiteral("connecting");
    case UnitState::Sending:
        return QStringLiteral("sending");
    case UnitState::Rebooting:
        return QStringLiteral("writing/rebooting");
    case UnitState::Finished:
        return QStringLiteral("finished");
    case UnitState::Refused:
        return QStringLiteral("refused");
    case UnitState::ConnectFailed:
        return QStringLiteral("could not connect");
    case UnitState::Lost:
        return QStringLiteral("lost");
    case UnitState::Stopped:
        return QStringLiteral("stopped");
    case UnitState::Error:
        return QStringLiteral("error");
    }
    return QString();
}

QString UnitStateText::word(UnitState state)
{
    switch (state) {
    case UnitState::Idle:
        return QStringLiteral("not_run");
    case UnitState::ConnectFailed:
        return QStringLiteral("connect_failed");
    case UnitState::Rebooting:
        return QStringLiteral("rebooting");
    default:
        return text(state);
    }
}

QColor UnitStateText::background(UnitState state, bool darkPalette)
{
    switch (state) {
    case UnitState::Finished:
        return darkPalette ? QColor(0x1f, 0x5c, 0x2e) : QColor(0xc8, 0xf0, 0xcc);
    case UnitState::Refused:
    case UnitState::ConnectFailed:
    case UnitState::Lost:
    case UnitState::Error:
        return darkPalette ? QColor(0x7a, 0x22, 0x22) : QColor(0xf6, 0xc4, 0xc4);
    case UnitState::Stopped:
        return darkPalette ? QColor(0x6b, 0x55, 0x14) : QColor(0xf7, 0xe3, 0xa8);
    case UnitState::Connecting:
    case UnitState::Sending:
    case UnitState::Rebooting:
        return darkPalette ? QColor(0x1d, 0x3f, 0x6b) : QColor(0xcf, 0xe2, 0xfa);
    default:
        return QColor();
    }
}

UnitState UnitStateText::fromOutcome(const QString &outcome, bool stopRequested)
{
    if (outcome == QLatin1String("finished"))
        return UnitState::Finished;
    if (outcome == QLatin1String("refused"))
        return UnitState::Refused;
    if (outcome == QLatin1String("connect_failed"))
        return UnitState::ConnectFailed;
    if (outcome == QLatin1String("connection_lost"))
        return UnitState::Lost;
    if (outcome == QLatin1String("interrupted") || outcome == QLatin1String("hangup"))
        return stopRequested ? UnitState::Stopped : UnitState::Error;
    return UnitState::Error;
}

namespace {

// The unit's refusal as the log gives it, e.g. "NAK - Incorrect Checksum", with the line that
// follows it when that one names the record.
QString refusalDetail(const QStringList &log)
{
    for (qsizetype i = log.size() - 1; i >= 0; --i) {
        if (!log.at(i).startsWith(QLatin1String("NAK")))
            continue;
        QString detail = log.at(i).trimmed();
        const QString next = log.value(i + 1).trimmed();
        if (next.contains(QLatin1String("record"), Qt::CaseInsensitive))
            detail += QLatin1Char(' ') + next;
        return detail;
    }
    return QString();
}

} // namespace

// The uploader's message is the record's reason, word for word, as its JSON result, its
// standard error and its history row give it; the log stands in only when it said none.
QString UnitStateText::reason(const StationUnit &unit, const QString &message)
{
    if (!message.trimmed().isEmpty())
        return message.trimmed();
    if (unit.outcome == QLatin1String("refused"))
        return refusalDetail(unit.log);
    if (unit.outcome == QLatin1String("bad_input"))
        return unit.lastLogLine();
    return QString();
}
