#include "UnitViews.h"

#include "LineView.h"
#include "UnitFilterModel.h"
#include "UnitListModel.h"
#include "UnitTable.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

UnitViews::UnitViews(UnitListModel &model, QWidget *parent)
    : QStackedWidget(parent), m_model(model), m_table(new UnitTable(model, this)),
      m_lineView(new LineView(model, this))
{
    m_tablePointSize = m_table->font().pointSizeF();
    addWidget(m_table);
    addWidget(m_lineView);
    connect(m_table, &UnitTable::logRequested, this,
            [this](const QModelIndex &index) { Q_EMIT logRequested(m_table->listRow(index)); });
    connect(m_lineView, &LineView::logRequested, this, &UnitViews::logRequested);
    // One selection for both views: a tile clicked is the row the buttons act on.
    connect(m_lineView, &LineView::rowClicked, this,
            [this](int row) { m_table->selectRows({row}); });
    connect(m_lineView, &LineView::zoomChanged, this, [this](int percent) {
        applyTableZoom(percent);
        Q_EMIT zoomChanged(percent);
    });
}

QMenu *UnitViews::buildMenu(QWidget *menuParent)
{
    auto *menu = new QMenu(tr("&View"), menuParent);
    m_lineViewAction = menu->addAction(tr("&Line view"));
    m_lineViewAction->setObjectName(QStringLiteral("actionLineView"));
    m_lineViewAction->setCheckable(true);
    m_lineViewAction->setShortcut(QKeySequence(Qt::Key_F7));
    connect(m_lineViewAction, &QAction::toggled, this, &UnitViews::setLineView);
    menu->addAction(tr("Zoom &in"), QKeySequence::ZoomIn, this,
                    [this] { setZoom(zoom() + LineView::kZoomStep); });
    menu->addAction(tr("Zoom &out"), QKeySequence::ZoomOut, this,
                    [this] { setZoom(zoom() - LineView::kZoomStep); });
    menu->addAction(tr("&Actual size"), QKeySequence(Qt::CTRL | Qt::Key_0), this,
                    [this] { setZoom(100); });
    menu->addSeparator();
    m_failedOnlyAction = menu->addAction(tr("&Failed only"));
    m_failedOnlyAction->setObjectName(QStringLiteral("actionFailedOnly"));
    m_failedOnlyAction->setCheckable(true);
    m_failedOnlyAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
    connect(m_failedOnlyAction, &QAction::toggled, this, [this](bool on) {
        m_table->filter().setFailedOnly(on);
        if (on)
            setLineView(false);
    });
    menu->addAction(tr("List o&rder"), this, [this] {
        m_table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
        m_table->filter().showListOrder();
    });
    return menu;
}

QWidget *UnitViews::buildListControls()
{
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto addButton = [&](const QString &text, auto slot) {
        auto *button = new QPushButton(text, row);
        connect(button, &QPushButton::clicked, this, slot);
        layout->addWidget(button);
    };
    addButton(tr("A&dd unit"), [this] {
        m_table->addUnit();
        Q_EMIT listEdited();
    });
    addButton(tr("Re&move"), [this] {
        m_table->removeSelected();
        Q_EMIT listEdited();
    });
    addButton(tr("Move &up"), [this] { m_table->moveSelected(-1); });
    addButton(tr("Move do&wn"), [this] { m_table->moveSelected(1); });
    layout->addStretch(1);
    layout->addWidget(new QLabel(tr("Double-click a row for its log."), row));
    return row;
}

bool UnitViews::isLineView() const
{
    return currentWidget() == m_lineView;
}

void UnitViews::setLineView(bool on)
{
    if (on == isLineView())
        return;
    setCurrentWidget(on ? static_cast<QWidget *>(m_lineView) : m_table);
    if (m_lineViewAction)
        m_lineViewAction->setChecked(on);
    if (on) {
        const QList<int> rows = m_table->selectedRows();
        m_lineView->setCurrentRow(rows.isEmpty() ? -1 : rows.first());
    }
    currentWidget()->setFocus();
    Q_EMIT lineViewChanged(on);
}

int UnitViews::zoom() const
{
    return m_lineView->zoom();
}

void UnitViews::setZoom(int percent)
{
    m_lineView->setZoom(percent);
}

// The table's text grows with the tiles, so that the zoom helps whichever view is shown.
void UnitViews::applyTableZoom(int percent)
{
    if (m_tablePointSize <= 0)
        return;
    QFont font = m_table->font();
    font.setPointSizeF(m_tablePointSize * percent / 100.0);
    m_table->setFont(font);
    m_table->verticalHeader()->setDefaultSectionSize(QFontMetrics(font).height() + 10);
}

bool UnitViews::assignSerial(const QString &serial)
{
    QList<int> rows = m_table->selectedRows();
    int row = rows.isEmpty() ? -1 : rows.first();
    for (int candidate = 0; row < 0 && candidate < m_model.rowCount(); ++candidate) {
        if (m_model.unit(candidate).serial.isEmpty())
            row = candidate;
    }
    if (row < 0 || !m_model.setSerial(row, serial))
        return false;
    // The next unit in the order shown.
    const QAbstractItemModel *shown = m_table->model();
    const QModelIndex here = m_table->filter().mapFromSource(m_model.index(row, 0));
    const QModelIndex next = shown->index(here.row() + 1, 0);
    if (next.isValid()) {
        const int nextRow = m_table->listRow(next);
        m_table->selectRows({nextRow});
        m_lineView->setCurrentRow(nextRow);
    }
    return true;
}

void UnitViews::selectFailed()
{
    const QList<int> rows = m_model.failedRows();
    m_table->selectRows(rows);
    if (isLineView())
        m_lineView->setCurrentRow(rows.isEmpty() ? -1 : rows.first());
    else
        m_table->setFocus();
}
