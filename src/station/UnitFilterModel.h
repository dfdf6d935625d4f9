#pragma once

#include <QSortFilterProxyModel>

// The units as the operator wants to see them: in list order, sorted by any column (the State
// column puts failures first), or only the failed ones. Rows keep their list order in the model;
// only the view changes.
class UnitFilterModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit UnitFilterModel(QObject *parent = nullptr);

    void setFailedOnly(bool failedOnly);
    bool isFailedOnly() const { return m_failedOnly; }
    // Back to the list's own order.
    void showListOrder();
    // Whether the rows are shown as listed, so that moving one up or down means what it shows.
    bool showsListOrder() const { return sortColumn() < 0 && !m_failedOnly; }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    bool m_failedOnly = false;
};
