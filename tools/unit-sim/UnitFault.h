#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// A misbehaviour the simulated unit shows on demand, tied to one packet of a connection.
// Packets are counted per connection from 0: the programming request is packet 0, the first
// record line packet 1, and so on. Display-text packets are not answered and not counted.
// Several faults on the same packet combine: a code change, stray bytes, a second response,
// sending twice and splitting all shape the one answer.
struct UnitFault
{
    enum class Kind {
        NakChecksum,      // answer NakChecksum instead of the verdict
        NakProductCode,   // answer NakProductCode
        NakRecordType,    // answer NakRecordType
        Unknown,          // answer with the code 0xFF
        UnrecognisedCode, // answer with a code outside the table (default 0x04)
        StrayBytes,       // `count` bytes (never 0xFD) before the answer, in the same write
        Split,            // the answer in fragments of `count` bytes, written with a gap between
        Pair,   // a second response in the same write; `codes` = {second} or {first, second}
        Twice,  // the answer written twice, as two writes; with `count`, the copy `count` ms
                // after the answer, on its own, so that answers to later packets go first
        Silent, // no answer to this packet or any later one; the connection stays open
        Close,  // close the connection instead of answering
        Reset,  // reset the connection (RST) instead of answering
        Babble, // no answer from this packet on, but a stray byte (or a response with the code
                // in `codes`) every kBabbleInterval, for as long as the connection lasts
        Late,   // the answer `count` milliseconds late
    };

    static constexpr int kBabbleIntervalMs = 50;

    // A packet index that stands for the record whose type is 01 (the end-of-file record), the
    // last line an uploader sends whatever the file's length.
    static constexpr int kEndRecord = -1;
    // A connection number that stands for every connection.
    static constexpr int kEveryConnection = 0;

    Kind kind = Kind::NakChecksum;
    int packet = 0;
    int connection = kEveryConnection; // 1 for the first connection
    int count = 0;       // stray bytes, fragment size or milliseconds; 0 = the kind's default
    QList<quint8> codes; // response codes for UnrecognisedCode and Pair

    bool appliesTo(int connectionNumber, int packetIndex, bool isEndRecord) const;
    int effectiveCount() const;

    // "KIND[:ARG]@N[#C]": N is a packet index or "eof", C a connection number (from 1).
    static std::optional<UnitFault> parse(const QString &text, QString *error = nullptr);
    QString toString() const;
    // Every KIND with its argument, for help texts.
    static QStringList syntaxHelp();

    // The help and the complaints about a fault are for the person who asked for it.
    Q_DECLARE_TR_FUNCTIONS(UnitFault)
};
