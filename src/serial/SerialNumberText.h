#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringView>

#include <optional>

// The unsigned numbers that per-unit data options take: decimal, or hexadecimal after "0x", up
// to 2^64-1. Nothing else is allowed around the digits: no sign, no blanks.
class SerialNumberText
{
    Q_DECLARE_TR_FUNCTIONS(SerialNumberText)

public:
    enum class Bases { DecimalOnly, DecimalOrHex };

    // what: the name of the number in a reason, e.g. "the address".
    static std::optional<quint64> parse(QStringView text, Bases bases, const QString &what,
                                        QString *problem);
    // Hexadecimal digits alone (either case, no "0x"), up to 2^64-1.
    static std::optional<quint64> parseHexDigits(QStringView digits, const QString &what,
                                                 QString *problem);
    // "0x7FF0": upper-case digits, no padding.
    static QString hex(quint64 value);
};
