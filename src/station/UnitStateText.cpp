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
