#pragma once

#include <QHash>
#include <QList>
#include <QObject>

class HistoryWorker;
class QWidget;
class StationRunner;
class UnitListModel;

// A scanned serial that already finished for this title is flagged on its row before the run:
// the label may be on a second unit, or the unit is being flashed twice. The flash history is
// asked off the GUI thread; the operator then rescans or confirms at Flash.
class SerialCheck : public QObject
{
    Q_OBJECT

public:
    SerialCheck(UnitListModel &model, StationRunner &runner, QObject *parent = nullptr);

    // Asks the history about these rows' serials.
    void check(const QList<int> &rows);
    // Whether the run may go ahead with these rows: always when none of their serials already
    // finished; else the operator is asked (unattended: said on standard error, and it goes on).
    bool confirm(const QList<int> &rows, QWidget *window, bool unattended) const;

Q_SIGNALS:
    // Every check asked for so far has its answer.
    void checked();

private:
    void onSelected(quint64 id, const QList<QList<class HistoryRow>> &rows);

    UnitListModel &m_model;
    StationRunner &m_runner;
    HistoryWorker *m_worker = nullptr;
    // The units each reading asked about, by the reading's id.
    QHash<quint64, QList<quint64>> m_asked;
};
