#include "CountingUnitSocket.h"

void CountingUnitSocket::send(const QByteArray &bytes)
{
    // A send that finds no connection puts nothing on the wire and is not counted.
    const bool connected = state() == Connected;
    TcpUnitSocket::send(bytes);
    // Records start with ':'; the programming request and the display texts do not.
    if (connected && bytes.startsWith(':'))
        Q_EMIT recordSent(bytes.size());
}
