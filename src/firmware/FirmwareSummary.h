#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class QJsonObject;

// Absolute load addresses, both ends included.
struct FirmwareAddressRange
{
    quint32 first = 0;
    quint32 last = 0;
};

// Addresses that two records sent one after the other write with different bytes. The unit takes
// the records in file order, so it keeps the later line's bytes.
struct FirmwareOverlap
{
    FirmwareAddressRange range;
    int earlierLine = 0;
    int laterLine = 0;
};

// What every front-end shows about a firmware image, computed in one place so that the window,
// the command line and the station never disagree about the records, the addresses or the hash.
class FirmwareSummary
{
public:
    // The summary of an Intel HEX image given as the file's bytes. Lines are split as the upload
    // reads them, and only what the upload would send is counted. Lines that are not sound
    // records are counted as sent when the upload would send them, but add no data.
    static FirmwareSummary fromContent(const QByteArray &content);

    // The overlaps kept in the summary; the rest are only counted, so that a file made to
    // contradict itself everywhere cannot make the summary huge.
    static constexpr qsizetype kMaxKeptOverlaps = 100;

    qint64 sizeBytes = 0;
    // Record lines that will be sent; passed-over records are not among them.
    int records = 0;
    // Addresses that the data records to be sent write, each counted once.
    qint64 dataBytes = 0;
    // Contiguous absolute address ranges of the data sent, merged and in ascending order.
    QList<FirmwareAddressRange> ranges;
    // Lowercase hexadecimal SHA-256 of the file's bytes.
    QByteArray sha256;
    // 1-based line numbers of records that are never sent (blank lines are not records).
    QList<int> passedOverLines;
    // The first kMaxKeptOverlaps found, in address order; overlapCount counts all.
    QList<FirmwareOverlap> overlaps;
    qint64 overlapCount = 0;

    // e.g. "0x00000000-0x00007FFF, 0x00010000-0x000100FF"; "none" without data.
    QString rangesText() const;
    // Lines for a person: records, data bytes, ranges, SHA-256, the records passed over and,
    // when there are any, the overlaps.
    QStringList describe() const;
    // The overlaps for a person, nothing when there are none: a heading that says which bytes
    // the unit keeps, then one line per overlap.
    QStringList describeOverlaps() const;
    // {"size":..,"records":..,"data_bytes":..,"ranges":[{"first":"0x..","last":"0x.."}],
    //  "sha256":"..","passed_over_lines":[..],
    //  "overlaps":[{"first":"0x..","last":"0x..","lines":[earlier, later]}],"overlap_count":..}
    QJsonObject toJson() const;

private:
    // "Passed over (load address FC00 to FFFF): ..." with the lines, or none.
    QString passedOverLine() const;
};
