#pragma once

#include <QStyledItemDelegate>

// Draws the progress column as a bar carrying the cell's text (percent and time left).
class ProgressDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
};
