#pragma once

#include <QString>

// The controls the connection side fills: the address and port boxes and the status line. The
// window's full view includes them; this is all that settings and the status monitor may reach.
class ConnectionView
{
public:
    virtual ~ConnectionView() = default;

    virtual QString ethernetAddress() const = 0;
    virtual void setEthernetAddress(const QString &text) = 0;
    virtual QString ethernetPort() const = 0;
    virtual void setEthernetPort(const QString &text) = 0;

    virtual void setStatusText(const QString &text) = 0;
};
