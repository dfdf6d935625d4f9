#include "FirmwareSummary.h"

#include "IntelHexCheck.h"
#include "platform/CoreText.h"

#include <QJsonArray>
#include <QJsonObject>

#include <algorithm>

namespace {

// Ranges and line lists in human text stop here: a pathological file must not flood a terminal.
constexpr qsizetype kMaxListedItems = 20;

QString hexAddress(quint32 address)
{
    return QStringLiteral("0x") +
           QStringLiteral("%1").arg(address, 8, 16, QLatin1Char('0')).toUpper();
}

QString rangeText(const FirmwareAddressRange &range)
{
    return hexAddress(range.first) + QLatin1Char('-') + hexAddress(range.last);
}

} // namespace

FirmwareSummary FirmwareSummary::fromContent(const QByteArray &content)
{
    return IntelHexCheck::inspectContent(content).summary;
}

QString FirmwareSummary::rangesText() const
{
    if (ranges.isEmpty())
        return CoreText::english("none");
    QStringList parts;
    for (const FirmwareAddressRange &range : ranges)
        parts.append(rangeText(range));
    return parts.join(QStringLiteral(", "));
}

QStringList FirmwareSummary::describe() const
{
    QStringList lines;
    lines.append(CoreText::english("Records to send: %1").arg(records));
    lines.append(CoreText::english("Data bytes: %1").arg(dataBytes));
    if (ranges.size() > kMaxListedItems) {
        FirmwareSummary head = *this;
        head.ranges = ranges.first(kMaxListedItems);
        lines.append(CoreText::english("Address ranges: %1 and %2 more")
                         .arg(head.rangesText())
                         .arg(ranges.size() - kMaxListedItems));
    } else {
        lines.append(CoreText::english("Address ranges: %1").arg(rangesText()));
    }
    lines.append(CoreText::english("SHA-256: %1").arg(QString::fromLatin1(sha256)));
    lines.append(passedOverLine());
    return lines + describeOverlaps();
}

QStringList FirmwareSummary::describeOverlaps() const
{
    if (overlapCount == 0)
        return {};
    // One sentence for one range and one for several: the count is no word of its own.
    QStringList lines{
        overlapCount == 1
            ? CoreText::english("Written twice with different bytes: %1 address range; the unit "
                                "receives the records in file order, so the later line's bytes "
                                "are the ones it keeps:")
                  .arg(overlapCount)
            : CoreText::english("Written twice with different bytes: %1 address ranges; the unit "
                                "receives the records in file order, so the later line's bytes "
                                "are the ones it keeps:")
                  .arg(overlapCount)};
    for (const FirmwareOverlap &overlap :
         overlaps.first(std::min(overlaps.size(), kMaxListedItems)))
        lines.append(CoreText::english("  %1: line %2, then line %3")
                         .arg(rangeText(overlap.range))
                         .arg(overlap.earlierLine)
                         .arg(overlap.laterLine));
    if (overlapCount > kMaxListedItems)
        lines.append(CoreText::english("  and %1 more").arg(overlapCount - kMaxListedItems));
    return lines;
}

QString FirmwareSummary::passedOverLine() const
{
    const qsizetype count = passedOverLines.size();
    if (count == 0)
        return CoreText::english("Passed over (load address FC00 to FFFF): none");
    QStringList numbers;
    for (int line : passedOverLines.first(std::min(count, kMaxListedItems)))
        numbers.append(QString::number(line));
    const QString listed = numbers.join(QStringLiteral(", "));
    // Whole sentences for one record and for several, so that no language has to build a plural
    // from the English words.
    if (count == 1)
        return CoreText::english("Passed over (load address FC00 to FFFF): %1 record, line %2")
            .arg(count)
            .arg(listed);
    if (count <= kMaxListedItems)
        return CoreText::english("Passed over (load address FC00 to FFFF): %1 records, lines %2")
            .arg(count)
            .arg(listed);
    return CoreText::english(
               "Passed over (load address FC00 to FFFF): %1 records, lines %2 and %3 more")
        .arg(count)
        .arg(listed)
        .arg(count - kMaxListedItems);
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
    QJsonArray overlapArray;
    for (const FirmwareOverlap &overlap : overlaps)
        overlapArray.append(QJsonObject{
            {QStringLiteral("first"), hexAddress(overlap.range.first)},
            {QStringLiteral("last"), hexAddress(overlap.range.last)},
            {QStringLiteral("lines"), QJsonArray{overlap.earlierLine, overlap.laterLine}}});
    return QJsonObject{{QStringLiteral("size"), sizeBytes},
                       {QStringLiteral("records"), records},
                       {QStringLiteral("data_bytes"), dataBytes},
                       {QStringLiteral("ranges"), rangeArray},
                       {QStringLiteral("sha256"), QString::fromLatin1(sha256)},
                       {QStringLiteral("passed_over_lines"), lineArray},
                       {QStringLiteral("overlaps"), overlapArray},
                       {QStringLiteral("overlap_count"), overlapCount}};
}
