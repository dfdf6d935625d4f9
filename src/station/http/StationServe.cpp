#include "StationServe.h"

#include "ApiServer.h"
#include "ApiToken.h"
#include "StationApi.h"
#include "StationWindow.h"

#include <QNetworkInterface>

#include <cstdio>

StationServe::StationServe(StationWindow &window)
    : m_window(window), m_token(std::make_unique<ApiToken>())
{}

// The server goes before the token file, so that nothing answers once the file is gone.
StationServe::~StationServe()
{
    delete m_server;
    delete m_api;
}

bool StationServe::parseWhere(const QString &where, QHostAddress *address, quint16 *port,
                              QString *error)
{
    const qsizetype colon = where.lastIndexOf(QLatin1Char(':'));
    QString host = colon < 0 ? QStringLiteral("127.0.0.1") : where.left(colon);
    if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')))
        host = host.mid(1, host.size() - 2);
    bool ok = false;
    const uint number = where.mid(colon + 1).toUInt(&ok);
    if (!ok || number > 65535 || !address->setAddress(host)) {
        *error = tr("--serve needs [ADDRESS:]PORT, e.g. 8080 or 192.0.2.7:8080.");
        return false;
    }
    if (!address->isLoopback() && !QNetworkInterface::allAddresses().contains(*address)) {
        *error = tr("--serve: %1 is not an address of this PC.").arg(address->toString());
        return false;
    }
    *port = quint16(number);
    return true;
}

std::optional<QString> StationServe::start(const QString &where, const QString &tokenFile)
{
    quint16 port = 0;
    QString error;
    if (!parseWhere(where, &m_address, &port, &error))
        return error;
    m_api = new StationApi(m_window);
    m_server = new ApiServer(*m_api, *m_token);
    if (std::optional<QString> problem = m_server->start(m_address, port))
        return problem;
    const QString path = tokenFile.isEmpty() ? ApiToken::defaultPath(m_server->port()) : tokenFile;
    if (std::optional<QString> problem = m_token->writeTo(path, tokenFile.isEmpty()))
        return problem;
    if (!m_address.isLoopback())
        std::fprintf(stderr, "firmware-uploader-station: %s\n",
                     qPrintable(tr("The control interface answers on %1, which other computers "
                                   "may reach: anyone with the token can drive the station.")
                                    .arg(m_address.toString())));
    // Scripts read this line for the address and the token file: it stays English.
    std::printf("%s\n",
                qPrintable(QStringLiteral("Control interface: %1 (token in %2)").arg(url(), path)));
    std::fflush(stdout);
    return std::nullopt;
}

QString StationServe::url() const
{
    const QString host = m_address.protocol() == QAbstractSocket::IPv6Protocol
                             ? QLatin1Char('[') + m_address.toString() + QLatin1Char(']')
                             : m_address.toString();
    return QStringLiteral("http://%1:%2/api/v1/").arg(host).arg(m_server ? m_server->port() : 0);
}

QString StationServe::tokenPath() const
{
    return m_token->path();
}
