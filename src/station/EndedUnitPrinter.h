#pragma once

#include <QObject>

#include <cstdio>

class UnitListModel;

// For a headless run: one line per unit on standard output as it ends, then the totals, so that
// a script or a person at a terminal sees which units failed without opening the report.
//   PASS<TAB>name<TAB>address:port<TAB>serial<TAB>outcome word<TAB>reason
//   8 units: 6 finished, 2 failed
class EndedUnitPrinter : public QObject
{
    Q_OBJECT

public:
    explicit EndedUnitPrinter(const UnitListModel &model, std::FILE *out = stdout,
                              QObject *parent = nullptr);

    void unitEnded(int row);
    // The units that ran since the last totals line, and how they ended.
    void printTotals();

    // The line for one unit; tabs and line breaks in its fields become spaces.
    static QString line(const UnitListModel &model, int row);

private:
    const UnitListModel &m_model;
    std::FILE *m_out;
    int m_finished = 0;
    int m_failed = 0;
};
