#pragma once

#include "history/HistoryRecord.h"

#include <QList>
#include <QObject>
#include <QString>

#include <optional>

class HistoryWorker;
class UnitListModel;

// Fills each row's "Last flash" from the flash history: the unit's newest attempt there (when,
// outcome, the first 8 hex digits of the firmware's SHA-256), whoever made it. The history is
// read on a thread of its own, so that a locked file or a stalled server leaves the station free
// to start and stop its units. A history that cannot be read leaves the column as it is.
class LastFlashLookup : public QObject
{
    Q_OBJECT

public:
    explicit LastFlashLookup(UnitListModel &model, QObject *parent = nullptr);

    // history: the URL the station's uploaders are given; empty for theirs by default. The rows
    // follow, announced by filled(); an earlier lookup still under way is superseded.
    void refresh(const QString &history);
    // "2026-03-01 14:30 finished 83a9f043"
    static QString describe(const QDateTime &started, const QString &outcome,
                            const QString &sha256);

Q_SIGNALS:
    // The lookup asked for last has been answered; false when the history could not be read.
    void filled(bool ok);

private:
    void onSelected(quint64 id, const QList<QList<HistoryRow>> &rows,
                    const std::optional<QString> &problem);

    UnitListModel &m_model;
    HistoryWorker *m_worker = nullptr;
    quint64 m_reading = 0;
    // The unit each filter of the reading asks about.
    QList<quint64> m_unitIds;
};
