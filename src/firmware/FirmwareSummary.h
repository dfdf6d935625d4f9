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

// What every front-end shows about a firmware image, computed in one place so that the window,
// the command line and the station never disagree about the records, the addresses or the hash.
class FirmwareSummary
{
public:
    // The summary of an Intel HEX image given as the file's bytes. Lines are split as the upload
    // reads them, and only what the upload would send is counted. Lines that are not sound
    // records are counted as sent when the upload would send them, but add no data.
    static FirmwareSummary fromContent(const QByteArray &content);

    qint64 sizeBytes = 0;
    // Record lines that will be sent; passed-over records are not among them.
    int records = 0;
    // Data bytes of the data records that will be sent.
    qint64 dataBytes = 0;
    // Contiguous absolute address ranges of the data sent, merged and in ascending order.
    QList<FirmwareAddressRange> ranges;
    // Lowercase hexadecimal SHA-256 of the file's bytes.
    QByteArray sha256;
    // 1-based line numbers of records that are never sent (blank lines are not records).
    QList<int> passedOverLines;

    // e.g. "0x00000000-0x00007FFF, 0x00010000-0x000100FF"; "none" without data.
    QString rangesText() const;
    // Lines for a person: records, data bytes, ranges, SHA-256 and the records passed over.
    QStringList describe() const;
    // {"size":..,"records":..,"data_bytes":..,"ranges":[{"first":"0x..","last":"0x.."}],
    //  "sha256":"..","passed_over_lines":[..]}
    QJsonObject toJson() const;
};
