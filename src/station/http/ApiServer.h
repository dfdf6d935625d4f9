#pragma once

#include <QAbstractHttpServer>
#include <QCoreApplication>
#include <QHostAddress>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QJsonDocument>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>

#include <chrono>
#include <functional>
#include <map>
#include <optional>

class ApiToken;
class QTcpSocket;
class StationApi;
struct ApiReply;

// The station's HTTP interface on Qt's HTTP server: every request needs the bearer token, bodies
// are bounded, and each route answers from StationApi. A reader of the events that has nothing
// new to read is held until something happens or the poll's time is up; the GUI thread never
// waits for it.
class ApiServer : public QAbstractHttpServer
{
    Q_OBJECT

public:
    // How long a poll of the events waits for the first; FWU_STATION_POLL_MS shortens it.
    static constexpr std::chrono::milliseconds kPollWait{25000};
    // What a request may bring beside its body: the request line and the headers.
    static constexpr qint64 kMaxHeaderBytes = 64 * 1024;
    // Readers of the events as a stream (Accept: text/event-stream) at once, and how often a
    // quiet stream gets a comment line, so that a reader that went away is found.
    static constexpr int kMaxStreams = 64;
    static constexpr std::chrono::milliseconds kStreamHeartbeat{15000};

    struct Route
    {
        QHttpServerRequest::Method method;
        QString pattern; // as the OpenAPI document writes it, "{run_id}" for a part
        // Media types a body may have; empty: the route takes none.
        QStringList bodyTypes;
        bool bodyRequired = false;
    };
    // Every route that answers, in the order the OpenAPI document lists them.
    static const QList<Route> &routes();

    ApiServer(StationApi &api, const ApiToken &token, QObject *parent = nullptr);
    ~ApiServer() override;

    // Listens; the reason when it cannot.
    std::optional<QString> start(const QHostAddress &address, quint16 port);
    quint16 port() const { return m_port; }

protected:
    bool handleRequest(const QHttpServerRequest &request, QTcpSocket *socket) override;
    void missingHandler(const QHttpServerRequest &request, QTcpSocket *socket) override;

private:
    struct Waiter
    {
        QHttpServerResponder responder;
        QPointer<QTcpSocket> socket;
        qint64 after = 0;
    };

    struct Stream
    {
        QHttpServerResponder responder;
        QPointer<QTcpSocket> socket;
        qint64 sent = 0; // the last event's number written to it
    };
    void streamEvents(QHttpServerResponder &&responder, QTcpSocket *socket, qint64 after);
    void feedStreams();
    void feedStream(Stream &stream);
    void beatStreams();
    std::optional<ApiReply> refusal(const QHttpServerRequest &request, const Route **route,
                                    QStringList *parts) const;
    ApiReply dispatch(const Route &route, const QStringList &parts,
                      const QHttpServerRequest &request);
    void pollEvents(const QHttpServerRequest &request, QTcpSocket *socket);
    void answerWaiters();
    void answerWaiter(quint64 id);
    static void send(QHttpServerResponder &responder, const ApiReply &reply);

    StationApi &m_api;
    const ApiToken &m_token;
    quint16 m_port = 0;
    std::chrono::milliseconds m_pollWait = kPollWait;
    std::map<quint64, Waiter> m_waiters;
    std::map<quint64, Stream> m_streams;
    QTimer *m_heartbeat = nullptr;
    quint64 m_nextWaiter = 1;
};
