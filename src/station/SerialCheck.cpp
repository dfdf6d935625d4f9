#include "SerialCheck.h"

#include "StationRunner.h"
#include "UnitListModel.h"
#include "history/HistoryWorker.h"

#include <QMessageBox>

#include <cstdio>

SerialCheck::SerialCheck(UnitListModel &model, StationRunner &runner, QObject *parent)
    : QObject(parent), m_model(model), m_runner(runner), m_worker(new HistoryWorker(this))
{
    connect(m_worker, &HistoryWorker::selected, this,
            [this](quint64 id, const QList<QList<HistoryRow>> &rows,
                   const std::optional<QString> &) { onSelected(id, rows); });
}

void SerialCheck::check(const QList<int> &rows)
{
    const HistoryLocation location = m_runner.historyLocation();
    if (location.isOff() || location.kind() == HistoryLocation::Kind::Invalid)
        return;
    QList<HistoryFilter> filters;
    QList<quint64> ids;
    for (int row : rows) {
        const StationUnit &unit = m_model.unit(row);
        if (unit.serial.isEmpty())
            continue;
        HistoryFilter filter;
        filter.unitSerial = unit.serial;
        filter.outcome = QStringLiteral("finished");
        filter.title = unit.title.isEmpty() ? QStringLiteral(FWU_APP_TITLE) : unit.title;
        filter.limit = 1;
        filters.append(filter);
        ids.append(unit.id);
    }
    if (!filters.isEmpty())
        m_asked.insert(m_worker->select(location, filters), ids);
}

void SerialCheck::onSelected(quint64 id, const QList<QList<HistoryRow>> &rows)
{
    const QList<quint64> ids = m_asked.take(id);
    for (qsizetype i = 0; i < ids.size() && i < rows.size(); ++i) {
        QString seen;
        if (!rows.at(i).isEmpty()) {
            const HistoryRow &row = rows.at(i).first();
            const QString unit = row.text(QStringLiteral("unit_name")).isEmpty()
                                     ? row.text(QStringLiteral("address")) + QLatin1Char(':') +
                                           row.text(QStringLiteral("port"))
                                     : row.text(QStringLiteral("unit_name"));
            seen = tr("%1 already finished on %2 at %3 (%4): rescan the label, or confirm at "
                      "Flash that this unit is flashed again.")
                       .arg(row.text(QStringLiteral("unit_serial")),
                            row.time(QStringLiteral("started"))
                                .toLocalTime()
                                .toString(QStringLiteral("yyyy-MM-dd HH:mm")),
                            unit, row.text(QStringLiteral("host")));
        }
        m_model.setSerialSeen(ids.at(i), seen);
    }
    if (m_asked.isEmpty())
        Q_EMIT checked();
}

bool SerialCheck::confirm(const QList<int> &rows, QWidget *window, bool unattended) const
{
    QStringList seen;
    for (int row : rows) {
        if (!m_model.unit(row).serialSeen.isEmpty())
            seen.append(m_model.unit(row).serialSeen);
    }
    if (seen.isEmpty())
        return true;
    if (unattended) {
        for (const QString &line : std::as_const(seen))
            std::fprintf(stderr, "firmware-uploader-station: %s\n", qPrintable(line));
        return true;
    }
    return QMessageBox::question(
               window, tr("Serials already flashed"),
               seen.join(QLatin1Char('\n')) + tr("\n\nFlash these units all the same?"),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}
