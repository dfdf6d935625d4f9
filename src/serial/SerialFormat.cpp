#include "SerialFormat.h"

#include "SerialNumberText.h"
#include "SerialRegion.h"
#include "platform/CoreText.h"

#include <algorithm>
#include <array>
#include <limits>

namespace {

struct FormatName
{
    SerialFormat::Kind kind;
    const char *name;
};
constexpr std::array<FormatName, 5> kNames{{
    {SerialFormat::Kind::LittleEndian, "le"},
    {SerialFormat::Kind::BigEndian, "be"},
    {SerialFormat::Kind::Ascii, "ascii"},
    {SerialFormat::Kind::Hex, "hex"},
    {SerialFormat::Kind::Bytes, "bytes"},
}};

constexpr quint64 kLargest = std::numeric_limits<quint64>::max();

void setProblem(QString *problem, const QString &text)
{
    if (problem)
        *problem = text;
}

// The largest number of `digits` digits in `base`, at most 2^64-1.
quint64 largestOfDigits(int digits, quint64 base)
{
    quint64 power = 1;
    for (int i = 0; i < digits; ++i) {
        if (power > kLargest / base)
            return kLargest;
        power *= base;
    }
    return power - 1;
}

// n in length bytes, most significant first; bytes above 8 are zero.
QByteArray bigEndian(quint64 n, int length)
{
    QByteArray bytes(length, '\0');
    for (int i = length - 1; i >= 0 && n != 0; --i, n >>= 8)
        bytes[i] = char(n & 0xFF);
    return bytes;
}

QString colonSeparated(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(':').toUpper());
}

bool isHexDigit(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || (u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F');
}

bool isSeparator(QChar c)
{
    return c == u':' || c == u'-';
}

} // namespace

std::optional<SerialFormat> SerialFormat::parse(QStringView name, QString *problem)
{
    for (const FormatName &entry : kNames) {
        if (name == QLatin1String(entry.name))
            return SerialFormat(entry.kind);
    }
    setProblem(problem,
               CoreText::english("'%1' is no format; the formats are le, be, ascii, hex and bytes")
                   .arg(SerialNumberText::shown(name)));
    return std::nullopt;
}

QString SerialFormat::name() const
{
    for (const FormatName &entry : kNames) {
        if (entry.kind == m_kind)
            return QLatin1String(entry.name);
    }
    return {};
}

quint64 SerialFormat::largest(int length) const
{
    switch (m_kind) {
    case Kind::Ascii:
        return largestOfDigits(length, 10);
    case Kind::Hex:
        return largestOfDigits(length, 16);
    case Kind::LittleEndian:
    case Kind::BigEndian:
    case Kind::Bytes:
        break;
    }
    return largestOfDigits(length, 256);
}

QString SerialFormat::tooLarge(quint64 n, int length) const
{
    return CoreText::english("%1 does not fit in %2 bytes of format %3 (the largest is %4)")
        .arg(n)
        .arg(length)
        .arg(name())
        .arg(largest(length));
}

std::optional<SerialValue> SerialFormat::fromNumber(quint64 n, int length, QString *problem) const
{
    if (length < 1 || length > SerialRegion::kMaxLength) {
        setProblem(problem, CoreText::english("the length is %1 bytes; it must be 1 to %2")
                                .arg(length)
                                .arg(SerialRegion::kMaxLength));
        return std::nullopt;
    }
    if (n > largest(length)) {
        setProblem(problem, tooLarge(n, length));
        return std::nullopt;
    }
    SerialValue value;
    switch (m_kind) {
    case Kind::LittleEndian:
        value.bytes = bigEndian(n, length);
        std::reverse(value.bytes.begin(), value.bytes.end());
        value.text = QString::number(n);
        break;
    case Kind::BigEndian:
        value.bytes = bigEndian(n, length);
        value.text = QString::number(n);
        break;
    case Kind::Ascii:
        value.text = QStringLiteral("%1").arg(n, length, 10, QLatin1Char('0'));
        value.bytes = value.text.toLatin1();
        break;
    case Kind::Hex:
        value.text = QStringLiteral("%1").arg(n, length, 16, QLatin1Char('0')).toUpper();
        value.bytes = value.text.toLatin1();
        break;
    case Kind::Bytes:
        value.bytes = bigEndian(n, length);
        value.text = colonSeparated(value.bytes);
        break;
    }
    return value;
}

std::optional<SerialValue> SerialFormat::fromText(QStringView text, int length,
                                                  QString *problem) const
{
    const QString what = CoreText::english("the value '%1'").arg(SerialNumberText::shown(text));
    std::optional<quint64> n;
    switch (m_kind) {
    case Kind::Bytes:
        return bytesFromText(text, length, problem);
    case Kind::Hex:
        n = text.startsWith(u"0x", Qt::CaseInsensitive)
                ? SerialNumberText::parseHexDigits(text.mid(2), what, problem)
                : SerialNumberText::parseHexDigits(text, what, problem);
        break;
    case Kind::LittleEndian:
    case Kind::BigEndian:
    case Kind::Ascii:
        n = SerialNumberText::parse(text, SerialNumberText::Bases::DecimalOnly, what, problem);
        break;
    }
    if (!n)
        return std::nullopt;
    return fromNumber(*n, length, problem);
}

std::optional<SerialValue> SerialFormat::bytesFromText(QStringView text, int length,
                                                       QString *problem) const
{
    // Pairs of digits, either all separated by one kind of separator or not at all.
    const bool separated = text.size() > 2 && isSeparator(text.at(2));
    bool wellFormed = separated ? text.size() % 3 == 2 : text.size() % 2 == 0;
    QString digits;
    for (qsizetype i = 0; wellFormed && i < text.size(); ++i) {
        if (separated && i % 3 == 2)
            wellFormed = text.at(i) == text.at(2);
        else if (isHexDigit(text.at(i)))
            digits.append(text.at(i));
        else
            wellFormed = false;
    }
    if (!wellFormed || digits.isEmpty()) {
        setProblem(problem,
                   CoreText::english("the value '%1' is not bytes written as 00:1A:2B or 001A2B")
                       .arg(SerialNumberText::shown(text)));
        return std::nullopt;
    }
    const QByteArray bytes = QByteArray::fromHex(digits.toLatin1());
    if (bytes.size() != length) {
        setProblem(problem, CoreText::english("the value '%1' has %2 bytes, the region %3")
                                .arg(SerialNumberText::shown(text))
                                .arg(bytes.size())
                                .arg(length));
        return std::nullopt;
    }
    return SerialValue{colonSeparated(bytes), bytes};
}
