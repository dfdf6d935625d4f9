#include "HistorySummary.h"

#include <QCoreApplication>
#include <QHash>
#include <QMap>

namespace {

const QStringList &dimensionNames()
{
    static const QStringList names{QStringLiteral("title"), QStringLiteral("firmware"),
                                   QStringLiteral("day"), QStringLiteral("unit")};
    return names;
}

struct UnitAttempts
{
    bool firstFinished = false;
    bool lastFinished = false;
};

struct Tally
{
    qint64 attempts = 0;
    qint64 finished = 0;
    QString firmwareVersion;
    QHash<QString, UnitAttempts> units;
};

double percent(qint64 part, qint64 whole)
{
    return whole > 0 ? 100.0 * double(part) / double(whole) : 0.0;
}

} // namespace

QString HistorySummary::name(Dimension dimension)
{
    return dimensionNames().at(int(dimension));
}

const QList<HistorySummary::Dimension> &HistorySummary::defaultDimensions()
{
    static const QList<Dimension> dimensions{Dimension::Title, Dimension::Firmware};
    return dimensions;
}

std::optional<QString> HistorySummary::parseDimensions(const QString &text, QList<Dimension> *by)
{
    by->clear();
    for (const QString &word : text.split(QLatin1Char(','))) {
        const qsizetype index = dimensionNames().indexOf(word.trimmed());
        if (index < 0 || by->contains(Dimension(index)))
            return QCoreApplication::translate("HistorySummary",
                                               "needs a list of title, firmware, day and unit, "
                                               "each once, not \"%1\"")
                .arg(text);
        by->append(Dimension(index));
    }
    return std::nullopt;
}

QString HistorySummary::unitOf(const HistoryRow &row)
{
    const QString unitName = row.text(QStringLiteral("unit_name"));
    if (!unitName.isEmpty())
        return unitName;
    return row.text(QStringLiteral("address")) + QLatin1Char(':') +
           row.text(QStringLiteral("port"));
}

QList<HistorySummary::Group> HistorySummary::compute(const QList<HistoryRow> &rows,
                                                     const QList<Dimension> &by)
{
    const QString shaField = QStringLiteral("firmware_sha256");
    // An image's version is known when any of its rows was signed.
    QHash<QString, QString> versions;
    for (const HistoryRow &row : rows) {
        const QString comment = row.text(QStringLiteral("signature_comment"));
        if (!comment.isEmpty() && !versions.contains(row.text(shaField)))
            versions.insert(row.text(shaField), comment);
    }
    QMap<QStringList, Tally> tallies;
    // Oldest first, so that a unit's first attempt is seen first and its last one last.
    for (auto row = rows.crbegin(); row != rows.crend(); ++row) {
        const QString unit = unitOf(*row);
        QStringList key;
        for (Dimension dimension : by) {
            switch (dimension) {
            case Dimension::Title:
                key.append(row->text(QStringLiteral("title")));
                break;
            case Dimension::Firmware:
                key.append(row->text(shaField));
                break;
            case Dimension::Day:
                key.append(row->time(QStringLiteral("started"))
                               .toLocalTime()
                               .date()
                               .toString(Qt::ISODate));
                break;
            case Dimension::Unit:
                key.append(unit);
                break;
            }
        }
        Tally &tally = tallies[key];
        const bool finished = row->text(QStringLiteral("outcome")) == QLatin1String("finished");
        ++tally.attempts;
        tally.finished += finished ? 1 : 0;
        if (by.contains(Dimension::Firmware))
            tally.firmwareVersion = versions.value(row->text(shaField));
        const auto seen = tally.units.find(unit);
        if (seen == tally.units.end())
            tally.units.insert(unit, {finished, finished});
        else
            seen->lastFinished = finished;
    }
    QList<Group> groups;
    for (auto it = tallies.cbegin(); it != tallies.cend(); ++it) {
        qint64 firstPass = 0;
        qint64 finalPass = 0;
        for (const UnitAttempts &unit : it->units) {
            firstPass += unit.firstFinished ? 1 : 0;
            finalPass += unit.lastFinished ? 1 : 0;
        }
        const qint64 units = it->units.size();
        groups.append({it.key(), it->firmwareVersion, units, it->attempts, it->finished,
                       percent(firstPass, units), percent(finalPass, units)});
    }
    return groups;
}
