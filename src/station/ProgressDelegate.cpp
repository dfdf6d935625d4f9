#include "ProgressDelegate.h"

#include "UnitListModel.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOptionProgressBar>

// The style's own bar, with the text drawn here: over the filled part in the highlight's text
// colour and over the rest in the view's, so that it reads wherever the fill has got to.
void ProgressDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                             const QModelIndex &index) const
{
    const int percent = index.data(UnitListModel::PercentRole).toInt();
    if (percent < 0) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionProgressBar bar;
    bar.rect = option.rect.adjusted(2, 2, -2, -2);
    bar.minimum = 0;
    bar.maximum = 100;
    bar.progress = qBound(0, percent, 100);
    bar.textVisible = false;
    bar.state = option.state | QStyle::State_Horizontal;
    bar.palette = option.palette;
    bar.fontMetrics = option.fontMetrics;
    const QWidget *widget = option.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ProgressBar, &bar, painter, widget);

    const QString text = index.data(Qt::DisplayRole).toString();
    const int filledWidth = bar.rect.width() * bar.progress / 100;
    QRect filled = bar.rect;
    filled.setWidth(filledWidth);
    QRect rest = bar.rect;
    rest.setLeft(bar.rect.left() + filledWidth);
    painter->save();
    painter->setFont(option.font);
    painter->setClipRect(filled);
    painter->setPen(option.palette.color(QPalette::HighlightedText));
    painter->drawText(bar.rect, Qt::AlignCenter, text);
    painter->setClipRect(rest);
    painter->setPen(option.palette.color(QPalette::Text));
    painter->drawText(bar.rect, Qt::AlignCenter, text);
    painter->restore();
}
