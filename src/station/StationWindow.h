#pragma once

#include "StationRunner.h"
#include "StationSession.h"
#include "UnitListModel.h"

#include <QMainWindow>
#include <QTimer>

class CountsLabel;
class FirmwarePanel;
class OperatorDesk;
class SerialControls;
class LastFlashLookup;
class QLabel;
class ReportSaver;
class UnitListKeeper;
class UnitTable;
class UnitViews;
class RunControls;

// The station's window: the units table, the firmware, the run controls and the counts. A thin
// view over UnitListModel and StationRunner.
class StationWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit StationWindow(QWidget *parent = nullptr);
    ~StationWindow() override;

    UnitListModel &model() { return m_model; }
    StationRunner &runner() { return m_runner; }
    FirmwarePanel &firmwarePanel() { return *m_firmware; }
    LastFlashLookup &lastFlash() { return *m_lastFlash; }
    QString countsText() const { return m_model.countsText(); }
    OperatorDesk &desk() { return *m_desk; }
    // Whether and how each unit gets a number of its own; apply() after changing the settings.
    StationSession &session() { return m_session; }
    SerialControls &serials() { return *m_serials; }

    bool openList(const QString &path);
    // Units at once; a negative number keeps the current setting.
    void setLimit(int limit);
    // The uploaders' response time-out and further connection tries (kept in the settings).
    void setUnitOptions(std::chrono::milliseconds responseTimeout, int retries);
    // False, with the reason shown, when the run cannot start.
    bool flashAll();
    void flashSelected();
    // Flashes these rows as Flash selected does. With error given, the reason a run cannot
    // start goes there instead of to the operator, and nobody is asked anything.
    bool flashRows(const QList<int> &rows, QString *error = nullptr);
    // Replaces the units, as opening a list does.
    void replaceUnits(const QList<StationUnit> &units);
    void rerunFailed();
    // Stops without asking (the buttons ask first).
    void stopAll();
    void stopSelected();

    // Nobody watches: problems go to standard error instead of a message box. Offscreen, the
    // window is always unattended.
    void setUnattended(bool unattended);
    // Where this session saves each run's report instead of the settings' report folder.
    void setReportFolder(const QString &folder);
    // Where each run's report is saved: this session's folder, else the settings' one; empty
    // for none.
    QString reportFolder() const;
    // Saves the report of a run when it ends and quits with 0 when every unit finished, 1 when
    // any did not (or the report could not be saved), 2 when the run was refused.
    void setQuitWhenDone(bool quit) { m_quitWhenDone = quit; }
    // A signal asks the program to end: the units are stopped, the run's report saved (as at the
    // end of any run), the settings kept, and the program ends with this status.
    void endWithStatus(int status);
    enum QuitStatus { AllFinished = 0, SomeFailed = 1, CouldNotStart = 2 };

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // How long a note stays in the status bar.
    static constexpr int kStatusMessageMs = 8000;
    void buildMenus();
    void connectRunControls();
    void connectFileHandling();
    template <typename Part> void showMessagesOf(Part *part);
    void restoreSession();
    bool confirmStop(const QString &title, const QString &question);
    void confirmStopAll();
    void confirmStopSelected();
    void rerunSelected();
    void showRowMenu(const QPoint &position);
    void onRunRefused(const QString &reason);
    void showLog(int row);
    void onRunFinished();
    void updateControls();
    void updateCounts();
    void showError(const QString &text);

    UnitListModel m_model;
    StationRunner m_runner;
    StationSession m_session;
    bool m_unattended = false;
    bool m_quitWhenDone = false;
    bool m_closeAfterRun = false;
    int m_endStatus = -1; // set by endWithStatus()
    FirmwarePanel *m_firmware = nullptr;
    UnitViews *m_views = nullptr;
    UnitTable *m_table = nullptr;
    QWidget *m_listControls = nullptr;
    CountsLabel *m_counts = nullptr;
    QLabel *m_statusCounts = nullptr;
    OperatorDesk *m_desk = nullptr;
    SerialControls *m_serials = nullptr;
    RunControls *m_controls = nullptr;
    UnitListKeeper *m_lists = nullptr;
    ReportSaver *m_reports = nullptr;
    LastFlashLookup *m_lastFlash = nullptr;
    QList<QObject *> m_listEditors;
    QTimer m_elapsedTick;
};
