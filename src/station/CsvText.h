#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Comma-separated text as spreadsheets write it: fields in double quotes may hold commas, line
// ends and doubled quotes; a leading byte-order mark is dropped.
class CsvText
{
public:
    // The rows of the text; blank lines are dropped. False when a quoted field never ends.
    static bool parse(const QString &text, QList<QStringList> *rows);
    // One line (without its line end), each field quoted only when it needs to be.
    static QString line(const QStringList &fields);
    static QString field(const QString &value);
};
