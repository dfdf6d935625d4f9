#include "StationHistory.h"

#include "HistoryDialog.h"
#include "StationRunner.h"
#include "UnitListModel.h"

HistoryDialog *StationHistory::show(const StationRunner &runner, const UnitListModel &model,
                                    QList<int> rows, QWidget *parent)
{
    if (rows.isEmpty()) {
        for (int row = 0; row < model.rowCount(); ++row)
            rows.append(row);
    }
    QList<QPair<QString, int>> units;
    QStringList names;
    for (int row : std::as_const(rows)) {
        const StationUnit &unit = model.unit(row);
        bool portIsNumber = false;
        const int port = unit.port.toInt(&portIsNumber);
        if (!portIsNumber)
            continue;
        units.append({unit.address, port});
        names.append(unit.name.isEmpty() ? unit.address : unit.name);
    }
    auto *dialog = new HistoryDialog(runner.historyLocation(), parent);
    dialog->setObjectName(QStringLiteral("historyDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setUnits(units, names);
    dialog->refresh();
    dialog->show();
    return dialog;
}
