#pragma once

#include "StationRunner.h"
#include "StationSettings.h"
#include "UnitListModel.h"

#include <QMainWindow>
#include <QTimer>

class FirmwarePanel;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableView;

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
    QString countsText() const;

    bool openList(const QString &path);
    // Units at once; a negative number keeps the current setting.
    void setLimit(int limit);
    void flashAll();
    void flashSelected();
    void rerunFailed();
    // Stops without asking (the button asks first).
    void stopAll();
    // Writes a report of the rows as they stand; false with the reason when it cannot.
    bool saveReport(const QString &basePath, QString *error);

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void buildMenus();
    QWidget *buildRunControls();
    QWidget *buildListControls();
    void flashRows(const QList<int> &rows);
    void confirmStopAll();
    void addUnit();
    void removeSelected();
    void moveSelected(int step);
    void chooseList();
    void saveListAs();
    void askReport();
    void chooseAutoSaveFolder();
    void showLog(const QModelIndex &index);
    void onRunFinished();
    void updateControls();
    void updateCounts();
    void rememberList();
    QList<int> selectedRows() const;
    void showError(const QString &text);

    UnitListModel m_model;
    StationRunner m_runner;
    StationSettings m_settings;
    FirmwarePanel *m_firmware = nullptr;
    QTableView *m_table = nullptr;
    QLabel *m_counts = nullptr;
    QSpinBox *m_limit = nullptr;
    QPushButton *m_flashAll = nullptr;
    QPushButton *m_flashSelected = nullptr;
    QPushButton *m_rerunFailed = nullptr;
    QPushButton *m_stopAll = nullptr;
    QList<QObject *> m_listEditors;
    QTimer m_elapsedTick;
};
