#include "UnitFilterModel.h"

#include "UnitListModel.h"

UnitFilterModel::UnitFilterModel(QObject *parent) : QSortFilterProxyModel(parent)
{
    setSortRole(UnitListModel::SortRole);
    setSortCaseSensitivity(Qt::CaseInsensitive);
    setSortLocaleAware(true);
    // States and progress change all the time during a run; the order follows them.
    setDynamicSortFilter(true);
}

void UnitFilterModel::setFailedOnly(bool failedOnly)
{
    if (failedOnly == m_failedOnly)
        return;
    m_failedOnly = failedOnly;
    invalidateFilter();
}

void UnitFilterModel::showListOrder()
{
    sort(-1);
}

bool UnitFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    if (!m_failedOnly)
        return true;
    const auto *units = qobject_cast<const UnitListModel *>(sourceModel());
    return units && sourceRow < units->rowCount(sourceParent) && units->unit(sourceRow).isFailed();
}
