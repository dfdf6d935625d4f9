#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// The unsigned numbers that per-unit data options take: decimal, or hexadecimal after "0x", up
// to 2^64-1. Nothing else is allowed around the digits: no sign, no blanks.
class SerialNumberText
{
public:
    enum class Bases { DecimalOnly, DecimalOrHex };

    // what: the name of the number in a reason, e.g. "the address".
    static std::optional<quint64> parse(QStringView text, Bases bases, const QString &what,
                                        QString *problem);
    // Hexadecimal digits alone (either case, no "0x"), up to 2^64-1.
    static std::optional<quint64> parseHexDigits(QStringView digits, const QString &what,
                                                 QString *problem);
    // Text a person wrote, as a reason quotes it: control characters (which a terminal would act
    // on, or which would break the reason's line) become U+FFFD, and a text longer than longest
    // is cut short (a file's path is not: longest -1).
    static QString shown(QStringView text, qsizetype longest = 64);
    // "0x7FF0": upper-case digits, no padding.
    static QString hex(quint64 value);
};
