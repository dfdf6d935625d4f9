#pragma once

#include <QAbstractListModel>
#include <QString>

#include <deque>
#include <optional>

class ActivityLog;

// A list model that mirrors an ActivityLog in batches. The log is exact at every step and may
// change thousands of times a second; the mirror catches up only when refresh() is called, with
// one removal of trimmed lines and one insertion of new ones (or one reset after a clear), so a
// view never lays out its rows once per line.
class ActivityLogListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit ActivityLogListModel(const ActivityLog &log, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // Brings the mirror up to date with the log.
    void refresh();

    // The log's index of a mirrored row, or -1 when that line has left the log since the last
    // refresh.
    int logIndexForRow(int row) const;
    // The mirrored row of a line of the log, or -1 when it is not mirrored yet.
    int rowForLogIndex(int logIndex) const;

private:
    void mirrorWholeLog();

    const ActivityLog &m_log;
    std::deque<QString> m_lines;
    // Sequence number of the first mirrored line, and the log generation it belongs to.
    quint64 m_firstSequence = 0;
    quint64 m_generation = 0;
};
