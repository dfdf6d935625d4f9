// Feeds arbitrary bodies to the station's HTTP request parser: the first byte picks the
// resource (firmware, run, stop, units, the events' "after"), the rest is the body. Whatever the
// body, the answer is either a request that holds what the station needs or a refusal with a
// status of 400, a word and a reason; the same body always gets the same answer.

#include "ApiRequestParser.h"
#include "FuzzCheck.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <cstdint>

namespace {

using Parser = ApiRequestParser;

bool isSha256(const QByteArray &hash)
{
    static const QRegularExpression hex(QStringLiteral("^[0-9a-f]{64}$"));
    return hash.isEmpty() || hex.match(QString::fromLatin1(hash)).hasMatch();
}

template <typename T> bool refusedWell(const Parser::Result<T> &result)
{
    const ApiError *error = std::get_if<ApiError>(&result);
    return error && error->status == 400 && !error->word.isEmpty() && !error->reason.isEmpty() &&
           !error->reason.contains(QLatin1Char('\n'));
}

// A fingerprint of the answer, so that two parses of one body can be compared.
template <typename T>
QString answer(const Parser::Result<T> &result, QString (*describe)(const T &))
{
    if (const ApiError *error = std::get_if<ApiError>(&result))
        return QString::number(error->status) + error->word + error->reason;
    return describe(std::get<T>(result));
}

QString firmware(const QByteArray &body)
{
    const auto result = Parser::firmware(body);
    if (const auto *request = std::get_if<Parser::FirmwareRequest>(&result)) {
        FUZZ_CHECK(!request->path.isEmpty());
        FUZZ_CHECK(isSha256(request->sha256));
    } else {
        FUZZ_CHECK(refusedWell(result));
    }
    return answer<Parser::FirmwareRequest>(result, [](const Parser::FirmwareRequest &request) {
        return request.path + QString::fromLatin1(request.sha256);
    });
}

QString run(const QByteArray &body)
{
    const auto result = Parser::run(body);
    if (const auto *request = std::get_if<Parser::RunRequest>(&result)) {
        FUZZ_CHECK(isSha256(request->expectSha256));
        FUZZ_CHECK(request->which == Parser::RunRequest::Which::Named || request->names.isEmpty());
        for (const QString &name : request->names)
            FUZZ_CHECK(!name.isEmpty());
    } else {
        FUZZ_CHECK(refusedWell(result));
    }
    return answer<Parser::RunRequest>(result, [](const Parser::RunRequest &request) {
        return QString::number(int(request.which)) + request.names.join(QChar(0)) +
               QString::fromLatin1(request.expectSha256);
    });
}

QString stop(const QByteArray &body)
{
    const auto result = Parser::stop(body);
    if (!std::holds_alternative<Parser::StopRequest>(result))
        FUZZ_CHECK(refusedWell(result));
    return answer<Parser::StopRequest>(result, [](const Parser::StopRequest &request) {
        return request.names ? QLatin1Char('+') + request.names->join(QChar(0)) : QString();
    });
}

QString units(const QByteArray &body)
{
    const auto result = Parser::units(body);
    if (const auto *list = std::get_if<QList<StationUnit>>(&result)) {
        // Every unit as listed, nothing of a run.
        for (const StationUnit &unit : *list)
            FUZZ_CHECK(unit.state == UnitState::Idle && unit.address == unit.address.trimmed() &&
                       unit.port == unit.port.trimmed());
    } else {
        FUZZ_CHECK(refusedWell(result));
    }
    return answer<QList<StationUnit>>(result, [](const QList<StationUnit> &list) {
        QString text;
        for (const StationUnit &unit : list)
            text += unit.name + QChar(0) + unit.address + QChar(0) + unit.port + QChar(0) +
                    unit.title + QChar(0) + unit.serial + QChar(1);
        return text;
    });
}

QString after(const QByteArray &body)
{
    const auto result = Parser::after(QString::fromUtf8(body), !body.isEmpty());
    if (const qint64 *value = std::get_if<qint64>(&result))
        FUZZ_CHECK(*value >= 0);
    else
        FUZZ_CHECK(refusedWell(result));
    return answer<qint64>(result, [](const qint64 &value) { return QString::number(value); });
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray body(reinterpret_cast<const char *>(data) + 1, qsizetype(size - 1));
    QString (*const parsers[])(const QByteArray &) = {firmware, run, stop, units, after};
    const auto parse = parsers[data[0] % std::size(parsers)];
    FUZZ_CHECK(parse(body) == parse(body));
    return 0;
}
