#include "SocketErrorReport.h"

#include "ProductProfile.h"
#include "platform/UnitSocket.h"

QString SocketErrorReport::errorLine(int errorNumber)
{
    const QString sign = errorNumber < 0 ? QStringLiteral("-") : QStringLiteral(" ");
    return QStringLiteral("Ethernet Error") + sign + QString::number(qAbs(qint64(errorNumber)));
}

QStringList SocketErrorReport::lines(int errorNumber, const QString &description,
                                     const QString &title)
{
    QStringList lines{errorLine(errorNumber), description};
    if (errorNumber == UnitSocket::ConnectionRefused) {
        lines << QStringLiteral(
            "Hint: Found device but port was not availaible. Verify port number.");
        if (ProductProfile::named("Kestrel Max")->matches(title))
            lines << QStringLiteral(
                "Hint: Verify Ethernet Interface is configured as 'TCP Server'.");
    }
    return lines;
}
