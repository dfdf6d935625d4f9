#include "frmMain.h"

#include "ActivityLogView.h"
#include "AttemptRecorder.h"
#include "CheckingFileDialog.h"
#include "ClientArea.h"
#include "FirmwareChoice.h"
#include "HelpDialogs.h"
#include "KeyboardAccess.h"
#include "LogRecord.h"
#include "MainMenus.h"
#include "OperatorQuestions.h"
#include "OutcomeAnnouncer.h"
#include "RememberingFileDialog.h"
#include "SignatureStatus.h"
#include "StopRequests.h"
#include "TrustedKeysDialog.h"
#include "WindowHistory.h"
#include "WindowLook.h"
#include "WindowMemory.h"
#include "platform/CoreText.h"

#include <QFileDialog>

#include "QtOpenFileDialog.h" // after <QFileDialog>: its inline accessor needs the full type
#include "connection/ConnectionSettings.h"
#include "connection/ConnectionStatusMonitor.h"
#include "firmware/FirmwareSelector.h"
#include "platform/SettingsStore.h"
#include "platform/TcpUnitSocket.h"
#include "upload/ActivityLog.h"
#include "upload/UploadEngine.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>

QString frmMain::writingStatus()
{
    return tr("Writing firmware: do not remove power");
}

QIcon frmMain::appIcon()
{
    return WindowLook::icon();
}

QString frmMain::buildTitle()
{
    return QStringLiteral(FWU_APP_TITLE);
}

frmMain::Version frmMain::buildVersion()
{
    return {FWU_VERSION_MAJOR, FWU_VERSION_MINOR, FWU_VERSION_REVISION};
}

frmMain::frmMain(const QString &title, Version version, Services services, QWidget *parent)
    : QMainWindow(parent), m_title(title), m_version(version), m_log(new ActivityLog)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Firmware Uploader"));
    setWindowIcon(appIcon());

    if (!services.socket) {
        m_ownedSocket = std::make_unique<TcpUnitSocket>();
        services.socket = m_ownedSocket.get();
    }
    if (!services.settings) {
        m_ownedSettings = std::make_unique<SettingsStore>();
        services.settings = m_ownedSettings.get();
    }
    if (!services.fileDialog) {
        m_ownedFileDialog = std::make_unique<QtOpenFileDialog>(this);
        services.fileDialog = m_ownedFileDialog.get();
    }
    m_socket = services.socket;
    m_settings = services.settings;
    m_fileDialog = services.fileDialog;
    m_memory = std::make_unique<WindowMemory>(m_title, *m_settings);
    // The choice checks the file before it gets past the dialog; it is made further down.
    m_checkingDialog = std::make_unique<CheckingFileDialog>(
        *m_fileDialog, [this](const QString &path) { return m_choice->accepts(path); });
    m_rememberingDialog = std::make_unique<RememberingFileDialog>(*m_checkingDialog, *m_memory);
    m_connectionSettings = std::make_unique<ConnectionSettings>(m_title, *m_settings);
    m_engine = std::make_unique<UploadEngine>(m_title, *this, *m_socket, *m_settings);
    m_selector = std::make_unique<FirmwareSelector>(m_engine->state().FirmwarePath, *this,
                                                    *m_rememberingDialog);
    m_statusMonitor = std::make_unique<ConnectionStatusMonitor>(*m_socket, *this);
    m_choice = std::make_unique<FirmwareChoice>(*m_selector, *m_engine, *this, *m_memory);
    m_signatures = std::make_unique<SignatureStatus>(m_title, *m_settings, *this);
    m_signatures->guard(*m_engine);
    m_choice->setFurtherCheck([this](const QString &path) { return m_signatures->check(path); });
    m_recorder = new AttemptRecorder(*m_engine, *this, this);
    m_history =
        new WindowHistory(m_title, versionText(), *m_recorder, *m_engine, *this, *m_settings, this);
    m_history->setSignatureSource(
        [this](const QString &path) { return m_signatures->lastVerdict(path); });
    m_stopRequests = std::make_unique<StopRequests>(*m_engine, *this, services.confirmStop);
    m_chooseSaveFile = services.chooseSaveFile;

    setFont(WindowLook::font());
    createControls();
    createMenus();
    m_history->addMenu(m_menus->mnuFile, this);
    restoreRememberedGeometry();
    setAcceptDrops(true);

    m_announcer = new OutcomeAnnouncer(*this, *m_sbStatusBar, m_title);
    connect(m_recorder, &AttemptRecorder::started, this, &frmMain::onAttemptStarted);
    connect(m_recorder, &AttemptRecorder::ended, this, &frmMain::onAttemptEnded);
    m_clock.start();

    connect(&m_viewTimer, &QTimer::timeout, this, &frmMain::refreshView);
    m_viewTimer.start(kViewRefreshInterval);

    Form_Load();
}

frmMain::~frmMain() = default;

void frmMain::createControls()
{
    m_client = new ClientArea(*m_log, this);
    setCentralWidget(m_client);
    m_client->ProgressBar->setRange(0, m_progressMaximum);
    m_client->ProgressBar->setValue(m_progressValue);
    m_client->ProgressBar->setTextVisible(true);
    m_client->ProgressBar->setFormat(QString());
    m_client->ListBox->setSaveLogAction(nullptr);
    m_client->frmFirmwareFile->installEventFilter(this);
    m_client->FirmwareFile->installEventFilter(this);
    connect(m_client->LoadStart, &QPushButton::clicked, this, &frmMain::LoadStart_Click);
    new KeyboardAccess(*m_client, [this] { FirmwareFile_Click(); });

    m_sbStatusBar = new QStatusBar(this);
    m_sbStatusBar->setObjectName(QStringLiteral("sbStatusBar"));
    m_sbStatusBar->setSizeGripEnabled(false);
    m_sbStatusBar->setFixedHeight(ClientArea::kStatusBarHeight);
    setStatusBar(m_sbStatusBar);

    setTabOrder();
}

void frmMain::restoreRememberedGeometry()
{
    // The window opens at the drawn size unless the operator gave it more room last time; Qt
    // brings a remembered place back onto a screen that still shows it.
    resize(minimumSizeHint());
    restoreGeometry(m_memory->geometry());
}

void frmMain::setTabOrder()
{
    const QList<QWidget *> tabOrder = {m_sbStatusBar,
                                       m_client->ListBox,
                                       m_client->ProgressBar,
                                       m_client->frmFirmwareFile,
                                       m_client->frmConnectionSettings,
                                       m_client->EthernetAddress,
                                       m_client->EthernetPort,
                                       m_client->lblAddress,
                                       m_client->lblPort,
                                       m_client->LoadStart,
                                       m_client->FirmwareFile};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

void frmMain::createMenus()
{
    m_menus = new MainMenus(*menuBar());
    connect(m_menus->mnuFileOpen, &QAction::triggered, this, &frmMain::mnuFileOpen_Click);
    connect(m_menus->mnuFileExit, &QAction::triggered, this, &frmMain::mnuFileExit_Click);
    connect(m_menus->mnuLoop, &QAction::triggered, this, &frmMain::mnuLoop_Click);
    connect(m_menus->mnuForget, &QAction::triggered, this, &frmMain::mnuForget_Click);
    connect(m_menus->mnuFileSaveLog, &QAction::triggered, this, &frmMain::mnuFileSaveLog_Click);
    connect(m_menus->mnuFileTrustedKeys, &QAction::triggered, this,
            &frmMain::mnuFileTrustedKeys_Click);
    connect(m_menus->mnuHelpAbout, &QAction::triggered, this,
            [this] { HelpDialogs::showAbout(this, m_title, versionText()); });
    connect(m_menus->mnuHelpShortcuts, &QAction::triggered, this,
            [this] { HelpDialogs::showShortcuts(this); });
    m_client->ListBox->setSaveLogAction(m_menus->mnuFileSaveLog);
    connect(m_menus->mnuFileStop, &QAction::triggered, this, &frmMain::mnuFileStop_Click);
    connect(m_engine.get(), &UploadEngine::stopAttemptChanged, m_menus->mnuFileStop,
            &QAction::setEnabled);
}

void frmMain::Form_Load()
{
    m_statusMonitor->start();
    //: The window's caption: the program's title and version.
    setWindowTitle(tr("%1 v%2").arg(m_title, versionText()));
    setFirmwareFileCaption(tr("Select file..."));
    m_connectionSettings->LoadConnectionSettings(*this);
    setControlEnabled(StartControl::LoadStart, false);
    setChecked(Tool::Slow, false);
    m_menus->mnuTools->menuAction()->setVisible(m_title.right(5) == QLatin1String("Debug"));
}

ActivityLog &frmMain::activityLog()
{
    return *m_log;
}

void frmMain::setProgressMaximum(int maximum)
{
    m_progressMaximum = maximum;
}

void frmMain::setProgressValue(int value)
{
    m_progressValue = value;
}

void frmMain::setStatusText(const QString &text)
{
    // The connection is closed while the unit writes, and "Not connected" must not read as
    // leave to switch the unit off.
    m_sbStatusBar->showMessage(unitIsWriting() ? writingStatus() : CoreText::shown(text));
}

bool frmMain::unitIsWriting() const
{
    return m_engine->isBusy() && m_engine->state().UploadDone;
}

QString frmMain::statusText() const
{
    return m_sbStatusBar->currentMessage();
}

QWidget *frmMain::startControl(StartControl control) const
{
    switch (control) {
    case StartControl::LoadStart:
        return m_client->LoadStart;
    case StartControl::FirmwareFile:
        return m_client->FirmwareFile;
    case StartControl::EthernetAddress:
        return m_client->EthernetAddress;
    case StartControl::EthernetPort:
        return m_client->EthernetPort;
    }
    Q_UNREACHABLE();
}

void frmMain::setControlEnabled(StartControl control, bool enabled)
{
    startControl(control)->setEnabled(enabled);
}

bool frmMain::isControlEnabled(StartControl control) const
{
    return startControl(control)->isEnabled();
}

QString frmMain::ethernetAddress() const
{
    return m_client->EthernetAddress->text();
}

void frmMain::setEthernetAddress(const QString &text)
{
    m_client->EthernetAddress->setText(text);
}

QString frmMain::ethernetPort() const
{
    return m_client->EthernetPort->text();
}

void frmMain::setEthernetPort(const QString &text)
{
    m_client->EthernetPort->setText(text);
}

void frmMain::setFirmwareFileCaption(const QString &caption)
{
    m_client->FirmwareFile->setText(CoreText::shown(caption));
    // The selector sets the file's name last, once the path is in place.
    if (caption == QLatin1String(FirmwareSelector::kLoadingCaption))
        return;
    const QString path = m_engine->state().FirmwarePath;
    m_client->FirmwareFile->setToolTip(
        FirmwareChoice::tooltipFor(path, m_signatures->describe(path)));
}

QString frmMain::versionText() const
{
    return QString::number(m_version.majorNumber) + QLatin1Char('.') +
           QString::number(m_version.minorNumber) + QLatin1Char('.') +
           QString::number(m_version.revision);
}

bool frmMain::chooseFirmwareFile(const QString &path)
{
    return m_choice->choose(path);
}

QString frmMain::outcomeShown() const
{
    return m_announcer->shownOutcome();
}

void frmMain::onAttemptStarted()
{
    m_announcer->attemptStarted();
    m_progressCaption.restart();
}

void frmMain::onAttemptEnded(UploadOutcome outcome)
{
    m_announcer->attemptEnded(outcome, outcome == UploadOutcome::Finished && isChecked(Tool::Loop));
    // The socket's state takes the status bar back at once, not at the next tick.
    if (statusText() == writingStatus() && !m_engine->isShutDown())
        m_statusMonitor->EthernetStatusTimer_Timer();
}

bool frmMain::saveLogTo(const QString &path)
{
    LogRecord record = m_recorder->record(m_title + QStringLiteral(" v") + versionText());
    record.firmware += m_signatures->describe(record.firmwarePath);
    QString error;
    if (record.write(path, &error))
        return true;
    // Reported where every other failure is, without touching the outcome colour.
    m_log->append(tr("Could not save the log to \"%1\": %2").arg(path, error));
    m_log->ScrollLog();
    return false;
}

void frmMain::mnuFileSaveLog_Click()
{
    const QString folder = m_memory->firmwareFolder();
    const QString name =
        QStringLiteral("firmware-upload-%1.log")
            .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")));
    const QString suggested = folder.isEmpty() ? name : QDir(folder).filePath(name);
    const QString path = m_chooseSaveFile ? m_chooseSaveFile(suggested)
                                          : OperatorQuestions::whereToSaveLog(this, suggested);
    if (!path.isEmpty())
        saveLogTo(path);
}

void frmMain::mnuFileStop_Click()
{
    m_stopRequests->stop();
}

void frmMain::dragEnterEvent(QDragEnterEvent *event)
{
    if (!FirmwareChoice::draggedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void frmMain::dropEvent(QDropEvent *event)
{
    const QString path = FirmwareChoice::draggedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    chooseFirmwareFile(path);
}

QAction *frmMain::toolAction(Tool tool) const
{
    switch (tool) {
    case Tool::Loop:
        return m_menus->mnuLoop;
    case Tool::Slow:
        return m_menus->mnuSlow;
    case Tool::Debug:
        return m_menus->mnuDebug;
    }
    Q_UNREACHABLE();
}

bool frmMain::isChecked(Tool tool) const
{
    return toolAction(tool)->isChecked();
}

void frmMain::setChecked(Tool tool, bool checked)
{
    toolAction(tool)->setChecked(checked);
}

void frmMain::refreshView()
{
    m_client->ListBox->refresh();

    QProgressBar *bar = m_client->ProgressBar;
    if (bar->maximum() != m_progressMaximum)
        bar->setRange(0, m_progressMaximum);
    const int shownValue = std::clamp(m_progressValue, 0, std::max(0, m_progressMaximum));
    if (bar->value() != shownValue)
        bar->setValue(shownValue);
    const QString caption = m_progressCaption.text(shownValue, m_progressMaximum,
                                                   m_recorder->isRunning(), m_clock.elapsed());
    if (bar->format() != caption)
        bar->setFormat(caption);
}

bool frmMain::event(QEvent *event)
{
    // Hovering a menu item would put its (empty) status tip over the status text.
    if (event->type() == QEvent::StatusTip)
        return true;
    return QMainWindow::event(event);
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        auto *widget = qobject_cast<QWidget *>(watched);
        if (mouse->button() == Qt::LeftButton && widget &&
            widget->rect().contains(mouse->position().toPoint())) {
            // A disabled label passes its clicks to the frame it sits in.
            if (watched == m_client->FirmwareFile && m_client->FirmwareFile->isEnabled())
                FirmwareFile_Click();
            else
                frmFirmwareFile_Click();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::closeEvent(QCloseEvent *event)
{
    // A unit that is taking records is let go only when the operator says so, as with Stop.
    if (!m_stopRequests->mayClose()) {
        event->ignore();
        return;
    }
    // The window may close in the middle of an upload, even inside one of its pauses: end them
    // all and let go of the socket and the file, so the program ends instead of running on
    // without a window.
    m_engine->shutdown();
    m_viewTimer.stop();
    m_memory->setGeometry(saveGeometry());
    QMainWindow::closeEvent(event);
}

void frmMain::mnuFileTrustedKeys_Click()
{
    // The file already chosen is judged again under the new keys.
    const QString path = m_engine->state().FirmwarePath;
    if (TrustedKeysDialog::edit(this, m_title, *m_settings) && !m_engine->isBusy() &&
        !path.isEmpty()) {
        setLoadStartEnabled(m_choice->accepts(path));
        setFirmwareFileCaption(m_client->FirmwareFile->text());
    }
}

void frmMain::mnuFileOpen_Click()
{
    m_selector->SelectFirmwareFile();
}

void frmMain::mnuFileExit_Click()
{
    close();
}

// The toggles' check marks have already flipped when a checkable action reports its trigger.

void frmMain::mnuLoop_Click()
{
    UploadState &state = m_engine->state();
    state.LoopCount = 0;
    setStatusText(tr("Loops: %1").arg(state.LoopCount));
}

void frmMain::mnuForget_Click()
{
    m_connectionSettings->Forget(*this);
}

void frmMain::FirmwareFile_Click()
{
    m_selector->SelectFirmwareFile();
}

void frmMain::frmFirmwareFile_Click()
{
    m_selector->SelectFirmwareFile();
}

void frmMain::LoadStart_Click()
{
    m_engine->LoadStart_Click();
}
