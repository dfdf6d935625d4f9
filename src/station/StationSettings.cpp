#include "StationSettings.h"

#include <QSettings>

namespace {

const QString kGroup = QStringLiteral("Station");
const QString kUnitsCsv = QStringLiteral("UnitsCsv");
const QString kUnitsPath = QStringLiteral("UnitsPath");
const QString kFirmwarePath = QStringLiteral("FirmwarePath");
const QString kAutoSaveFolder = QStringLiteral("AutoSaveFolder");
const QString kLimit = QStringLiteral("UnitsAtOnce");

} // namespace

StationSettings StationSettings::load()
{
    QSettings settings(QSettings::IniFormat, QSettings::UserScope,
                       QStringLiteral("FirmwareUploader"), QStringLiteral("Station"));
    settings.beginGroup(kGroup);
    StationSettings loaded;
    loaded.unitsCsv = settings.value(kUnitsCsv).toString();
    loaded.unitsPath = settings.value(kUnitsPath).toString();
    loaded.firmwarePath = settings.value(kFirmwarePath).toString();
    loaded.autoSaveFolder = settings.value(kAutoSaveFolder).toString();
    loaded.limit = qMax(0, settings.value(kLimit, 0).toInt());
    return loaded;
}

void StationSettings::save() const
{
    QSettings settings(QSettings::IniFormat, QSettings::UserScope,
                       QStringLiteral("FirmwareUploader"), QStringLiteral("Station"));
    settings.beginGroup(kGroup);
    settings.setValue(kUnitsCsv, unitsCsv);
    settings.setValue(kUnitsPath, unitsPath);
    settings.setValue(kFirmwarePath, firmwarePath);
    settings.setValue(kAutoSaveFolder, autoSaveFolder);
    settings.setValue(kLimit, limit);
}
