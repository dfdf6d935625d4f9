#pragma once

#include "HistoryRecord.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Yield as a supervisor asks for it: the attempts grouped by title, firmware, day or unit (any
// of them together), and for each group its units, attempts, finished attempts, the share of
// units whose first attempt finished (first-pass yield) and of those whose last one did (final
// yield). Computed over the rows a filter selected, so "first" and "last" are within that period.
class HistorySummary
{
public:
    enum class Dimension { Title, Firmware, Day, Unit };

    struct Group
    {
        // One value per dimension, in the order asked: the title, the full SHA-256 (empty when
        // the attempt got no hash), the day (ISO, the reader's local date) and the unit.
        QStringList key;
        // The signature comment of the group's image, when any of its rows has one.
        QString firmwareVersion;
        qint64 units = 0;
        qint64 attempts = 0;
        qint64 finished = 0;
        // Percentages, 0 to 100.
        double firstPassYield = 0;
        double finalYield = 0;
    };

    // A comma-separated list of dimension names, or the reason it cannot be used.
    static std::optional<QString> parseDimensions(const QString &text, QList<Dimension> *by);
    static QString name(Dimension dimension);
    // title, firmware
    static const QList<Dimension> &defaultDimensions();
    // The groups in the order of their keys; rows newest first, as HistoryStore::select gives
    // them.
    static QList<Group> compute(const QList<HistoryRow> &rows, const QList<Dimension> &by);
    // What tells one unit from another: its name, else address:port.
    static QString unitOf(const HistoryRow &row);
};
