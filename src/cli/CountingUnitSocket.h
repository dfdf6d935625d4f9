#pragma once

#include "platform/TcpUnitSocket.h"

// The unit's socket, reporting each record line it puts on the wire, so that the progress shows
// what was sent rather than what was read from the file, and the moment the programming request
// goes out, after which an attempt is never retried.
class CountingUnitSocket : public TcpUnitSocket
{
    Q_OBJECT

public:
    explicit CountingUnitSocket(QObject *parent = nullptr);

    void send(const QByteArray &bytes) override;

Q_SIGNALS:
    void recordSent(qsizetype bytes);
    void programmingRequestSent();
};
