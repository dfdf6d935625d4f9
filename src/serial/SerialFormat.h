#pragma once

#include "SerialValue.h"

#include <QString>
#include <QStringView>

#include <optional>

// How a unit's value becomes the bytes of its region, LENGTH bytes long:
// - le, be: an unsigned integer, little- or big-endian; shown in decimal;
// - ascii: decimal digits, zero-padded on the left;
// - hex: upper-case hexadecimal digits, zero-padded on the left;
// - bytes: the bytes themselves, shown as "00:1A:2B:3C:4D:5E"; a counter counts in them
//   big-endian, as a MAC address counts.
// A value that does not fit in LENGTH is refused with the reason.
class SerialFormat
{
public:
    enum class Kind { LittleEndian, BigEndian, Ascii, Hex, Bytes };

    SerialFormat() = default;
    explicit SerialFormat(Kind kind) : m_kind(kind) {}

    // "le", "be", "ascii", "hex" or "bytes".
    static std::optional<SerialFormat> parse(QStringView name, QString *problem);
    Kind kind() const { return m_kind; }
    QString name() const;

    // A value as a person writes it (a label, a line of a list): le, be and ascii take decimal
    // digits, hex takes hexadecimal digits of either case (with or without 0x), bytes takes
    // exactly length bytes as pairs of hexadecimal digits, all separated by ':' or '-' or none.
    std::optional<SerialValue> fromText(QStringView text, int length, QString *problem) const;
    // The n-th number of a counter.
    std::optional<SerialValue> fromNumber(quint64 n, int length, QString *problem) const;
    // The largest number that length bytes of this format hold (at most 2^64-1).
    quint64 largest(int length) const;

private:
    std::optional<SerialValue> bytesFromText(QStringView text, int length, QString *problem) const;
    QString tooLarge(quint64 n, int length) const;

    Kind m_kind = Kind::BigEndian;
};
