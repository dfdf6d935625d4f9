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

using namespace Qt::StringLiterals;

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

// Unsigned firmware has no key ID, which is not the same as an empty one.
QJsonValue nullIfEmpty(const QString &text)
{
    return text.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(text);
}

} // namespace

RunReport::RunReport(const QList<StationUnit> &units, const FirmwareSnapshot &firmware,
                     const QDateTime &createdAt)
    : m_units(units), m_createdAt(isoTime(createdAt)), m_host(QSysInfo::machineHostName()),
      m_version(QStringLiteral(FWU_APP_VERSION)), m_firmwarePath(firmware.sourcePath()),
      m_firmwareSize(firmware.summary().sizeBytes),
      m_firmwareSha256(QString::fromLatin1(firmware.summary().sha256))
{
    if (firmware.signature() && firmware.signature()->isValid()) {
        m_signatureKeyId = firmware.signature()->keyId();
        m_signatureComment = firmware.signature()->trustedComment();
    }
}

QString RunReport::isoTime(const QDateTime &time)
{
    if (!time.isValid())
        return QString();
    return time.toOffsetFromUtc(time.offsetFromUtc()).toString(Qt::ISODateWithMs);
}

QByteArray RunReport::csv() const
{
    QString text =
        CsvText::line({u"date"_s, u"host"_s, u"version"_s, u"firmware"_s, u"firmware_size"_s,
                       u"firmware_sha256"_s, u"name"_s, u"address"_s, u"port"_s, u"title"_s,
                       u"outcome"_s, u"exit_code"_s, u"records_sent"_s, u"started"_s, u"ended"_s,
                       u"last_log_line"_s, u"signature_key_id"_s, u"signature_comment"_s}) +
        QStringLiteral("\r\n");
    for (const StationUnit &unit : m_units) {
        text += CsvText::line({m_createdAt, m_host, m_version, m_firmwarePath,
                               QString::number(m_firmwareSize), m_firmwareSha256, unit.name,
                               unit.address, unit.port, unit.title, UnitStateText::word(unit.state),
                               QString::number(unit.exitCode), QString::number(unit.recordsSent),
                               isoTime(unit.started), isoTime(unit.ended), unit.lastLogLine(),
                               m_signatureKeyId, m_signatureComment}) +
                QStringLiteral("\r\n");
    }
    return text.toUtf8();
}

QByteArray RunReport::json() const
{
    QJsonArray units;
    for (const StationUnit &unit : m_units) {
        units.append(QJsonObject{
            {u"name"_s, unit.name},
            {u"address"_s, unit.address},
            {u"port"_s, unit.port},
            {u"title"_s, unit.title},
            {u"outcome"_s, UnitStateText::word(unit.state)},
            {u"exit_code"_s, unit.exitCode},
            {u"records_sent"_s, unit.recordsSent},
            {u"started"_s, isoTime(unit.started)},
            {u"ended"_s, isoTime(unit.ended)},
            {u"last_log_line"_s, unit.lastLogLine()},
        });
    }
    const QJsonObject report{
        {u"date"_s, m_createdAt},
        {u"host"_s, m_host},
        {u"version"_s, m_version},
        {u"firmware"_s, QJsonObject{{u"path"_s, m_firmwarePath},
                                    {u"size"_s, m_firmwareSize},
                                    {u"sha256"_s, m_firmwareSha256},
                                    {u"signature_key_id"_s, nullIfEmpty(m_signatureKeyId)},
                                    {u"signature_comment"_s, nullIfEmpty(m_signatureComment)}}},
        {u"units"_s, units},
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
