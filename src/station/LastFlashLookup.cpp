#include "LastFlashLookup.h"

#include "UnitListModel.h"
#include "history/HistoryWorker.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcLastFlash, "fwu.station.history", QtWarningMsg)

LastFlashLookup::LastFlashLookup(UnitListModel &model, QObject *parent)
    : QObject(parent), m_model(model), m_worker(new HistoryWorker(this))
{
    connect(m_worker, &HistoryWorker::selected, this, &LastFlashLookup::onSelected);
}

// The history keeps UTC; the operator reads the station's local time.
QString LastFlashLookup::describe(const QDateTime &started, const QString &outcome,
                                  const QString &sha256)
{
    const QString when = started.isValid()
                             ? started.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"))
                             : QString();
    return when + QLatin1Char(' ') + outcome + QLatin1Char(' ') + sha256.left(8);
}

void LastFlashLookup::refresh(const QString &history)
{
    const HistoryLocation location = HistoryLocation::resolve(
        history.isEmpty() ? std::nullopt : std::optional<QString>(history));
    m_reading = 0;
    m_unitIds.clear();
    if (location.isOff())
        return;
    QList<HistoryFilter> filters;
    for (int row = 0; row < m_model.rowCount(); ++row) {
        const StationUnit &unit = m_model.unit(row);
        bool portIsNumber = false;
        HistoryFilter filter;
        filter.address = unit.address;
        filter.port = unit.port.toInt(&portIsNumber);
        filter.limit = 1;
        if (!portIsNumber || unit.address.isEmpty())
            continue;
        filters.append(filter);
        m_unitIds.append(unit.id);
    }
    // One connection, one call for every row.
    m_reading = m_worker->select(location, filters);
}

void LastFlashLookup::onSelected(quint64 id, const QList<QList<HistoryRow>> &rows,
                                 const std::optional<QString> &problem)
{
    if (id != m_reading)
        return;
    if (problem) {
        qCDebug(lcLastFlash) << *problem;
        Q_EMIT filled(false);
        return;
    }
    // Rows removed meanwhile are no longer found; the others keep their ids.
    for (qsizetype i = 0; i < rows.size() && i < m_unitIds.size(); ++i) {
        const QList<HistoryRow> &found = rows.at(i);
        const QString text = found.isEmpty()
                                 ? QString()
                                 : describe(found.first().time(QStringLiteral("started")),
                                            found.first().text(QStringLiteral("outcome")),
                                            found.first().text(QStringLiteral("firmware_sha256")));
        if (StationUnit *changed = m_model.unitForUpdate(m_unitIds.at(i));
            changed && changed->lastFlash != text)
            changed->lastFlash = text;
    }
    m_model.flushChanges();
    Q_EMIT filled(true);
}
