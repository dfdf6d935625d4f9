#include "ImagePatch.h"

#include "SerialNumberText.h"
#include "firmware/IntelHexText.h"
#include "platform/CoreText.h"

#include <array>

namespace {

constexpr int kDataType = 0x00;
constexpr int kExtendedSegmentType = 0x02;
constexpr int kExtendedLinearType = 0x04;
constexpr qsizetype kRecordOverhead = 11; // ':' + count, address, type and checksum
constexpr qsizetype kFirstDataDigit = 9;

enum class LetterCase { None, Upper, Lower };

void setProblem(QString *problem, const QString &text)
{
    if (problem)
        *problem = text;
}

// A sound record's bytes (count, address, type, data, checksum), or nothing.
std::optional<QByteArray> decodeRecord(QByteArrayView line)
{
    if (line.size() < kRecordOverhead || line.size() % 2 == 0 || line.front() != ':')
        return std::nullopt;
    QByteArray bytes((line.size() - 1) / 2, '\0');
    unsigned sum = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const int high = IntelHexText::digitValue(line.at(1 + 2 * i));
        const int low = IntelHexText::digitValue(line.at(2 + 2 * i));
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes[i] = char(high * 16 + low);
        sum += unsigned(high * 16 + low);
    }
    const int count = static_cast<unsigned char>(bytes.at(0));
    const int type = static_cast<unsigned char>(bytes.at(3));
    if (count != bytes.size() - 5 || (sum & 0xFF) != 0 || type >= IntelHexText::kRecordTypes)
        return std::nullopt;
    return bytes;
}

LetterCase letterCaseOf(QByteArrayView line)
{
    for (const char c : line) {
        if (c >= 'a' && c <= 'f')
            return LetterCase::Lower;
        if (c >= 'A' && c <= 'F')
            return LetterCase::Upper;
    }
    return LetterCase::None;
}

void writeByte(char *at, quint8 value, bool lowerCase)
{
    const char *digits = lowerCase ? "0123456789abcdef" : "0123456789ABCDEF";
    at[0] = digits[value >> 4];
    at[1] = digits[value & 0x0F];
}

// "0x7FF2-0x7FF3, 0x7FF8": the region's addresses whose bit in covered is clear.
QString uncoveredRanges(const SerialRegion &region, quint64 covered)
{
    QStringList ranges;
    for (int i = 0; i < region.length;) {
        if (covered >> i & 1) {
            ++i;
            continue;
        }
        int last = i;
        while (last + 1 < region.length && !(covered >> (last + 1) & 1))
            ++last;
        QString range = SerialNumberText::hex(region.address + quint64(i));
        if (last > i)
            range += QLatin1Char('-') + SerialNumberText::hex(region.address + quint64(last));
        ranges.append(range);
        i = last + 1;
    }
    return ranges.join(QStringLiteral(", "));
}

} // namespace

// One pass over the image's lines, as the upload splits and sends them.
class ImagePatch::Planner
{
public:
    Planner(const QByteArray &content, const SerialRegion &region)
        : m_content(content), m_region(region)
    {}

    bool run(ImagePatch &patch, QString *problem)
    {
        patch.m_region = m_region;
        patch.m_contentSize = m_content.size();
        for (qsizetype at = 0; at < m_content.size();) {
            qsizetype end = at;
            while (end < m_content.size() && m_content.at(end) != '\n' && m_content.at(end) != '\r')
                ++end;
            ++m_lineNumber;
            if (!takeLine(at, end - at, patch, problem))
                return false;
            at = end + 1;
            if (end + 1 < m_content.size() && m_content.at(end) == '\r' &&
                m_content.at(end + 1) == '\n')
                ++at;
        }
        for (Piece &piece : patch.m_pieces) {
            if (letterCaseOf(QByteArrayView(m_content).sliced(piece.lineStart, piece.lineLength)) ==
                LetterCase::None)
                piece.lowerCase = m_fileCase == LetterCase::Lower;
        }
        const quint64 all = (quint64(1) << m_region.length) - 1;
        if (m_covered != all) {
            setProblem(problem, CoreText::english("the region %1: %2 not in the image's data")
                                    .arg(m_region.text(), uncoveredRanges(m_region, m_covered)));
            return false;
        }
        return true;
    }

private:
    bool takeLine(qsizetype start, qsizetype length, ImagePatch &patch, QString *problem)
    {
        const QByteArrayView line = QByteArrayView(m_content).sliced(start, length);
        const bool sent = !IntelHexText::isPassedOver(line);
        if (sent)
            ++m_sentRecords;
        const auto bytes = decodeRecord(line);
        if (!bytes)
            return true;
        if (m_fileCase == LetterCase::None)
            m_fileCase = letterCaseOf(line);
        const auto byteAt = [&](qsizetype i) { return quint8(bytes->at(i)); };
        const int type = byteAt(3);
        const quint64 word = quint64(byteAt(4)) << 8 | byteAt(5);
        if (sent && type == kExtendedSegmentType)
            m_base = word << 4;
        else if (sent && type == kExtendedLinearType)
            m_base = word << 16;
        if (type != kDataType)
            return true;
        const quint64 first = m_base + (quint64(byteAt(1)) << 8 | byteAt(2));
        const int count = byteAt(0);
        const quint64 from = std::max<quint64>(first, m_region.address);
        const quint64 to = std::min<quint64>(first + quint64(count), m_region.end());
        if (from >= to)
            return true;
        if (!sent) {
            setProblem(problem, CoreText::english(
                                    "the region %1: line %2 writes to it but loads at FC00-FFFF, "
                                    "where records are never sent")
                                    .arg(m_region.text())
                                    .arg(m_lineNumber));
            return false;
        }
        if (patch.m_firstSentRecord == 0)
            patch.m_firstSentRecord = m_sentRecords;
        patch.m_pieces.append(piece(*bytes, start, length, first, from, to));
        return true;
    }

    Piece piece(const QByteArray &bytes, qsizetype start, qsizetype length, quint64 first,
                quint64 from, quint64 to)
    {
        Piece piece;
        piece.lineStart = start;
        piece.lineLength = length;
        piece.lineNumber = m_lineNumber;
        const int inRecord = int(from - first);
        piece.firstDigit = start + kFirstDataDigit + 2 * inRecord;
        piece.checksumAt = start + length - 2;
        piece.valueOffset = int(from - m_region.address);
        piece.count = int(to - from);
        unsigned sum = 0;
        for (qsizetype i = 0; i + 1 < bytes.size(); ++i) {
            const bool replaced = i >= 4 + inRecord && i < 4 + inRecord + piece.count;
            if (!replaced)
                sum += quint8(bytes.at(i));
        }
        piece.unchangedSum = quint8(sum);
        piece.lowerCase =
            letterCaseOf(QByteArrayView(m_content).sliced(start, length)) == LetterCase::Lower;
        for (int i = 0; i < piece.count; ++i)
            m_covered |= quint64(1) << (piece.valueOffset + i);
        return piece;
    }

    const QByteArray &m_content;
    const SerialRegion m_region;
    qint64 m_lineNumber = 0;
    qint64 m_sentRecords = 0;
    quint64 m_base = 0;
    quint64 m_covered = 0;
    LetterCase m_fileCase = LetterCase::None;
};

std::optional<ImagePatch> ImagePatch::make(const QByteArray &content, const SerialRegion &region,
                                           QString *problem)
{
    if (region.length < 1 || region.length > SerialRegion::kMaxLength) {
        setProblem(problem, CoreText::english("the region %1 is not 1 to %2 bytes long")
                                .arg(region.text())
                                .arg(SerialRegion::kMaxLength));
        return std::nullopt;
    }
    ImagePatch patch;
    Planner planner(content, region);
    if (!planner.run(patch, problem))
        return std::nullopt;
    return patch;
}

QByteArray ImagePatch::apply(const QByteArray &content, const QByteArray &bytes) const
{
    if (bytes.size() != m_region.length || content.size() != m_contentSize)
        return {};
    QByteArray patched = content;
    char *text = patched.data();
    for (const Piece &piece : m_pieces) {
        unsigned sum = piece.unchangedSum;
        for (int i = 0; i < piece.count; ++i) {
            const auto value = quint8(bytes.at(piece.valueOffset + i));
            writeByte(text + piece.firstDigit + 2 * i, value, piece.lowerCase);
            sum += value;
        }
        writeByte(text + piece.checksumAt, quint8(0x100 - (sum & 0xFF)), piece.lowerCase);
    }
    return patched;
}

QList<qint64> ImagePatch::patchedLineNumbers() const
{
    QList<qint64> lines;
    for (const Piece &piece : m_pieces)
        lines.append(piece.lineNumber);
    return lines;
}

QStringList ImagePatch::patchedLines(const QByteArray &patched) const
{
    QStringList lines;
    if (patched.size() != m_contentSize)
        return lines;
    for (const Piece &piece : m_pieces)
        lines.append(QString::fromLatin1(patched.sliced(piece.lineStart, piece.lineLength)));
    return lines;
}
