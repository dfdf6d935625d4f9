#pragma once

#include <QByteArray>
#include <QJsonValue>
#include <QList>
#include <QPair>
#include <QString>

// One JSON object per line with its "event" field first, so that a reader can tell the kind of
// line from its first bytes (QJsonObject would sort the keys).
class JsonLines
{
public:
    using Fields = QList<QPair<QString, QJsonValue>>;

    // The compact object, ending in a line feed.
    static QByteArray encode(const QString &event, const Fields &fields);
    static QByteArray encodeValue(const QJsonValue &value);
};
