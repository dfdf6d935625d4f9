#pragma once

#include <QtGlobal>

// A port on 127.0.0.1 where a connect stays pending: the listening socket's accept queue is
// already full, so the kernel drops new connection requests and the client keeps retrying.
class PendingListener
{
public:
    PendingListener();
    ~PendingListener();
    PendingListener(const PendingListener &) = delete;
    PendingListener &operator=(const PendingListener &) = delete;

    quint16 port() const { return m_port; }
    bool isReady() const { return m_port != 0; }

private:
    int m_listener = -1;
    int m_filler[2] = {-1, -1};
    quint16 m_port = 0;
};
