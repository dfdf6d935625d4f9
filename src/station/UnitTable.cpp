#include "UnitTable.h"

#include "ProgressDelegate.h"
#include "UnitFilterModel.h"
#include "UnitListModel.h"

#include <QHeaderView>
#include <QKeyEvent>

UnitTable::UnitTable(UnitListModel &model, QWidget *parent)
    : QTableView(parent), m_model(model), m_filter(new UnitFilterModel(this))
{
    m_filter->setSourceModel(&m_model);
    setModel(m_filter);
    setItemDelegateForColumn(UnitListModel::Progress, new ProgressDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setTextElideMode(Qt::ElideRight);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 10);
    const QList<std::pair<int, int>> widths{
        {UnitListModel::Name, 120},     {UnitListModel::Address, 100}, {UnitListModel::Port, 60},
        {UnitListModel::Title, 70},     {UnitListModel::Serial, 110},  {UnitListModel::State, 150},
        {UnitListModel::Progress, 170}, {UnitListModel::Records, 95},  {UnitListModel::Elapsed, 60},
        {UnitListModel::LastFlash, 190}};
    // The reason takes the room that is left; the full text is in its tooltip.
    horizontalHeader()->setSectionResizeMode(UnitListModel::Outcome, QHeaderView::Stretch);
    // Sorting starts in list order: no column is sorted until the operator clicks one.
    horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    setSortingEnabled(true);
    // Never narrower than the column's title and its sort mark (longer in some languages).
    for (const auto &[column, width] : widths)
        setColumnWidth(column, std::max(width, horizontalHeader()->sectionSizeHint(column)));
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
        rows.append(listRow(index));
    std::sort(rows.begin(), rows.end());
    return rows;
}

int UnitTable::listRow(const QModelIndex &index) const
{
    return m_filter->mapToSource(index).row();
}

void UnitTable::selectRows(const QList<int> &rows)
{
    QItemSelection selection;
    for (int row : rows) {
        const QModelIndex index = m_filter->mapFromSource(m_model.index(row, 0));
        if (index.isValid())
            selection.select(index, index);
    }
    selectionModel()->select(selection,
                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    if (!selection.isEmpty()) {
        selectionModel()->setCurrentIndex(selection.first().topLeft(),
                                          QItemSelectionModel::NoUpdate);
        scrollTo(selection.first().topLeft());
    }
}

void UnitTable::addUnit()
{
    // A new row shows where it is added: at the end of the list.
    m_filter->setFailedOnly(false);
    m_filter->showListOrder();
    const int row = m_model.addUnit(StationUnit::listed(
        //: The name a new row of the list starts with.
        tr("unit %1").arg(m_model.rowCount() + 1), QString(), QString()));
    const QModelIndex address = m_filter->mapFromSource(m_model.index(row, UnitListModel::Address));
    setCurrentIndex(address);
    edit(address);
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
    if (rows.size() != 1 || !m_filter->showsListOrder())
        return;
    const int row = rows.first();
    const int target = row + step;
    if (target < 0 || target >= m_model.rowCount())
        return;
    m_model.moveRows({}, row, 1, {}, step > 0 ? target + 1 : target);
    selectRows({target});
}
