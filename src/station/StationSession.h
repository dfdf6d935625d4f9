#pragma once

#include "StationSettings.h"
#include "StationUnit.h"
#include "platform/SettingsStore.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <optional>

// What the station remembers between sessions, kept through the project's settings store. A
// remembered list that cannot be read is kept as it is until another list takes its place, and
// a save that fails is reported (once, not at every save that follows).
class StationSession
{
    Q_DECLARE_TR_FUNCTIONS(StationSession)

public:
    StationSession() = default;

    StationSettings &settings() { return m_settings; }
    const StationSettings &settings() const { return m_settings; }
    QString fileName() const;
    SettingsStore &store() { return m_store; }

    // The remembered list; when it cannot be read, empty with the reason in *problem.
    QList<StationUnit> rememberedUnits(QString *problem);
    // Saves the settings with this list; the problem when saving has just begun to fail.
    std::optional<QString> save(const QList<StationUnit> &units);
    // Saves the settings, the remembered list as it was.
    std::optional<QString> save();

private:
    std::optional<QString> saved(bool ok);

    SettingsStore m_store;
    StationSettings m_settings = StationSettings::load(m_store);
    bool m_keepList = false;
    bool m_failing = false;
};
