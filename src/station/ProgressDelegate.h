#pragma once

#include <QStyledItemDelegate>

// Draws the progress column as a bar carrying the cell's text (percent and time left) while
// the unit runs.
class ProgressDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
};
