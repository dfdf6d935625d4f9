#pragma once

#include <QByteArrayView>

// The few text rules of an Intel HEX line that the uploader, the file check and the simulated
// unit must agree on.
class IntelHexText
{
public:
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

    // Whether the record loads at 0xFC00 to 0xFFFF: its 4th and 5th characters, the high byte of
    // the load address, are "FC", "FD", "FE" or "FF". Such records are never sent. The test is
    // on the text alone and case-sensitive; a line shorter than 5 characters never matches.
    static bool loadsInSkippedRange(QByteArrayView line);

    // Whether the upload passes the line over: a record in the skipped range, or a blank line
    // (an empty send puts nothing on the wire and would never be answered).
    static bool isPassedOver(QByteArrayView line);
};
