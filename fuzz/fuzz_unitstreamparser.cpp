// Feeds arbitrary byte streams to the simulated unit's stream parser, cut into arbitrary chunks
// as TCP may cut them. Whatever the bytes: every byte fed comes out once, in a packet or still
// pending; and how the stream was cut changes nothing about the packets found.
//
// The first input byte seeds the chunk sizes; the rest is the stream.

#include "FuzzCheck.h"
#include "UnitStreamParser.h"

#include <cstdint>

namespace {

using Packet = UnitStreamParser::Packet;

// Consecutive unframed bytes form one run however the chunks fell.
QList<Packet> joinedRuns(const QList<Packet> &packets)
{
    QList<Packet> joined;
    for (const Packet &packet : packets) {
        if (packet.kind == Packet::Kind::Unframed && !packet.startsRun && !joined.isEmpty() &&
            joined.last().kind == Packet::Kind::Unframed) {
            joined.last().bytes += packet.bytes;
            continue;
        }
        joined << packet;
    }
    return joined;
}

bool samePackets(const QList<Packet> &a, const QList<Packet> &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i].kind != b[i].kind || a[i].bytes != b[i].bytes || a[i].position != b[i].position ||
            a[i].text != b[i].text || a[i].startsRun != b[i].startsRun)
            return false;
    }
    return true;
}

void checkPacket(const Packet &packet)
{
    FUZZ_CHECK(!packet.bytes.isEmpty());
    switch (packet.kind) {
    case Packet::Kind::Record:
        FUZZ_CHECK(packet.bytes.startsWith(':'));
        UnitStreamParser::recordVerdict(packet.bytes);
        FUZZ_CHECK(UnitStreamParser::recordType(packet.bytes) >= -1);
        break;
    case Packet::Kind::Request:
        FUZZ_CHECK(packet.bytes.startsWith("\xFE\x55\xAA\x01"));
        break;
    case Packet::Kind::DisplayClear:
    case Packet::Kind::DisplayText:
    case Packet::Kind::DisplayOther:
        FUZZ_CHECK(quint8(packet.bytes.front()) == 0xF0 && quint8(packet.bytes.back()) == 0xF7);
        break;
    case Packet::Kind::Unframed:
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray stream(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));

    UnitStreamParser whole;
    const QList<Packet> wholePackets = whole.feed(stream);

    UnitStreamParser chunked;
    QList<Packet> chunkedPackets;
    quint32 seed = data[0] * 2654435761u + 1;
    for (qsizetype at = 0; at < stream.size();) {
        seed = seed * 1103515245u + 12345u;
        const qsizetype length = std::min<qsizetype>(1 + (seed >> 16) % 24, stream.size() - at);
        chunkedPackets += chunked.feed(stream.mid(at, length));
        at += length;
    }

    QByteArray accounted;
    for (const Packet &packet : wholePackets) {
        checkPacket(packet);
        accounted += packet.bytes;
    }
    FUZZ_CHECK(accounted + whole.pending() == stream);
    FUZZ_CHECK(chunked.pending() == whole.pending());
    FUZZ_CHECK(samePackets(joinedRuns(wholePackets), joinedRuns(chunkedPackets)));
    return 0;
}
