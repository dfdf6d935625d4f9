#include "PendingListener.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

sockaddr_in loopback(quint16 port)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

} // namespace

PendingListener::PendingListener()
{
    m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = loopback(0);
    if (::bind(m_listener, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 ||
        ::listen(m_listener, 0) != 0)
        return;
    socklen_t length = sizeof address;
    ::getsockname(m_listener, reinterpret_cast<sockaddr *>(&address), &length);
    const quint16 port = ntohs(address.sin_port);
    // With a backlog of 0 the queue holds one connection; fill it (and one more for kernels that
    // count differently) and never accept.
    for (int &filler : m_filler) {
        filler = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
        sockaddr_in target = loopback(port);
        ::connect(filler, reinterpret_cast<sockaddr *>(&target), sizeof target);
    }
    ::usleep(50 * 1000);
    m_port = port;
}

PendingListener::~PendingListener()
{
    for (int filler : m_filler) {
        if (filler >= 0)
            ::close(filler);
    }
    if (m_listener >= 0)
        ::close(m_listener);
}
