#pragma once

#include "FirmwareSummary.h"

#include <QByteArray>
#include <QList>

#include <vector>

// Where the data records of an image land, gathered record by record in file order: the merged
// address ranges, the number of addresses written, and the addresses that a later record writes
// again with different bytes.
//
// Each record costs one entry in a flat list and its bytes in one flat buffer, never an
// allocation of its own. A file whose records only ever move up in address (what linkers write)
// cannot overlap itself, so it is merged in one sweep; only a file that goes back is sorted and
// searched for overlaps, in windows of bounded size.
class DataLayout
{
public:
    // first: the absolute address of the first byte; bytes beyond 0xFFFFFFFF are dropped.
    void add(quint64 first, int length, int line, const quint8 *bytes);
    bool isEmpty() const { return m_pieces.isEmpty(); }
    // Fills the summary's ranges, dataBytes, overlaps and overlapCount.
    void finish(FirmwareSummary &summary);

private:
    struct Piece
    {
        quint32 first;
        quint32 last;
        quint32 line;
        quint32 data; // offset of its bytes in m_data
    };
    class OverlapSearch;

    void mergeRanges(FirmwareSummary &summary) const;

    QList<Piece> m_pieces;
    QByteArray m_data;
    bool m_ascending = true;
    qint64 m_highest = -1;
};
