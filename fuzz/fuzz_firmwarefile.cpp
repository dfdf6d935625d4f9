// Feeds arbitrary file contents to the firmware file check and the line reader, files nobody
// controls. Both work on the bytes read at open, the snapshot an upload sends, so the input is
// handed over in memory. Whatever the bytes, the reader must return the lines exactly as a plain
// split at CR LF, lone CR and lone LF gives them, also with a line length limit (taken from the
// first byte); and a file the check passes must hold nothing but sound records ending with an
// end-of-file record, with data to send. The check reads a file in pieces: cut anywhere, its
// verdict and summary must not change. The summary's data bytes and overlaps must be those of a
// plain replay of the records in file order onto a map of addresses.

#include "FuzzCheck.h"
#include "firmware/FirmwareFile.h"
#include "firmware/IntelHexCheck.h"
#include "firmware/IntelHexScanner.h"
#include "firmware/IntelHexText.h"

#include <QByteArrayList>
#include <QJsonObject>

#include <cstdint>
#include <map>
#include <utility>

namespace {

QByteArrayList splitLines(const QByteArray &content)
{
    QByteArrayList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < content.size(); ++i) {
        const char c = content.at(i);
        if (c != '\r' && c != '\n')
            continue;
        lines << content.mid(start, i - start);
        if (c == '\r' && i + 1 < content.size() && content.at(i + 1) == '\n')
            ++i;
        start = i + 1;
    }
    if (start < content.size())
        lines << content.mid(start);
    return lines;
}

int byteAt(const QByteArray &line, qsizetype index)
{
    return IntelHexText::digitValue(line.at(1 + 2 * index)) * 16 +
           IntelHexText::digitValue(line.at(2 + 2 * index));
}

// What a passed check promises about one non-empty line.
bool isSoundRecord(const QByteArray &line)
{
    if (line.size() < 11 || line.size() > IntelHexCheck::kMaxRecordLength || line.at(0) != ':' ||
        line.size() % 2 == 0)
        return false;
    for (qsizetype i = 1; i < line.size(); ++i) {
        if (IntelHexText::digitValue(line.at(i)) < 0)
            return false;
    }
    const qsizetype bytes = (line.size() - 1) / 2;
    if (byteAt(line, 0) != bytes - 5 || byteAt(line, 3) > 5)
        return false;
    // An address record without its two address bytes (and the like) sets no address.
    const int required = IntelHexText::requiredDataLength(byteAt(line, 3));
    if (required >= 0 && byteAt(line, 0) != required)
        return false;
    int sum = 0;
    for (qsizetype i = 0; i < bytes; ++i)
        sum += byteAt(line, i);
    return sum % 256 == 0;
}

void checkReader(const QByteArray &content, const QByteArrayList &expected, qsizetype maxLength)
{
    FirmwareFile file;
    file.openContent(content);
    for (const QByteArray &line : expected) {
        FUZZ_CHECK(!file.atEnd());
        const QByteArray read = file.readLine(maxLength);
        FUZZ_CHECK(read == (maxLength < 0 ? line : line.left(maxLength)));
    }
    FUZZ_CHECK(file.atEnd());
    FUZZ_CHECK(file.readLine(maxLength).isEmpty());
    FUZZ_CHECK(file.position() == file.size());
}

struct Replay
{
    int records = 0;
    qint64 addresses = 0;
    qint64 changedBytes = 0;
};

// Every sound record the upload sends, written byte by byte onto a map in file order.
Replay replay(const QByteArrayList &lines)
{
    Replay result;
    std::map<quint64, std::pair<quint8, int>> image;
    quint64 base = 0;
    int lineNumber = 0;
    for (const QByteArray &line : lines) {
        ++lineNumber;
        if (IntelHexText::isPassedOver(line))
            continue;
        ++result.records;
        if (!isSoundRecord(line))
            continue;
        const int type = byteAt(line, 3);
        const quint64 word = quint64(byteAt(line, 4)) << 8 | quint64(byteAt(line, 5));
        if (type == 2)
            base = word << 4;
        else if (type == 4)
            base = word << 16;
        if (type != 0)
            continue;
        const quint64 first = base + (quint64(byteAt(line, 1)) << 8 | quint64(byteAt(line, 2)));
        for (int i = 0; i < byteAt(line, 0) && first + quint64(i) <= 0xFFFFFFFFu; ++i) {
            const auto byte = quint8(byteAt(line, 4 + i));
            const auto [at, fresh] = image.try_emplace(first + quint64(i), byte, lineNumber);
            if (!fresh && at->second.first != byte)
                ++result.changedBytes;
            at->second = {byte, lineNumber};
        }
    }
    result.addresses = qint64(image.size());
    return result;
}

void checkSummary(const FirmwareSummary &summary, const QByteArrayList &lines)
{
    const Replay expected = replay(lines);
    FUZZ_CHECK(summary.records == expected.records);
    FUZZ_CHECK(summary.dataBytes == expected.addresses);
    FUZZ_CHECK(summary.overlaps.size() ==
               std::min(summary.overlapCount, qint64(FirmwareSummary::kMaxKeptOverlaps)));
    if (summary.overlapCount > FirmwareSummary::kMaxKeptOverlaps)
        return;
    qint64 changed = 0;
    for (const FirmwareOverlap &overlap : summary.overlaps) {
        FUZZ_CHECK(overlap.range.first <= overlap.range.last);
        FUZZ_CHECK(overlap.earlierLine < overlap.laterLine);
        changed += qint64(overlap.range.last) - overlap.range.first + 1;
    }
    FUZZ_CHECK(changed == expected.changedBytes);
}

// The same bytes handed over in pieces of `piece` bytes, as a file is read.
IntelHexCheck::Result inPieces(const QByteArray &content, qsizetype piece)
{
    IntelHexScanner scanner;
    for (qsizetype at = 0; at < content.size(); at += piece)
        scanner.feed(QByteArrayView(content).sliced(at, std::min(piece, content.size() - at)));
    return scanner.finish();
}

void checkVerdict(const QByteArray &content, const QByteArrayList &lines, qsizetype piece)
{
    const IntelHexCheck::Result result = IntelHexCheck::inspectContent(content);
    const IntelHexCheck::Result pieces = inPieces(content, piece);
    FUZZ_CHECK(pieces.problem.has_value() == result.problem.has_value());
    FUZZ_CHECK(!result.problem || (pieces.problem->text == result.problem->text &&
                                   pieces.problem->line == result.problem->line));
    FUZZ_CHECK(pieces.summary.toJson() == result.summary.toJson());
    checkSummary(result.summary, lines);

    const std::optional<IntelHexCheck::Problem> &problem = result.problem;
    if (problem) {
        FUZZ_CHECK(!problem->text.isEmpty() && problem->text.size() < 200);
        FUZZ_CHECK(problem->line >= 0 && problem->line <= lines.size() + 1);
        return;
    }
    QByteArray last;
    for (const QByteArray &line : lines) {
        if (line.isEmpty())
            continue;
        FUZZ_CHECK(isSoundRecord(line));
        last = line;
    }
    FUZZ_CHECK(!last.isEmpty() && byteAt(last, 3) == 0x01);
    FUZZ_CHECK(result.summary.dataBytes > 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray content(reinterpret_cast<const char *>(data), qsizetype(size));
    const QByteArrayList lines = splitLines(content);
    checkReader(content, lines, -1);
    checkReader(content, lines, size > 0 ? data[0] % 48 : 0);
    checkVerdict(content, lines, size > 1 ? 1 + data[1] % 64 : 1);
    return 0;
}
