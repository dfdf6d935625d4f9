#pragma once

#include <QCoreApplication>
#include <QHostAddress>
#include <QString>

#include <memory>
#include <optional>

class ApiServer;
class ApiToken;
class StationApi;
class StationWindow;

// --serve: the station's HTTP interface with its token, for as long as the station runs.
class StationServe
{
    Q_DECLARE_TR_FUNCTIONS(StationServe)

public:
    explicit StationServe(StationWindow &window);
    ~StationServe();

    // Listens as "[ADDRESS:]PORT" says and writes the token file (tokenFile, else the default
    // place); the reason when it cannot. Says on standard output where it serves.
    std::optional<QString> start(const QString &where, const QString &tokenFile);
    QString url() const;
    QString tokenPath() const;

    // "8080" is 127.0.0.1 port 8080; "192.0.2.7:8080" and "[::1]:8080" name the address.
    // False, with the reason, for anything else.
    static bool parseWhere(const QString &where, QHostAddress *address, quint16 *port,
                           QString *error);

private:
    StationWindow &m_window;
    std::unique_ptr<ApiToken> m_token;
    StationApi *m_api = nullptr;
    ApiServer *m_server = nullptr;
    QHostAddress m_address;
};
