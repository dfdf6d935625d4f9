#pragma once

#include "StationUnit.h"

#include <QCoreApplication>
#include <QString>
#include <QVariant>

// What the units table shows of a run in its cells, and what its columns sort by.
class UnitCellText
{
    Q_DECLARE_TR_FUNCTIONS(UnitCellText)

public:
    // "42 %, 0:13 left", or how long a unit that should talk has been silent.
    static QString progress(const StationUnit &unit);
    // How far a unit has got: "42 %".
    static QString percent(const StationUnit &unit);
    // The number written into the unit's image, with what became of it unless it was used.
    static QString number(const StationUnit &unit);
    // Minutes and seconds: "2:05".
    static QString clock(qint64 seconds);
    // Failures first, then what is still going on, then the waiting, then the finished, then
    // what has not run.
    static int stateOrder(const StationUnit &unit);
    // The sort key of a column that sorts by number or state (UnitListModel's columns).
    static QVariant sortKey(const StationUnit &unit, int column);

private:
    static QString silence(const StationUnit &unit);
};
