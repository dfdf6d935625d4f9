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
#include "platform/SettingsStore.h"
#include "platform/view/LanguageMenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>

void StationWindow::buildMenus()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    m_listEditors.append(file->addAction(tr("&Open units list..."), QKeySequence::Open, m_lists,
                                         &UnitListKeeper::chooseAndOpen));
    file->addAction(tr("Save units list &as..."), QKeySequence::SaveAs, m_lists,
                    &UnitListKeeper::saveAs);
    file->addAction(tr("Save &report..."), m_reports, &ReportSaver::askAndSave);
    file->addSeparator();
    m_listEditors.append(file->addAction(tr("Report &folder for automatic saving..."), m_reports,
                                         &ReportSaver::chooseFolder));
    file->addAction(tr("&History of the selected units..."), this, [this] {
        StationHistory::show(m_runner, m_model, m_table->selectedRows(), this);
    });
    for (QAction *action : m_desk->addFileActions(file))
        m_listEditors.append(action);
    m_listEditors.append(m_serials->addAction(file));
    connect(&m_desk->lock().lock(), &ProductionLock::lockedChanged, this,
            &StationWindow::updateControls);
    file->addSeparator();
    file->addAction(tr("&Quit"), QKeySequence::Quit, this, &QWidget::close);
    menuBar()->addMenu(m_views->buildMenu(this));
    QMenu *help = menuBar()->addMenu(tr("&Help"));
    help->addAction(tr("&Keyboard Shortcuts"), this, [this] { StationHelp::showShortcuts(this); });
    help->addAction(tr("&About"), this, [this] { StationHelp::showAbout(this); });
    // The language of the next start, remembered for the user.
    help->addMenu(new LanguageMenu(SettingsStore(), help));
}

bool StationWindow::confirmStop(const QString &title, const QString &question)
{
    const auto answer = QMessageBox::question(
        this, title,
        tr("%1\n\nUnits that are mid-transfer stay in programming mode until they are flashed "
           "again.")
            .arg(question),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return answer == QMessageBox::Yes;
}

void StationWindow::confirmStopAll()
{
    if (confirmStop(tr("Stop"), tr("Stop every unit now?")))
        stopAll();
}

void StationWindow::confirmStopSelected()
{
    const QList<int> rows = m_table->selectedRows();
    if (!rows.isEmpty() &&
        confirmStop(tr("Stop"), tr("Stop the %n selected unit(s) now?", nullptr, int(rows.size()))))
        stopSelected();
}

void StationWindow::stopAll()
{
    m_runner.stopAll();
    statusBar()->showMessage(tr("Stopping..."));
}

void StationWindow::stopSelected()
{
    m_runner.stop(m_table->selectedRows());
    statusBar()->showMessage(tr("Stopping the selected units..."), kStatusMessageMs);
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
    menu.addAction(tr("&Stop"), this, &StationWindow::confirmStopSelected)->setEnabled(running);
    menu.addAction(tr("Show &log"), this, [this, index] { showLog(m_table->listRow(index)); });
    menu.addAction(tr("&Re-run"), this, &StationWindow::rerunSelected)
        ->setEnabled(!running && m_runner.firmware().isValid());
    menu.exec(m_table->viewport()->mapToGlobal(position));
}
