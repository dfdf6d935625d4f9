#pragma once

#include "HistoryToolOptions.h"
#include "history/HistoryRecord.h"
#include "history/HistorySummary.h"

#include <QList>
#include <QString>

// The history tool's output: a table for people, JSON Lines or CSV for programs. What a unit or
// an operator named can hold any character; none of it may steer the terminal that shows it.
class HistoryPrinter
{
public:
    // Longer cells are cut in the table (JSON and CSV carry them whole).
    static constexpr qsizetype kMaxCellLength = 60;

    explicit HistoryPrinter(HistoryToolOptions::Format format) : m_format(format) {}

    QString rows(const QList<HistoryRow> &rows) const;
    QString summary(const QList<HistorySummary::Group> &groups,
                    const QList<HistorySummary::Dimension> &by) const;
    // The stations' events, each the values of StationEvent::fields().
    QString events(const QList<QVariantList> &events) const;
    // The serial-number ledger, each number the values of SerialLedger::fields().
    QString serials(const QList<QVariantList> &numbers) const;

    // A CSV field that a spreadsheet shows as text: one that would start a formula (= + - @,
    // tab or carriage return first) gets a leading apostrophe; quoted when it needs to be.
    // Control characters other than tab and line ends become U+FFFD.
    static QString csvField(const QString &value);
    // A table cell on one line: tab and line ends as spaces; control characters and invisible
    // format characters (U+202E turning text around, zero-width ones) as U+FFFD; cut to
    // kMaxCellLength with an ellipsis.
    static QString tableCell(const QString &value);
    // started or ended as the reader's local time with its offset from UTC.
    static QString localTime(const HistoryRow &row, const QString &field);
    static QString localTime(const QDateTime &time);

private:
    static QString table(const QList<QStringList> &lines);
    static QString csv(const QStringList &header, const QList<QStringList> &lines);

    HistoryToolOptions::Format m_format;
};
