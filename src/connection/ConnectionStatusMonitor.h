#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>

class UnitSocket;
class ConnectionView;

// Shows the socket's state in words in the status line, for the whole life of the window. It only
// looks: connecting, closing and error reports belong to the upload.
class ConnectionStatusMonitor : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds kIdleInterval{1000};
    // Once a connection has been seen the operator gets a livelier display, for good.
    static constexpr std::chrono::milliseconds kConnectedInterval{333};

    ConnectionStatusMonitor(UnitSocket &socket, ConnectionView &view, QObject *parent = nullptr);

    void start();
    void EthernetStatusTimer_Timer();

    const QTimer &EthernetStatusTimer() const { return m_timer; }

    // The text for a socket state; host is used by the states that name the unit.
    static QString statusText(int state, const QString &host);

private:
    UnitSocket &m_socket;
    ConnectionView &m_view;
    QTimer m_timer;
};
