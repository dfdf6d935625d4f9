#include "UnitStateText.h"

std::optional<AttemptOutcome> UnitStateText::outcome(const StationUnit &unit)
{
    switch (unit.state) {
    case UnitState::Idle:
    case UnitState::Waiting:
    case UnitState::Connecting:
    case UnitState::Sending:
    case UnitState::Rebooting:
        return std::nullopt;
    case UnitState::Finished:
        return AttemptOutcome::Finished;
    case UnitState::Refused:
        return AttemptOutcome::Refused;
    case UnitState::ConnectFailed:
        return AttemptOutcome::ConnectFailed;
    case UnitState::Lost:
        return AttemptOutcome::ConnectionLost;
    case UnitState::Stopped:
        return AttemptOutcome::Interrupted;
    case UnitState::Error:
        break;
    }
    // Not finished, whatever its result claimed: an exit status of 0 without a finished result
    // is no more a verdict than a crash.
    if (unit.exitCode <= 0)
        return AttemptOutcome::Crashed;
    return AttemptOutcome::fromExitCode(unit.exitCode);
}

QString UnitStateText::text(const StationUnit &unit)
{
    if (const std::optional<AttemptOutcome> ended = outcome(unit))
        return ended->text();
    switch (unit.state) {
    case UnitState::Waiting:
        return tr("waiting");
    case UnitState::Connecting:
        return tr("connecting");
    case UnitState::Sending:
        return tr("sending");
    case UnitState::Rebooting:
        return tr("writing/rebooting");
    default:
        return QString();
    }
}

QString UnitStateText::word(const StationUnit &unit)
{
    if (const std::optional<AttemptOutcome> ended = outcome(unit))
        return ended->word();
    switch (unit.state) {
    case UnitState::Waiting:
        return QStringLiteral("waiting");
    case UnitState::Connecting:
        return QStringLiteral("connecting");
    case UnitState::Sending:
        return QStringLiteral("sending");
    case UnitState::Rebooting:
        return QStringLiteral("rebooting");
    default:
        return QStringLiteral("not_run");
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
    switch (AttemptOutcome::fromWord(outcome).value_or(AttemptOutcome::BadInput).kind()) {
    case AttemptOutcome::Finished:
        return UnitState::Finished;
    case AttemptOutcome::Refused:
        return UnitState::Refused;
    case AttemptOutcome::ConnectFailed:
        return UnitState::ConnectFailed;
    case AttemptOutcome::ConnectionLost:
        return UnitState::Lost;
    case AttemptOutcome::Interrupted:
    case AttemptOutcome::Hangup:
        return stopRequested ? UnitState::Stopped : UnitState::Error;
    default:
        return UnitState::Error;
    }
}

namespace {

QString sentence(QString text)
{
    text = text.trimmed();
    if (!text.isEmpty())
        text[0] = text.at(0).toUpper();
    return text;
}

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

QString UnitStateText::reason(const StationUnit &unit, const QString &message)
{
    QString text = sentence(message);
    QString detail;
    if (unit.outcome == QLatin1String("refused"))
        detail = refusalDetail(unit.log);
    else if (unit.outcome == QLatin1String("bad_input"))
        detail = unit.lastLogLine();
    if (!detail.isEmpty() && !text.contains(detail))
        text += (text.isEmpty() ? QString() : QStringLiteral(" ")) + detail;
    return text;
}
