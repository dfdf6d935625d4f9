// Feeds the per-unit data options' parsers: a command line's region, format, value and counter,
// given as four texts separated by NUL bytes, and plans and applies a patch of one fixed small
// image for the region parsed and for one region taken from the input's first bytes. Whatever
// the input: a refusal has a one-line reason; a region prints and parses back to itself; a
// value has exactly the region's length in bytes and its text reads back to the same value; a
// counter's identity reads back to the same counter; a patched image passes the file check and
// holds the value's bytes where the region is, and nothing else of it changed.

#include "FuzzCheck.h"
#include "firmware/IntelHexCheck.h"
#include "serial/ImagePatch.h"
#include "serial/SerialFormat.h"
#include "serial/SerialSource.h"

#include <QMap>

#include <cstdint>

namespace {

// Two data records at 0x0000 and 0x0010, one at 0x10020 behind an extended linear address
// record, one at FC00 that is never sent, and one back at 0x0008 that writes again.
const QByteArray kImage = QByteArrayLiteral(":10000000000102030405060708090A0B0C0D0E0F78\r\n"
                                            ":10001000101112131415161718191A1B1C1D1E1F68\r\n"
                                            ":020000040001F9\r\n"
                                            ":08002000a0a1a2a3a4a5a6a7bc\n"
                                            ":04FC000001020304F6\n"
                                            ":020000040000FA\n"
                                            ":0400080055555555A0\n"
                                            ":00000001FF\n");

bool isReason(const QString &text)
{
    return !text.isEmpty() && text.size() < 400 && !text.contains(QLatin1Char('\n'));
}

// The bytes the upload places, as a plain replay of the sent records in file order.
QMap<quint64, quint8> placedBytes(const QByteArray &content)
{
    QMap<quint64, quint8> placed;
    quint64 base = 0;
    for (const QByteArray &line : content.split('\n')) {
        const QByteArray bytes = QByteArray::fromHex(line.trimmed().mid(1));
        if (bytes.size() < 5 || quint8(bytes.at(1)) >= 0xFC)
            continue;
        const quint64 word = quint64(quint8(bytes.at(4))) << 8 | quint8(bytes.at(5));
        if (bytes.at(3) == 4)
            base = word << 16;
        const quint64 first = base + (quint64(quint8(bytes.at(1))) << 8 | quint8(bytes.at(2)));
        for (int i = 0; bytes.at(3) == 0 && i < quint8(bytes.at(0)); ++i)
            placed[first + quint64(i)] = quint8(bytes.at(4 + i));
    }
    return placed;
}

std::optional<SerialRegion> checkRegion(const QString &text)
{
    QString problem;
    const auto region = SerialRegion::parse(text, &problem);
    if (!region) {
        FUZZ_CHECK(isReason(problem));
        return region;
    }
    FUZZ_CHECK(region->length >= 1 && region->length <= SerialRegion::kMaxLength);
    FUZZ_CHECK(region->end() <= quint64(1) << 32);
    FUZZ_CHECK(SerialRegion::parse(region->text(), nullptr) == region);
    return region;
}

std::optional<SerialValue> checkValue(const SerialFormat &format, const QString &text, int length)
{
    QString problem;
    const auto value = format.fromText(text, length, &problem);
    if (!value) {
        FUZZ_CHECK(isReason(problem));
        return value;
    }
    FUZZ_CHECK(value->bytes.size() == length);
    FUZZ_CHECK(format.fromText(value->text, length, &problem) == value);
    return value;
}

void checkCounter(const QString &numbers, const SerialFormat &format, int length)
{
    QString problem;
    const auto counter = SerialSource::parse(QStringLiteral("counter:") + numbers, &problem);
    if (!counter) {
        FUZZ_CHECK(isReason(problem));
        return;
    }
    FUZZ_CHECK(counter->size() >= 1);
    FUZZ_CHECK(SerialSource::parse(counter->identity(), &problem)->identity() ==
               counter->identity());
    const qint64 fitting = counter->sizeFor(format, length);
    FUZZ_CHECK(fitting >= 0 && fitting <= counter->size());
    for (const qint64 index : {qint64(0), fitting - 1, fitting, counter->size() - 1}) {
        const auto value = counter->valueAt(index, format, length, &problem);
        FUZZ_CHECK(value ? value->bytes.size() == length : isReason(problem));
        FUZZ_CHECK(bool(value) == (index >= 0 && index < fitting));
    }
}

void checkPatch(const SerialRegion &region, const QByteArray &bytes)
{
    QString problem;
    const auto patch = ImagePatch::make(kImage, region, &problem);
    if (!patch) {
        FUZZ_CHECK(isReason(problem));
        return;
    }
    const QByteArray patched = patch->apply(kImage, bytes);
    FUZZ_CHECK(patched.size() == kImage.size());
    FUZZ_CHECK(!IntelHexCheck::checkContent(patched));
    FUZZ_CHECK(patch->firstSentRecord() >= 1);
    QMap<quint64, quint8> after = placedBytes(patched);
    QMap<quint64, quint8> before = placedBytes(kImage);
    for (int i = 0; i < region.length; ++i) {
        const quint64 address = region.address + quint64(i);
        FUZZ_CHECK(after.value(address) == quint8(bytes.at(i)));
        after.remove(address);
        before.remove(address);
    }
    FUZZ_CHECK(after == before);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    QList<QByteArray> parts = input.split('\0');
    while (parts.size() < 4)
        parts.append(QByteArray());

    const auto region = checkRegion(QString::fromUtf8(parts[0]));
    QString problem;
    const auto format = SerialFormat::parse(QString::fromUtf8(parts[1]), &problem);
    FUZZ_CHECK(format ? SerialFormat::parse(format->name(), nullptr).has_value()
                      : isReason(problem));
    const int length = region ? region->length : 1 + int(size % SerialRegion::kMaxLength);
    const SerialFormat used = format.value_or(SerialFormat());
    const auto value = checkValue(used, QString::fromUtf8(parts[2]), length);
    checkCounter(QString::fromUtf8(parts[3]), used, length);

    const QByteArray bytes = value ? value->bytes : QByteArray(length, '\x5A');
    if (region)
        checkPatch(*region, bytes);
    // A region near the image's data, so that most inputs reach the planner.
    if (size >= 2) {
        const quint32 bases[] = {0x0, 0x10000, 0xFC00, 0x10};
        const SerialRegion near{bases[data[0] >> 6] + (data[0] & 0x3F), 1 + data[1] % 32};
        checkPatch(near, QByteArray(near.length, char(data[size - 1])));
    }
    return 0;
}
