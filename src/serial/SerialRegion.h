#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// The bytes of an image that receive a unit's own data: an absolute address (extended address
// records applied) and a length of 1 to 32 bytes, all of it at or below 0xFFFFFFFF.
struct SerialRegion
{
    static constexpr int kMaxLength = 32;

    quint32 address = 0;
    int length = 0;

    // "ADDRESS:LENGTH", each decimal or 0x hexadecimal, e.g. "0x7FF0:4".
    static std::optional<SerialRegion> parse(QStringView text, QString *problem);
    // "0x7FF0:4": reads back to the same region.
    QString text() const;
    // The address one past the last byte; up to 2^32.
    quint64 end() const { return quint64(address) + quint64(length); }
    // Whether every byte of other lies in this region.
    bool contains(const SerialRegion &other) const;
    bool operator==(const SerialRegion &other) const = default;
};
