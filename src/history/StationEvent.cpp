#include "StationEvent.h"

#include "HistoryRecord.h"

#include <QMetaType>

const QStringList &StationEvent::fields()
{
    static const QStringList names{
        QStringLiteral("id"),       QStringLiteral("time"),    QStringLiteral("host"),
        QStringLiteral("operator"), QStringLiteral("program"), QStringLiteral("version"),
        QStringLiteral("title"),    QStringLiteral("event"),   QStringLiteral("detail")};
    return names;
}

QString StationEvent::createTable(bool postgres)
{
    return QStringLiteral("CREATE TABLE station_events (id ") +
           (postgres
                ? QStringLiteral("BIGSERIAL PRIMARY KEY, \"time\" TIMESTAMPTZ NOT NULL")
                : QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT, \"time\" TEXT NOT NULL")) +
           QStringLiteral(", time_ms BIGINT NOT NULL, host TEXT, \"operator\" TEXT, program TEXT, "
                          "version TEXT, title TEXT, event TEXT NOT NULL, detail TEXT)");
}

QVariantList StationEvent::values() const
{
    const auto textOrNull = [](const QString &text) {
        return text.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(text);
    };
    return {HistoryRecord::timeText(time),
            textOrNull(host),
            textOrNull(operatorName),
            textOrNull(program),
            textOrNull(version),
            textOrNull(title),
            event,
            textOrNull(detail)};
}
