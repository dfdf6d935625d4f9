#include "ActivityLogListModel.h"

#include "platform/CoreText.h"
#include "upload/ActivityLog.h"

#include <QTextDocument>

#include <algorithm>

ActivityLogListModel::ActivityLogListModel(const ActivityLog &log, QObject *parent)
    : QAbstractListModel(parent), m_log(log)
{
    mirrorWholeLog();
}

int ActivityLogListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_lines.size());
}

QVariant ActivityLogListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const QString line = CoreText::shown(m_lines[std::size_t(index.row())]);
    if (role == Qt::DisplayRole)
        return line;
    // A line wider than the list shows whole in its tooltip, as text: a file name or an error
    // description that looks like markup stays what it is.
    if (role == Qt::ToolTipRole)
        return Qt::convertFromPlainText(line, Qt::WhiteSpaceNormal);
    return {};
}

void ActivityLogListModel::refresh()
{
    if (m_log.generation() != m_generation) {
        beginResetModel();
        mirrorWholeLog();
        endResetModel();
        return;
    }

    // Lines trimmed from the front since the last refresh; some of them may never have been
    // mirrored at all when many lines came and went in between.
    if (m_log.firstSequence() > m_firstSequence) {
        const auto trimmed = m_log.firstSequence() - m_firstSequence;
        const int rows = int(std::min<quint64>(trimmed, m_lines.size()));
        if (rows > 0) {
            beginRemoveRows(QModelIndex(), 0, rows - 1);
            m_lines.erase(m_lines.begin(), m_lines.begin() + rows);
            m_firstSequence += quint64(rows);
            endRemoveRows();
        }
        m_firstSequence = m_log.firstSequence();
    }

    const quint64 mirroredEnd = m_firstSequence + m_lines.size();
    if (m_log.endSequence() > mirroredEnd) {
        const int from = int(mirroredEnd - m_log.firstSequence());
        const int added = int(m_log.endSequence() - mirroredEnd);
        const int firstRow = int(m_lines.size());
        beginInsertRows(QModelIndex(), firstRow, firstRow + added - 1);
        for (int i = 0; i < added; ++i)
            m_lines.push_back(m_log.line(from + i));
        endInsertRows();
    }
}

void ActivityLogListModel::mirrorWholeLog()
{
    m_lines.clear();
    for (int i = 0; i < m_log.count(); ++i)
        m_lines.push_back(m_log.line(i));
    m_firstSequence = m_log.firstSequence();
    m_generation = m_log.generation();
}

int ActivityLogListModel::logIndexForRow(int row) const
{
    if (row < 0 || row >= rowCount() || m_log.generation() != m_generation)
        return -1;
    const quint64 sequence = m_firstSequence + quint64(row);
    if (sequence < m_log.firstSequence() || sequence >= m_log.endSequence())
        return -1;
    return int(sequence - m_log.firstSequence());
}

int ActivityLogListModel::rowForLogIndex(int logIndex) const
{
    if (logIndex < 0 || logIndex >= m_log.count() || m_log.generation() != m_generation)
        return -1;
    const quint64 sequence = m_log.firstSequence() + quint64(logIndex);
    if (sequence < m_firstSequence || sequence >= m_firstSequence + m_lines.size())
        return -1;
    return int(sequence - m_firstSequence);
}
