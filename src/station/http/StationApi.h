#pragma once

#include "ApiError.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QJsonDocument>
#include <QList>
#include <QObject>

#include <memory>

class ApiEventFeed;
class FirmwareSnapshot;
class StationWindow;

// An answer of the HTTP interface: its status and JSON body.
struct ApiReply
{
    int status = 200;
    QJsonDocument body;
    // With 405: the methods the resource takes, for the Allow header.
    QByteArray allow;

    static ApiReply of(const ApiError &error);
};

// The station's resources over HTTP. Every change goes through what the window's own controls
// do (Flash selected, Stop selected, choosing the firmware, opening a list), so that a run
// started here is a run like any other: shown, recorded in the history and reported.
class StationApi : public QObject
{
    Q_OBJECT

public:
    explicit StationApi(StationWindow &window, QObject *parent = nullptr);
    ~StationApi() override;

    ApiEventFeed &feed() { return *m_feed; }

    ApiReply station() const;
    ApiReply units() const;
    // A JSON list of units, or the station's CSV text when csv.
    ApiReply putUnits(const QByteArray &body, bool csv);
    ApiReply putFirmware(const QByteArray &body);
    ApiReply startRun(const QByteArray &body);
    ApiReply run(const QString &runId) const;
    ApiReply stopRun(const QString &runId, const QByteArray &body);

private:
    std::optional<ApiError> refuseChange() const;
    std::optional<ApiError> rowsNamed(const QStringList &names, QList<int> *rows) const;
    std::optional<ApiError> takeSerials(const QHash<QString, QString> &serials,
                                        const QList<int> &rows);
    void takeFirmwareFacts(const QString &path);
    QStringList runningNames() const;

    StationWindow &m_window;
    ApiEventFeed *m_feed = nullptr;
    // The chosen firmware as it was checked when chosen; null without one.
    std::unique_ptr<FirmwareSnapshot> m_firmware;
};
