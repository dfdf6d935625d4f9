#include "SerialSettings.h"

#include "StationUnit.h"
#include "platform/CoreText.h"

#include "serial/SerialFormat.h"
#include "serial/SerialRegion.h"
#include "serial/SerialSource.h"

#include <QFileInfo>

namespace {

const QString kEnabled = QStringLiteral("SerialNumbers");
const QString kAt = QStringLiteral("SerialAt");
const QString kFormat = QStringLiteral("SerialFormat");
const QString kFrom = QStringLiteral("SerialFrom");
const QString kPool = QStringLiteral("SerialPool");

} // namespace

QStringList SerialSettings::uploaderArguments(const StationUnit &unit, const QString &value) const
{
    if (!enabled)
        return {};
    QStringList arguments;
    if (!at.isEmpty())
        arguments << QStringLiteral("--serial-at=") + at;
    arguments << QStringLiteral("--serial-format=") + format;
    if (!value.isEmpty())
        arguments << QStringLiteral("--serial=") + value;
    else if (usesLabel())
        arguments << QStringLiteral("--serial=") + unit.serial;
    else
        arguments << QStringLiteral("--serial-from=") + from;
    if (!pool.isEmpty())
        arguments << QStringLiteral("--serial-pool=") + pool;
    return arguments;
}

QString SerialSettings::problem() const
{
    if (!enabled)
        return {};
    QString problem;
    const bool hexList = from.startsWith(QLatin1String("hexlist:"));
    if (at.isEmpty() && !hexList)
        return tr("Say where the number goes: an address and a length, e.g. 0x7FF0:4.");
    if (!at.isEmpty() && !SerialRegion::parse(at, &problem))
        return tr("Address and length: %1").arg(CoreText::shown(problem));
    if (!SerialFormat::parse(format, &problem))
        return tr("Format: %1").arg(CoreText::shown(problem));
    if (usesLabel())
        return {};
    // A counter is checked whole here; a list is read by each uploader, which names a bad line
    // before its unit is contacted.
    if (from.startsWith(QLatin1String("counter:"))) {
        if (!SerialSource::parse(from, &problem))
            return tr("Source: %1").arg(CoreText::shown(problem));
        return {};
    }
    const QString file = from.section(QLatin1Char(':'), 1);
    if (!from.startsWith(QLatin1String("list:")) && !hexList)
        return tr("Say where the numbers come from: a counter, a list file or an Intel HEX list "
                  "file.");
    if (!QFileInfo(file).isFile() || !QFileInfo(file).isReadable())
        return tr("The list of numbers cannot be read: %1").arg(file);
    return {};
}

QString SerialSettings::problemFor(const StationUnit &unit, const QString &value) const
{
    if (enabled && usesLabel() && unit.serial.trimmed().isEmpty() && value.isEmpty())
        return tr("%1 has no scanned serial to write.").arg(unit.name);
    return {};
}

QString SerialSettings::describe() const
{
    if (!enabled)
        return tr("Serial numbers: off");
    const QString source = usesLabel() ? tr("the scanned label") : from;
    return tr("Serial numbers: %1 at %2 (%3)")
        .arg(source, at.isEmpty() ? tr("the list's") : at, format);
}

QList<SettingsStore::Value> SerialSettings::values() const
{
    return {{kEnabled, enabled ? QStringLiteral("true") : QStringLiteral("false")},
            {kAt, at},
            {kFormat, format},
            {kFrom, from},
            {kPool, pool}};
}

SerialSettings SerialSettings::fromValues(const QStringList &values)
{
    SerialSettings settings;
    if (values.size() < 5)
        return settings;
    settings.enabled = values.at(0) == QLatin1String("true");
    settings.at = values.at(1);
    settings.format = values.at(2).isEmpty() ? settings.format : values.at(2);
    settings.from = values.at(3);
    settings.pool = values.at(4);
    return settings;
}
