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
    // One line (without its line end), each field quoted only when it needs to be. A field
    // that a spreadsheet would take for a formula (it begins with = + - @, a tab or a carriage
    // return, and is not a plain number) is written with a leading ' so that it stays text; so
    // is a field that begins with ', so that plain() gives back exactly what was written.
    static QString line(const QStringList &fields);
    static QString field(const QString &value);
    // line() for a report that may be printed in a terminal or read by a script: control
    // characters (C0 and DEL), which a terminal would act on, never reach it. Line ends and tabs
    // become spaces, the others U+FFFD. Lists keep their fields as given (see line()).
    static QString reportLine(const QStringList &fields);
    static QString printable(const QString &value);
    // A parsed field as it was before field() kept it from being taken for a formula.
    static QString plain(const QString &value);

private:
    // In double quotes when it needs them.
    static QString quoted(const QString &value);
};
