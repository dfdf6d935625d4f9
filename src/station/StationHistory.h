#pragma once

#include <QList>

class HistoryDialog;
class QWidget;
class StationRunner;
class UnitListModel;

// The station's History view: the flash history's attempts on the selected units (all units when
// none is selected), from the history the station's uploaders write to.
class StationHistory
{
public:
    static HistoryDialog *show(const StationRunner &runner, const UnitListModel &model,
                               QList<int> rows, QWidget *parent);
};
