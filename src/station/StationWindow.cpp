#include "StationWindow.h"

#include "LastFlashLookup.h"
#include "StationHistory.h"
#include "platform/CoreText.h"

#include "CountsLabel.h"
#include "FirmwarePanel.h"
#include "LockControls.h"
#include "OperatorDesk.h"
#include "ProductionLock.h"
#include "ReportSaver.h"
#include "RunControls.h"
#include "ScanField.h"
#include "SerialCheck.h"
#include "SerialControls.h"
#include "ShiftWatch.h"
#include "StationHelp.h"
#include "UnitListKeeper.h"
#include "UnitLogDialog.h"
#include "UnitTable.h"
#include "UnitViews.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include <chrono>
#include <cstdio>

using namespace std::chrono_literals;

namespace {

// Running rows' elapsed time and time left move on between events.
constexpr std::chrono::milliseconds kElapsedTick = 1s;

bool isDark(const QPalette &palette)
{
    return palette.color(QPalette::Base).lightness() < 128;
}

// Without a screen a message box would wait for a click nobody can give.
bool isOffscreen()
{
    return QGuiApplication::platformName() == QLatin1String("offscreen");
}

void printError(const QString &text)
{
    std::fprintf(stderr, "firmware-uploader-station: %s\n", qPrintable(text));
    std::fflush(stderr);
}

} // namespace

StationWindow::StationWindow(QWidget *parent)
    : QMainWindow(parent), m_runner(m_model), m_unattended(isOffscreen())
{
    setWindowTitle(tr("Firmware Uploader Station"));
    setAcceptDrops(true);

    m_firmware = new FirmwarePanel(this);
    m_views = new UnitViews(m_model, this);
    m_table = m_views->table();
    connect(m_views, &UnitViews::logRequested, this, &StationWindow::showLog);
    connect(m_table, &QWidget::customContextMenuRequested, this, &StationWindow::showRowMenu);
    m_counts = new CountsLabel(m_model, this);
    connect(m_counts, &CountsLabel::failedClicked, m_views, &UnitViews::selectFailed);
    m_statusCounts = new QLabel(this);
    statusBar()->addPermanentWidget(m_statusCounts);
    m_desk = new OperatorDesk(m_session.store(), m_runner, m_model, *m_views, this);
    for (QWidget *label : m_desk->statusWidgets())
        statusBar()->addPermanentWidget(label);
    m_serials = new SerialControls(m_session, m_runner, this);
    statusBar()->addPermanentWidget(m_serials->statusLabel());
    connect(m_desk, &OperatorDesk::problem, this, &StationWindow::showError);
    connect(m_desk, &OperatorDesk::note, this,
            [this](const QString &text) { statusBar()->showMessage(text, kStatusMessageMs); });

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(m_firmware);
    m_controls = new RunControls(this);
    connectRunControls();
    layout->addWidget(m_controls);
    auto *countsRow = new QHBoxLayout;
    countsRow->addWidget(m_counts, 1);
    countsRow->addWidget(m_desk->shift().headerLabel());
    countsRow->addWidget(m_desk->scanField());
    layout->addLayout(countsRow);
    layout->addWidget(m_views, 1);
    m_listControls = m_views->buildListControls();
    for (QWidget *button : m_listControls->findChildren<QPushButton *>())
        m_listEditors.append(button);
    connect(m_views, &UnitViews::listEdited, this, &StationWindow::updateControls);
    layout->addWidget(m_listControls);
    // The list is edited in the table; the line view gives the room to the tiles.
    connect(m_views, &UnitViews::lineViewChanged, this, [this](bool on) {
        m_listControls->setVisible(!on);
        m_session.settings().lineView = on;
    });
    connect(m_views, &UnitViews::zoomChanged, this,
            [this](int percent) { m_session.settings().zoom = percent; });
    setCentralWidget(central);
    connectFileHandling();
    buildMenus();

    connect(&m_model, &UnitListModel::countsChanged, this, &StationWindow::updateCounts);
    // Edits in place can make or clear a row's problems.
    connect(&m_model, &QAbstractItemModel::dataChanged, this, [this] {
        if (!m_runner.isRunning()) {
            updateCounts();
            updateControls();
        }
    });
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &StationWindow::updateControls);
    connect(&m_runner, &StationRunner::runStarted, this, &StationWindow::updateControls);
    connect(&m_runner, &StationRunner::runFinished, this, &StationWindow::onRunFinished);
    connect(&m_runner, &StationRunner::runRefused, this, &StationWindow::onRunRefused);
    // Each row's last recorded flash, once the list is there and after every run.
    m_lastFlash = new LastFlashLookup(m_model, this);
    connect(&m_runner, &StationRunner::runFinished, m_lastFlash,
            [this] { m_lastFlash->refresh(m_runner.history()); });
    connect(&m_model, &QAbstractItemModel::modelReset, m_lastFlash,
            [this] { m_lastFlash->refresh(m_runner.history()); });
    connect(m_firmware, &FirmwarePanel::refused, this, &StationWindow::showError);
    connect(m_firmware, &FirmwarePanel::pathChanged, this, [this](const QString &path) {
        m_session.settings().firmwarePath = path;
        updateControls();
    });
    m_elapsedTick.setInterval(kElapsedTick);
    connect(&m_elapsedTick, &QTimer::timeout, &m_model, &UnitListModel::touchRunning);

    m_model.setDarkPalette(isDark(palette()));
    restoreSession();
    updateControls();
    updateCounts();
    resize(1180, 640);
    restoreGeometry(QByteArray::fromBase64(m_session.settings().geometry.toLatin1()));
}

// The last session's list, firmware and limits. A remembered list that cannot be read is
// reported and kept, never replaced by the empty list the window then starts with.
void StationWindow::restoreSession()
{
    QString problem;
    m_model.setUnits(m_session.rememberedUnits(&problem));
    // After the constructor, so that the caller can say first whether anyone watches.
    if (!problem.isEmpty())
        QTimer::singleShot(0, this, [this, problem] { showError(problem); });
    const QString firmware = m_session.settings().firmwarePath;
    if (!firmware.isEmpty() && QFileInfo::exists(firmware))
        m_firmware->setPath(firmware);
    else if (!firmware.isEmpty())
        QTimer::singleShot(0, this, [this, firmware] {
            showError(tr("The firmware chosen last time is gone: %1").arg(firmware));
        });
    setLimit(m_session.settings().limit);
    setUnitOptions(m_session.settings().responseTimeout, m_session.settings().retries);
    m_views->setZoom(m_session.settings().zoom);
    m_views->setLineView(m_session.settings().lineView);
}

StationWindow::~StationWindow() = default;

void StationWindow::setUnitOptions(std::chrono::milliseconds responseTimeout, int retries)
{
    m_session.settings().responseTimeout = responseTimeout;
    m_session.settings().retries = retries;
    m_runner.setUnitOptions(responseTimeout, retries);
    m_controls->showUnitOptions(responseTimeout, retries);
}

void StationWindow::connectRunControls()
{
    connect(m_controls->flashAll(), &QPushButton::clicked, this, [this] { flashAll(); });
    connect(m_controls->flashSelected(), &QPushButton::clicked, this,
            &StationWindow::flashSelected);
    connect(m_controls->rerunFailed(), &QPushButton::clicked, this, &StationWindow::rerunFailed);
    connect(m_controls->stopSelected(), &QPushButton::clicked, this,
            &StationWindow::confirmStopSelected);
    connect(m_controls->stopAll(), &QPushButton::clicked, this, &StationWindow::confirmStopAll);
    connect(m_controls, &RunControls::limitChanged, this, &StationWindow::setLimit);
    connect(m_controls, &RunControls::unitOptionsChanged, this, &StationWindow::setUnitOptions);
    m_listEditors.append(m_controls->unitOptions());
}

void StationWindow::updateCounts()
{
    m_statusCounts->setText(m_model.countsText());
    m_counts->update();
}

void StationWindow::updateControls()
{
    const bool running = m_runner.isRunning();
    const bool canFlash = !running && m_firmware->isValid() && m_model.rowCount() > 0;
    m_controls->flashAll()->setEnabled(canFlash && !m_model.hasProblems());
    m_controls->flashSelected()->setEnabled(canFlash && !m_table->selectedRows().isEmpty());
    const bool failedToRerun =
        m_runner.firmware().isValid()
            ? !m_runner.failedRows().isEmpty()
            : m_firmware->isValid() && !m_desk->shift().rememberedFailedRows().isEmpty();
    m_controls->rerunFailed()->setEnabled(!running && failedToRerun);
    m_controls->stopAll()->setEnabled(running);
    m_controls->stopSelected()->setEnabled(running && !m_table->selectedRows().isEmpty());
    // What changes what is flashed, or how, waits while a run is on and while the station is
    // locked for production.
    const bool editable = !running && !m_desk->lock().isLocked();
    m_firmware->setChoosingEnabled(editable);
    for (QObject *editor : std::as_const(m_listEditors)) {
        if (auto *widget = qobject_cast<QWidget *>(editor))
            widget->setEnabled(editable);
        else if (auto *action = qobject_cast<QAction *>(editor))
            action->setEnabled(editable);
    }
    m_model.setLocked(!editable);
    if (running)
        m_elapsedTick.start();
    else
        m_elapsedTick.stop();
}

bool StationWindow::flashAll()
{
    QList<int> rows;
    for (int row = 0; row < m_model.rowCount(); ++row)
        rows.append(row);
    return flashRows(rows);
}

void StationWindow::flashSelected()
{
    flashRows(m_table->selectedRows());
}

bool StationWindow::flashRows(const QList<int> &rows, QString *error)
{
    if (!m_desk->serials().confirm(rows, this, m_unattended || error))
        return false;
    m_lists->remember();
    QString reason;
    if (!m_runner.start(rows, m_firmware->path(), &reason)) {
        if (error)
            *error = reason;
        else
            showError(reason);
        return false;
    }
    // The summary shown is that of the bytes the units get, even if the file changed meanwhile.
    m_firmware->showSummary(m_runner.firmware().describe());
    return true;
}

void StationWindow::rerunFailed()
{
    if (!m_runner.firmware().isValid()) {
        flashRows(m_desk->shift().rememberedFailedRows());
        return;
    }
    QString error;
    if (!m_runner.rerunFailed(&error))
        showError(error);
}

void StationWindow::rerunSelected()
{
    QString error;
    if (!m_runner.rerun(m_table->selectedRows(), &error))
        showError(error);
}

void StationWindow::onRunRefused(const QString &reason)
{
    updateControls();
    updateCounts();
    showError(reason);
    if (m_quitWhenDone)
        QCoreApplication::exit(CouldNotStart);
}

void StationWindow::endWithStatus(int status)
{
    m_endStatus = status;
    m_unattended = true;
    if (m_runner.isRunning()) {
        stopAll();
        return;
    }
    m_lists->remember();
    QCoreApplication::exit(status);
}

template <typename Part> void StationWindow::showMessagesOf(Part *part)
{
    connect(part, &Part::problem, this, &StationWindow::showError);
    connect(part, &Part::statusMessage, this,
            [this](const QString &text) { statusBar()->showMessage(text, kStatusMessageMs); });
}

void StationWindow::connectFileHandling()
{
    m_lists = new UnitListKeeper(m_model, m_session, this);
    showMessagesOf(m_lists);
    connect(m_lists, &UnitListKeeper::opened, this, &StationWindow::updateControls);
    m_reports = new ReportSaver(m_model, m_runner, m_session, this);
    showMessagesOf(m_reports);
    connect(m_reports, &ReportSaver::unattendedNote, this, &printError);
}

void StationWindow::setReportFolder(const QString &folder)
{
    m_reports->setSessionFolder(folder);
}

QString StationWindow::reportFolder() const
{
    return m_reports->folder();
}

void StationWindow::onRunFinished()
{
    updateControls();
    updateCounts();
    statusBar()->showMessage(tr("Run ended. %1").arg(m_model.countsText()), kStatusMessageMs);
    const bool reportSaved = m_reports->saveAfterRun(m_quitWhenDone);
    if (m_endStatus >= 0) {
        endWithStatus(m_endStatus);
        return;
    }
    if (m_closeAfterRun)
        close();
    if (!m_quitWhenDone)
        return;
    const bool allFinished = m_model.counts().finished == m_model.rowCount();
    QCoreApplication::exit(allFinished && reportSaved ? AllFinished : SomeFailed);
}

bool StationWindow::openList(const QString &path)
{
    return m_lists->open(path);
}

void StationWindow::replaceUnits(const QList<StationUnit> &units)
{
    m_model.setUnits(units);
    m_lists->remember();
    updateControls();
    updateCounts();
}

void StationWindow::setLimit(int limit)
{
    if (limit < 0)
        return;
    m_session.settings().limit = limit;
    m_runner.setLimit(limit);
    m_controls->showLimit(limit);
}

void StationWindow::showLog(int row)
{
    if (row >= 0 && row < m_model.rowCount())
        UnitLogDialog(m_model.unit(row), this).exec();
}

void StationWindow::setUnattended(bool unattended)
{
    m_unattended = unattended || isOffscreen();
}

void StationWindow::showError(const QString &text)
{
    // Refusals of the runner and the list files are English records (an HTTP client gets them
    // so); the operator reads them in the station's language.
    const QString shown = CoreText::shown(text);
    statusBar()->showMessage(shown, kStatusMessageMs);
    if (m_unattended)
        printError(shown);
    else
        QMessageBox::warning(this, windowTitle(), shown);
}

// Never waits here for the run to end: the window closes again once it has.
void StationWindow::closeEvent(QCloseEvent *event)
{
    if (!m_runner.isRunning()) {
        m_session.settings().geometry = QString::fromLatin1(saveGeometry().toBase64());
        m_lists->remember();
        event->accept();
        return;
    }
    event->ignore();
    if (m_closeAfterRun)
        return;
    if (!m_unattended) {
        if (!confirmStop(tr("Quit"), tr("Units are being flashed. Stop them all and quit?")))
            return;
        if (!m_runner.isRunning()) {
            QTimer::singleShot(0, this, &QWidget::close);
            return;
        }
    }
    m_closeAfterRun = true;
    stopAll();
}

void StationWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        m_model.setDarkPalette(isDark(palette()));
    QMainWindow::changeEvent(event);
}

void StationWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!m_runner.isRunning() && !m_desk->lock().isLocked() && event->mimeData()->hasUrls() &&
        event->mimeData()->urls().size() == 1 && event->mimeData()->urls().first().isLocalFile())
        event->acceptProposedAction();
}

// A dropped list replaces the units; anything else is taken for the firmware.
void StationWindow::dropEvent(QDropEvent *event)
{
    const QString path = event->mimeData()->urls().first().toLocalFile();
    event->acceptProposedAction();
    if (path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        openList(path);
    else
        m_firmware->setPath(path);
}
