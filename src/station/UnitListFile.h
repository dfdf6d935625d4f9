#pragma once

#include "StationUnit.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

// The station's list of units as a CSV file: a header "name,address,port[,title]", then one
// unit per line, UTF-8.
class UnitListFile
{
    Q_DECLARE_TR_FUNCTIONS(UnitListFile)

public:
    // The units of the file; on failure empty, with the reason in *error.
    static QList<StationUnit> load(const QString &path, QString *error);
    static QList<StationUnit> fromText(const QString &text, QString *error);
    static bool save(const QString &path, const QList<StationUnit> &units, QString *error);
    static QString toText(const QList<StationUnit> &units);
};
