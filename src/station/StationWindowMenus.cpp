// The station window's menus and the questions asked before units are stopped.

#include "StationWindow.h"

#include "LockControls.h"
#include "OperatorDesk.h"
#include "ProductionLock.h"
#include "ReportSaver.h"
#include "SerialControls.h"
#include "StationHelp.h"
#include "StationHistory.h"
#include "UnitListKeeper.h"
#include "UnitTable.h"
#include "UnitViews.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>

void StationWindow::buildMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    m_listEditors.append(file->addAction(QStringLiteral("&Open units list..."), QKeySequence::Open,
                                         m_lists, &UnitListKeeper::chooseAndOpen));
    file->addAction(QStringLiteral("Save units list &as..."), QKeySequence::SaveAs, m_lists,
                    &UnitListKeeper::saveAs);
    file->addAction(QStringLiteral("Save &report..."), m_reports, &ReportSaver::askAndSave);
    file->addSeparator();
    m_listEditors.append(file->addAction(QStringLiteral("Report &folder for automatic saving..."),
                                         m_reports, &ReportSaver::chooseFolder));
    file->addAction(QStringLiteral("&History of the selected units..."), this, [this] {
        StationHistory::show(m_runner, m_model, m_table->selectedRows(), this);
    });
    for (QAction *action : m_desk->addFileActions(file))
        m_listEditors.append(action);
    m_listEditors.append(m_serials->addAction(file));
    connect(&m_desk->lock().lock(), &ProductionLock::lockedChanged, this,
            &StationWindow::updateControls);
    file->addSeparator();
    file->addAction(QStringLiteral("&Quit"), QKeySequence::Quit, this, &QWidget::close);
    menuBar()->addMenu(m_views->buildMenu(this));
    QMenu *help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&Keyboard Shortcuts"), this,
                    [this] { StationHelp::showShortcuts(this); });
    help->addAction(QStringLiteral("&About"), this, [this] { StationHelp::showAbout(this); });
}

bool StationWindow::confirmStop(const QString &title, const QString &question)
{
    const auto answer = QMessageBox::question(
        this, title,
        question + QStringLiteral("\n\nUnits that are mid-transfer stay in programming mode until "
                                  "they are flashed again."),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return answer == QMessageBox::Yes;
}

void StationWindow::confirmStopAll()
{
    if (confirmStop(QStringLiteral("Stop"), QStringLiteral("Stop every unit now?")))
        stopAll();
}

void StationWindow::confirmStopSelected()
{
    const QList<int> rows = m_table->selectedRows();
    if (!rows.isEmpty() &&
        confirmStop(QStringLiteral("Stop"),
                    QStringLiteral("Stop the %1 selected unit(s) now?").arg(rows.size())))
        stopSelected();
}

void StationWindow::stopAll()
{
    m_runner.stopAll();
    statusBar()->showMessage(QStringLiteral("Stopping..."));
}

void StationWindow::stopSelected()
{
    m_runner.stop(m_table->selectedRows());
    statusBar()->showMessage(QStringLiteral("Stopping the selected units..."), kStatusMessageMs);
}

void StationWindow::showRowMenu(const QPoint &position)
{
    const QModelIndex index = m_table->indexAt(position);
    if (!index.isValid())
        return;
    if (!m_table->selectionModel()->isRowSelected(index.row(), {}))
        m_table->selectRow(index.row());
    const bool running = m_runner.isRunning();
    QMenu menu(this);
    menu.addAction(QStringLiteral("&Stop"), this, &StationWindow::confirmStopSelected)
        ->setEnabled(running);
    menu.addAction(QStringLiteral("Show &log"), this,
                   [this, index] { showLog(m_table->listRow(index)); });
    menu.addAction(QStringLiteral("&Re-run"), this, &StationWindow::rerunSelected)
        ->setEnabled(!running && m_runner.firmware().isValid());
    menu.exec(m_table->viewport()->mapToGlobal(position));
}
