#pragma once

#include "DataLayout.h"
#include "IntelHexCheck.h"

#include <QByteArray>
#include <QByteArrayView>

#include <array>
#include <memory>

struct SHA256state_st;

// One pass over a firmware file's bytes that checks every line (IntelHexCheck's rules), sums what
// the upload would send (FirmwareSummary) and takes the SHA-256, fed the bytes in pieces of any
// size as they are read, so that a file is never held twice and a check needs no copy of it.
//
// A sound record is decoded, validated and summed in place with one table lookup per character;
// only a line with a problem is looked at again, to say what is wrong with it. Lines are split as
// the upload reads them (CR LF, lone CR, lone LF), also across the pieces.
class IntelHexScanner
{
public:
    IntelHexScanner();
    ~IntelHexScanner();
    IntelHexScanner(const IntelHexScanner &) = delete;
    IntelHexScanner &operator=(const IntelHexScanner &) = delete;

    void feed(QByteArrayView bytes);
    // After the last piece: the last line, the checks on the file as a whole, and the summary.
    IntelHexCheck::Result finish();

private:
    // Where the lines of a piece are taken; returns the end of the line's terminator, or nullptr
    // when the line goes on past `end`.
    const char *takeLineAt(const char *line, const char *end);
    const char *continueCarriedLine(const char *from, const char *end);
    const char *afterLineEnd(const char *lineEnd, const char *end);
    void takeLine(QByteArrayView line);
    void takeSoundRecord(qsizetype length);
    void takeDamagedLine(QByteArrayView line);
    void countLine(bool passedOver);
    void setProblem(qint64 line, const QString &text);
    std::optional<IntelHexCheck::Problem> fileProblem() const;

    IntelHexCheck::Result m_result;
    std::unique_ptr<SHA256state_st> m_hash;
    DataLayout m_layout;
    // The decoded bytes of the line being taken: count, address, type, data, checksum.
    std::array<quint8, (IntelHexText::kMaxRecordLength - 1) / 2> m_bytes{};
    // The start of a line that the previous piece cut off; at most one byte more than a record
    // can be long, which is enough to tell that it is too long.
    QByteArray m_carried;
    bool m_carrying = false;
    // The previous piece ended in a CR: a LF at the start of this one belongs to it.
    bool m_skipLineFeed = false;
    qint64 m_size = 0;
    qint64 m_lineNumber = 0;
    qint64 m_lastRecordLine = 0;
    int m_lastRecordType = -1;
    bool m_lastRecordPassedOver = false;
    qint64 m_endOfFileLine = 0;
    quint32 m_base = 0;
};
