#include "RunReport.h"

#include "CsvText.h"
#include "FirmwareSnapshot.h"
#include "UnitStateText.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QSysInfo>

namespace {

bool writeFile(const QString &path, const QByteArray &content, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() ||
        !file.commit()) {
        *error = QStringLiteral("Cannot save %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace

RunReport::RunReport(const QList<StationUnit> &units, const FirmwareSnapshot &firmware,
                     const QDateTime &createdAt)
    : m_units(units), m_createdAt(isoTime(createdAt)), m_host(QSysInfo::machineHostName()),
      m_version(QStringLiteral(FWU_APP_VERSION)), m_firmwarePath(firmware.sourcePath()),
      m_firmwareSize(firmware.summary().sizeBytes),
      m_firmwareSha256(QString::fromLatin1(firmware.summary().sha256))
{}

QString RunReport::isoTime(const QDateTime &time)
{
    if (!time.isValid())
        return QString();
    return time.toOffsetFromUtc(time.offsetFromUtc()).toString(Qt::ISODateWithMs);
}

QByteArray RunReport::csv() const
{
    QString text =
        CsvText::line({"date", "host", "version", "firmware", "firmware_size", "firmware_sha256",
                       "name", "address", "port", "title", "outcome", "exit_code", "records_sent",
                       "started", "ended", "last_log_line"}) +
        QStringLiteral("\r\n");
    for (const StationUnit &unit : m_units) {
        text += CsvText::line({m_createdAt, m_host, m_version, m_firmwarePath,
                               QString::number(m_firmwareSize), m_firmwareSha256, unit.name,
                               unit.address, unit.port, unit.title, UnitStateText::word(unit.state),
                               QString::number(unit.exitCode), QString::number(unit.recordsSent),
                               isoTime(unit.started), isoTime(unit.ended), unit.lastLogLine()}) +
                QStringLiteral("\r\n");
    }
    return text.toUtf8();
}

QByteArray RunReport::json() const
{
    QJsonArray units;
    for (const StationUnit &unit : m_units) {
        units.append(QJsonObject{
            {"name", unit.name},
            {"address", unit.address},
            {"port", unit.port},
            {"title", unit.title},
            {"outcome", UnitStateText::word(unit.state)},
            {"exit_code", unit.exitCode},
            {"records_sent", unit.recordsSent},
            {"started", isoTime(unit.started)},
            {"ended", isoTime(unit.ended)},
            {"last_log_line", unit.lastLogLine()},
        });
    }
    const QJsonObject report{
        {"date", m_createdAt},
        {"host", m_host},
        {"version", m_version},
        {"firmware", QJsonObject{{"path", m_firmwarePath},
                                 {"size", m_firmwareSize},
                                 {"sha256", m_firmwareSha256}}},
        {"units", units},
    };
    return QJsonDocument(report).toJson(QJsonDocument::Indented);
}

bool RunReport::save(const QString &basePath, QString *error) const
{
    return writeFile(basePath + QStringLiteral(".csv"), csv(), error) &&
           writeFile(basePath + QStringLiteral(".json"), json(), error);
}

QString RunReport::basePathIn(const QString &folder, const QDateTime &at)
{
    return QDir(folder).filePath(QStringLiteral("station-report-") +
                                 at.toString(QStringLiteral("yyyyMMdd-HHmmss")));
}
