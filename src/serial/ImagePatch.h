#pragma once

#include "SerialRegion.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Writes a unit's bytes into an Intel HEX image's text: planned once per image and region (which
// data records hold which bytes of the region), then applied per unit as a copy of the text with
// those records' data digits and checksums rewritten. Everything else stays byte for byte: line
// ends, records and their order, the letter case of untouched text; replaced digits are written
// in the case their record uses.
//
// Lines are split and records sent as the upload does it: records loading at FC00-FFFF are never
// sent, and their extended address records do not move the later records.
class ImagePatch
{
public:
    // Refuses a region that some byte of is not in the image's sent data (naming the missing
    // addresses), or that a record loading at FC00-FFFF writes to. Lines that are not sound
    // records are passed over: the file check refuses them.
    static std::optional<ImagePatch> make(const QByteArray &content, const SerialRegion &region,
                                          QString *problem);

    // content with the region holding bytes (exactly the region's length); content must be the
    // text the patch was made for. Empty when either does not fit.
    QByteArray apply(const QByteArray &content, const QByteArray &bytes) const;

    const SerialRegion &region() const { return m_region; }
    // The 1-based number, among the records the upload sends, of the first one that carries a
    // byte of the region: a unit whose upload ended after fewer records cannot hold the value.
    qint64 firstSentRecord() const { return m_firstSentRecord; }
    // The 1-based lines of the records rewritten, in file order.
    QList<qint64> patchedLineNumbers() const;
    // Those lines as they read in a patched text.
    QStringList patchedLines(const QByteArray &patched) const;

private:
    // One record's share of the region: a run of its data bytes.
    struct Piece
    {
        qsizetype lineStart = 0;
        qsizetype lineLength = 0;
        qint64 lineNumber = 0;
        qsizetype firstDigit = 0; // of the first replaced data byte
        qsizetype checksumAt = 0;
        int valueOffset = 0; // of that byte in the region
        int count = 0;
        quint8 unchangedSum = 0; // of the record's bytes that are not replaced, checksum aside
        bool lowerCase = false;
    };
    class Planner;

    SerialRegion m_region;
    qsizetype m_contentSize = 0;
    QList<Piece> m_pieces;
    qint64 m_firstSentRecord = 0;
};
