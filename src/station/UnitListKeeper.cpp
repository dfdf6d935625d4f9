#include "UnitListKeeper.h"

#include "StationSession.h"
#include "UnitListFile.h"
#include "UnitListModel.h"

#include <QFileDialog>

UnitListKeeper::UnitListKeeper(UnitListModel &model, StationSession &session, QWidget *parent)
    : QObject(parent), m_model(model), m_session(session), m_dialogParent(parent)
{}

bool UnitListKeeper::open(const QString &path)
{
    QString error;
    const QList<StationUnit> units = UnitListFile::load(path, &error);
    if (!error.isEmpty()) {
        Q_EMIT problem(error);
        return false;
    }
    m_model.setUnits(units);
    m_session.settings().unitsPath = path;
    remember();
    Q_EMIT opened();
    if (m_model.hasProblems())
        Q_EMIT statusMessage(tr("Some rows cannot run: see the rows marked \"%1\".")
                                 .arg(UnitListModel::tr("cannot run")));
    return true;
}

void UnitListKeeper::chooseAndOpen()
{
    const QString path =
        QFileDialog::getOpenFileName(m_dialogParent, tr("Open units list"),
                                     m_session.settings().unitsPath, tr("Units list (*.csv)"));
    if (!path.isEmpty())
        open(path);
}

void UnitListKeeper::saveAs()
{
    const QString path =
        QFileDialog::getSaveFileName(m_dialogParent, tr("Save units list"),
                                     m_session.settings().unitsPath, tr("Units list (*.csv)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!UnitListFile::save(path, m_model.units(), &error)) {
        Q_EMIT problem(error);
        return;
    }
    m_session.settings().unitsPath = path;
    remember();
}

void UnitListKeeper::remember()
{
    if (const std::optional<QString> failure = m_session.save(m_model.units()))
        Q_EMIT problem(*failure);
}
