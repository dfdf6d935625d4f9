#include "UnitProtocol.h"

#include "connection/ProductProfile.h"

namespace {

constexpr quint8 kSysExStart = 0xF0;
constexpr quint8 kSysExEnd = 0xF7;
constexpr quint8 kManufacturer = 0x7D;
constexpr quint8 kDisplayClear = 0x02;
constexpr quint8 kDisplayText = 0x01;
constexpr quint8 kFirstLine = 0x00;
constexpr quint8 kSecondLine = 0x40;

quint8 modelByte(const ProductProfile &profile)
{
    return quint8(profile.requestBytes().at(5));
}

} // namespace

QByteArray UnitProtocol::programmingRequest(const QString &title)
{
    const ProductProfile *profile = ProductProfile::forTitle(title);
    return profile ? profile->requestBytes() : QByteArray();
}

QList<QByteArray> UnitProtocol::displayTextPackets(const QString &title)
{
    const ProductProfile *profile = ProductProfile::forTitle(title);
    if (!profile || !profile->hasDisplay)
        return {};
    const quint8 model = modelByte(*profile);
    return {displayClearPacket(model),
            displayTextPacket(model, kFirstLine, QByteArrayLiteral("Updating firmware...")),
            displayTextPacket(model, kSecondLine, QByteArrayLiteral("Do not press any buttons!"))};
}

QByteArray UnitProtocol::displayClearPacket(quint8 model)
{
    QByteArray packet;
    packet.append(char(kSysExStart)).append(char(kManufacturer)).append(char(model));
    packet.append(char(kDisplayClear)).append('\0').append(char(kSysExEnd));
    return packet;
}

QByteArray UnitProtocol::displayTextPacket(quint8 model, quint8 position, const QByteArray &text)
{
    QByteArray packet;
    packet.append(char(kSysExStart)).append(char(kManufacturer)).append(char(model));
    packet.append(char(kDisplayText)).append(char(position)).append(char(quint8(text.size())));
    packet.append(text).append(char(kSysExEnd));
    return packet;
}

QByteArray UnitProtocol::responseHeader(ResponseCode code)
{
    QByteArray header("\xFD\x55\xAA", 3);
    header.append(char(code));
    return header;
}

QByteArray UnitProtocol::response(ResponseCode code, const QByteArray &tail)
{
    QByteArray bytes = responseHeader(code);
    bytes.append(tail.left(4));
    while (bytes.size() < kResponseLength)
        bytes.append('\0');
    return bytes;
}

int UnitProtocol::consumedLength(ResponseCode code)
{
    return code == ResponseCode::Unknown ? kUnknownResponseLength : kResponseLength;
}

bool UnitProtocol::startsWith(const QByteArray &buffer, ResponseCode code)
{
    // Called up to five times per answer: compared in place, nothing is built.
    return buffer.size() >= 4 && buffer.at(0) == kResponseLead && buffer.at(1) == char(0x55) &&
           buffer.at(2) == char(0xAA) && buffer.at(3) == char(code);
}

std::optional<ResponseCode> UnitProtocol::recognise(const QByteArray &buffer)
{
    for (ResponseCode code : kExaminationOrder) {
        if (startsWith(buffer, code))
            return code;
    }
    return std::nullopt;
}

quint8 UnitProtocol::checksum(const QByteArray &bytes)
{
    quint8 sum = 0;
    for (char byte : bytes)
        sum = quint8(sum + quint8(byte));
    return quint8(0x100 - sum);
}
