#include "DataLayout.h"

#include <algorithm>
#include <optional>

namespace {

constexpr quint64 kLastAddress = 0xFFFFFFFFu;
// Addresses resolved at once while searching for overlaps: bounds the search's memory whatever
// the span of the records that overlap one another.
constexpr quint64 kWindow = 64 * 1024;

} // namespace

// Replays the records of one group of mutually overlapping pieces in file order onto an image of
// a window of addresses, noting every byte that a record changes after an earlier one wrote it.
class DataLayout::OverlapSearch
{
public:
    OverlapSearch(const QList<Piece> &pieces, const QByteArray &data, FirmwareSummary &summary)
        : m_pieces(pieces), m_data(data), m_summary(summary)
    {}

    // pieces[begin, end) sorted by address, reaching together from their first to last.
    void resolve(qsizetype begin, qsizetype end, quint64 last)
    {
        // As large as the widest group needs, and never larger than a window.
        const auto needed = std::size_t(std::min(kWindow, last - m_pieces[begin].first + 1));
        if (m_owners.size() < needed) {
            m_owners.resize(needed);
            m_bytes.resize(needed);
        }
        std::vector<quint32> active;
        qsizetype next = begin;
        for (quint64 window = m_pieces[begin].first; window <= last; window += kWindow) {
            const quint64 windowLast = std::min(window + kWindow - 1, last);
            std::erase_if(active, [&](qsizetype i) { return m_pieces[i].last < window; });
            while (next < end && m_pieces[next].first <= windowLast)
                active.push_back(next++);
            std::sort(active.begin(), active.end(), [&](qsizetype a, qsizetype b) {
                return m_pieces[a].line < m_pieces[b].line;
            });
            std::fill_n(m_owners.begin(), windowLast - window + 1, 0u);
            for (const quint32 i : active)
                replay(m_pieces[i], window, windowLast);
        }
        close();
    }

private:
    void replay(const Piece &piece, quint64 window, quint64 windowLast)
    {
        const quint64 from = std::max<quint64>(piece.first, window);
        const quint64 to = std::min<quint64>(piece.last, windowLast);
        const auto *bytes = reinterpret_cast<const quint8 *>(m_data.constData()) + piece.data;
        for (quint64 address = from; address <= to; ++address) {
            const quint64 at = address - window;
            const quint8 byte = bytes[address - piece.first];
            if (m_owners[at] != 0 && m_bytes[at] != byte)
                note(m_owners[at], piece.line, quint32(address));
            m_bytes[at] = byte;
            m_owners[at] = piece.line;
        }
    }

    void note(quint32 earlier, quint32 later, quint32 address)
    {
        if (m_open && m_open->earlierLine == int(earlier) && m_open->laterLine == int(later) &&
            quint64(m_open->range.last) + 1 == address) {
            m_open->range.last = address;
            return;
        }
        close();
        m_open = FirmwareOverlap{{address, address}, int(earlier), int(later)};
    }

    void close()
    {
        if (!m_open)
            return;
        ++m_summary.overlapCount;
        if (m_summary.overlaps.size() < FirmwareSummary::kMaxKeptOverlaps)
            m_summary.overlaps.append(*m_open);
        m_open.reset();
    }

    const QList<Piece> &m_pieces;
    const QByteArray &m_data;
    FirmwareSummary &m_summary;
    std::vector<quint8> m_bytes;
    // The line that last wrote each address of the window; 0 for none (lines count from 1).
    std::vector<quint32> m_owners;
    std::optional<FirmwareOverlap> m_open;
};

void DataLayout::add(quint64 first, int length, int line, const quint8 *bytes)
{
    if (length <= 0 || first > kLastAddress)
        return;
    const quint64 last = std::min(first + quint64(length) - 1, kLastAddress);
    m_ascending = m_ascending && qint64(first) > m_highest;
    m_highest = std::max(m_highest, qint64(last));
    m_pieces.append({quint32(first), quint32(last), quint32(line), quint32(m_data.size())});
    m_data.append(reinterpret_cast<const char *>(bytes), qsizetype(last - first + 1));
}

void DataLayout::finish(FirmwareSummary &summary)
{
    if (!m_ascending) {
        // Among pieces at one address, file order stays: the search replays them in it.
        std::sort(m_pieces.begin(), m_pieces.end(), [](const Piece &a, const Piece &b) {
            return a.first != b.first ? a.first < b.first : a.line < b.line;
        });
    }
    mergeRanges(summary);
    if (m_ascending)
        return;
    OverlapSearch search(m_pieces, m_data, summary);
    for (qsizetype begin = 0; begin < m_pieces.size();) {
        quint64 last = m_pieces[begin].last;
        qsizetype end = begin + 1;
        while (end < m_pieces.size() && m_pieces[end].first <= last)
            last = std::max<quint64>(last, m_pieces[end++].last);
        if (end - begin > 1)
            search.resolve(begin, end, last);
        begin = end;
    }
    // Found window by window in file order; shown by address.
    std::sort(summary.overlaps.begin(), summary.overlaps.end(),
              [](const FirmwareOverlap &a, const FirmwareOverlap &b) {
                  return a.range.first != b.range.first ? a.range.first < b.range.first
                                                        : a.earlierLine < b.earlierLine;
              });
}

void DataLayout::mergeRanges(FirmwareSummary &summary) const
{
    QList<FirmwareAddressRange> &ranges = summary.ranges;
    for (const Piece &piece : m_pieces) {
        if (!ranges.isEmpty() && quint64(piece.first) <= quint64(ranges.last().last) + 1)
            ranges.last().last = std::max(ranges.last().last, piece.last);
        else
            ranges.append({piece.first, piece.last});
    }
    summary.dataBytes = 0;
    for (const FirmwareAddressRange &range : ranges)
        summary.dataBytes += qint64(range.last) - range.first + 1;
}
