#include "UnitSocket.h"

#include <QHostAddress>
#include <QRegularExpression>

bool UnitSocket::isAcceptableHost(const QString &host)
{
    if (host.isEmpty() || host.trimmed() != host)
        return false;
    // Dotted numbers are meant as an address: they must be one, never a name to look up.
    static const QRegularExpression dottedNumbers(QStringLiteral("^[0-9.]+$"));
    if (dottedNumbers.match(host).hasMatch())
        return QHostAddress(host).protocol() == QAbstractSocket::IPv4Protocol &&
               host.count(QLatin1Char('.')) == 3;
    return !host.contains(QLatin1Char(' '));
}
