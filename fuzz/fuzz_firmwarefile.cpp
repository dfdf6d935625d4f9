// Feeds arbitrary file contents to the firmware file check and the line reader, files nobody
// controls. Both work on the bytes read at open, the snapshot an upload sends, so the input is
// handed over in memory. Whatever the bytes, the reader must return the lines exactly as a plain
// split at CR LF, lone CR and lone LF gives them, also with a line length limit (taken from the
// first byte); and a file the check passes must hold nothing but sound records ending with an
// end-of-file record.

#include "FuzzCheck.h"
#include "firmware/FirmwareFile.h"
#include "firmware/IntelHexCheck.h"
#include "firmware/IntelHexText.h"

#include <QByteArrayList>

#include <cstdint>

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

void checkVerdict(const QByteArray &content, const QByteArrayList &lines)
{
    const std::optional<IntelHexCheck::Problem> problem = IntelHexCheck::checkContent(content);
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
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray content(reinterpret_cast<const char *>(data), qsizetype(size));
    const QByteArrayList lines = splitLines(content);
    checkReader(content, lines, -1);
    checkReader(content, lines, size > 0 ? data[0] % 48 : 0);
    checkVerdict(content, lines);
    return 0;
}
