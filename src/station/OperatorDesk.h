#pragma once

#include <QList>
#include <QObject>

class LockControls;
class OperatorSeat;
class QAction;
class QMenu;
class QWidget;
class ScanField;
class SerialCheck;
class SettingsStore;
class ShiftWatch;
class StationEventLog;
class StationRunner;
class UnitListModel;
class UnitViews;

// What an operator works with at a line beside the units themselves: the shift's counts, who
// runs the station, the scan field for the units' labels and the locked production mode, with
// the events a supervisor audits written to the flash history.
class OperatorDesk : public QObject
{
    Q_OBJECT

public:
    OperatorDesk(SettingsStore &store, StationRunner &runner, UnitListModel &model,
                 UnitViews &views, QWidget *window);

    ShiftWatch &shift() { return *m_shift; }
    OperatorSeat &operatorSeat() { return *m_operator; }
    LockControls &lock() { return *m_lock; }
    ScanField *scanField() const { return m_scan; }
    SerialCheck &serials() { return *m_serials; }
    // The labels for the status bar: the shift's counts and the operator.
    QList<QWidget *> statusWidgets() const;
    // New shift, the lock's actions and the operator question; returns the actions that only an
    // unlocked, idle station may use.
    QList<QAction *> addFileActions(QMenu *file);

Q_SIGNALS:
    // For a message box (or standard error when nobody watches).
    void problem(const QString &text);
    // For the status bar.
    void note(const QString &text);

private:
    void record(const QString &event, const QString &detail = QString());

    StationRunner &m_runner;
    UnitViews &m_views;
    ShiftWatch *m_shift = nullptr;
    OperatorSeat *m_operator = nullptr;
    LockControls *m_lock = nullptr;
    StationEventLog *m_events = nullptr;
    ScanField *m_scan = nullptr;
    SerialCheck *m_serials = nullptr;
};
