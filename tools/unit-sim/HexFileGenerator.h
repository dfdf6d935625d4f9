#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

// Builds Intel HEX firmware files for tests, demos and benchmarks: an extended linear address
// record, data records, a few records that load at 0xFC00-0xFFFF (which the uploader passes
// over) in the middle, and the end-of-file record; optionally damaged in the ways real files are.
// Data addresses stay below 0xFC00 in every 64 KiB segment, so the only records passed over are
// the deliberate ones; a new extended linear address record opens each segment.
class HexFileGenerator
{
public:
    enum class LineEnding { CrLf, Lf, Cr };

    void setDataRecords(int count) { m_dataRecords = count; }
    void setBytesPerRecord(int bytes) { m_bytesPerRecord = bytes; }
    // Records at 0xFC00, 0xFD00, 0xFE00, 0xFF00, 0xFC10, ... placed after half the data.
    void setSkippedRecords(int count) { m_skippedRecords = count; }
    // The upper 16 address bits of the first segment.
    void setBaseSegment(quint16 segment) { m_baseSegment = segment; }
    void setSeed(quint32 seed) { m_seed = seed; }
    void setLineEnding(LineEnding ending) { m_lineEnding = ending; }
    void setLowerCase(bool lower) { m_lowerCase = lower; }
    void setEndRecord(bool present) { m_endRecord = present; }
    void setTrailingBlankLines(int count) { m_trailingBlankLines = count; }
    // The skipped records go at the very end of the file, after the end record if there is one.
    void setEndInsideSkipped(bool atEnd) { m_endInsideSkipped = atEnd; }
    // Damage one line, numbered from 1 as in an editor; 0 damages none. A bad checksum is off by
    // one; a bad record type is 06 with a checksum that fits it.
    void setBadChecksumAtLine(int line) { m_badChecksumLine = line; }
    void setBadRecordTypeAtLine(int line) { m_badRecordTypeLine = line; }

    // The lines without their line ends (blank lines included).
    QByteArrayList lines() const;
    // The whole file.
    QByteArray contents() const;
    bool write(const QString &path) const;
    // The lines an uploader sends, in order: every line but blank ones and those whose 4th and
    // 5th characters are "FC" to "FF".
    QByteArrayList expectedSentLines() const;
    // The number of data bytes in the data records.
    qint64 dataBytes() const { return qint64(m_dataRecords) * m_bytesPerRecord; }

    // One record in Intel HEX syntax, without a line end.
    static QByteArray record(quint8 type, quint16 address, const QByteArray &data,
                             bool lowerCase = false);
    // Whether an uploader passes over this line (case-sensitive, as on the wire).
    static bool isSkipped(const QByteArray &line);
    // The lines an uploader sends from any file's lines.
    static QByteArrayList sentLines(const QByteArrayList &lines);

private:
    QByteArrayList skippedBlock() const;

    int m_dataRecords = 2048;
    int m_bytesPerRecord = 16;
    int m_skippedRecords = 4;
    quint16 m_baseSegment = 0;
    quint32 m_seed = 1;
    LineEnding m_lineEnding = LineEnding::CrLf;
    bool m_lowerCase = false;
    bool m_endRecord = true;
    int m_trailingBlankLines = 0;
    bool m_endInsideSkipped = false;
    int m_badChecksumLine = 0;
    int m_badRecordTypeLine = 0;
};
