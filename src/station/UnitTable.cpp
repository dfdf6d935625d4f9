#include "UnitTable.h"

#include "ProgressDelegate.h"
#include "UnitListModel.h"

#include <QHeaderView>
#include <QKeyEvent>

UnitTable::UnitTable(UnitListModel &model, QWidget *parent) : QTableView(parent), m_model(model)
{
    setModel(&m_model);
    setItemDelegateForColumn(UnitListModel::Progress, new ProgressDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 10);
    horizontalHeader()->setStretchLastSection(true);
    const QList<std::pair<int, int>> widths{
        {UnitListModel::Name, 120},   {UnitListModel::Address, 100}, {UnitListModel::Port, 60},
        {UnitListModel::Title, 70},   {UnitListModel::State, 125},   {UnitListModel::Progress, 190},
        {UnitListModel::Records, 95}, {UnitListModel::Elapsed, 60}};
    for (const auto &[column, width] : widths)
        setColumnWidth(column, width);
    connect(this, &QTableView::doubleClicked, this, &UnitTable::logRequested);
    setContextMenuPolicy(Qt::CustomContextMenu);
}

void UnitTable::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && state() != QAbstractItemView::EditingState && currentIndex().isValid()) {
        Q_EMIT logRequested(currentIndex());
        return;
    }
    QTableView::keyPressEvent(event);
}

QList<int> UnitTable::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void UnitTable::addUnit()
{
    const int row = m_model.addUnit(StationUnit::listed(
        QStringLiteral("unit %1").arg(m_model.rowCount() + 1), QString(), QString()));
    setCurrentIndex(m_model.index(row, UnitListModel::Address));
    edit(m_model.index(row, UnitListModel::Address));
}

void UnitTable::removeSelected()
{
    const QList<int> rows = selectedRows();
    for (auto it = rows.crbegin(); it != rows.crend(); ++it)
        m_model.removeRows(*it, 1);
}

void UnitTable::moveSelected(int step)
{
    const QList<int> rows = selectedRows();
    if (rows.size() != 1)
        return;
    const int row = rows.first();
    const int target = row + step;
    if (target < 0 || target >= m_model.rowCount())
        return;
    m_model.moveRows({}, row, 1, {}, step > 0 ? target + 1 : target);
    selectRow(target);
}
