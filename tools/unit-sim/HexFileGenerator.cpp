#include "HexFileGenerator.h"

#include "firmware/IntelHexText.h"

#include "protocol/UnitProtocol.h"

#include <QFile>

namespace {

constexpr quint8 kDataType = 0x00;
constexpr quint8 kEndOfFileType = 0x01;
constexpr quint8 kExtendedLinearAddressType = 0x04;
constexpr quint8 kUndefinedType = 0x06;
constexpr quint32 kSkippedRegion = 0xFC00;
constexpr int kSkippedPages = 4; // 0xFC, 0xFD, 0xFE, 0xFF

QByteArray segmentRecord(quint16 segment, bool lowerCase)
{
    QByteArray data;
    data.append(char(segment >> 8)).append(char(segment & 0xFF));
    return HexFileGenerator::record(kExtendedLinearAddressType, 0, data, lowerCase);
}

// The same bytes for the same seed on every platform.
class ByteSource
{
public:
    explicit ByteSource(quint32 seed) : m_state(seed) {}
    char next()
    {
        m_state = m_state * 1664525u + 1013904223u;
        return char(m_state >> 24);
    }

private:
    quint32 m_state;
};

QByteArray withType(const QByteArray &line, quint8 type, bool lowerCase)
{
    const QByteArray bytes = QByteArray::fromHex(line.mid(1));
    QByteArray body = bytes.left(bytes.size() - 1);
    return HexFileGenerator::record(type, quint16(quint8(body[1]) << 8 | quint8(body[2])),
                                    body.mid(4), lowerCase);
}

QByteArray withBadChecksum(const QByteArray &line, bool lowerCase)
{
    QByteArray bytes = QByteArray::fromHex(line.mid(1));
    bytes.back() = char(quint8(bytes.back()) + 1);
    QByteArray hex = bytes.toHex();
    if (!lowerCase)
        hex = hex.toUpper();
    return ':' + hex;
}

} // namespace

QByteArray HexFileGenerator::record(quint8 type, quint16 address, const QByteArray &data,
                                    bool lowerCase)
{
    QByteArray bytes;
    bytes.append(char(data.size())).append(char(address >> 8)).append(char(address & 0xFF));
    bytes.append(char(type)).append(data);
    bytes.append(char(UnitProtocol::checksum(bytes)));
    const QByteArray hex = bytes.toHex();
    return ':' + (lowerCase ? hex : hex.toUpper());
}

bool HexFileGenerator::isSkipped(const QByteArray &line)
{
    return IntelHexText::loadsInSkippedRange(line);
}

QByteArrayList HexFileGenerator::sentLines(const QByteArrayList &lines)
{
    QByteArrayList sent;
    for (const QByteArray &line : lines) {
        if (!line.isEmpty() && !isSkipped(line))
            sent.append(line);
    }
    return sent;
}

QByteArrayList HexFileGenerator::skippedBlock() const
{
    QByteArrayList block;
    ByteSource source(m_seed ^ 0xFC00FC00u);
    for (int i = 0; i < m_skippedRecords; ++i) {
        const quint16 address =
            quint16(kSkippedRegion + (i % kSkippedPages) * 0x100 + (i / kSkippedPages) * 0x10);
        QByteArray data;
        for (int b = 0; b < m_bytesPerRecord; ++b)
            data.append(source.next());
        block.append(record(kDataType, address, data, m_lowerCase));
    }
    return block;
}

QByteArrayList HexFileGenerator::lines() const
{
    QByteArrayList result;
    ByteSource source(m_seed);
    quint16 segment = m_baseSegment;
    quint32 address = 0;
    result.append(segmentRecord(segment, m_lowerCase));
    for (int i = 0; i < m_dataRecords; ++i) {
        if (i == m_dataRecords / 2 && !m_endInsideSkipped)
            result += skippedBlock();
        if (address + quint32(m_bytesPerRecord) > kSkippedRegion) {
            address = 0;
            result.append(segmentRecord(++segment, m_lowerCase));
        }
        QByteArray data;
        for (int b = 0; b < m_bytesPerRecord; ++b)
            data.append(source.next());
        result.append(record(kDataType, quint16(address), data, m_lowerCase));
        address += quint32(m_bytesPerRecord);
    }
    if (m_dataRecords == 0 && !m_endInsideSkipped)
        result += skippedBlock();
    if (m_endRecord)
        result.append(record(kEndOfFileType, 0, {}, m_lowerCase));
    if (m_endInsideSkipped)
        result += skippedBlock();

    if (m_badChecksumLine > 0 && m_badChecksumLine <= result.size())
        result[m_badChecksumLine - 1] = withBadChecksum(result[m_badChecksumLine - 1], m_lowerCase);
    if (m_badRecordTypeLine > 0 && m_badRecordTypeLine <= result.size())
        result[m_badRecordTypeLine - 1] =
            withType(result[m_badRecordTypeLine - 1], kUndefinedType, m_lowerCase);
    for (int i = 0; i < m_trailingBlankLines; ++i)
        result.append(QByteArray());
    return result;
}

QByteArray HexFileGenerator::contents() const
{
    const char *ending = m_lineEnding == LineEnding::CrLf ? "\r\n"
                         : m_lineEnding == LineEnding::Lf ? "\n"
                                                          : "\r";
    QByteArray text;
    for (const QByteArray &line : lines())
        text += line + ending;
    return text;
}

bool HexFileGenerator::write(const QString &path) const
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(contents()) >= 0 && file.flush();
}

QByteArrayList HexFileGenerator::expectedSentLines() const
{
    return sentLines(lines());
}
