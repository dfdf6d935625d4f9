#include "HistoryFilter.h"

#include <QStringList>

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
    if (!sha256Prefix.isEmpty()) {
        // A prefix of hex digits only, so no LIKE wildcard can slip in.
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
