#pragma once

#include <QList>
#include <QObject>

class QLabel;
class QWidget;
class SettingsStore;
class ShiftCounts;
class StationRunner;
class UnitListModel;

// The shift's counts as the station shows and keeps them: every attempt that ends counts once,
// the failed units of each run are remembered for "Re-run failed" after a restart, and File >
// New shift starts the counts again once the operator has confirmed.
class ShiftWatch : public QObject
{
    Q_OBJECT

public:
    ShiftWatch(SettingsStore &store, StationRunner &runner, UnitListModel &model, QWidget *window);

    ShiftCounts &counts() { return *m_counts; }
    QLabel *headerLabel() const { return m_header; }
    QLabel *statusLabel() const { return m_status; }
    // The rows of the units that failed in the last run, as the shift's record names them.
    QList<int> rememberedFailedRows() const;
    void askNewShift();

private:
    void show();

    UnitListModel &m_model;
    QWidget *m_window;
    ShiftCounts *m_counts = nullptr;
    QLabel *m_header = nullptr;
    QLabel *m_status = nullptr;
};
