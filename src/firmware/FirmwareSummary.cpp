#include "FirmwareSummary.h"

#include "IntelHexCheck.h"

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
        return QStringLiteral("none");
    QStringList parts;
    for (const FirmwareAddressRange &range : ranges)
        parts.append(rangeText(range));
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
    return lines + describeOverlaps();
}

QStringList FirmwareSummary::describeOverlaps() const
{
    if (overlapCount == 0)
        return {};
    QStringList lines{
        QStringLiteral("Written twice with different bytes: %1 %2; the unit receives the records "
                       "in file order, so the later line's bytes are the ones it keeps:")
            .arg(overlapCount)
            .arg(overlapCount == 1 ? QStringLiteral("address range")
                                   : QStringLiteral("address ranges"))};
    for (const FirmwareOverlap &overlap :
         overlaps.first(std::min(overlaps.size(), kMaxListedItems)))
        lines.append(QStringLiteral("  %1: line %2, then line %3")
                         .arg(rangeText(overlap.range))
                         .arg(overlap.earlierLine)
                         .arg(overlap.laterLine));
    if (overlapCount > kMaxListedItems)
        lines.append(QStringLiteral("  and %1 more").arg(overlapCount - kMaxListedItems));
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
