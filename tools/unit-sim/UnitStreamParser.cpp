#include "UnitStreamParser.h"

#include "firmware/IntelHexText.h"

#include <algorithm>

namespace {

constexpr char kRecordMark = ':';
constexpr char kDisplayStart = char(0xF0);
constexpr char kDisplayEnd = char(0xF7);
constexpr quint8 kDisplayClear = 0x02;
constexpr quint8 kDisplayText = 0x01;
constexpr int kRequestLength = 7;
constexpr int kRecordOverhead = 11; // ':' + count, address, type and checksum in hex
constexpr int kHighestRecordType = 0x05;
// Start, manufacturer, model, command, position, length, 127 text bytes (all below 0x80), end.
constexpr int kLongestDisplayPacket = 7 + 0x7F;

int hexByte(QByteArrayView text, int at)
{
    const int high = IntelHexText::digitValue(text[at]);
    const int low = IntelHexText::digitValue(text[at + 1]);
    return high < 0 || low < 0 ? -1 : high * 16 + low;
}

} // namespace

QList<UnitStreamParser::Packet> UnitStreamParser::feed(const QByteArray &bytes)
{
    m_buffer.append(bytes);
    QList<Packet> packets;
    qsizetype at = 0;
    while (at < m_buffer.size()) {
        const QByteArrayView rest = QByteArrayView(m_buffer).sliced(at);
        int length = 0;
        Frame frame = Frame::Invalid;
        Packet::Kind kind = Packet::Kind::Unframed;
        switch (rest.front()) {
        case kRecordMark:
            frame = frameRecord(rest, &length);
            kind = Packet::Kind::Record;
            break;
        case UnitProtocol::kRequestLead:
            frame = frameRequest(rest, &length);
            kind = Packet::Kind::Request;
            break;
        case kDisplayStart:
            frame = frameDisplay(rest, &length);
            kind = Packet::Kind::DisplayOther;
            break;
        default:
            break;
        }
        if (frame == Frame::Incomplete)
            break;
        if (frame == Frame::Invalid) {
            addUnframed(packets, rest.front());
            ++at;
            continue;
        }
        const QByteArray packetBytes = rest.first(length).toByteArray();
        Packet packet = kind == Packet::Kind::DisplayOther ? displayPacket(packetBytes) : Packet{};
        if (kind != Packet::Kind::DisplayOther) {
            packet.kind = kind;
            packet.bytes = packetBytes;
        }
        packets.append(packet);
        m_inUnframedRun = false;
        at += length;
    }
    m_buffer.remove(0, at);
    return packets;
}

void UnitStreamParser::addUnframed(QList<Packet> &packets, char byte)
{
    if (!packets.isEmpty() && packets.last().kind == Packet::Kind::Unframed) {
        packets.last().bytes.append(byte);
        return;
    }
    Packet packet;
    packet.bytes.append(byte);
    packet.startsRun = !m_inUnframedRun;
    packets.append(packet);
    m_inUnframedRun = true;
}

UnitStreamParser::Frame UnitStreamParser::frameRecord(QByteArrayView bytes, int *length)
{
    // Every character after the mark must be a hex digit, so garbage is caught as soon as it
    // arrives rather than when the record would be complete.
    int needed = kRecordOverhead;
    if (bytes.size() >= 3) {
        const int count = hexByte(bytes, 1);
        if (count < 0)
            return Frame::Invalid;
        needed = kRecordOverhead + 2 * count;
    }
    const qsizetype available = std::min<qsizetype>(bytes.size(), needed);
    for (qsizetype i = 1; i < available; ++i) {
        if (IntelHexText::digitValue(bytes[i]) < 0)
            return Frame::Invalid;
    }
    if (bytes.size() < needed)
        return Frame::Incomplete;
    *length = needed;
    return Frame::Complete;
}

UnitStreamParser::Frame UnitStreamParser::frameRequest(QByteArrayView bytes, int *length)
{
    static const QByteArray header("\xFE\x55\xAA\x01", 4);
    const qsizetype compared = std::min<qsizetype>(bytes.size(), header.size());
    if (bytes.first(compared) != QByteArrayView(header).first(compared))
        return Frame::Invalid;
    if (bytes.size() < kRequestLength)
        return Frame::Incomplete;
    *length = kRequestLength;
    return Frame::Complete;
}

UnitStreamParser::Frame UnitStreamParser::frameDisplay(QByteArrayView bytes, int *length)
{
    for (qsizetype i = 1; i < bytes.size(); ++i) {
        if (bytes[i] == kDisplayEnd) {
            *length = int(i + 1);
            return Frame::Complete;
        }
        if (quint8(bytes[i]) >= 0x80 || i + 1 >= kLongestDisplayPacket)
            return Frame::Invalid;
    }
    return Frame::Incomplete;
}

UnitStreamParser::Packet UnitStreamParser::displayPacket(const QByteArray &bytes)
{
    Packet packet;
    packet.kind = Packet::Kind::DisplayOther;
    packet.bytes = bytes;
    // F0, manufacturer, model, command, ..., F7
    if (bytes.size() < 5)
        return packet;
    const quint8 command = quint8(bytes[3]);
    if (command == kDisplayClear) {
        packet.kind = Packet::Kind::DisplayClear;
    } else if (command == kDisplayText && bytes.size() >= 7) {
        const int textLength = quint8(bytes[5]);
        // A length byte that disagrees with the text is kept as an unknown display packet.
        if (bytes.size() == 7 + textLength) {
            packet.kind = Packet::Kind::DisplayText;
            packet.position = quint8(bytes[4]);
            packet.text = bytes.mid(6, textLength);
        }
    }
    return packet;
}

ResponseCode UnitStreamParser::recordVerdict(QByteArrayView record)
{
    quint8 sum = 0;
    for (qsizetype i = 1; i + 1 < record.size(); i += 2) {
        const int value = hexByte(record, int(i));
        if (value < 0)
            return ResponseCode::NakChecksum;
        sum = quint8(sum + value);
    }
    if (sum != 0)
        return ResponseCode::NakChecksum;
    return recordType(record) > kHighestRecordType ? ResponseCode::NakRecordType
                                                   : ResponseCode::Ack;
}

int UnitStreamParser::recordType(QByteArrayView record)
{
    return record.size() >= kRecordOverhead ? hexByte(record, 7) : -1;
}
