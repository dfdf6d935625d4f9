#include "JsonLines.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

QByteArray JsonLines::encodeValue(const QJsonValue &value)
{
    if (value.isObject())
        return QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact);
    if (value.isArray())
        return QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact);
    // QJsonDocument only writes arrays and objects: a scalar goes through a one-element array.
    const QByteArray wrapped = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return wrapped.mid(1, wrapped.size() - 2);
}

QByteArray JsonLines::encode(const QString &event, const Fields &fields)
{
    QByteArray line = "{\"event\":" + encodeValue(event);
    for (const auto &[key, value] : fields)
        line += ',' + encodeValue(key) + ':' + encodeValue(value);
    line += "}\n";
    return line;
}
