#include "StationSettings.h"

#include "platform/SettingsStore.h"

namespace {

// The file and section the station has always used: FirmwareUploader/Station.ini, [Station].
const QString kApplication = QStringLiteral("Station");
const QString kSection = QStringLiteral("Station");
const QString kUnitsCsv = QStringLiteral("UnitsCsv");
const QString kUnitsPath = QStringLiteral("UnitsPath");
const QString kFirmwarePath = QStringLiteral("FirmwarePath");
const QString kAutoSaveFolder = QStringLiteral("AutoSaveFolder");
const QString kLimit = QStringLiteral("UnitsAtOnce");
const QString kResponseTimeout = QStringLiteral("ResponseTimeoutMs");
const QString kRetries = QStringLiteral("Retries");
const QString kLineView = QStringLiteral("LineView");
const QString kZoom = QStringLiteral("Zoom");
const QString kGeometry = QStringLiteral("Geometry");

int number(const QString &text, int fallback, int minimum)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= minimum ? value : fallback;
}

} // namespace

StationSettings StationSettings::load(const SettingsStore &store)
{
    StationSettings loaded;
    const QStringList values =
        store.read(kApplication, kSection,
                   QList<SettingsStore::Value>{
                       {kUnitsCsv, QString()},
                       {kUnitsPath, QString()},
                       {kFirmwarePath, QString()},
                       {kAutoSaveFolder, QString()},
                       {kLimit, QStringLiteral("0")},
                       {kResponseTimeout, QString::number(qint64(loaded.responseTimeout.count()))},
                       {kRetries, QStringLiteral("0")},
                       {kLineView, QStringLiteral("false")},
                       {kZoom, QStringLiteral("100")},
                       {kGeometry, QString()}} +
                       SerialSettings().values());
    loaded.unitsCsv = values.at(0);
    loaded.unitsPath = values.at(1);
    loaded.firmwarePath = values.at(2);
    loaded.autoSaveFolder = values.at(3);
    loaded.limit = number(values.at(4), 0, 0);
    loaded.responseTimeout =
        std::chrono::milliseconds(number(values.at(5), int(loaded.responseTimeout.count()), 1));
    loaded.retries = number(values.at(6), 0, 0);
    loaded.lineView = values.at(7) == QLatin1String("true");
    loaded.zoom = number(values.at(8), 100, 1);
    loaded.geometry = values.at(9);
    loaded.serials = SerialSettings::fromValues(values.mid(10));
    return loaded;
}

QList<SettingsStore::Value> StationSettings::valuesButList() const
{
    return QList<SettingsStore::Value>{
               {kUnitsPath, unitsPath},
               {kFirmwarePath, firmwarePath},
               {kAutoSaveFolder, autoSaveFolder},
               {kLimit, QString::number(limit)},
               {kResponseTimeout, QString::number(qint64(responseTimeout.count()))},
               {kRetries, QString::number(retries)},
               {kLineView, lineView ? QStringLiteral("true") : QStringLiteral("false")},
               {kZoom, QString::number(zoom)},
               {kGeometry, geometry}} +
           serials.values();
}

bool StationSettings::saveKeepingList(SettingsStore &store) const
{
    return store.write(kApplication, kSection, valuesButList());
}

// One write, so that a reader sees the list and the rest from the same save.
bool StationSettings::save(SettingsStore &store) const
{
    return store.write(kApplication, kSection,
                       QList<SettingsStore::Value>{{kUnitsCsv, unitsCsv}} + valuesButList());
}
