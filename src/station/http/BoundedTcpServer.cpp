#include "BoundedTcpServer.h"

#include "BoundedSocket.h"

BoundedTcpServer::BoundedTcpServer(qint64 limit, QObject *parent)
    : QTcpServer(parent), m_limit(limit)
{}

void BoundedTcpServer::incomingConnection(qintptr descriptor)
{
    auto *socket = new BoundedSocket(m_limit, this);
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        return;
    }
    addPendingConnection(socket);
}
