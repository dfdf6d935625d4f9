#pragma once

#include <QTableView>

class UnitListModel;

// The units table: rows selected whole, cells edited with F2 or a click on a selected cell, a
// double-click anywhere in a row (or Enter) for its log, and the row edits of the list buttons.
class UnitTable : public QTableView
{
    Q_OBJECT

public:
    explicit UnitTable(UnitListModel &model, QWidget *parent = nullptr);

    // Sorted.
    QList<int> selectedRows() const;
    void addUnit();
    void removeSelected();
    void moveSelected(int step);

Q_SIGNALS:
    void logRequested(const QModelIndex &index);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    UnitListModel &m_model;
};
