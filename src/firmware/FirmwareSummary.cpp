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

struct ParsedRecord
{
    int type = -1;
    quint32 offset = 0;
    QByteArray data;
};

// The record a line holds, or nothing when it is not a well-formed one. The checksum is left to
// the file check: a summary only needs to know where the data lands.
std::optional<ParsedRecord> parseRecord(QByteArrayView line)
{
    if (line.size() < 11 || line.at(0) != ':' || (line.size() - 1) % 2 != 0)
        return std::nullopt;
    QByteArray bytes;
    bytes.reserve((line.size() - 1) / 2);
    for (qsizetype i = 1; i < line.size(); i += 2) {
        const int high = IntelHexText::digitValue(line.at(i));
        const int low = IntelHexText::digitValue(line.at(i + 1));
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes.append(char(high * 16 + low));
    }
    const auto byteAt = [&](qsizetype i) {
        return quint32(static_cast<unsigned char>(bytes.at(i)));
    };
    const qsizetype count = qsizetype(byteAt(0));
    if (bytes.size() != count + 5)
        return std::nullopt;
    ParsedRecord record;
    record.offset = (byteAt(1) << 8) | byteAt(2);
    record.type = int(byteAt(3));
    record.data = bytes.mid(4, count);
    return record;
}

quint32 baseFrom(const QByteArray &data, int shift)
{
    if (data.size() != 2)
        return 0;
    const quint32 value = (quint32(static_cast<unsigned char>(data.at(0))) << 8) |
                          quint32(static_cast<unsigned char>(data.at(1)));
    return value << shift;
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
        if (record->type == kExtendedSegmentType)
            base = baseFrom(record->data, 4);
        else if (record->type == kExtendedLinearType)
            base = baseFrom(record->data, 16);
        else if (record->type == kDataType && !record->data.isEmpty()) {
            summary.dataBytes += record->data.size();
            const quint64 first = quint64(base) + record->offset;
            const quint64 last =
                std::min<quint64>(first + quint64(record->data.size()) - 1, 0xFFFFFFFFu);
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
        QString text = QStringLiteral("Passed over (load address FC00 to FFFF): %1 record(s), "
                                      "line %2")
                           .arg(passedOverLines.size())
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
