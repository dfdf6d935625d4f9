#include "CountingUnitSocket.h"

#include "protocol/UnitProtocol.h"

// No window runs here: the replies are best waited for in the read itself.
CountingUnitSocket::CountingUnitSocket(QObject *parent) : TcpUnitSocket(parent)
{
    setQuickWaits(true);
}

void CountingUnitSocket::send(const QByteArray &bytes)
{
    // A send that finds no connection puts nothing on the wire and is not counted.
    const bool connected = state() == Connected;
    TcpUnitSocket::send(bytes);
    if (!connected)
        return;
    // Records start with ':'; the display texts with F0 to F7, the programming request with FE.
    if (bytes.startsWith(':'))
        Q_EMIT recordSent(bytes.size());
    else if (bytes.startsWith(UnitProtocol::kRequestLead))
        Q_EMIT programmingRequestSent();
}
