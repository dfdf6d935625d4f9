#pragma once

#include "UploadRun.h"

#include <QString>
#include <QStringList>

// The one line a bench process prints for scripts/bench to collect: "key=value" pairs.
class BenchReport
{
public:
    void add(const QString &key, const QString &value);
    void add(const QString &key, double value, int decimals = 3);
    void add(const QString &key, qint64 value);
    // Everything a measured upload yields, with the rate over the given number of records.
    void addRun(const UploadRun::Result &result, qint64 records);
    // Writes the line to standard output, with the process's peak memory.
    void print();

private:
    QStringList m_pairs;
};
