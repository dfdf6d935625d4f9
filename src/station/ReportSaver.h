#pragma once

#include <QObject>
#include <QString>

#include <optional>

class QWidget;
class StationRunner;
class StationSession;
class UnitListModel;

// The station's run reports: the one saved when a run ends (in this session's report folder,
// else the settings' one), the one the operator asks for, and the choice of the folder. What the
// operator should see goes out through the signals; the window shows it.
class ReportSaver : public QObject
{
    Q_OBJECT

public:
    ReportSaver(const UnitListModel &model, const StationRunner &runner, StationSession &session,
                QWidget *parent);

    // Where this session saves each run's report instead of the settings' report folder.
    void setSessionFolder(const QString &folder) { m_sessionFolder = folder; }
    QString folder() const;
    // Why reports cannot be saved in the folder (made when missing): not a folder, cannot be
    // made, cannot be written; nullopt when they can. Checked before a run, so that a run whose
    // report would be lost does not flash a unit.
    static std::optional<QString> folderProblem(const QString &folder);
    // Writes a report of the rows as they stand; false with the reason when it cannot.
    bool save(const QString &basePath, QString *error) const;
    // The report of the run that has just ended, when there is a folder for it; false when it
    // could not be saved. A run nobody watches is told on standard error that none is saved.
    bool saveAfterRun(bool unattendedRun);
    // Asks for a file name and saves the report there.
    void askAndSave();
    // Asks for the folder of the reports saved after each run (none when cancelled) and keeps it.
    void chooseFolder();

Q_SIGNALS:
    void problem(const QString &text);
    void statusMessage(const QString &text);
    // For standard error alone.
    void unattendedNote(const QString &text);

private:
    const UnitListModel &m_model;
    const StationRunner &m_runner;
    StationSession &m_session;
    QWidget *m_dialogParent = nullptr;
    QString m_sessionFolder;
};
