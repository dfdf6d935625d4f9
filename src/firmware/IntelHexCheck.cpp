#include "IntelHexCheck.h"

#include "FirmwareFile.h"
#include "IntelHexScanner.h"
#include "platform/CoreText.h"

#include <QByteArray>

namespace {

constexpr char kDosEndOfFile = 0x1A;

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// The names stand inside a problem's sentence, so each is a text of its own that a reader's
// language can take.
QString typeName(int type)
{
    switch (type) {
    case 0:
        //: The kind of an Intel HEX record of type 00.
        return CoreText::english("data");
    case 1:
        return CoreText::english("end of file");
    case 2:
        return CoreText::english("extended segment address");
    case 3:
        return CoreText::english("start segment address");
    case 4:
        return CoreText::english("extended linear address");
    default:
        return CoreText::english("start linear address");
    }
}

QString hexByte(int value)
{
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

QString describeCharacter(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x21 && byte < 0x7F)
        return CoreText::english("character '%1'").arg(QLatin1Char(c));
    if (byte == 0x20)
        return CoreText::english("a space");
    return CoreText::english("byte 0x%1").arg(hexByte(byte));
}

// The problem with one non-empty line, or an empty text when it is a sound record.
QString recordProblem(QByteArrayView line)
{
    if (line.size() > IntelHexCheck::kMaxRecordLength)
        return CoreText::english("longer than any record can be (at most %1 characters)")
            .arg(IntelHexCheck::kMaxRecordLength);
    if (line.at(0) != ':')
        return CoreText::english("does not start with ':' but with %1")
            .arg(describeCharacter(line.at(0)));
    for (qsizetype i = 1; i < line.size(); ++i) {
        if (IntelHexText::digitValue(line.at(i)) < 0)
            return CoreText::english("%1 at column %2 is not a hexadecimal digit")
                .arg(describeCharacter(line.at(i)))
                .arg(i + 1);
    }
    const qsizetype digits = line.size() - 1;
    if (digits < 10)
        return CoreText::english("too short for a record (%1 characters, at least 11 needed)")
            .arg(line.size());
    if (digits % 2 != 0)
        return CoreText::english("has an odd number of hexadecimal digits (%1)").arg(digits);

    QByteArray bytes;
    for (qsizetype i = 1; i < line.size(); i += 2)
        bytes.append(char(IntelHexText::digitValue(line.at(i)) * 16 +
                          IntelHexText::digitValue(line.at(i + 1))));
    const auto byteAt = [&](qsizetype i) { return int(static_cast<unsigned char>(bytes.at(i))); };

    const int count = byteAt(0);
    const qsizetype held = bytes.size() - 5;
    if (held != count)
        return CoreText::english("byte count says %1 data bytes, but the line holds %2")
            .arg(count)
            .arg(held);

    int sum = 0;
    for (qsizetype i = 0; i + 1 < bytes.size(); ++i)
        sum += byteAt(i);
    const int expected = (0x100 - (sum & 0xFF)) & 0xFF;
    const int found = byteAt(bytes.size() - 1);
    if (found != expected)
        return CoreText::english("checksum is %1, should be %2")
            .arg(hexByte(found), hexByte(expected));

    const int type = byteAt(3);
    if (type >= IntelHexText::kRecordTypes)
        return CoreText::english("record type %1 is unknown (known types are 00 to 05)")
            .arg(hexByte(type));
    const int required = IntelHexText::requiredDataLength(type);
    if (required >= 0 && count != required)
        return CoreText::english("type %1 (%2) must carry %3 data bytes, this one carries %4")
            .arg(hexByte(type), typeName(type))
            .arg(required)
            .arg(count);
    return {};
}

// Marks that other tools leave around a sound record. They are named exactly, so that the operator
// can remove them: the unit is sent the file's bytes as they are and would refuse them.
QString foreignMarkProblem(QByteArrayView line, qint64 lineNumber)
{
    if (lineNumber == 1 && line.startsWith("\xEF\xBB\xBF"))
        return CoreText::english("starts with a UTF-8 byte-order mark (bytes EF BB BF); save the "
                                 "file without it");
    QByteArrayView core = line;
    const bool dosEnd = core.endsWith(kDosEndOfFile);
    if (dosEnd)
        core.chop(1);
    qsizetype blanksFrom = core.size();
    while (blanksFrom > 0 && isBlank(core.at(blanksFrom - 1)))
        --blanksFrom;
    const QByteArrayView record = core.first(blanksFrom);
    if (!record.isEmpty() && !recordProblem(record).isEmpty())
        return {};
    if (dosEnd)
        return CoreText::english(
                   "holds a DOS end-of-file byte (Ctrl-Z, 1A) at column %1; remove it")
            .arg(line.size());
    if (blanksFrom == core.size())
        return {};
    if (blanksFrom == 0)
        return CoreText::english("holds only blanks (spaces or tabs); remove them");
    return CoreText::english("ends in blanks (spaces or tabs) from column %1; remove them")
        .arg(blanksFrom + 1);
}

} // namespace

std::optional<IntelHexCheck::Result> IntelHexCheck::inspect(const QString &path, QString *openError)
{
    IntelHexScanner scanner;
    FirmwareFile file;
    if (!file.stream(
            path, [&](QByteArrayView piece) { scanner.feed(piece); }, openError))
        return std::nullopt;
    return scanner.finish();
}

IntelHexCheck::Result IntelHexCheck::inspectContent(QByteArrayView content)
{
    IntelHexScanner scanner;
    scanner.feed(content);
    return scanner.finish();
}

std::optional<IntelHexCheck::Problem> IntelHexCheck::check(const QString &path)
{
    QString openError;
    const std::optional<Result> result = inspect(path, &openError);
    if (!result)
        return Problem{0, openError};
    return result->problem;
}

std::optional<IntelHexCheck::Problem> IntelHexCheck::checkContent(const QByteArray &content)
{
    return inspectContent(content).problem;
}

std::optional<QString> IntelHexCheck::firstProblem(const QString &path)
{
    if (const auto problem = check(path))
        return problem->text;
    return std::nullopt;
}

QString IntelHexCheck::lineProblem(QByteArrayView line, qint64 lineNumber)
{
    QString problem = recordProblem(line);
    if (!problem.isEmpty() && line.size() <= kMaxRecordLength) {
        if (const QString mark = foreignMarkProblem(line, lineNumber); !mark.isEmpty())
            problem = mark;
    }
    return problem;
}
