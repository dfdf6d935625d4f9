#pragma once

#include "StationUnit.h"
#include "upload/AttemptOutcome.h"

#include <QColor>
#include <QCoreApplication>
#include <QIcon>
#include <QString>

#include <optional>

// How a state reads and looks in the table and the report. Every colour comes with words.
class UnitStateText
{
    Q_DECLARE_TR_FUNCTIONS(UnitStateText)

public:
    // The State column: what the unit is doing, or how its attempt ended.
    static QString text(const StationUnit &unit);
    // The report's fixed word: the attempt's outcome word once it has ended, else "not_run" or
    // the state it is in ("sending", ...).
    static QString word(const StationUnit &unit);
    // How the unit's attempt ended; nullopt while it has not. The uploader's exit status has the
    // last word, and an uploader that ended without one crashed.
    static std::optional<AttemptOutcome> outcome(const StationUnit &unit);
    // A background that tells the state apart at a glance; invalid for states without one.
    static QColor background(UnitState state, bool darkPalette);
    // The text colour on that background: black or white, whichever reads better.
    static QColor foreground(UnitState state, bool darkPalette);
    // "PASS" or "FAIL" once the unit has ended, so that the verdict never rests on colour.
    static QString mark(UnitState state);
    // A shape for the same verdict: a tick, a cross, a warning sign.
    static QIcon icon(UnitState state);
    // The state a program's result outcome word stands for.
    static UnitState fromOutcome(const QString &outcome, bool stopRequested);
    // Why a run ended as it did: the uploader's message as it gave it; without one, what the
    // unit refused (and the record, when the log names it) or what the log gives as the cause.
    static QString reason(const StationUnit &unit, const QString &message);
};
