#include "ActivityLogView.h"

#include "ActivityLogListModel.h"
#include "ColourContrast.h"
#include "platform/CoreText.h"
#include "upload/ActivityLog.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>

namespace {

QColor fromBgr(quint32 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

} // namespace

ActivityLogView::ActivityLogView(ActivityLog &log, QWidget *parent)
    : QListView(parent), m_log(log), m_model(new ActivityLogListModel(log, this))
{
    setModel(m_model);
    // Every line is one row of text: uniform sizes spare the view measuring 25000 rows.
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideNone);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ActivityLogView::onOperatorSelection);
}

void ActivityLogView::refresh()
{
    m_refreshing = true;
    m_model->refresh();
    const std::optional<quint32> colour = m_log.backColour();
    if (m_shownColour != colour) {
        showColour(colour);
        m_shownColour = colour;
    }
    showSelection();
    m_refreshing = false;
}

void ActivityLogView::showColour(std::optional<quint32> bgr)
{
    QPalette palette = QApplication::palette(this);
    if (bgr) {
        // The outcome colours are fixed, the theme's text colour is not: a light text of a dark
        // theme would vanish on white or green, so the text takes the colour that reads best.
        const QColor base = fromBgr(*bgr);
        palette.setColor(QPalette::Base, base);
        palette.setColor(QPalette::Text, ColourContrast::readableTextOn(base));
        // The selection keeps the theme's strong colour even when the list has no focus, so
        // the selected line never fades into green or red.
        const QColor highlight = palette.color(QPalette::Active, QPalette::Highlight);
        palette.setColor(QPalette::Highlight, highlight);
        palette.setColor(QPalette::HighlightedText, ColourContrast::readableTextOn(highlight));
    }
    setPalette(palette);
}

void ActivityLogView::changeEvent(QEvent *event)
{
    // A theme changed while the program runs: colour the list again against the new palette.
    if (event->type() == QEvent::ApplicationPaletteChange)
        m_shownColour.reset();
    QListView::changeEvent(event);
}

void ActivityLogView::showSelection()
{
    const int selected = m_log.selectedIndex();
    const std::optional<quint64> selection =
        selected >= 0 ? std::optional(m_log.firstSequence() + quint64(selected)) : std::nullopt;
    // Only a change of selection moves the view: appending leaves the scroll position alone.
    if (selection == m_shownSelection)
        return;
    const QModelIndex index = m_model->index(m_model->rowForLogIndex(selected));
    if (index.isValid()) {
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        scrollTo(index);
    } else {
        selectionModel()->clear();
    }
    m_shownSelection = selection;
}

void ActivityLogView::onOperatorSelection()
{
    if (m_refreshing)
        return;
    const QModelIndexList rows = selectionModel()->selectedRows();
    const int logIndex = rows.isEmpty() ? -1 : m_model->logIndexForRow(rows.first().row());
    m_log.setSelectedIndex(logIndex);
    m_shownSelection =
        logIndex >= 0 ? std::optional(m_log.firstSequence() + quint64(logIndex)) : std::nullopt;
}

QString ActivityLogView::selectedLine() const
{
    const int selected = m_log.selectedIndex();
    return selected >= 0 && selected < m_log.count() ? CoreText::shown(m_log.line(selected))
                                                     : QString();
}

void ActivityLogView::copySelectedLine() const
{
    if (m_log.selectedIndex() >= 0)
        QApplication::clipboard()->setText(selectedLine());
}

QString ActivityLogView::allText() const
{
    QString text;
    for (const QString &line : m_log.lines())
        text += CoreText::shown(line) + QLatin1Char('\n');
    return text;
}

void ActivityLogView::copyAll() const
{
    QApplication::clipboard()->setText(allText());
}

QMenu *ActivityLogView::createContextMenu(QAction *saveLog)
{
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("logContextMenu"));
    QAction *copyLine = menu->addAction(tr("&Copy line"), this, &ActivityLogView::copySelectedLine);
    copyLine->setObjectName(QStringLiteral("logCopyLine"));
    copyLine->setShortcut(QKeySequence::Copy);
    copyLine->setEnabled(m_log.selectedIndex() >= 0);
    QAction *copyAll = menu->addAction(tr("Copy &all"), this, &ActivityLogView::copyAll);
    copyAll->setObjectName(QStringLiteral("logCopyAll"));
    copyAll->setEnabled(m_log.count() > 0);
    if (saveLog) {
        menu->addSeparator();
        menu->addAction(saveLog);
    }
    return menu;
}

void ActivityLogView::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createContextMenu(m_saveLog);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void ActivityLogView::keyPressEvent(QKeyEvent *event)
{
    // The log's own selection, not the view's current row: they differ between refreshes.
    if (event == QKeySequence::Copy) {
        copySelectedLine();
        event->accept();
        return;
    }
    QListView::keyPressEvent(event);
}
