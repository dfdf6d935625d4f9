#include "RunReport.h"

#include "CsvText.h"
#include "FirmwareSnapshot.h"
#include "UnitStateText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QSysInfo>

using namespace Qt::StringLiterals;

namespace {

// A name that never replaces a file: false with *taken set when the name is already in use.
bool writeNewFile(const QString &path, const QByteArray &content, bool *taken, QString *error)
{
    QFile file(path);
    *taken = false;
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        *taken = QFileInfo::exists(path);
        *error = RunReport::tr("Cannot save %1: %2").arg(path, file.errorString());
        return false;
    }
    if (file.write(content) != content.size() || !file.flush()) {
        *error = RunReport::tr("Cannot save %1: %2").arg(path, file.errorString());
        file.remove();
        return false;
    }
    return true;
}

// Host names may hold characters that do not belong in a file name.
QString fileNamePart(const QString &text)
{
    QString part;
    for (const QChar c : text)
        part += c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('.')
                    ? c
                    : QLatin1Char('_');
    return part.isEmpty() ? QStringLiteral("host") : part;
}

QJsonValue portValue(const QString &port)
{
    bool ok = false;
    const int number = port.toInt(&ok);
    return ok ? QJsonValue(number) : QJsonValue(QJsonValue::Null);
}

bool writeFile(const QString &path, const QByteArray &content, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() ||
        !file.commit()) {
        *error = RunReport::tr("Cannot save %1: %2").arg(path, file.errorString());
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
    QString text = CsvText::reportLine({u"date"_s,
                                        u"host"_s,
                                        u"version"_s,
                                        u"firmware"_s,
                                        u"firmware_size"_s,
                                        u"firmware_sha256"_s,
                                        u"name"_s,
                                        u"address"_s,
                                        u"port"_s,
                                        u"title"_s,
                                        u"outcome"_s,
                                        u"exit_code"_s,
                                        u"records_sent"_s,
                                        u"started"_s,
                                        u"ended"_s,
                                        u"last_log_line"_s,
                                        u"signature_key_id"_s,
                                        u"signature_comment"_s,
                                        u"reason"_s,
                                        u"unit_serial"_s,
                                        u"serial"_s,
                                        u"serial_state"_s}) +
                   QStringLiteral("\r\n");
    for (const StationUnit &unit : m_units) {
        text += CsvText::reportLine({m_createdAt,
                                     m_host,
                                     m_version,
                                     m_firmwarePath,
                                     QString::number(m_firmwareSize),
                                     m_firmwareSha256,
                                     unit.name,
                                     unit.address,
                                     unit.port,
                                     unit.title,
                                     UnitStateText::word(unit),
                                     QString::number(unit.exitCode),
                                     QString::number(unit.recordsSent),
                                     isoTime(unit.started),
                                     isoTime(unit.ended),
                                     unit.lastLogLine(),
                                     m_signatureKeyId,
                                     m_signatureComment,
                                     unit.reason,
                                     unit.serial,
                                     unit.serialWritten,
                                     unit.serialState}) +
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
            {u"port"_s, portValue(unit.port)},
            {u"title"_s, unit.title},
            {u"outcome"_s, UnitStateText::word(unit)},
            {u"exit_code"_s, unit.exitCode},
            {u"records_sent"_s, unit.recordsSent},
            {u"started"_s, isoTime(unit.started)},
            {u"ended"_s, isoTime(unit.ended)},
            {u"last_log_line"_s, unit.lastLogLine()},
            {u"reason"_s, unit.reason},
            {u"unit_serial"_s, unit.serial},
            {u"serial"_s, nullIfEmpty(unit.serialWritten)},
            {u"serial_state"_s, nullIfEmpty(unit.serialState)},
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
                                 at.toString(QStringLiteral("yyyyMMdd-HHmmss-zzz-")) +
                                 fileNamePart(QSysInfo::machineHostName()));
}

// Stations that share a folder may end in the same millisecond on one host; the later one
// takes the next free number.
std::optional<QString> RunReport::saveNew(const QString &folder, const QDateTime &at,
                                          QString *error) const
{
    constexpr int kTries = 1000;
    if (!QDir().mkpath(folder)) {
        *error = tr("Cannot make the report folder %1.").arg(folder);
        return std::nullopt;
    }
    const QString base = basePathIn(folder, at);
    const QByteArray csvContent = csv();
    const QByteArray jsonContent = json();
    for (int attempt = 1; attempt <= kTries; ++attempt) {
        const QString path =
            attempt == 1 ? base : base + QLatin1Char('-') + QString::number(attempt);
        bool taken = false;
        if (!writeNewFile(path + QStringLiteral(".csv"), csvContent, &taken, error)) {
            if (taken)
                continue;
            return std::nullopt;
        }
        if (writeNewFile(path + QStringLiteral(".json"), jsonContent, &taken, error))
            return path;
        QFile::remove(path + QStringLiteral(".csv"));
        if (!taken)
            return std::nullopt;
    }
    *error = tr("Cannot save a report in %1: every name is taken.").arg(folder);
    return std::nullopt;
}
