// Feeds a per-unit records file's bytes to the source that reads it, as a hexlist and as a list.
// Whatever the bytes: a refusal has a one-line reason; a hexlist holds at least one record, each
// a sound upper-case data record of 1 to 32 bytes whose value is its data and whose region, with
// none given, is its address and length, and with its own region given is that region; the same
// bytes give the same identity; a list's values, judged as 8 ASCII digits, are either refused
// with a reason or each of exactly 8 bytes.

#include "FuzzCheck.h"
#include "firmware/IntelHexCheck.h"
#include "serial/SerialSource.h"

#include <cstdint>

namespace {

bool isReason(const QString &text)
{
    return !text.isEmpty() && text.size() < 400 && !text.contains(QLatin1Char('\n'));
}

void checkHexList(const QByteArray &content)
{
    QString problem;
    const auto source = SerialSource::fromContent(SerialSource::Kind::HexList, content, &problem);
    if (!source) {
        FUZZ_CHECK(isReason(problem));
        return;
    }
    FUZZ_CHECK(source->size() >= 1);
    FUZZ_CHECK(source->identity().startsWith(QLatin1String("hexlist:sha256:")));
    FUZZ_CHECK(SerialSource::fromContent(SerialSource::Kind::HexList, content, nullptr)
                   ->identity() == source->identity());
    for (qint64 i = 0; i < source->size(); ++i) {
        const auto value = source->valueAt(i, SerialFormat(), 0, &problem);
        FUZZ_CHECK(value && value->bytes.size() >= 1 && value->bytes.size() <= 32);
        const QByteArray record = value->text.toLatin1();
        FUZZ_CHECK(record == record.toUpper());
        FUZZ_CHECK(IntelHexCheck::lineProblem(record, 2).isEmpty());
        const auto region = source->regionAt(i, std::nullopt, &problem);
        FUZZ_CHECK(region && region->length == value->bytes.size());
        FUZZ_CHECK(source->regionAt(i, region, &problem) == region);
        FUZZ_CHECK(source->lineAt(i) >= 1);
    }
    if (!source->check(SerialFormat(), std::nullopt, &problem))
        FUZZ_CHECK(isReason(problem));
}

void checkList(const QByteArray &content)
{
    QString problem;
    const auto source = SerialSource::fromContent(SerialSource::Kind::List, content, &problem);
    if (!source) {
        FUZZ_CHECK(isReason(problem));
        return;
    }
    const SerialFormat ascii(SerialFormat::Kind::Ascii);
    if (!source->check(ascii, SerialRegion{0, 8}, &problem)) {
        FUZZ_CHECK(isReason(problem));
        return;
    }
    for (qint64 i = 0; i < source->size(); ++i)
        FUZZ_CHECK(source->valueAt(i, ascii, 8, &problem)->bytes.size() == 8);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray content(reinterpret_cast<const char *>(data), qsizetype(size));
    checkHexList(content);
    checkList(content);
    return 0;
}
