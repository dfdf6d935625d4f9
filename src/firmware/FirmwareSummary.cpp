#include "FirmwareSummary.h"

#include "IntelHexText.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonObject>

#include <algorithm>
#include <optional>

namespace {

constexpr int kDataType = 0x00;
constexpr int kExtendedSegmentType = 0x02;
constexpr int kExtendedLinearType = 0x04;
// Ranges and line lists in human text stop here: a pathological file must not flood a terminal.
constexpr qsizetype kMaxListedItems = 20;

// The fields of a record line that say where its data lands.
struct ParsedRecord
{
    int type = -1;
    quint32 offset = 0;
    int dataLength = 0;
    // The first two data bytes as one number: the base of an extended address record.
    quint32 firstWord = 0;
};

int byteAt(QByteArrayView line, qsizetype index)
{
    const int high = IntelHexText::digitValue(line.at(1 + 2 * index));
    const int low = IntelHexText::digitValue(line.at(2 + 2 * index));
    return high < 0 || low < 0 ? -1 : high * 16 + low;
}

// The record a line holds, or nothing when it is not a well-formed one. The checksum is left to
// the file check: a summary only needs to know where the data lands. Reads the text in place,
// as a file of a million records would otherwise cost a million allocations.
std::optional<ParsedRecord> parseRecord(QByteArrayView line)
{
    if (line.size() < 11 || line.at(0) != ':' || (line.size() - 1) % 2 != 0)
        return std::nullopt;
    const qsizetype bytes = (line.size() - 1) / 2;
    const int count = byteAt(line, 0);
    if (count < 0 || bytes != count + 5)
        return std::nullopt;
    ParsedRecord record;
    int header[3];
    for (int i = 0; i < 3; ++i) {
        header[i] = byteAt(line, i + 1);
        if (header[i] < 0)
            return std::nullopt;
    }
    record.offset = quint32(header[0] << 8 | header[1]);
    record.type = header[2];
    record.dataLength = count;
    if (count >= 2) {
        const int high = byteAt(line, 4);
        const int low = byteAt(line, 5);
        if (high < 0 || low < 0)
            return std::nullopt;
        record.firstWord = quint32(high << 8 | low);
    }
    return record;
}

QList<FirmwareAddressRange> merged(QList<FirmwareAddressRange> ranges)
{
    std::sort(ranges.begin(), ranges.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    QList<FirmwareAddressRange> result;
    for (const FirmwareAddressRange &range : ranges) {
        if (!result.isEmpty() && quint64(range.first) <= quint64(result.last().last) + 1)
            result.last().last = std::max(result.last().last, range.last);
        else
            result.append(range);
    }
    return result;
}

QString hexAddress(quint32 address)
{
    return QStringLiteral("0x") +
           QStringLiteral("%1").arg(address, 8, 16, QLatin1Char('0')).toUpper();
}

// Splits at CR LF, a lone CR or a lone LF, as the upload's line reader does.
template <typename Visit> void forEachLine(const QByteArray &content, Visit visit)
{
    const char *p = content.constData();
    const char *end = p + content.size();
    int lineNumber = 0;
    while (p != end) {
        const char *stop = std::find_if(p, end, [](char c) { return c == '\r' || c == '\n'; });
        visit(++lineNumber, QByteArrayView(p, stop - p));
        if (stop == end)
            break;
        p = stop + 1;
        if (*stop == '\r' && p != end && *p == '\n')
            ++p;
    }
}

} // namespace

FirmwareSummary FirmwareSummary::fromContent(const QByteArray &content)
{
    FirmwareSummary summary;
    summary.sizeBytes = content.size();
    summary.sha256 = QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex();

    QList<FirmwareAddressRange> pieces;
    quint32 base = 0;
    forEachLine(content, [&](int lineNumber, QByteArrayView line) {
        if (line.isEmpty())
            return;
        if (IntelHexText::loadsInSkippedRange(line)) {
            summary.passedOverLines.append(lineNumber);
            return;
        }
        ++summary.records;
        const std::optional<ParsedRecord> record = parseRecord(line);
        if (!record)
            return;
        if (record->type == kExtendedSegmentType && record->dataLength == 2)
            base = record->firstWord << 4;
        else if (record->type == kExtendedLinearType && record->dataLength == 2)
            base = record->firstWord << 16;
        else if (record->type == kDataType && record->dataLength > 0) {
            summary.dataBytes += record->dataLength;
            const quint64 first = quint64(base) + record->offset;
            const quint64 last =
                std::min<quint64>(first + quint64(record->dataLength) - 1, 0xFFFFFFFFu);
            if (first <= 0xFFFFFFFFu)
                pieces.append({quint32(first), quint32(last)});
        }
    });
    summary.ranges = merged(pieces);
    return summary;
}

QString FirmwareSummary::rangesText() const
{
    if (ranges.isEmpty())
        return QStringLiteral("none");
    QStringList parts;
    for (const FirmwareAddressRange &range : ranges)
        parts.append(hexAddress(range.first) + QLatin1Char('-') + hexAddress(range.last));
    return parts.join(QStringLiteral(", "));
}

QStringList FirmwareSummary::describe() const
{
    QStringList lines;
    lines.append(QStringLiteral("Records to send: %1").arg(records));
    lines.append(QStringLiteral("Data bytes: %1").arg(dataBytes));
    QString rangeLine = QStringLiteral("Address ranges: ");
    if (ranges.size() > kMaxListedItems) {
        FirmwareSummary head = *this;
        head.ranges = ranges.first(kMaxListedItems);
        rangeLine +=
            head.rangesText() + QStringLiteral(" and %1 more").arg(ranges.size() - kMaxListedItems);
    } else {
        rangeLine += rangesText();
    }
    lines.append(rangeLine);
    lines.append(QStringLiteral("SHA-256: %1").arg(QString::fromLatin1(sha256)));
    if (passedOverLines.isEmpty()) {
        lines.append(QStringLiteral("Passed over (load address FC00 to FFFF): none"));
    } else {
        QStringList numbers;
        for (int line : passedOverLines.first(std::min(passedOverLines.size(), kMaxListedItems)))
            numbers.append(QString::number(line));
        QString text =
            QStringLiteral("Passed over (load address FC00 to FFFF): %1 %2, %3 %4")
                .arg(passedOverLines.size())
                .arg(passedOverLines.size() == 1 ? QStringLiteral("record")
                                                 : QStringLiteral("records"))
                .arg(passedOverLines.size() == 1 ? QStringLiteral("line") : QStringLiteral("lines"))
                .arg(numbers.join(QStringLiteral(", ")));
        if (passedOverLines.size() > kMaxListedItems)
            text += QStringLiteral(" and %1 more").arg(passedOverLines.size() - kMaxListedItems);
        lines.append(text);
    }
    return lines;
}

QJsonObject FirmwareSummary::toJson() const
{
    QJsonArray rangeArray;
    for (const FirmwareAddressRange &range : ranges)
        rangeArray.append(QJsonObject{{QStringLiteral("first"), hexAddress(range.first)},
                                      {QStringLiteral("last"), hexAddress(range.last)}});
    QJsonArray lineArray;
    for (int line : passedOverLines)
        lineArray.append(line);
    return QJsonObject{{QStringLiteral("size"), sizeBytes},
                       {QStringLiteral("records"), records},
                       {QStringLiteral("data_bytes"), dataBytes},
                       {QStringLiteral("ranges"), rangeArray},
                       {QStringLiteral("sha256"), QString::fromLatin1(sha256)},
                       {QStringLiteral("passed_over_lines"), lineArray}};
}
