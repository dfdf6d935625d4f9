#pragma once

#include "SerialFormat.h"
#include "SerialRegion.h"
#include "SerialValue.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

// Where the units' values come from, in order:
// - "counter:START[:END]": the numbers START to END inclusive (decimal or 0x hexadecimal); without
//   END up to the largest the format and length hold;
// - "list:FILE": one value per line as a person writes it (SerialFormat::fromText), each once;
//   blank lines and white space around a value are ignored;
// - "hexlist:FILE": one Intel HEX data record per line, whose 16-bit address and data are the
//   unit's patch.
// A file is read whole at parse, at most 64 MiB with lines of at most 1 KiB, and every line that
// can be judged without the format is judged then, with its number in the reason; check() judges
// the rest, so that a bad line is refused before any unit is contacted.
class SerialSource
{
public:
    enum class Kind { Counter, List, HexList };
    static constexpr qint64 kMaxFileSize = 64 * 1024 * 1024;
    static constexpr qsizetype kMaxLineLength = 1024;

    static std::optional<SerialSource> parse(QStringView spec, QString *problem);
    // The same for a list's or hexlist's bytes already in memory; name is what reasons call it.
    static std::optional<SerialSource> fromContent(Kind kind, const QByteArray &content,
                                                   QString *problem);

    Kind kind() const { return m_kind; }
    // The number of values: a counter's END-START+1 (without END: up to 2^64-1), capped at the
    // largest qint64.
    qint64 size() const;
    // The number of values the format and length can take: a counter stops at the largest
    // number that fits.
    qint64 sizeFor(const SerialFormat &format, int length) const;

    // Judges every value against the format and region of the run: a counter's START and END
    // must fit, a list's lines must be values of the format and each value must appear once, a
    // hexlist's records must match the region when one is given. region is needed unless the
    // source is a hexlist.
    bool check(const SerialFormat &format, const std::optional<SerialRegion> &region,
               QString *problem) const;
    // The value for the unit at index (0-based); a hexlist's value ignores format and length:
    // its text is the record (upper-case), its bytes the record's data.
    std::optional<SerialValue> valueAt(qint64 index, const SerialFormat &format, int length,
                                       QString *problem) const;
    // Where the value at index goes: the region given, or for a hexlist the record's address and
    // length, which must then match the region given exactly (same low 16 bits, same length).
    std::optional<SerialRegion> regionAt(qint64 index, const std::optional<SerialRegion> &given,
                                         QString *problem) const;
    // The 1-based line of a list's or hexlist's entry; 0 for a counter.
    qint64 lineAt(qint64 index) const;

    // What identifies the pool's contents: "counter:1000:1999", "counter:1000" (no END),
    // "list:sha256:<hex>", "hexlist:sha256:<hex>", the hash taken over the entries as read
    // (white space around them and blank lines dropped, a hexlist's records in upper case).
    QString identity() const;

private:
    struct Entry
    {
        qint32 offset; // in m_entries' text
        qint32 length;
        qint64 line;
    };
    struct Record
    {
        quint16 address;
        QByteArray data;
    };

    static std::optional<SerialSource> parseCounter(QStringView numbers, QString *problem);
    bool takeEntry(QByteArrayView entry, qint64 line, QString *problem);
    QStringView entryText(qint64 index) const;
    Record recordAt(qint64 index) const;
    bool checkCounter(const SerialFormat &format, int length, QString *problem) const;
    bool checkList(const SerialFormat &format, int length, QString *problem) const;
    QString outOfRange(qint64 index) const;

    Kind m_kind = Kind::Counter;
    quint64 m_start = 0;
    std::optional<quint64> m_end;
    QString m_text;
    QList<Entry> m_entries;
    QString m_identity;
};
