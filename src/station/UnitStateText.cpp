#include "UnitStateText.h"

#include <QApplication>
#include <QStyle>

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

namespace {

enum class Look { None, Pass, Fail, Stopped, Running };

Look lookOf(UnitState state)
{
    switch (state) {
    case UnitState::Finished:
        return Look::Pass;
    case UnitState::Refused:
    case UnitState::ConnectFailed:
    case UnitState::Lost:
    case UnitState::Error:
        return Look::Fail;
    case UnitState::Stopped:
        return Look::Stopped;
    case UnitState::Connecting:
    case UnitState::Sending:
    case UnitState::Rebooting:
        return Look::Running;
    default:
        return Look::None;
    }
}

} // namespace

// Pass is light and fail is dark in either palette, so the two differ in lightness by far more
// than hue alone would (at least 3:1), which a colour-blind operator sees as well as anyone; each
// carries text in the colour that reads best on it.
QColor UnitStateText::background(UnitState state, bool darkPalette)
{
    switch (lookOf(state)) {
    case Look::Pass:
        return darkPalette ? QColor(0x8f, 0xd1, 0x9e) : QColor(0xc3, 0xeb, 0xcb);
    case Look::Fail:
        return darkPalette ? QColor(0x8b, 0x10, 0x1a) : QColor(0xa3, 0x15, 0x1f);
    case Look::Stopped:
        return darkPalette ? QColor(0xe8, 0xc4, 0x5a) : QColor(0xf7, 0xe3, 0xa8);
    case Look::Running:
        return darkPalette ? QColor(0x1d, 0x3f, 0x6b) : QColor(0xcf, 0xe2, 0xfa);
    case Look::None:
        break;
    }
    return QColor();
}

QColor UnitStateText::foreground(UnitState state, bool darkPalette)
{
    const QColor back = background(state, darkPalette);
    if (!back.isValid())
        return QColor();
    return back.lightnessF() > 0.5 ? QColor(Qt::black) : QColor(Qt::white);
}

QString UnitStateText::mark(UnitState state)
{
    switch (lookOf(state)) {
    case Look::Pass:
        return tr("PASS");
    case Look::Fail:
    case Look::Stopped:
        return tr("FAIL");
    default:
        return QString();
    }
}

QIcon UnitStateText::icon(UnitState state)
{
    QStyle *style = QApplication::style();
    switch (lookOf(state)) {
    case Look::Pass:
        return style->standardIcon(QStyle::SP_DialogApplyButton);
    case Look::Fail:
        return style->standardIcon(QStyle::SP_MessageBoxCritical);
    case Look::Stopped:
        return style->standardIcon(QStyle::SP_MessageBoxWarning);
    default:
        return QIcon();
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
