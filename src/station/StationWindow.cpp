#include "StationWindow.h"

#include "FirmwarePanel.h"
#include "ProgressDelegate.h"
#include "RunReport.h"
#include "UnitListFile.h"
#include "UnitLogDialog.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>

#include <chrono>

using namespace std::chrono_literals;

namespace {

// Running rows' elapsed time and time left move on between events.
constexpr std::chrono::milliseconds kElapsedTick = 1s;
constexpr int kStatusMessageMs = 8000;

bool isDark(const QPalette &palette)
{
    return palette.color(QPalette::Base).lightness() < 128;
}

} // namespace

StationWindow::StationWindow(QWidget *parent) : QMainWindow(parent), m_runner(m_model)
{
    setWindowTitle(QStringLiteral("Firmware Uploader Station"));
    setAcceptDrops(true);
    m_settings = StationSettings::load();

    m_firmware = new FirmwarePanel(this);
    m_table = new QTableView(this);
    m_table->setModel(&m_model);
    m_table->setItemDelegateForColumn(UnitListModel::Progress, new ProgressDelegate(m_table));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::SelectedClicked);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 10);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setColumnWidth(UnitListModel::Name, 120);
    m_table->setColumnWidth(UnitListModel::Address, 100);
    m_table->setColumnWidth(UnitListModel::Port, 60);
    m_table->setColumnWidth(UnitListModel::Title, 70);
    m_table->setColumnWidth(UnitListModel::State, 125);
    m_table->setColumnWidth(UnitListModel::Progress, 150);
    m_table->setColumnWidth(UnitListModel::Records, 95);
    m_table->setColumnWidth(UnitListModel::Elapsed, 60);
    connect(m_table, &QTableView::doubleClicked, this, &StationWindow::showLog);

    m_counts = new QLabel(this);
    QFont countsFont = m_counts->font();
    countsFont.setBold(true);
    m_counts->setFont(countsFont);

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(m_firmware);
    layout->addWidget(buildRunControls());
    layout->addWidget(m_counts);
    layout->addWidget(m_table, 1);
    layout->addWidget(buildListControls());
    setCentralWidget(central);
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
    connect(m_firmware, &FirmwarePanel::pathChanged, this, [this](const QString &path) {
        m_settings.firmwarePath = path;
        updateControls();
    });
    m_elapsedTick.setInterval(kElapsedTick);
    connect(&m_elapsedTick, &QTimer::timeout, &m_model, &UnitListModel::touchRunning);

    m_model.setDarkPalette(isDark(palette()));
    QString error;
    if (!m_settings.unitsCsv.isEmpty())
        m_model.setUnits(UnitListFile::fromText(m_settings.unitsCsv, &error));
    if (!m_settings.firmwarePath.isEmpty() && QFileInfo::exists(m_settings.firmwarePath))
        m_firmware->setPath(m_settings.firmwarePath);
    m_limit->setValue(m_settings.limit);
    updateControls();
    updateCounts();
    resize(1120, 640);
}

StationWindow::~StationWindow() = default;

QWidget *StationWindow::buildRunControls()
{
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    m_flashAll = new QPushButton(QStringLiteral("Flash &all"), row);
    m_flashSelected = new QPushButton(QStringLiteral("Flash &selected"), row);
    m_rerunFailed = new QPushButton(QStringLiteral("&Re-run failed"), row);
    m_stopAll = new QPushButton(QStringLiteral("S&top all"), row);
    connect(m_flashAll, &QPushButton::clicked, this, &StationWindow::flashAll);
    connect(m_flashSelected, &QPushButton::clicked, this, &StationWindow::flashSelected);
    connect(m_rerunFailed, &QPushButton::clicked, this, &StationWindow::rerunFailed);
    connect(m_stopAll, &QPushButton::clicked, this, &StationWindow::confirmStopAll);
    m_limit = new QSpinBox(row);
    m_limit->setRange(0, 999);
    m_limit->setSpecialValueText(QStringLiteral("all"));
    m_limit->setToolTip(QStringLiteral("How many units are flashed at the same time"));
    connect(m_limit, &QSpinBox::valueChanged, this, [this](int value) {
        m_runner.setLimit(value);
        m_settings.limit = value;
    });
    auto *limitLabel = new QLabel(QStringLiteral("&Units at once:"), row);
    limitLabel->setBuddy(m_limit);
    for (QWidget *widget :
         {static_cast<QWidget *>(m_flashAll), static_cast<QWidget *>(m_flashSelected),
          static_cast<QWidget *>(m_rerunFailed), static_cast<QWidget *>(m_stopAll)})
        layout->addWidget(widget);
    layout->addStretch(1);
    layout->addWidget(limitLabel);
    layout->addWidget(m_limit);
    return row;
}

QWidget *StationWindow::buildListControls()
{
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto addButton = [&](const QString &text, auto slot) {
        auto *button = new QPushButton(text, row);
        connect(button, &QPushButton::clicked, this, slot);
        layout->addWidget(button);
        m_listEditors.append(button);
    };
    addButton(QStringLiteral("A&dd unit"), &StationWindow::addUnit);
    addButton(QStringLiteral("Re&move"), &StationWindow::removeSelected);
    addButton(QStringLiteral("Move &up"), [this] { moveSelected(-1); });
    addButton(QStringLiteral("Move do&wn"), [this] { moveSelected(1); });
    layout->addStretch(1);
    layout->addWidget(new QLabel(QStringLiteral("Double-click a row for its log."), row));
    return row;
}

void StationWindow::buildMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    m_listEditors.append(file->addAction(QStringLiteral("&Open units list..."), QKeySequence::Open,
                                         this, &StationWindow::chooseList));
    file->addAction(QStringLiteral("Save units list &as..."), QKeySequence::SaveAs, this,
                    &StationWindow::saveListAs);
    file->addAction(QStringLiteral("Save &report..."), this, &StationWindow::askReport);
    file->addSeparator();
    file->addAction(QStringLiteral("Report &folder for automatic saving..."), this,
                    &StationWindow::chooseAutoSaveFolder);
    file->addSeparator();
    file->addAction(QStringLiteral("&Quit"), QKeySequence::Quit, this, &QWidget::close);
}

QString StationWindow::countsText() const
{
    const UnitListModel::Counts counts = m_model.counts();
    QString text = QStringLiteral("%1 units: %2 finished, %3 failed, %4 running, %5 waiting")
                       .arg(m_model.rowCount())
                       .arg(counts.finished)
                       .arg(counts.failed)
                       .arg(counts.running)
                       .arg(counts.waiting);
    int cannotRun = 0;
    for (int row = 0; row < m_model.rowCount(); ++row)
        cannotRun += m_model.problem(row).isEmpty() ? 0 : 1;
    if (cannotRun > 0)
        text += QStringLiteral(" (%1 cannot run: see the marked rows)").arg(cannotRun);
    return text;
}

void StationWindow::updateCounts()
{
    m_counts->setText(countsText());
}

void StationWindow::updateControls()
{
    const bool running = m_runner.isRunning();
    const bool canFlash = !running && m_firmware->isValid() && m_model.rowCount() > 0;
    m_flashAll->setEnabled(canFlash && !m_model.hasProblems());
    m_flashSelected->setEnabled(canFlash && !selectedRows().isEmpty());
    m_rerunFailed->setEnabled(!running && m_runner.firmware().isValid() &&
                              !m_runner.failedRows().isEmpty());
    m_stopAll->setEnabled(running);
    m_firmware->setChoosingEnabled(!running);
    for (QObject *editor : std::as_const(m_listEditors)) {
        if (auto *widget = qobject_cast<QWidget *>(editor))
            widget->setEnabled(!running);
        else if (auto *action = qobject_cast<QAction *>(editor))
            action->setEnabled(!running);
    }
    if (running)
        m_elapsedTick.start();
    else
        m_elapsedTick.stop();
}

QList<int> StationWindow::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : m_table->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void StationWindow::flashAll()
{
    QList<int> rows;
    for (int row = 0; row < m_model.rowCount(); ++row)
        rows.append(row);
    flashRows(rows);
}

void StationWindow::flashSelected()
{
    flashRows(selectedRows());
}

void StationWindow::flashRows(const QList<int> &rows)
{
    rememberList();
    QString error;
    if (!m_runner.start(rows, m_firmware->path(), &error))
        showError(error);
    // The summary shown is that of the bytes the units get, even if the file changed meanwhile.
    else
        m_firmware->showSummary(m_runner.firmware().describe());
}

void StationWindow::rerunFailed()
{
    QString error;
    if (!m_runner.rerunFailed(&error))
        showError(error);
}

void StationWindow::confirmStopAll()
{
    const auto answer = QMessageBox::question(
        this, QStringLiteral("Stop all"),
        QStringLiteral("Stop every unit now?\n\nUnits that are mid-transfer stay in programming "
                       "mode until they are flashed again."),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer == QMessageBox::Yes)
        stopAll();
}

void StationWindow::stopAll()
{
    m_runner.stopAll();
    statusBar()->showMessage(QStringLiteral("Stopping..."));
}

void StationWindow::onRunFinished()
{
    updateControls();
    updateCounts();
    statusBar()->showMessage(QStringLiteral("Run ended. ") + countsText(), kStatusMessageMs);
    if (m_settings.autoSaveFolder.isEmpty())
        return;
    QString error;
    const QString base = RunReport::basePathIn(m_settings.autoSaveFolder, m_runner.runEndTime());
    if (!saveReport(base, &error))
        showError(error);
    else
        statusBar()->showMessage(QStringLiteral("Report saved as %1.csv and .json").arg(base),
                                 kStatusMessageMs);
}

bool StationWindow::saveReport(const QString &basePath, QString *error)
{
    return RunReport(m_model.units(), m_runner.firmware()).save(basePath, error);
}

void StationWindow::askReport()
{
    QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Save report (CSV and JSON)"),
        RunReport::basePathIn(m_settings.autoSaveFolder, QDateTime::currentDateTime()) +
            QStringLiteral(".csv"),
        QStringLiteral("Report (*.csv)"));
    if (path.isEmpty())
        return;
    if (path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        path.chop(4);
    QString error;
    if (!saveReport(path, &error))
        showError(error);
}

void StationWindow::chooseAutoSaveFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(
        this, QStringLiteral("Folder for reports saved at the end of each run (cancel: none)"),
        m_settings.autoSaveFolder);
    m_settings.autoSaveFolder = folder;
    m_settings.save();
    statusBar()->showMessage(
        folder.isEmpty() ? QStringLiteral("Reports are saved only when asked.")
                         : QStringLiteral("Reports are saved in %1 after each run.").arg(folder),
        kStatusMessageMs);
}

void StationWindow::addUnit()
{
    const int row = m_model.addUnit(StationUnit::listed(
        QStringLiteral("unit %1").arg(m_model.rowCount() + 1), QString(), QString()));
    m_table->setCurrentIndex(m_model.index(row, UnitListModel::Address));
    m_table->edit(m_model.index(row, UnitListModel::Address));
    updateControls();
}

void StationWindow::removeSelected()
{
    const QList<int> rows = selectedRows();
    for (auto it = rows.crbegin(); it != rows.crend(); ++it)
        m_model.removeRows(*it, 1);
    updateControls();
}

void StationWindow::moveSelected(int step)
{
    const QList<int> rows = selectedRows();
    if (rows.size() != 1)
        return;
    const int row = rows.first();
    const int target = row + step;
    if (target < 0 || target >= m_model.rowCount())
        return;
    m_model.moveRows({}, row, 1, {}, step > 0 ? target + 1 : target);
    m_table->selectRow(target);
}

bool StationWindow::openList(const QString &path)
{
    QString error;
    const QList<StationUnit> units = UnitListFile::load(path, &error);
    if (!error.isEmpty()) {
        showError(error);
        return false;
    }
    m_model.setUnits(units);
    m_settings.unitsPath = path;
    rememberList();
    updateControls();
    if (m_model.hasProblems())
        statusBar()->showMessage(
            QStringLiteral("Some rows cannot run: see the rows marked \"cannot run\"."),
            kStatusMessageMs);
    return true;
}

void StationWindow::setLimit(int limit)
{
    if (limit >= 0)
        m_limit->setValue(limit);
}

void StationWindow::chooseList()
{
    const QString path =
        QFileDialog::getOpenFileName(this, QStringLiteral("Open units list"), m_settings.unitsPath,
                                     QStringLiteral("Units list (*.csv)"));
    if (!path.isEmpty())
        openList(path);
}

void StationWindow::saveListAs()
{
    const QString path =
        QFileDialog::getSaveFileName(this, QStringLiteral("Save units list"), m_settings.unitsPath,
                                     QStringLiteral("Units list (*.csv)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!UnitListFile::save(path, m_model.units(), &error)) {
        showError(error);
        return;
    }
    m_settings.unitsPath = path;
    rememberList();
}

void StationWindow::rememberList()
{
    m_settings.unitsCsv = UnitListFile::toText(m_model.units());
    m_settings.save();
}

void StationWindow::showLog(const QModelIndex &index)
{
    if (index.isValid() && index.column() > UnitListModel::Title)
        UnitLogDialog(m_model.unit(index.row()), this).exec();
}

void StationWindow::showError(const QString &text)
{
    statusBar()->showMessage(text, kStatusMessageMs);
    QMessageBox::warning(this, windowTitle(), text);
}

void StationWindow::closeEvent(QCloseEvent *event)
{
    if (m_runner.isRunning()) {
        const auto answer = QMessageBox::question(
            this, QStringLiteral("Quit"),
            QStringLiteral("Units are being flashed. Stop them all and quit?\n\nUnits that are "
                           "mid-transfer stay in programming mode until they are flashed again."),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes) {
            event->ignore();
            return;
        }
        m_runner.stopAll();
        QEventLoop wait;
        connect(&m_runner, &StationRunner::runFinished, &wait, &QEventLoop::quit);
        if (m_runner.isRunning())
            wait.exec();
    }
    rememberList();
    event->accept();
}

void StationWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        m_model.setDarkPalette(isDark(palette()));
    QMainWindow::changeEvent(event);
}

void StationWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!m_runner.isRunning() && event->mimeData()->hasUrls() &&
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
