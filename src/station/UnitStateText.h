#pragma once

#include "StationUnit.h"

#include <QColor>
#include <QString>

// How a state reads and looks in the table and the report. Every colour comes with words.
class UnitStateText
{
public:
    static QString text(UnitState state);
    // The report's fixed word for a state: "finished", "refused", ...
    static QString word(UnitState state);
    // A background that tells the state apart at a glance; invalid for states without one.
    static QColor background(UnitState state, bool darkPalette);
    // The state a program's result outcome word stands for.
    static UnitState fromOutcome(const QString &outcome, bool stopRequested);
    // Why a run ended as it did: the uploader's message as it gave it; without one, what the
    // unit refused (and the record, when the log names it) or what the log gives as the cause.
    static QString reason(const StationUnit &unit, const QString &message);
};
