#include "UnitListFile.h"

#include "CsvText.h"
#include "firmware/FirmwareFile.h"
#include "platform/CoreText.h"

#include <QSaveFile>

namespace {

// A units list is typed by hand; anything this large is something else.
constexpr qint64 kFileSizeLimit = 4 * 1024 * 1024;

} // namespace

QList<StationUnit> UnitListFile::load(const QString &path, QString *error)
{
    // The firmware reader refuses pipes and devices, which would block the window for ever.
    FirmwareFile file;
    if (!file.open(path, error))
        return {};
    if (file.size() > kFileSizeLimit) {
        *error = CoreText::english("%1 is too large for a list of units.").arg(path);
        return {};
    }
    error->clear();
    return fromText(QString::fromUtf8(file.content()), error);
}

QList<StationUnit> UnitListFile::fromText(const QString &text, QString *error)
{
    QList<QStringList> rows;
    if (!CsvText::parse(text, &rows)) {
        *error = CoreText::english("A quoted field never ends.");
        return {};
    }
    if (rows.isEmpty()) {
        *error = CoreText::english("The file is empty.");
        return {};
    }
    QStringList header;
    for (const QString &name : rows.first())
        header.append(name.trimmed().toLower());
    const qsizetype nameColumn = header.indexOf(QLatin1String("name"));
    const qsizetype addressColumn = header.indexOf(QLatin1String("address"));
    const qsizetype portColumn = header.indexOf(QLatin1String("port"));
    const qsizetype titleColumn = header.indexOf(QLatin1String("title"));
    const qsizetype serialColumn = header.indexOf(QLatin1String("serial"));
    if (nameColumn < 0 || addressColumn < 0 || portColumn < 0) {
        *error = CoreText::english("The first line must be the header %1.")
                     .arg(QStringLiteral("name,address,port[,title][,serial]"));
        return {};
    }
    QList<StationUnit> units;
    for (qsizetype i = 1; i < rows.size(); ++i) {
        const QStringList &row = rows.at(i);
        const auto cell = [&row](qsizetype column) { return CsvText::plain(row.value(column)); };
        StationUnit unit;
        unit.name = cell(nameColumn);
        // Spreadsheets pad cells; an address or port with spaces would only be flagged.
        unit.address = cell(addressColumn).trimmed();
        unit.port = cell(portColumn).trimmed();
        unit.title = titleColumn >= 0 ? cell(titleColumn) : QString();
        unit.serial = serialColumn >= 0 ? cell(serialColumn).trimmed() : QString();
        units.append(unit);
    }
    return units;
}

QString UnitListFile::toText(const QList<StationUnit> &units)
{
    // The serial column only when a unit has one, so that lists without serials stay as they were.
    const bool serials = std::any_of(
        units.begin(), units.end(), [](const StationUnit &unit) { return !unit.serial.isEmpty(); });
    QString text = serials ? QStringLiteral("name,address,port,title,serial\r\n")
                           : QStringLiteral("name,address,port,title\r\n");
    for (const StationUnit &unit : units) {
        QStringList cells{unit.name, unit.address, unit.port, unit.title};
        if (serials)
            cells.append(unit.serial);
        text += CsvText::line(cells) + QStringLiteral("\r\n");
    }
    return text;
}

bool UnitListFile::save(const QString &path, const QList<StationUnit> &units, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(toText(units).toUtf8()) < 0 ||
        !file.commit()) {
        *error = CoreText::english("Cannot save %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}
