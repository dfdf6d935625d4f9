#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The unit's verdict on the last packet sent: the fourth byte of its 8-byte answer.
enum class ResponseCode : quint8 {
    Ack = 0x00,
    NakChecksum = 0x01,
    NakProductCode = 0x02,
    NakRecordType = 0x03,
    Unknown = 0xFF,
};

// Every byte the uploader and the unit exchange. Pure functions on byte strings, no I/O.
class UnitProtocol
{
public:
    static constexpr int kResponseLength = 8;
    static constexpr int kUnknownResponseLength = 6;
    static constexpr char kResponseLead = char(0xFD);
    static constexpr char kRequestLead = char(0xFE);

    // The codes in the order the receiver examines them.
    static constexpr ResponseCode kExaminationOrder[] = {
        ResponseCode::Ack, ResponseCode::NakChecksum, ResponseCode::NakProductCode,
        ResponseCode::NakRecordType, ResponseCode::Unknown};

    // The programming request of the profile the title selects; empty when none applies.
    static QByteArray programmingRequest(const QString &title);

    // The display-text packets sent before the transfer, in order; none for most profiles.
    static QList<QByteArray> displayTextPackets(const QString &title);
    static QByteArray displayClearPacket(quint8 model);
    static QByteArray displayTextPacket(quint8 model, quint8 position, const QByteArray &text);

    // FD 55 AA followed by the code.
    static QByteArray responseHeader(ResponseCode code);
    // A whole 8-byte response with the given 4-byte tail (padded or cut to 4 bytes).
    static QByteArray response(ResponseCode code, const QByteArray &tail = QByteArray(4, '\0'));
    // How many bytes a response with this code takes from the receive buffer.
    static int consumedLength(ResponseCode code);
    // Whether the buffer starts with the header of this code.
    static bool startsWith(const QByteArray &buffer, ResponseCode code);
    // The code whose header the buffer starts with, if any.
    static std::optional<ResponseCode> recognise(const QByteArray &buffer);

    // The 8-bit two's-complement checksum that makes the bytes sum to zero.
    static quint8 checksum(const QByteArray &bytes);
};
