#include "StationSession.h"

#include "UnitListFile.h"
#include "platform/CoreText.h"

namespace {
const QString kApplication = QStringLiteral("Station");
} // namespace

QString StationSession::fileName() const
{
    return m_store.fileName(kApplication);
}

QList<StationUnit> StationSession::rememberedUnits(QString *problem)
{
    problem->clear();
    if (m_settings.unitsCsv.isEmpty())
        return {};
    QString error;
    const QList<StationUnit> units = UnitListFile::fromText(m_settings.unitsCsv, &error);
    if (error.isEmpty())
        return units;
    m_keepList = true;
    *problem = tr("The remembered list of units in %1 cannot be read (%2). It is kept as it "
                  "is until another list is opened or made.")
                   .arg(fileName(), CoreText::shown(error));
    return {};
}

std::optional<QString> StationSession::save(const QList<StationUnit> &units)
{
    m_keepList = m_keepList && units.isEmpty();
    if (!m_keepList)
        m_settings.unitsCsv = UnitListFile::toText(units);
    return save();
}

std::optional<QString> StationSession::save()
{
    return saved(m_keepList ? m_settings.saveKeepingList(m_store) : m_settings.save(m_store));
}

std::optional<QString> StationSession::saved(bool ok)
{
    const bool newlyFailing = !ok && !m_failing;
    m_failing = !ok;
    if (!newlyFailing)
        return std::nullopt;
    return tr("The station's settings could not be saved in %1; the list of units and the "
              "choices made here are not remembered.")
        .arg(fileName());
}
