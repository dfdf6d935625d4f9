#include "LastFlashLookup.h"

#include "UnitListModel.h"
#include "history/HistoryStore.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcLastFlash, "fwu.station.history", QtWarningMsg)

QString LastFlashLookup::describe(const QString &started, const QString &outcome,
                                  const QString &sha256)
{
    QString when = started.left(16);
    when.replace(QLatin1Char('T'), QLatin1Char(' '));
    return when + QLatin1Char(' ') + outcome + QLatin1Char(' ') + sha256.left(8);
}

void LastFlashLookup::fill(UnitListModel &model, const QString &history)
{
    const HistoryLocation location = HistoryLocation::resolve(
        history.isEmpty() ? std::nullopt : std::optional<QString>(history));
    if (location.isOff())
        return;
    // One connection for every row.
    HistoryStore store(location);
    for (int row = 0; row < model.rowCount(); ++row) {
        const StationUnit &unit = model.unit(row);
        bool portIsNumber = false;
        HistoryFilter filter;
        filter.address = unit.address;
        filter.port = unit.port.toInt(&portIsNumber);
        filter.limit = 1;
        QList<HistoryRow> rows;
        QString text;
        if (portIsNumber && !unit.address.isEmpty()) {
            if (const std::optional<QString> problem = store.select(filter, &rows)) {
                // A missing or unreadable history: nothing to show for any row.
                qCDebug(lcLastFlash) << *problem;
                return;
            }
        }
        if (!rows.isEmpty())
            text = describe(rows.first().text(QStringLiteral("started")),
                            rows.first().text(QStringLiteral("outcome")),
                            rows.first().text(QStringLiteral("firmware_sha256")));
        if (StationUnit *changed = model.unitForUpdate(unit.id);
            changed && changed->lastFlash != text)
            changed->lastFlash = text;
    }
    model.flushChanges();
}
