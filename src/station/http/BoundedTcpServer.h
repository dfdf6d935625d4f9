#pragma once

#include <QTcpServer>

// Hands the HTTP server BoundedSocket connections: each may send at most limit bytes between two
// answers.
class BoundedTcpServer : public QTcpServer
{
    Q_OBJECT

public:
    explicit BoundedTcpServer(qint64 limit, QObject *parent = nullptr);

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    qint64 m_limit = 0;
};
