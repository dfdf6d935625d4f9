// Feeds arbitrary file contents to the firmware file check and the line reader, files nobody
// controls. Whatever the bytes, the reader must return the file's lines exactly as a plain split
// at CR LF, lone CR and lone LF gives them, whatever its buffer size; and a file the check passes
// must hold nothing but sound records ending with an end-of-file record.
//
// The first input byte also picks the reader's buffer size (1 to 64 bytes, so that line ends fall
// across reads) and, through the second, a line length limit.

#include "FuzzCheck.h"
#include "firmware/FirmwareFile.h"
#include "firmware/IntelHexCheck.h"
#include "firmware/IntelHexText.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

namespace {

QTemporaryDir *folder = nullptr;

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

void checkReader(const QString &path, const QByteArrayList &expected, qsizetype bufferSize,
                 qsizetype maxLength)
{
    FirmwareFile file(bufferSize);
    FUZZ_CHECK(file.open(path));
    for (const QByteArray &line : expected) {
        FUZZ_CHECK(!file.atEnd());
        const QByteArray read = file.readLine(maxLength);
        FUZZ_CHECK(read == (maxLength < 0 ? line : line.left(maxLength)));
    }
    FUZZ_CHECK(file.atEnd());
    FUZZ_CHECK(file.readLine(maxLength).isEmpty());
    FUZZ_CHECK(file.position() == file.size());
}

void checkVerdict(const QString &path, const QByteArrayList &lines)
{
    const std::optional<IntelHexCheck::Problem> problem = IntelHexCheck::check(path);
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

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication application(*argc, *argv);
    folder = new QTemporaryDir;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray content(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString path = folder->filePath(QStringLiteral("firmware.hex"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size())
        fuzzViolated("the input could not be written to a file");
    file.close();

    const QByteArrayList lines = splitLines(content);
    const qsizetype bufferSize = size > 0 ? 1 + data[0] % 64 : 1;
    checkReader(path, lines, bufferSize, -1);
    checkReader(path, lines, bufferSize, size > 1 ? data[1] % 48 : 0);
    checkVerdict(path, lines);
    return 0;
}
