#pragma once

#include <QByteArrayView>

// The few text rules of an Intel HEX line that the uploader, the file check and the simulated
// unit must agree on.
class IntelHexText
{
public:
    // The longest possible record: ':' + count + address + type + 255 data bytes + checksum.
    static constexpr qsizetype kMaxRecordLength = 1 + 2 * (1 + 2 + 1 + 255 + 1);
    // Record types 00 to 05; higher ones are unknown.
    static constexpr int kRecordTypes = 6;
    // The high byte of the first load address whose records are never sent (0xFC00).
    static constexpr int kSkippedHighByte = 0xFC;

    // 0-15 for a hexadecimal digit of either case, -1 for anything else. In the header: the file
    // check calls it for every character of the file.
    static constexpr int digitValue(char c)
    {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        return -1;
    }

    // The data bytes a record type must carry, -1 for any (data records). type: 0 to 5.
    static constexpr int requiredDataLength(int type)
    {
        constexpr int lengths[kRecordTypes] = {-1, 0, 2, 4, 2, 4};
        return lengths[type];
    }

    // Whether the record loads at 0xFC00 to 0xFFFF: its 4th and 5th characters, the high byte of
    // the load address, read as a number of FC or above. Such records are never sent. Decided by
    // the value, so that a file written in lower-case digits keeps back the same records as the
    // same file in upper case; a line shorter than 5 characters, or without two digits there,
    // never matches.
    static bool loadsInSkippedRange(QByteArrayView line);

    // Whether the upload passes the line over: a record in the skipped range, or a blank line
    // (an empty send puts nothing on the wire and would never be answered).
    static bool isPassedOver(QByteArrayView line);
};
