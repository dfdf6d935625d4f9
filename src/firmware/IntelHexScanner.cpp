#include "IntelHexScanner.h"

#include "platform/CoreText.h"

// The one-call SHA-256 functions: OpenSSL 3 marks them as superseded by its provider interface,
// whose set-up costs a short upload more than hashing its file does.
#define OPENSSL_API_COMPAT 10101
#include <openssl/sha.h>

#include <algorithm>

namespace {

constexpr int kDataType = 0x00;
constexpr int kEndOfFileType = 0x01;
constexpr int kExtendedSegmentType = 0x02;
constexpr int kExtendedLinearType = 0x04;
constexpr qsizetype kRecordOverhead = 11; // ':' + count, address, type and checksum
constexpr qsizetype kCarriedLimit = IntelHexText::kMaxRecordLength + 1;

// Bit 4 marks a character that is no hexadecimal digit: or-ed over a line, it tells in one test
// whether every character was one.
constexpr unsigned kNotDigit = 0x10;

constexpr std::array<quint8, 256> makeDigitTable()
{
    std::array<quint8, 256> table{};
    for (int c = 0; c < 256; ++c) {
        const int value = IntelHexText::digitValue(char(c));
        table[std::size_t(c)] = quint8(value < 0 ? kNotDigit : unsigned(value));
    }
    return table;
}
constexpr std::array<quint8, 256> kDigits = makeDigitTable();

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

// Decodes a whole line into bytes when it is a sound record; false otherwise, leaving the bytes
// undefined. Every character is looked up once and every byte summed in the same loop.
bool decodeSoundRecord(const char *line, qsizetype length, quint8 *bytes)
{
    if (length < kRecordOverhead || length > IntelHexText::kMaxRecordLength || length % 2 == 0 ||
        line[0] != ':')
        return false;
    const qsizetype count = (length - 1) / 2;
    const auto *digits = reinterpret_cast<const uchar *>(line + 1);
    unsigned flags = 0;
    unsigned sum = 0;
    for (qsizetype i = 0; i < count; ++i) {
        const unsigned high = kDigits[digits[2 * i]];
        const unsigned low = kDigits[digits[2 * i + 1]];
        flags |= high | low;
        const unsigned value = (high << 4 | low) & 0xFF;
        bytes[i] = quint8(value);
        sum += value;
    }
    if ((flags & kNotDigit) != 0 || bytes[0] != count - 5 || (sum & 0xFF) != 0)
        return false;
    const int type = bytes[3];
    if (type >= IntelHexText::kRecordTypes)
        return false;
    const int required = IntelHexText::requiredDataLength(type);
    return required < 0 || bytes[0] == required;
}

} // namespace

// OpenSSL's SHA-256 uses the processor's SHA instructions where it has them: several times the
// speed of a portable implementation, and the hash is most of what a check of a file costs.
IntelHexScanner::IntelHexScanner() : m_hash(std::make_unique<SHA256_CTX>())
{
    SHA256_Init(m_hash.get());
    m_carried.reserve(kCarriedLimit);
}

IntelHexScanner::~IntelHexScanner() = default;

void IntelHexScanner::feed(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return;
    SHA256_Update(m_hash.get(), bytes.data(), size_t(bytes.size()));
    m_size += bytes.size();
    const char *at = bytes.data();
    const char *end = at + bytes.size();
    if (m_skipLineFeed) {
        m_skipLineFeed = false;
        if (*at == '\n')
            ++at;
    }
    if (m_carrying && at != end)
        at = continueCarriedLine(at, end);
    while (at && at != end) {
        const char *next = takeLineAt(at, end);
        if (!next) {
            m_carried.resize(0);
            m_carried.append(at, std::min<qsizetype>(end - at, kCarriedLimit));
            m_carrying = true;
            return;
        }
        at = next;
    }
}

const char *IntelHexScanner::takeLineAt(const char *line, const char *end)
{
    // A sound record says its own length, so its end is known without a search for it.
    if (end - line > 3 && *line == ':') {
        const unsigned count = kDigits[uchar(line[1])] << 4 | kDigits[uchar(line[2])];
        const qsizetype length = kRecordOverhead + 2 * qsizetype(count);
        if (count <= 0xFF && end - line > length && isLineEnd(line[length]) &&
            decodeSoundRecord(line, length, m_bytes.data())) {
            ++m_lineNumber;
            takeSoundRecord(length);
            return afterLineEnd(line + length, end);
        }
    }
    const char *lineEnd = std::find_if(line, end, isLineEnd);
    if (lineEnd == end)
        return nullptr;
    takeLine(QByteArrayView(line, lineEnd - line));
    return afterLineEnd(lineEnd, end);
}

const char *IntelHexScanner::continueCarriedLine(const char *from, const char *end)
{
    const char *lineEnd = std::find_if(from, end, isLineEnd);
    const qsizetype room = kCarriedLimit - m_carried.size();
    m_carried.append(from, std::min<qsizetype>(lineEnd - from, room));
    if (lineEnd == end)
        return nullptr;
    m_carrying = false;
    takeLine(m_carried);
    return afterLineEnd(lineEnd, end);
}

const char *IntelHexScanner::afterLineEnd(const char *lineEnd, const char *end)
{
    const char *next = lineEnd + 1;
    if (*lineEnd == '\r') {
        if (next == end)
            m_skipLineFeed = true;
        else if (*next == '\n')
            ++next;
    }
    return next;
}

void IntelHexScanner::takeLine(QByteArrayView line)
{
    ++m_lineNumber;
    if (line.isEmpty())
        return;
    if (decodeSoundRecord(line.data(), line.size(), m_bytes.data()))
        takeSoundRecord(line.size());
    else
        takeDamagedLine(line);
}

void IntelHexScanner::takeSoundRecord(qsizetype length)
{
    const int type = m_bytes[3];
    const bool passedOver = m_bytes[1] >= IntelHexText::kSkippedHighByte;
    countLine(passedOver);
    if (m_endOfFileLine != 0) {
        setProblem(m_lineNumber,
                   CoreText::english("line %1: a record follows the end-of-file record of line %2")
                       .arg(m_lineNumber)
                       .arg(m_endOfFileLine));
    }
    m_lastRecordLine = m_lineNumber;
    m_lastRecordType = type;
    m_lastRecordPassedOver = passedOver;
    if (type == kEndOfFileType && m_endOfFileLine == 0)
        m_endOfFileLine = m_lineNumber;
    // A record that is never sent places nothing: not even its address base reaches the unit.
    if (passedOver)
        return;
    const quint32 word = quint32(m_bytes[4]) << 8 | m_bytes[5];
    const int count = int(length - kRecordOverhead) / 2;
    if (type == kExtendedSegmentType)
        m_base = word << 4;
    else if (type == kExtendedLinearType)
        m_base = word << 16;
    else if (type == kDataType)
        m_layout.add(quint64(m_base) + (quint32(m_bytes[1]) << 8 | m_bytes[2]), count,
                     int(m_lineNumber), m_bytes.data() + 4);
}

// Counted as the upload would send it, but placing no data; the first such line is the problem.
void IntelHexScanner::takeDamagedLine(QByteArrayView line)
{
    countLine(IntelHexText::loadsInSkippedRange(line));
    if (!m_result.problem) {
        setProblem(m_lineNumber, CoreText::english("line %1: %2")
                                     .arg(m_lineNumber)
                                     .arg(IntelHexCheck::lineProblem(line, m_lineNumber)));
    }
}

void IntelHexScanner::countLine(bool passedOver)
{
    if (passedOver)
        m_result.summary.passedOverLines.append(int(m_lineNumber));
    else
        ++m_result.summary.records;
}

void IntelHexScanner::setProblem(qint64 line, const QString &text)
{
    if (!m_result.problem)
        m_result.problem = IntelHexCheck::Problem{line, text};
}

IntelHexCheck::Result IntelHexScanner::finish()
{
    if (m_carrying) {
        m_carrying = false;
        takeLine(m_carried);
    }
    if (const auto problem = fileProblem())
        setProblem(problem->line, problem->text);

    FirmwareSummary &summary = m_result.summary;
    summary.sizeBytes = m_size;
    std::array<unsigned char, SHA256_DIGEST_LENGTH> digest{};
    SHA256_Final(digest.data(), m_hash.get());
    summary.sha256 =
        QByteArray(reinterpret_cast<const char *>(digest.data()), qsizetype(digest.size())).toHex();
    m_layout.finish(summary);
    return std::move(m_result);
}

std::optional<IntelHexCheck::Problem> IntelHexScanner::fileProblem() const
{
    if (m_size == 0)
        return IntelHexCheck::Problem{0, CoreText::english("the file is empty")};
    if (m_lastRecordLine == 0)
        return IntelHexCheck::Problem{
            0, CoreText::english("the file holds no records, only empty lines")};
    if (m_lastRecordType != kEndOfFileType) {
        return IntelHexCheck::Problem{
            m_lastRecordLine,
            CoreText::english(
                "the file does not end with an end-of-file record (type 01): its last "
                "record, on line %1, is type %2")
                .arg(m_lastRecordLine)
                .arg(m_lastRecordType, 2, 16, QLatin1Char('0'))};
    }
    if (m_lastRecordPassedOver) {
        return IntelHexCheck::Problem{
            m_lastRecordLine, CoreText::english("line %1: the end-of-file record loads at FC00 to "
                                                "FFFF, where records are never sent")
                                  .arg(m_lastRecordLine)};
    }
    if (m_layout.isEmpty()) {
        return IntelHexCheck::Problem{
            0,
            CoreText::english("the file holds no data that would be sent (records at FC00 to FFFF "
                              "are never sent): the unit would be left without firmware")};
    }
    return std::nullopt;
}
