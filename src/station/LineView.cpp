#include "LineView.h"

#include "UnitCellText.h"

#include "UnitListModel.h"
#include "UnitStateText.h"
#include "platform/CoreText.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>

namespace {

// At 100 %, eight tiles a row and four rows fit the units area of a 1280x800 screen.
constexpr int kTileWidth = 145;
constexpr int kTileHeight = 135;
constexpr int kSpacing = 6;

QFont scaled(QFont font, double points, bool bold)
{
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace

LineView::LineView(UnitListModel &model, QWidget *parent)
    : QAbstractScrollArea(parent), m_model(model)
{
    setObjectName(QStringLiteral("lineView"));
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setAccessibleName(tr("Line view"));
    const auto repaint = [this] { viewport()->update(); };
    const auto changed = [this] {
        relayout();
        viewport()->update();
    };
    connect(&m_model, &QAbstractItemModel::dataChanged, this, repaint);
    connect(&m_model, &QAbstractItemModel::modelReset, this, changed);
    connect(&m_model, &QAbstractItemModel::rowsInserted, this, changed);
    connect(&m_model, &QAbstractItemModel::rowsRemoved, this, changed);
    connect(&m_model, &QAbstractItemModel::rowsMoved, this, changed);
}

void LineView::setZoom(int percent)
{
    percent = qBound(kMinZoom, percent, kMaxZoom);
    if (percent == m_zoom)
        return;
    m_zoom = percent;
    relayout();
    viewport()->update();
    Q_EMIT zoomChanged(m_zoom);
}

QSize LineView::tileSize() const
{
    return QSize(kTileWidth * m_zoom / 100, kTileHeight * m_zoom / 100);
}

int LineView::spacing() const
{
    return qMax(2, kSpacing * m_zoom / 100);
}

int LineView::columns() const
{
    const int width = viewport()->width() - spacing();
    return qMax(1, width / (tileSize().width() + spacing()));
}

// The tiles share the width evenly; their height stays as the zoom makes it.
QRect LineView::tileRect(int row) const
{
    const int perRow = columns();
    const int gap = spacing();
    const int width = (viewport()->width() - gap) / perRow - gap;
    const int height = tileSize().height();
    const int x = gap + (row % perRow) * (width + gap);
    const int y = gap + (row / perRow) * (height + gap) - verticalScrollBar()->value();
    return QRect(x, y, width, height);
}

int LineView::rowAt(const QPoint &point) const
{
    for (int row = 0; row < m_model.rowCount(); ++row) {
        if (tileRect(row).contains(point))
            return row;
    }
    return -1;
}

void LineView::relayout()
{
    const int rows = (m_model.rowCount() + columns() - 1) / columns();
    const int contentHeight = spacing() + rows * (tileSize().height() + spacing());
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setSingleStep(tileSize().height() / 2);
    verticalScrollBar()->setRange(0, qMax(0, contentHeight - viewport()->height()));
    if (m_current >= m_model.rowCount())
        m_current = -1;
}

void LineView::setCurrentRow(int row)
{
    m_current = row >= 0 && row < m_model.rowCount() ? row : -1;
    if (m_current >= 0) {
        const QRect rect = tileRect(m_current);
        if (rect.top() < 0)
            verticalScrollBar()->setValue(verticalScrollBar()->value() + rect.top() - spacing());
        else if (rect.bottom() > viewport()->height())
            verticalScrollBar()->setValue(verticalScrollBar()->value() + rect.bottom() -
                                          viewport()->height() + spacing());
    }
    viewport()->update();
}

void LineView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    relayout();
}

void LineView::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    painter.setRenderHint(QPainter::Antialiasing);
    for (int row = 0; row < m_model.rowCount(); ++row) {
        const QRect rect = tileRect(row);
        if (rect.bottom() >= 0 && rect.top() <= viewport()->height())
            paintTile(painter, row, rect);
    }
}

void LineView::paintTile(QPainter &painter, int row, const QRect &rect) const
{
    const StationUnit &unit = m_model.unit(row);
    QColor back = UnitStateText::background(unit.state, m_model.isDarkPalette());
    QColor fore = UnitStateText::foreground(unit.state, m_model.isDarkPalette());
    if (!back.isValid()) {
        back = palette().color(QPalette::AlternateBase);
        fore = palette().color(QPalette::Text);
    }
    const double scale = m_zoom / 100.0;
    painter.setPen(QPen(row == m_current ? palette().color(QPalette::Highlight)
                                         : palette().color(QPalette::Mid),
                        row == m_current ? 3 : 1));
    painter.setBrush(back);
    painter.drawRoundedRect(rect.adjusted(1, 1, -1, -1), 4, 4);

    const int pad = qRound(6 * scale);
    QRect area = rect.adjusted(pad, pad, -pad, -pad);
    painter.setPen(fore);
    // The bench's name.
    painter.setFont(scaled(font(), 13 * scale, true));
    const QFontMetrics nameMetrics(painter.font());
    const QString name =
        unit.name.isEmpty() ? unit.address + QLatin1Char(':') + unit.port : unit.name;
    painter.drawText(area.left(), area.top() + nameMetrics.ascent(),
                     nameMetrics.elidedText(name, Qt::ElideRight, area.width()));
    area.setTop(area.top() + nameMetrics.height());
    // The label's serial, and the number written into the unit when it is another.
    QString serial = unit.serial;
    if (!unit.serialWritten.isEmpty() && unit.serialWritten != unit.serial)
        serial = (serial.isEmpty() ? QString() : serial + QStringLiteral(" \u00B7 ")) +
                 tr("No. %1").arg(UnitCellText::number(unit));
    if (!serial.isEmpty()) {
        painter.setFont(scaled(font(), 9.5 * scale, false));
        const QFontMetrics serialMetrics(painter.font());
        painter.drawText(area.left(), area.top() + serialMetrics.ascent(),
                         serialMetrics.elidedText(serial, Qt::ElideMiddle, area.width()));
        area.setTop(area.top() + serialMetrics.height());
    }
    area.setTop(area.top() + pad / 2);

    // The verdict: a shape and a word, or how far a running unit has got.
    painter.setFont(scaled(font(), 18 * scale, true));
    const QFontMetrics verdictMetrics(painter.font());
    QString verdict = UnitStateText::mark(unit.state);
    if (verdict.isEmpty())
        verdict = unit.isRunning() && unit.total > 0 ? UnitCellText::percent(unit)
                                                     : UnitStateText::text(unit);
    int textLeft = area.left();
    const QIcon icon = UnitStateText::icon(unit.state);
    if (!icon.isNull()) {
        const int side = verdictMetrics.height();
        icon.paint(&painter, QRect(area.left(), area.top(), side, side));
        textLeft += side + pad;
    }
    painter.drawText(QRect(textLeft, area.top(), area.right() - textLeft, verdictMetrics.height()),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     verdictMetrics.elidedText(verdict, Qt::ElideRight, area.right() - textLeft));
    area.setTop(area.top() + verdictMetrics.height() + pad / 2);

    if (unit.isRunning() && unit.total > 0) {
        const QRect track(area.left(), area.top(), area.width(), qMax(4, qRound(8 * scale)));
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette().color(QPalette::Base));
        painter.drawRect(track);
        painter.setBrush(palette().color(QPalette::Highlight));
        painter.drawRect(QRect(
            track.topLeft(),
            QSize(int(track.width() * qBound(0.0, unit.percent, 100.0) / 100), track.height())));
        painter.setPen(fore);
        area.setTop(track.bottom() + pad / 2);
    }

    // The reason, as far as it fits; the whole of it is the tile's tooltip.
    painter.setFont(scaled(font(), 9.5 * scale, false));
    const QString reason =
        unit.isRunning() ? UnitStateText::text(unit) : CoreText::shown(unit.verdict());
    painter.drawText(
        area, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
        QFontMetrics(painter.font()).elidedText(reason, Qt::ElideRight, area.width() * 2));
}

void LineView::mousePressEvent(QMouseEvent *event)
{
    const int row = rowAt(event->position().toPoint());
    if (row >= 0) {
        setCurrentRow(row);
        Q_EMIT rowClicked(row);
    }
    QAbstractScrollArea::mousePressEvent(event);
}

void LineView::mouseDoubleClickEvent(QMouseEvent *event)
{
    const int row = rowAt(event->position().toPoint());
    if (row >= 0)
        Q_EMIT logRequested(row);
}

void LineView::keyPressEvent(QKeyEvent *event)
{
    const int count = m_model.rowCount();
    int row = m_current < 0 ? 0 : m_current;
    switch (event->key()) {
    case Qt::Key_Left:
        row -= 1;
        break;
    case Qt::Key_Right:
        row += 1;
        break;
    case Qt::Key_Up:
        row -= columns();
        break;
    case Qt::Key_Down:
        row += columns();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_current >= 0)
            Q_EMIT logRequested(m_current);
        return;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    if (count > 0 && row >= 0 && row < count) {
        setCurrentRow(row);
        Q_EMIT rowClicked(row);
    }
}

bool LineView::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const int row = rowAt(help->pos());
        if (row >= 0) {
            const StationUnit &unit = m_model.unit(row);
            QToolTip::showText(help->globalPos(),
                               unit.name + QLatin1Char('\n') + unit.address + QLatin1Char(':') +
                                   unit.port + QLatin1Char('\n') + UnitStateText::text(unit) +
                                   QLatin1Char('\n') + CoreText::shown(unit.verdict()),
                               viewport());
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}
