#pragma once

#include "ApiEventLog.h"
#include "UnitListModel.h"

#include <QHash>
#include <QObject>
#include <QSet>

class FirmwarePanel;
class StationRunner;

// What happens at the station, as the HTTP interface's events: a unit's state changed, a run
// ended, the firmware or the units were changed (from the window or over HTTP alike). It also
// knows the units of the latest run, by the run's id.
class ApiEventFeed : public QObject
{
    Q_OBJECT

public:
    ApiEventFeed(UnitListModel &model, StationRunner &runner, FirmwarePanel &firmware,
                 QObject *parent = nullptr);

    const ApiEventLog &log() const { return m_log; }
    // The latest run's id (empty before the first) and its units, by id.
    QString runId() const { return m_runId; }
    QList<quint64> runUnits() const { return m_runUnits; }

Q_SIGNALS:
    void added();

private:
    void add(const QString &type, QJsonObject event);
    void onRunStarted();
    void onRowsChanged(int first, int last);
    void onRunFinished();

    UnitListModel &m_model;
    StationRunner &m_runner;
    ApiEventLog m_log;
    QString m_runId;
    QList<quint64> m_runUnits;
    // The state each unit was last told in, by id.
    QHash<quint64, UnitState> m_states;
};
