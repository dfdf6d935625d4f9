#include "ReportSaver.h"

#include "RunReport.h"
#include "StationRunner.h"
#include "StationSession.h"
#include "UnitListModel.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QTemporaryFile>

ReportSaver::ReportSaver(const UnitListModel &model, const StationRunner &runner,
                         StationSession &session, QWidget *parent)
    : QObject(parent), m_model(model), m_runner(runner), m_session(session), m_dialogParent(parent)
{}

QString ReportSaver::folder() const
{
    return m_sessionFolder.isEmpty() ? m_session.settings().autoSaveFolder : m_sessionFolder;
}

std::optional<QString> ReportSaver::folderProblem(const QString &folder)
{
    const QFileInfo info(folder);
    if (info.exists() && !info.isDir())
        return tr("The report folder %1 is not a folder.").arg(folder);
    if (!QDir().mkpath(folder))
        return tr("The report folder %1 cannot be made.").arg(folder);
    // Permissions alone do not tell (a read-only file system, an ACL): a file is made and removed.
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".station-report-XXXXXX")));
    if (!probe.open())
        return tr("Reports cannot be saved in %1: %2").arg(folder, probe.errorString());
    return std::nullopt;
}

bool ReportSaver::save(const QString &basePath, QString *error) const
{
    return RunReport(m_model.units(), m_runner.firmware()).save(basePath, error);
}

bool ReportSaver::saveAfterRun(bool unattendedRun)
{
    const QString into = folder();
    if (into.isEmpty()) {
        if (unattendedRun)
            Q_EMIT unattendedNote(tr("no report folder is set (--report-dir or File > Report "
                                     "folder), so no report is saved."));
        return true;
    }
    QString error;
    const std::optional<QString> base = RunReport(m_model.units(), m_runner.firmware())
                                            .saveNew(into, m_runner.runEndTime(), &error);
    if (!base) {
        Q_EMIT problem(error);
        return false;
    }
    Q_EMIT statusMessage(tr("Report saved as %1.csv and .json").arg(*base));
    return true;
}

void ReportSaver::askAndSave()
{
    QString path = QFileDialog::getSaveFileName(
        m_dialogParent, tr("Save report (CSV and JSON)"),
        RunReport::basePathIn(m_session.settings().autoSaveFolder, QDateTime::currentDateTime()) +
            QStringLiteral(".csv"),
        tr("Report (*.csv)"));
    if (path.isEmpty())
        return;
    if (path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        path.chop(4);
    QString error;
    if (!save(path, &error))
        Q_EMIT problem(error);
}

void ReportSaver::chooseFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(
        m_dialogParent, tr("Folder for reports saved at the end of each run (cancel: none)"),
        m_session.settings().autoSaveFolder);
    m_session.settings().autoSaveFolder = folder;
    if (const std::optional<QString> failure = m_session.save())
        Q_EMIT problem(*failure);
    Q_EMIT statusMessage(folder.isEmpty()
                             ? tr("Reports are saved only when asked.")
                             : tr("Reports are saved in %1 after each run.").arg(folder));
}
