#include "RawClient.h"

#include "HexFileGenerator.h"
#include "firmware/FirmwareFile.h"
#include "protocol/UnitProtocol.h"

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

class Descriptor
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd = -1;
};

QString systemError(const char *what)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(what),
                                        QString::fromLocal8Bit(strerror(errno)));
}

bool sendAll(int fd, const QByteArray &bytes)
{
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n =
            ::send(fd, bytes.constData() + sent, size_t(bytes.size() - sent), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        sent += n;
    }
    return true;
}

bool receiveExactly(int fd, char *buffer, int length)
{
    int received = 0;
    while (received < length) {
        const ssize_t n = ::recv(fd, buffer + received, size_t(length - received), 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        received += int(n);
    }
    return true;
}

} // namespace

QByteArrayList RawClient::recordsToSend(const QByteArray &fileContents)
{
    // A line ends at CR LF, a lone CR or a lone LF, as the uploader reads it.
    QByteArrayList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < fileContents.size(); ++i) {
        const char c = fileContents.at(i);
        if (c != '\r' && c != '\n')
            continue;
        lines.append(fileContents.mid(start, i - start));
        if (c == '\r' && i + 1 < fileContents.size() && fileContents.at(i + 1) == '\n')
            ++i;
        start = i + 1;
    }
    if (start < fileContents.size())
        lines.append(fileContents.mid(start));
    return HexFileGenerator::sentLines(lines);
}

qint64 RawClient::countRecordsToSend(const QString &path)
{
    FirmwareFile file;
    if (!file.open(path))
        return -1;
    qint64 count = 0;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine();
        if (!line.isEmpty() && !HexFileGenerator::isSkipped(line))
            ++count;
    }
    return count;
}

RawClient::Result RawClient::run(quint16 port, const QByteArray &request,
                                 const QByteArrayList &records)
{
    Result result;
    Descriptor socket(::socket(AF_INET, SOCK_STREAM, 0));
    if (socket.get() < 0) {
        result.error = systemError("socket");
        return result;
    }
    const int on = 1;
    ::setsockopt(socket.get(), IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(socket.get(), reinterpret_cast<const sockaddr *>(&address), sizeof address) !=
        0) {
        result.error = systemError("connect");
        return result;
    }

    char answer[UnitProtocol::kResponseLength];
    auto exchange = [&](const QByteArray &packet) {
        if (!sendAll(socket.get(), packet) ||
            !receiveExactly(socket.get(), answer, UnitProtocol::kResponseLength))
            return false;
        return UnitProtocol::startsWith(QByteArray::fromRawData(answer, sizeof answer),
                                        ResponseCode::Ack);
    };

    const auto start = std::chrono::steady_clock::now();
    if (!exchange(request)) {
        result.error = QStringLiteral("the programming request was not acknowledged");
        return result;
    }
    ++result.exchanges;
    for (const QByteArray &record : records) {
        if (!exchange(record)) {
            result.error = QStringLiteral("record %1 was not acknowledged").arg(result.exchanges);
            return result;
        }
        ++result.exchanges;
    }
    result.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    result.ok = true;
    return result;
}
