#pragma once

#include <QString>
#include <QStringList>

// The log lines that tell the operator about a socket error, with hints where the cause is known.
class SocketErrorReport
{
public:
    static QStringList lines(int errorNumber, const QString &description, const QString &title);
    // "Ethernet Error" with the number in a sign position: " 10061", "-5".
    static QString errorLine(int errorNumber);
};
