#include "SocketErrorReport.h"

#include "ProductProfile.h"
#include "platform/CoreText.h"
#include "platform/UnitSocket.h"

QString SocketErrorReport::errorLine(int errorNumber)
{
    const QString sign = errorNumber < 0 ? QStringLiteral("-") : QStringLiteral(" ");
    //: %1 is the error number with a space or a minus sign in front of it (" 10061", "-5")
    return CoreText::english("Ethernet Error%1")
        .arg(sign + QString::number(qAbs(qint64(errorNumber))));
}

QStringList SocketErrorReport::lines(int errorNumber, const QString &description,
                                     const QString &title)
{
    QStringList lines{errorLine(errorNumber), description};
    if (errorNumber == UnitSocket::ConnectionRefused) {
        lines << CoreText::english(
            "Hint: Found device but port was not availaible. Verify port number.");
        if (ProductProfile::named("Kestrel Max")->matches(title))
            lines << CoreText::english(
                "Hint: Verify Ethernet Interface is configured as 'TCP Server'.");
    }
    return lines;
}
