#pragma once

#include <QTableView>

class UnitFilterModel;
class UnitListModel;

// The units table: rows selected whole, cells edited with F2 or a click on a selected cell, a
// double-click anywhere in a row (or Enter) for its log, and the row edits of the list buttons.
// A click on a column header sorts by it; Tab leaves the table, the arrows move inside it.
class UnitTable : public QTableView
{
    Q_OBJECT

public:
    explicit UnitTable(UnitListModel &model, QWidget *parent = nullptr);

    // The selected units' rows in the list, sorted.
    QList<int> selectedRows() const;
    // Selects these rows of the list (those the view shows), the first one current.
    void selectRows(const QList<int> &rows);
    // The list's row of an index of this view.
    int listRow(const QModelIndex &index) const;
    UnitFilterModel &filter() { return *m_filter; }
    void addUnit();
    void removeSelected();
    void moveSelected(int step);

Q_SIGNALS:
    void logRequested(const QModelIndex &index);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    UnitListModel &m_model;
    UnitFilterModel *m_filter = nullptr;
};
