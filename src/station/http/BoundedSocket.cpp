#include "BoundedSocket.h"

#include <QTimer>

BoundedSocket::BoundedSocket(qint64 limit, QObject *parent) : QTcpSocket(parent), m_limit(limit)
{
    // The socket's own buffer stays within the bound too.
    setReadBufferSize(limit);
}

qint64 BoundedSocket::readData(char *data, qint64 maxSize)
{
    if (m_refused)
        return -1;
    const qint64 read = QTcpSocket::readData(data, maxSize);
    if (read > 0)
        m_received += read;
    if (m_received > m_limit) {
        refuse();
        return -1;
    }
    return read;
}

qint64 BoundedSocket::writeData(const char *data, qint64 size)
{
    // An answer ends the request it answers: the next one has the whole bound again.
    m_received = 0;
    return QTcpSocket::writeData(data, size);
}

// A canned answer written straight to the connection: the request was never parsed, so the
// server has nothing to answer.
void BoundedSocket::refuse()
{
    m_refused = true;
    static const QByteArray body =
        R"({"error":"too_large","reason":"The request is larger than the station takes."})";
    const QByteArray answer = "HTTP/1.1 413 Payload Too Large\r\nContent-Type: application/json"
                              "\r\nConnection: close\r\nContent-Length: " +
                              QByteArray::number(body.size()) + "\r\n\r\n" + body;
    QTcpSocket::writeData(answer.constData(), answer.size());
    QTimer::singleShot(0, this, [this] { disconnectFromHost(); });
}
