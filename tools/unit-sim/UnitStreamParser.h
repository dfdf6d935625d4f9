#pragma once

#include "protocol/UnitProtocol.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

// Finds the uploader's packets in the byte stream the unit receives. Nothing on the wire marks
// where a packet ends and TCP may split or join sends, so each packet is framed by its own
// syntax: a display-text packet runs from 0xF0 to 0xF7, a programming request is FE 55 AA 01 and
// three more bytes, and a record line is ':' plus byte count, address, type, data and checksum
// in hex digits (11 + 2 x count characters). A packet cut short by the end of the received bytes
// waits for the next ones.
//
// Bytes that cannot start or continue a packet (a stray line end, a non-hex character inside a
// record, a damaged header) are dropped one at a time until a lead byte (':', 0xFE or 0xF0)
// begins a packet again. Consecutive dropped bytes form one run; the unit answers each run once.
class UnitStreamParser
{
public:
    struct Packet
    {
        enum class Kind { DisplayClear, DisplayText, DisplayOther, Request, Record, Unframed };
        Kind kind = Kind::Unframed;
        QByteArray bytes;
        quint8 position = 0;    // display text only
        QByteArray text;        // display text only
        bool startsRun = false; // unframed bytes only: the first of a run
    };

    // The packets completed by these bytes, in order.
    QList<Packet> feed(const QByteArray &bytes);
    // Received bytes that do not yet make a whole packet.
    QByteArray pending() const { return m_buffer; }

    // A framed record's verdict: its checksum, then its record type (00 to 05).
    static ResponseCode recordVerdict(QByteArrayView record);
    // A framed record's type field, or -1 when it is not readable.
    static int recordType(QByteArrayView record);

private:
    enum class Frame { Complete, Incomplete, Invalid };
    static Frame frameRecord(QByteArrayView bytes, int *length);
    static Frame frameRequest(QByteArrayView bytes, int *length);
    static Frame frameDisplay(QByteArrayView bytes, int *length);
    static Packet displayPacket(const QByteArray &bytes);

    void addUnframed(QList<Packet> &packets, char byte);

    QByteArray m_buffer;
    bool m_inUnframedRun = false;
};
