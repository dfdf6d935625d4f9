#include "ApiRequestParser.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace {

using Error = ApiError;

// Names of units in one request; a list any longer is not a line's.
constexpr qsizetype kMaxNames = 10000;

// A name the client sent, as a reason quotes it: one line, and short whatever was sent.
QString shown(const QString &name)
{
    constexpr qsizetype kShownLength = 64;
    QString text = name.left(kShownLength);
    for (QChar &c : text) {
        if (c.category() == QChar::Other_Control || c.isSurrogate())
            c = QChar::ReplacementCharacter;
    }
    return name.size() > kShownLength ? text + QStringLiteral("...") : text;
}

Error unknownField(const QString &name)
{
    return Error{400, QStringLiteral("unknown_field"),
                 QStringLiteral("Unknown field \"%1\".").arg(shown(name))};
}

std::variant<QJsonDocument, Error> document(const QByteArray &body)
{
    QJsonParseError parseError;
    const QJsonDocument json = QJsonDocument::fromJson(body, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return ApiRequestParser::badRequest(QStringLiteral("The body is not JSON: %1 at byte %2.")
                                                .arg(parseError.errorString())
                                                .arg(parseError.offset));
    return json;
}

std::variant<QJsonObject, Error> object(const QByteArray &body, const QStringList &allowed)
{
    auto json = document(body);
    if (const Error *error = std::get_if<Error>(&json))
        return *error;
    const QJsonDocument &doc = std::get<QJsonDocument>(json);
    if (!doc.isObject())
        return ApiRequestParser::badRequest(QStringLiteral("The body must be a JSON object."));
    const QJsonObject result = doc.object();
    for (auto it = result.begin(); it != result.end(); ++it) {
        if (!allowed.contains(it.key()))
            return unknownField(it.key());
    }
    return result;
}

Error badField(const QString &field, const QString &what)
{
    return ApiRequestParser::badRequest(QStringLiteral("\"%1\" must be %2.").arg(field, what));
}

// A SHA-256 as 64 hexadecimal digits, in either case; empty when the field is absent.
std::variant<QByteArray, Error> sha256(const QJsonObject &body, const QString &field)
{
    if (!body.contains(field))
        return QByteArray();
    static const QRegularExpression hex(QStringLiteral("^[0-9a-fA-F]{64}$"));
    const QJsonValue value = body.value(field);
    if (!value.isString() || !hex.match(value.toString()).hasMatch())
        return badField(field, QStringLiteral("a SHA-256 in 64 hexadecimal digits"));
    return value.toString().toLower().toLatin1();
}

std::variant<QStringList, Error> names(const QJsonValue &value, const QString &field)
{
    if (!value.isArray() || value.toArray().size() > kMaxNames)
        return badField(field, QStringLiteral("a list of unit names"));
    QStringList result;
    for (const QJsonValue &name : value.toArray()) {
        if (!name.isString() || name.toString().isEmpty())
            return badField(field, QStringLiteral("a list of unit names"));
        result.append(name.toString());
    }
    return result;
}

// {"unit name": "value", ...}: each value as the unit's label gives it, trimmed, not empty.
std::variant<QHash<QString, QString>, Error> serialValues(const QJsonValue &value)
{
    const auto refusal = [] {
        return badField(QStringLiteral("serials"),
                        QStringLiteral("an object of unit names and their values"));
    };
    if (value.isUndefined())
        return QHash<QString, QString>();
    if (!value.isObject() || value.toObject().size() > kMaxNames)
        return refusal();
    QHash<QString, QString> result;
    const QJsonObject object = value.toObject();
    for (auto it = object.begin(); it != object.end(); ++it) {
        const QString text = it.value().toString().trimmed();
        if (it.key().isEmpty() || !it.value().isString() || text.isEmpty())
            return refusal();
        result.insert(it.key(), text);
    }
    return result;
}

std::optional<QString> text(const QJsonObject &unit, const QString &field, bool required,
                            Error *error)
{
    const QJsonValue value = unit.value(field);
    if (value.isUndefined() && !required)
        return QString();
    if (!value.isString()) {
        *error = badField(field, QStringLiteral("text"));
        return std::nullopt;
    }
    return value.toString();
}

// A port as the list has it: typed text, or a whole number given as one.
std::optional<QString> port(const QJsonObject &unit, Error *error)
{
    const QJsonValue value = unit.value(QStringLiteral("port"));
    if (value.isDouble() && value.toDouble() == double(value.toInteger()))
        return QString::number(value.toInteger());
    if (value.isString())
        return value.toString();
    *error = badField(QStringLiteral("port"), QStringLiteral("a port number"));
    return std::nullopt;
}

std::variant<StationUnit, Error> unitFrom(const QJsonValue &value)
{
    static const QStringList fields{QStringLiteral("name"), QStringLiteral("address"),
                                    QStringLiteral("port"), QStringLiteral("title"),
                                    QStringLiteral("serial")};
    if (!value.isObject())
        return ApiRequestParser::badRequest(QStringLiteral("Every unit must be an object."));
    const QJsonObject unit = value.toObject();
    for (auto it = unit.begin(); it != unit.end(); ++it) {
        if (!fields.contains(it.key()))
            return unknownField(it.key());
    }
    Error error;
    const std::optional<QString> name = text(unit, fields[0], true, &error);
    const std::optional<QString> address = name ? text(unit, fields[1], true, &error) : name;
    const std::optional<QString> portText = address ? port(unit, &error) : address;
    const std::optional<QString> title = portText ? text(unit, fields[3], false, &error) : portText;
    const std::optional<QString> serial = title ? text(unit, fields[4], false, &error) : title;
    if (!serial)
        return error;
    StationUnit result =
        StationUnit::listed(*name, address->trimmed(), portText->trimmed(), *title);
    result.serial = serial->trimmed();
    return result;
}

} // namespace

ApiError ApiRequestParser::badRequest(const QString &reason)
{
    return ApiError{400, QStringLiteral("bad_request"), reason};
}

ApiRequestParser::Result<ApiRequestParser::FirmwareRequest>
ApiRequestParser::firmware(const QByteArray &body)
{
    auto parsed = object(body, {QStringLiteral("path"), QStringLiteral("sha256")});
    if (const Error *error = std::get_if<Error>(&parsed))
        return *error;
    const QJsonObject &json = std::get<QJsonObject>(parsed);
    const QJsonValue path = json.value(QStringLiteral("path"));
    if (!path.isString() || path.toString().isEmpty())
        return badField(QStringLiteral("path"), QStringLiteral("the firmware file's path"));
    auto hash = sha256(json, QStringLiteral("sha256"));
    if (const Error *error = std::get_if<Error>(&hash))
        return *error;
    return FirmwareRequest{path.toString(), std::get<QByteArray>(hash)};
}

// Fields beside these may come with later versions of the interface; each is refused until
// it is understood.
ApiRequestParser::Result<ApiRequestParser::RunRequest> ApiRequestParser::run(const QByteArray &body)
{
    auto parsed = object(body, {QStringLiteral("units"), QStringLiteral("expect_sha256"),
                                QStringLiteral("serials")});
    if (const Error *error = std::get_if<Error>(&parsed))
        return *error;
    const QJsonObject &json = std::get<QJsonObject>(parsed);
    RunRequest request;
    const QJsonValue units = json.value(QStringLiteral("units"));
    if (units == QJsonValue(QStringLiteral("all"))) {
        request.which = RunRequest::Which::All;
    } else if (units == QJsonValue(QStringLiteral("failed"))) {
        request.which = RunRequest::Which::Failed;
    } else {
        auto list = names(units, QStringLiteral("units"));
        if (std::holds_alternative<Error>(list))
            return badField(QStringLiteral("units"),
                            QStringLiteral("a list of unit names, \"all\" or \"failed\""));
        request.which = RunRequest::Which::Named;
        request.names = std::get<QStringList>(list);
    }
    auto hash = sha256(json, QStringLiteral("expect_sha256"));
    if (const Error *error = std::get_if<Error>(&hash))
        return *error;
    request.expectSha256 = std::get<QByteArray>(hash);
    auto serials = serialValues(json.value(QStringLiteral("serials")));
    if (const Error *error = std::get_if<Error>(&serials))
        return *error;
    request.serials = std::get<QHash<QString, QString>>(serials);
    return request;
}

ApiRequestParser::Result<ApiRequestParser::StopRequest>
ApiRequestParser::stop(const QByteArray &body)
{
    if (body.trimmed().isEmpty())
        return StopRequest{};
    auto parsed = object(body, {QStringLiteral("units")});
    if (const Error *error = std::get_if<Error>(&parsed))
        return *error;
    const QJsonObject &json = std::get<QJsonObject>(parsed);
    if (!json.contains(QStringLiteral("units")))
        return StopRequest{};
    auto list = names(json.value(QStringLiteral("units")), QStringLiteral("units"));
    if (const Error *error = std::get_if<Error>(&list))
        return *error;
    return StopRequest{std::get<QStringList>(list)};
}

ApiRequestParser::Result<QList<StationUnit>> ApiRequestParser::units(const QByteArray &body)
{
    auto json = document(body);
    if (const Error *error = std::get_if<Error>(&json))
        return *error;
    const QJsonDocument &doc = std::get<QJsonDocument>(json);
    if (!doc.isArray())
        return badRequest(QStringLiteral("The body must be a JSON list of units."));
    QList<StationUnit> result;
    for (const QJsonValue &value : doc.array()) {
        auto unit = unitFrom(value);
        if (const Error *error = std::get_if<Error>(&unit))
            return *error;
        result.append(std::get<StationUnit>(unit));
    }
    return result;
}

ApiRequestParser::Result<qint64> ApiRequestParser::after(const QString &text, bool present)
{
    if (!present)
        return qint64(0);
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (!ok || value < 0)
        return badRequest(QStringLiteral("\"after\" must be a whole number from 0."));
    return value;
}
