#include "ApiServer.h"

#include "BoundedTcpServer.h"

#include "ApiEventFeed.h"
#include "ApiJson.h"
#include "ApiRequestParser.h"
#include "ApiToken.h"
#include "StationApi.h"

#include <QFile>
#include <QHttpServerRequest>
#include <QJsonArray>
#include <QJsonObject>
#include <QTcpSocket>
#include <QTimer>
#include <QUrlQuery>

namespace {

using Method = QHttpServerRequest::Method;
using Status = QHttpServerResponder::StatusCode;

const QString kPrefix = QStringLiteral("/api/v1");
const QString kJson = QStringLiteral("application/json");
const QString kCsv = QStringLiteral("text/csv");

enum RouteIndex { Station, Units, PutUnits, Firmware, Runs, Run, Stop, Events, OpenApi };

QRegularExpression expressionOf(const QString &pattern)
{
    QString expression = QRegularExpression::escape(kPrefix + pattern);
    expression.replace(QRegularExpression(QStringLiteral("\\\\\\{[a-z_]+\\\\\\}")),
                       QStringLiteral("([^/]+)"));
    return QRegularExpression(QLatin1Char('^') + expression + QLatin1Char('$'));
}

const QList<QRegularExpression> &expressions()
{
    static const QList<QRegularExpression> list = [] {
        QList<QRegularExpression> result;
        for (const ApiServer::Route &route : ApiServer::routes())
            result.append(expressionOf(route.pattern));
        return result;
    }();
    return list;
}

ApiReply failure(int status, const QString &word, const QString &reason)
{
    return ApiReply::of(ApiError{status, word, reason});
}

QByteArray header(const QHttpServerRequest &request, const QByteArray &name)
{
    for (const auto &[key, value] : request.headers()) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    }
    return {};
}

// "application/json; charset=utf-8" is application/json.
QString mediaType(const QHttpServerRequest &request)
{
    return QString::fromLatin1(header(request, "Content-Type"))
        .section(QLatin1Char(';'), 0, 0)
        .trimmed()
        .toLower();
}

QByteArray methodName(Method method)
{
    switch (method) {
    case Method::Put:
        return "PUT";
    case Method::Post:
        return "POST";
    default:
        return "GET";
    }
}

std::chrono::milliseconds pollWait()
{
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("FWU_STATION_POLL_MS", &ok);
    return ok && ms >= 0 ? std::chrono::milliseconds(ms) : ApiServer::kPollWait;
}

} // namespace

const QList<ApiServer::Route> &ApiServer::routes()
{
    static const QList<Route> list{
        {Method::Get, QStringLiteral("/station"), {}},
        {Method::Get, QStringLiteral("/units"), {}},
        {Method::Put, QStringLiteral("/units"), {kJson, kCsv}, true},
        {Method::Put, QStringLiteral("/firmware"), {kJson}, true},
        {Method::Post, QStringLiteral("/runs"), {kJson}, true},
        {Method::Get, QStringLiteral("/runs/{run_id}"), {}},
        {Method::Post, QStringLiteral("/runs/{run_id}/stop"), {kJson}},
        {Method::Get, QStringLiteral("/events"), {}},
        {Method::Get, QStringLiteral("/openapi.json"), {}},
    };
    return list;
}

ApiServer::ApiServer(StationApi &api, const ApiToken &token, QObject *parent)
    : QAbstractHttpServer(parent), m_api(api), m_token(token), m_pollWait(pollWait())
{
    // The OpenAPI document lives in this static library's resources.
    Q_INIT_RESOURCE(http);
    connect(&api.feed(), &ApiEventFeed::added, this, &ApiServer::answerWaiters);
    connect(&api.feed(), &ApiEventFeed::added, this, &ApiServer::feedStreams);
    m_heartbeat = new QTimer(this);
    m_heartbeat->setInterval(kStreamHeartbeat);
    connect(m_heartbeat, &QTimer::timeout, this, &ApiServer::beatStreams);
}

ApiServer::~ApiServer() = default;

std::optional<QString> ApiServer::start(const QHostAddress &address, quint16 port)
{
    // A request's body, its headers and a little more; beyond that the client is cut off
    // before its bytes fill the station's memory.
    auto *server = new BoundedTcpServer(ApiRequestParser::kMaxBodyBytes + kMaxHeaderBytes, this);
    if (!server->listen(address, port)) {
        delete server;
        return tr("Cannot listen on %1 port %2.").arg(address.toString()).arg(port);
    }
    bind(server);
    m_port = server->serverPort();
    return std::nullopt;
}

void ApiServer::missingHandler(const QHttpServerRequest &request, QTcpSocket *socket)
{
    QHttpServerResponder responder = makeResponder(request, socket);
    send(responder, failure(404, QStringLiteral("not_found"), QStringLiteral("No such resource.")));
}

// The token first, so that without it nothing is told, not even which resources there are.
std::optional<ApiReply> ApiServer::refusal(const QHttpServerRequest &request, const Route **route,
                                           QStringList *parts) const
{
    if (!m_token.accepts(header(request, "Authorization")))
        return failure(401, QStringLiteral("unauthorized"),
                       QStringLiteral("Give the station's token: Authorization: Bearer TOKEN."));
    if (request.body().size() > ApiRequestParser::kMaxBodyBytes)
        return failure(413, QStringLiteral("too_large"),
                       QStringLiteral("The body is larger than 1 MiB."));
    const QString path = request.url().path();
    QByteArrayList allowed;
    for (qsizetype i = 0; i < routes().size() && !*route; ++i) {
        const QRegularExpressionMatch match = expressions().at(i).match(path);
        if (!match.hasMatch())
            continue;
        allowed.append(methodName(routes().at(i).method));
        if (routes().at(i).method == request.method()) {
            *route = &routes().at(i);
            *parts = match.capturedTexts().mid(1);
        }
    }
    if (allowed.isEmpty())
        return failure(404, QStringLiteral("not_found"), QStringLiteral("No such resource."));
    if (!*route) {
        ApiReply reply = failure(405, QStringLiteral("method_not_allowed"),
                                 QStringLiteral("The resource does not take this method."));
        reply.allow = allowed.join(", ");
        return reply;
    }
    const bool hasBody = !request.body().isEmpty();
    if ((*route)->bodyRequired && !hasBody)
        return failure(400, QStringLiteral("bad_request"),
                       QStringLiteral("The request needs a body."));
    if (hasBody && !(*route)->bodyTypes.contains(mediaType(request)))
        return failure(415, QStringLiteral("unsupported_media_type"),
                       (*route)->bodyTypes.isEmpty()
                           ? QStringLiteral("The resource takes no body.")
                           : QStringLiteral("The body must be %1.")
                                 .arg((*route)->bodyTypes.join(QLatin1String(" or "))));
    return std::nullopt;
}

bool ApiServer::handleRequest(const QHttpServerRequest &request, QTcpSocket *socket)
{
    const Route *route = nullptr;
    QStringList parts;
    if (std::optional<ApiReply> refused = refusal(request, &route, &parts)) {
        QHttpServerResponder responder = makeResponder(request, socket);
        send(responder, *refused);
        return true;
    }
    if (route == &routes().at(Events)) {
        pollEvents(request, socket);
        return true;
    }
    const ApiReply reply = dispatch(*route, parts, request);
    QHttpServerResponder responder = makeResponder(request, socket);
    send(responder, reply);
    return true;
}

ApiReply ApiServer::dispatch(const Route &route, const QStringList &parts,
                             const QHttpServerRequest &request)
{
    switch (RouteIndex(&route - routes().constData())) {
    case Station:
        return m_api.station();
    case Units:
        return m_api.units();
    case PutUnits:
        return m_api.putUnits(request.body(), mediaType(request) == kCsv);
    case Firmware:
        return m_api.putFirmware(request.body());
    case Runs:
        return m_api.startRun(request.body());
    case Run:
        return m_api.run(parts.value(0));
    case Stop:
        return m_api.stopRun(parts.value(0), request.body());
    case OpenApi: {
        QFile file(QStringLiteral(":/station/http/openapi.json"));
        file.open(QIODevice::ReadOnly);
        return ApiReply{200, QJsonDocument::fromJson(file.readAll()), {}};
    }
    case Events:
        break;
    }
    return failure(404, QStringLiteral("not_found"), QStringLiteral("No such resource."));
}

void ApiServer::send(QHttpServerResponder &responder, const ApiReply &reply)
{
    const QByteArray body = reply.body.toJson(QJsonDocument::Compact);
    if (reply.status == 401)
        responder.write(body,
                        {{"Content-Type", "application/json"}, {"WWW-Authenticate", "Bearer"}},
                        Status(reply.status));
    else if (!reply.allow.isEmpty())
        responder.write(body, {{"Content-Type", "application/json"}, {"Allow", reply.allow}},
                        Status(reply.status));
    else
        responder.write(body, {{"Content-Type", "application/json"}}, Status(reply.status));
}

// Answered at once when there is something after the reader's number; else held until the
// next event or the poll's end, whichever comes first.
void ApiServer::pollEvents(const QHttpServerRequest &request, QTcpSocket *socket)
{
    const QUrlQuery query(request.url());
    const QString after = QStringLiteral("after");
    auto parsed = ApiRequestParser::after(query.queryItemValue(after), query.hasQueryItem(after));
    QHttpServerResponder responder = makeResponder(request, socket);
    if (const ApiError *error = std::get_if<ApiError>(&parsed)) {
        send(responder, ApiReply::of(*error));
        return;
    }
    if (header(request, "Accept").contains("text/event-stream")) {
        streamEvents(std::move(responder), socket, std::get<qint64>(parsed));
        return;
    }
    const quint64 id = m_nextWaiter++;
    m_waiters.emplace(id, Waiter{std::move(responder), socket, std::get<qint64>(parsed)});
    // A number beyond the last is a reader of an earlier station on this port: it is told the
    // last number at once.
    if (m_api.feed().log().last() != std::get<qint64>(parsed) || m_pollWait.count() == 0) {
        answerWaiter(id);
        return;
    }
    QTimer::singleShot(m_pollWait, this, [this, id] { answerWaiter(id); });
}

void ApiServer::answerWaiters()
{
    std::vector<quint64> ids;
    for (const auto &[id, waiter] : m_waiters) {
        if (m_api.feed().log().last() > waiter.after)
            ids.push_back(id);
    }
    for (quint64 id : ids)
        answerWaiter(id);
}

// A reader that hung up meanwhile is let go without an answer: its socket is gone.
void ApiServer::answerWaiter(quint64 id)
{
    const auto found = m_waiters.find(id);
    if (found == m_waiters.end())
        return;
    Waiter waiter = std::move(found->second);
    m_waiters.erase(found);
    if (!waiter.socket)
        return;
    const QJsonArray events = m_api.feed().log().after(waiter.after);
    const qint64 next = events.isEmpty()
                            ? qMin(waiter.after, m_api.feed().log().last())
                            : events.last().toObject().value(QStringLiteral("seq")).toInteger();
    send(waiter.responder, ApiReply{200,
                                    QJsonDocument(QJsonObject{{QStringLiteral("events"), events},
                                                              {QStringLiteral("next"), next}}),
                                    {}});
}

// Server-Sent Events: the events after the reader's number at once, then each as it happens,
// on a response that stays open until the reader goes.
void ApiServer::streamEvents(QHttpServerResponder &&responder, QTcpSocket *socket, qint64 after)
{
    std::erase_if(m_streams, [](const auto &entry) { return !entry.second.socket; });
    if (m_streams.size() >= size_t(kMaxStreams)) {
        send(responder,
             failure(503, QStringLiteral("too_many_streams"),
                     QStringLiteral("Too many readers of the event stream; poll instead.")));
        return;
    }
    responder.writeStatusLine(Status::Ok);
    responder.writeHeaders({{"Content-Type", "text/event-stream"},
                            {"Cache-Control", "no-cache"},
                            {"Connection", "close"}});
    const quint64 id = m_nextWaiter++;
    Stream &stream =
        m_streams.emplace(id, Stream{std::move(responder), socket, after}).first->second;
    feedStream(stream);
    m_heartbeat->start();
}

void ApiServer::feedStreams()
{
    std::erase_if(m_streams, [](const auto &entry) { return !entry.second.socket; });
    for (auto &[id, stream] : m_streams)
        feedStream(stream);
}

void ApiServer::feedStream(Stream &stream)
{
    if (!stream.socket)
        return;
    const QJsonArray events = m_api.feed().log().after(stream.sent);
    QByteArray text;
    for (const QJsonValue &event : events) {
        const qint64 seq = event.toObject().value(QStringLiteral("seq")).toInteger();
        text += "id: " + QByteArray::number(seq) +
                "\nevent: " + event.toObject().value(QStringLiteral("type")).toString().toUtf8() +
                "\ndata: " + QJsonDocument(event.toObject()).toJson(QJsonDocument::Compact) +
                "\n\n";
        stream.sent = seq;
    }
    if (!text.isEmpty())
        stream.responder.writeBody(text);
}

void ApiServer::beatStreams()
{
    std::erase_if(m_streams, [](const auto &entry) { return !entry.second.socket; });
    for (auto &[id, stream] : m_streams)
        stream.responder.writeBody(": still here\n\n");
    if (m_streams.empty())
        m_heartbeat->stop();
}
