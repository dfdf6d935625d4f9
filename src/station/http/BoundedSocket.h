#pragma once

#include <QTcpSocket>

// A client connection of the HTTP interface that may not send more than a bound between two
// answers: the HTTP server reads a whole request into memory before anyone sees it, so without
// a bound one client sending gigabytes would take the station's memory with it. Over the bound
// the client is told 413 and the connection closes; nothing of the request is handled.
class BoundedSocket : public QTcpSocket
{
    Q_OBJECT

public:
    explicit BoundedSocket(qint64 limit, QObject *parent = nullptr);

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 size) override;

private:
    void refuse();

    qint64 m_limit = 0;
    qint64 m_received = 0; // since the last answer began
    bool m_refused = false;
};
