#include "HistoryRecord.h"

#include <QMetaType>
#include <QSysInfo>

#include <cmath>
#include <pwd.h>
#include <unistd.h>

namespace {

QVariant textOrNull(const QString &text)
{
    return text.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(text);
}

template <typename T> QVariant numberOrNull(const std::optional<T> &number)
{
    return number ? QVariant::fromValue(qint64(*number)) : QVariant(QMetaType::fromType<qint64>());
}

} // namespace

const QStringList &HistoryRecord::fields()
{
    static const QStringList names{QStringLiteral("id"),
                                   QStringLiteral("attempt_id"),
                                   QStringLiteral("run_id"),
                                   QStringLiteral("started"),
                                   QStringLiteral("ended"),
                                   QStringLiteral("duration_s"),
                                   QStringLiteral("host"),
                                   QStringLiteral("operator"),
                                   QStringLiteral("program"),
                                   QStringLiteral("version"),
                                   QStringLiteral("title"),
                                   QStringLiteral("unit_name"),
                                   QStringLiteral("unit_serial"),
                                   QStringLiteral("serial"),
                                   QStringLiteral("serial_pool"),
                                   QStringLiteral("address"),
                                   QStringLiteral("port"),
                                   QStringLiteral("firmware_path"),
                                   QStringLiteral("firmware_size"),
                                   QStringLiteral("firmware_sha256"),
                                   QStringLiteral("base_sha256"),
                                   QStringLiteral("records"),
                                   QStringLiteral("records_sent"),
                                   QStringLiteral("outcome"),
                                   QStringLiteral("exit_code"),
                                   QStringLiteral("message"),
                                   QStringLiteral("signature_key_id"),
                                   QStringLiteral("signature_comment")};
    return names;
}

QString HistoryRecord::timeText(const QDateTime &time)
{
    return time.toUTC().toString(Qt::ISODateWithMs);
}

QString HistoryRecord::hostName()
{
    const QString given = qEnvironmentVariable(kHostNameVariable);
    return given.isEmpty() ? QSysInfo::machineHostName() : given;
}

QString HistoryRecord::loginName()
{
    const passwd *entry = getpwuid(geteuid());
    return entry ? QString::fromLocal8Bit(entry->pw_name) : qEnvironmentVariable("USER");
}

void HistoryRecord::setOrigin(const QString &programName, const QString &programVersion)
{
    host = hostName();
    operatorName = loginName();
    program = programName;
    version = programVersion;
}

void HistoryRecord::setPort(const QString &text)
{
    bool isNumber = false;
    const int number = text.toInt(&isNumber);
    port = isNumber ? std::optional(number) : std::nullopt;
}

QVariantList HistoryRecord::values() const
{
    const double duration = std::round(double(started.msecsTo(ended))) / 1000.0;
    return {textOrNull(attemptId),
            textOrNull(runId),
            timeText(started),
            timeText(ended),
            duration,
            textOrNull(host),
            textOrNull(operatorName),
            textOrNull(program),
            textOrNull(version),
            textOrNull(title),
            textOrNull(unitName),
            textOrNull(unitSerial),
            textOrNull(serial),
            textOrNull(serialPool),
            textOrNull(address),
            numberOrNull(port),
            textOrNull(firmwarePath),
            numberOrNull(firmwareSize),
            textOrNull(firmwareSha256),
            textOrNull(baseSha256),
            numberOrNull(records),
            numberOrNull(recordsSent),
            outcome,
            exitCode,
            textOrNull(message),
            textOrNull(signatureKeyId),
            textOrNull(signatureComment)};
}

QVariant HistoryRow::value(const QString &field) const
{
    return values.value(HistoryRecord::fields().indexOf(field));
}

QDateTime HistoryRow::time(const QString &field) const
{
    return QDateTime::fromString(value(field).toString(), Qt::ISODateWithMs);
}

QString HistoryRow::text(const QString &field) const
{
    const QVariant v = value(field);
    if (v.isNull())
        return {};
    if (field == QLatin1String("duration_s"))
        return QString::number(v.toDouble(), 'f', 3);
    return v.toString();
}

namespace {

bool isNumberField(const QString &field)
{
    static const QStringList numbers{
        QStringLiteral("id"),      QStringLiteral("port"),         QStringLiteral("firmware_size"),
        QStringLiteral("records"), QStringLiteral("records_sent"), QStringLiteral("exit_code")};
    return numbers.contains(field);
}

} // namespace

QJsonObject HistoryRow::toJson() const
{
    QJsonObject object;
    for (const QString &field : HistoryRecord::fields()) {
        const QVariant v = value(field);
        if (v.isNull())
            object.insert(field, QJsonValue::Null);
        else if (field == QLatin1String("duration_s"))
            object.insert(field, v.toDouble());
        else if (isNumberField(field))
            object.insert(field, v.toLongLong());
        else
            object.insert(field, v.toString());
    }
    return object;
}
