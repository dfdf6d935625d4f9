#include "HistoryFilter.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QRegularExpression>
#include <QStringList>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("HistoryFilter", text);
}

} // namespace

std::optional<qint64> HistoryFilter::parseTime(const QString &text, bool until)
{
    static const QRegularExpression datePattern(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    if (datePattern.match(text).hasMatch()) {
        const QDate date = QDate::fromString(text, Qt::ISODate);
        if (!date.isValid())
            return std::nullopt;
        return (until ? date.addDays(1) : date).startOfDay().toMSecsSinceEpoch();
    }
    static const QRegularExpression timePattern(
        QStringLiteral("^\\d{4}-\\d{2}-\\d{2}[T ]\\d{2}:\\d{2}(:\\d{2}(\\.\\d{1,3})?)?"
                       "(Z|[+-]\\d{2}:?\\d{2})?$"));
    if (!timePattern.match(text).hasMatch())
        return std::nullopt;
    QString iso = text;
    iso[10] = QLatin1Char('T');
    // Without an offset Qt reads local time, the reader's.
    const QDateTime time = QDateTime::fromString(iso, Qt::ISODateWithMs);
    if (!time.isValid())
        return std::nullopt;
    return time.toMSecsSinceEpoch() + (until ? 1 : 0);
}

std::optional<QString> HistoryFilter::setUnit(const QString &text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(?:\\[([^\\]]+)\\]|([^:\\[\\]]+))(?::([0-9]{1,5}))?$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch()) {
        if (text.count(QLatin1Char(':')) < 2)
            return tr("needs ADDRESS or ADDRESS:PORT, not \"%1\"").arg(text);
        address = text;
        port.reset();
        return std::nullopt;
    }
    const QString portText = match.captured(3);
    const int number = portText.toInt();
    if (!portText.isEmpty() && (number < 1 || number > 65535))
        return tr("needs a port from 1 to 65535, not \"%1\"").arg(portText);
    address = match.captured(1).isEmpty() ? match.captured(2) : match.captured(1);
    port = portText.isEmpty() ? std::nullopt : std::optional(number);
    return std::nullopt;
}

std::optional<QString> HistoryFilter::setSha256(const QString &text)
{
    // Hex digits only, so that no LIKE wildcard can slip into the query.
    static const QRegularExpression hex(QStringLiteral("^[0-9A-Fa-f]{8,64}$"));
    if (!hex.match(text).hasMatch())
        return tr("needs 8 to 64 hexadecimal digits, not \"%1\"").arg(text);
    sha256Prefix = text.toLower();
    return std::nullopt;
}

namespace {

std::optional<QString> takeTime(const QString &text, bool until, std::optional<qint64> *ms)
{
    const std::optional<qint64> parsed = HistoryFilter::parseTime(text, until);
    if (!parsed)
        // Spelled out: lupdate cannot tell the context of tr() outside the class.
        return QCoreApplication::translate(
                   "HistoryFilter",
                   "needs an ISO date or time (2026-03-01, 2026-03-01T14:30 in local time, "
                   "2026-03-01T14:30Z or 2026-03-01T14:30+01:00), not \"%1\"")
            .arg(text);
    *ms = parsed;
    return std::nullopt;
}

} // namespace

std::optional<QString> HistoryFilter::setSince(const QString &text)
{
    return takeTime(text, false, &sinceMs);
}

std::optional<QString> HistoryFilter::setUntil(const QString &text)
{
    return takeTime(text, true, &untilMs);
}

std::optional<QString> HistoryFilter::setLimit(const QString &text)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,9}$"));
    if (!digits.match(text).hasMatch())
        return tr("needs a whole number (0 for all), not \"%1\"").arg(text);
    limit = text.toInt();
    return std::nullopt;
}

QString HistoryFilter::whereClause(QVariantList *bindings) const
{
    QStringList conditions;
    const auto add = [&](const char *condition, const QVariant &value) {
        conditions.append(QLatin1String(condition));
        bindings->append(value);
    };
    if (!address.isEmpty())
        add("address = ?", address);
    if (port)
        add("port = ?", qint64(*port));
    if (!unitName.isEmpty())
        add("unit_name = ?", unitName);
    if (!unitSerial.isEmpty())
        add("unit_serial = ?", unitSerial);
    if (!serial.isEmpty())
        add("serial = ?", serial);
    if (!title.isEmpty())
        add("title = ?", title);
    if (!sha256Prefix.isEmpty()) {
        // setSha256 lets hex digits only through, so no LIKE wildcard can slip in.
        add("firmware_sha256 LIKE ?", QString(sha256Prefix + QLatin1Char('%')));
    }
    if (!outcome.isEmpty())
        add("outcome = ?", outcome);
    if (sinceMs)
        add("started_ms >= ?", *sinceMs);
    if (untilMs)
        add("started_ms < ?", *untilMs);
    if (!runId.isEmpty())
        add("run_id = ?", runId);
    if (!units.isEmpty()) {
        QStringList anyUnit;
        for (const auto &[unitAddress, unitPort] : units) {
            anyUnit.append(QStringLiteral("(address = ? AND port = ?)"));
            bindings->append(unitAddress);
            bindings->append(qint64(unitPort));
        }
        conditions.append(QLatin1Char('(') + anyUnit.join(QStringLiteral(" OR ")) +
                          QLatin1Char(')'));
    }
    if (conditions.isEmpty())
        return {};
    return QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
}
