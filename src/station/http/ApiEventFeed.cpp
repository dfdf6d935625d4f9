#include "ApiEventFeed.h"

#include "ApiJson.h"
#include "FirmwarePanel.h"
#include "StationRunner.h"

ApiEventFeed::ApiEventFeed(UnitListModel &model, StationRunner &runner, FirmwarePanel &firmware,
                           QObject *parent)
    : QObject(parent), m_model(model), m_runner(runner)
{
    connect(&runner, &StationRunner::runStarted, this, &ApiEventFeed::onRunStarted);
    connect(&runner, &StationRunner::runFinished, this, &ApiEventFeed::onRunFinished);
    // A run refused after its names were looked up ends before it began.
    connect(&runner, &StationRunner::runRefused, this, [this](const QString &reason) {
        add(QStringLiteral("run_ended"), {{QStringLiteral("refused"), reason}});
    });
    connect(&model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &first, const QModelIndex &last) {
                onRowsChanged(first.row(), last.row());
            });
    const auto unitsChanged = [this] {
        m_states.clear();
        for (const StationUnit &unit : m_model.units())
            m_states.insert(unit.id, unit.state);
        add(QStringLiteral("units_changed"), {{QStringLiteral("count"), m_model.rowCount()}});
    };
    connect(&model, &QAbstractItemModel::modelReset, this, unitsChanged);
    connect(&model, &QAbstractItemModel::rowsInserted, this, unitsChanged);
    connect(&model, &QAbstractItemModel::rowsRemoved, this, unitsChanged);
    connect(&model, &QAbstractItemModel::rowsMoved, this, unitsChanged);
    connect(&firmware, &FirmwarePanel::pathChanged, this, [this](const QString &path) {
        add(QStringLiteral("firmware_changed"), {{QStringLiteral("path"), path}});
    });
    for (const StationUnit &unit : m_model.units())
        m_states.insert(unit.id, unit.state);
}

void ApiEventFeed::add(const QString &type, QJsonObject event)
{
    event.insert(QStringLiteral("type"), type);
    event.insert(QStringLiteral("time"), ApiJson::time(QDateTime::currentDateTime()));
    if (!event.contains(QStringLiteral("run_id")))
        event.insert(QStringLiteral("run_id"), m_runId.isEmpty() ? QJsonValue() : m_runId);
    m_log.append(std::move(event));
    Q_EMIT added();
}

// The rows the run has just queued wait; those are its units.
void ApiEventFeed::onRunStarted()
{
    m_runId = m_runner.runId();
    m_runUnits.clear();
    for (const StationUnit &unit : m_model.units()) {
        if (unit.isRunning())
            m_runUnits.append(unit.id);
    }
    onRowsChanged(0, m_model.rowCount() - 1);
}

void ApiEventFeed::onRowsChanged(int first, int last)
{
    for (int row = qMax(0, first); row <= last && row < m_model.rowCount(); ++row) {
        const StationUnit &unit = m_model.unit(row);
        const auto known = m_states.constFind(unit.id);
        if (known != m_states.constEnd() && *known == unit.state)
            continue;
        m_states.insert(unit.id, unit.state);
        QJsonObject event = ApiJson::unit(unit);
        event.insert(QStringLiteral("unit"), event.take(QStringLiteral("name")));
        for (const char *listed : {"address", "port", "title", "serial"})
            event.remove(QLatin1String(listed));
        add(QStringLiteral("unit_state"), event);
    }
}

// The model is told of the rows' last changes before the run ends, so every unit's final state
// comes before this.
void ApiEventFeed::onRunFinished()
{
    onRowsChanged(0, m_model.rowCount() - 1);
    const UnitListModel::Counts counts = m_model.counts();
    add(QStringLiteral("run_ended"),
        {{QStringLiteral("finished"), counts.finished}, {QStringLiteral("failed"), counts.failed}});
}
