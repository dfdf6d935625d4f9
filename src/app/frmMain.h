#pragma once

#include "ProgressCaption.h"
#include "upload/UploadOutcome.h"
#include "upload/UploadView.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QString>
#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>

class ActivityLog;
class AttemptRecorder;
class CheckingFileDialog;
class FirmwareChoice;
class OutcomeAnnouncer;
class ClientArea;
class ConnectionSettings;
class ConnectionStatusMonitor;
class FirmwareSelector;
class MainMenus;
class OpenFileDialog;
class QAction;
class RememberingFileDialog;
class WindowHistory;
class WindowMemory;
class QIcon;
class QStatusBar;
class SettingsStore;
class SignatureStatus;
class StopRequests;
class UnitSocket;
class UploadEngine;

struct AppVersion
{
    int majorNumber = 0;
    int minorNumber = 0;
    int revision = 0;
};

// Parts of the window a test can supply; those left null are made and owned by the window.
struct WindowServices
{
    UnitSocket *socket = nullptr;
    SettingsStore *settings = nullptr;
    OpenFileDialog *fileDialog = nullptr;
    // Asks where to save the log, proposing a path; empty when the operator cancels.
    std::function<QString(const QString &suggested)> chooseSaveFile;
    // Asks whether to stop a running transfer; true to stop.
    std::function<bool(const QString &question)> confirmStop;
};

// The uploader's one window: the controls the operator sees, the menus, and the bindings to the
// core. It holds no upload logic. What the upload writes (log, progress) is kept exact in
// models and shown from a timer, so a fast transfer never lays out widgets once per record.
class frmMain : public QMainWindow, public UploadView
{
    Q_OBJECT

public:
    // How often the log list and the progress bar catch up with their models.
    static constexpr std::chrono::milliseconds kViewRefreshInterval{33};

    using Version = AppVersion;
    using Services = WindowServices;

    static QString buildTitle();
    static Version buildVersion();
    // The window's icon in the sizes it carries: 16, 24, 32 and 48 pixels.
    static QIcon appIcon();

    explicit frmMain(const QString &title = buildTitle(), Version version = buildVersion(),
                     Services services = {}, QWidget *parent = nullptr);
    ~frmMain() override;

    QString title() const { return m_title; }

    // UploadView
    ActivityLog &activityLog() override;
    void setProgressMaximum(int maximum) override;
    int progressMaximum() const override { return m_progressMaximum; }
    void setProgressValue(int value) override;
    int progressValue() const override { return m_progressValue; }
    void setStatusText(const QString &text) override;
    void setControlEnabled(StartControl control, bool enabled) override;
    bool isControlEnabled(StartControl control) const override;
    QString ethernetAddress() const override;
    void setEthernetAddress(const QString &text) override;
    QString ethernetPort() const override;
    void setEthernetPort(const QString &text) override;
    void setFirmwareFileCaption(const QString &caption) override;
    bool isChecked(Tool tool) const override;
    void setChecked(Tool tool, bool checked) override;

    QString statusText() const;
    // What the status bar says for the whole reboot wait, in place of the socket's state.
    static QString writingStatus();
    QString versionText() const;

    // A firmware file chosen in one move (dropped, or named at start); a file that is no Intel
    // HEX firmware is refused with the reason in the log. Whether it was chosen.
    bool chooseFirmwareFile(const QString &path);
    // Writes the log with its header; a failure is reported in the log.
    bool saveLogTo(const QString &path);
    // "Finished" or "Failed" after an attempt until the next starts; empty otherwise.
    QString outcomeShown() const;
    // Brings the log list, its colour and selection, and the progress bar up to date; the
    // refresh timer calls it, and tests call it to look at the widgets at once.
    void refreshView();

    ConnectionStatusMonitor &statusMonitor() { return *m_statusMonitor; }
    UploadEngine &engine() { return *m_engine; }
    UnitSocket &socket() { return *m_socket; }

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void createControls();
    void createMenus();
    void setTabOrder();
    void restoreRememberedGeometry();
    void Form_Load();

    void mnuFileOpen_Click();
    void mnuFileExit_Click();
    void mnuLoop_Click();
    void mnuForget_Click();
    void FirmwareFile_Click();
    void frmFirmwareFile_Click();
    void LoadStart_Click();
    void mnuFileSaveLog_Click();
    void mnuFileTrustedKeys_Click();
    void mnuFileStop_Click();
    void onAttemptStarted();
    void onAttemptEnded(UploadOutcome outcome);
    // The unit has the whole file and is writing it: the reboot wait.
    bool unitIsWriting() const;

    QAction *toolAction(Tool tool) const;
    QWidget *startControl(StartControl control) const;

    QString m_title;
    Version m_version;

    std::unique_ptr<UnitSocket> m_ownedSocket;
    UnitSocket *m_socket = nullptr;
    std::unique_ptr<SettingsStore> m_ownedSettings;
    SettingsStore *m_settings = nullptr;
    std::unique_ptr<OpenFileDialog> m_ownedFileDialog;
    OpenFileDialog *m_fileDialog = nullptr;
    std::unique_ptr<WindowMemory> m_memory;
    std::unique_ptr<CheckingFileDialog> m_checkingDialog;
    std::unique_ptr<RememberingFileDialog> m_rememberingDialog;
    std::unique_ptr<ConnectionSettings> m_connectionSettings;
    std::unique_ptr<ActivityLog> m_log;
    std::unique_ptr<UploadEngine> m_engine;
    std::unique_ptr<FirmwareSelector> m_selector;
    std::unique_ptr<ConnectionStatusMonitor> m_statusMonitor;
    std::unique_ptr<FirmwareChoice> m_choice;
    std::unique_ptr<SignatureStatus> m_signatures;
    AttemptRecorder *m_recorder = nullptr;
    WindowHistory *m_history = nullptr;
    OutcomeAnnouncer *m_announcer = nullptr;
    std::unique_ptr<StopRequests> m_stopRequests;
    std::function<QString(const QString &)> m_chooseSaveFile;

    QStatusBar *m_sbStatusBar = nullptr;
    ClientArea *m_client = nullptr;
    MainMenus *m_menus = nullptr;

    // Exact values; the progress bar shows them at the next refresh.
    int m_progressMaximum = 100;
    int m_progressValue = 0;

    QTimer m_viewTimer;
    ProgressCaption m_progressCaption;
    QElapsedTimer m_clock;
};
