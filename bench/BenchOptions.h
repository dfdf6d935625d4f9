#pragma once

#include "UploadRun.h"

#include <QString>
#include <QStringList>

class QCoreApplication;

// The command line shared by the bench programs:
//   MODE --port N --file F [--debug] [--cap] [--idle S] [--timeline] [--uploads N]
//        [--time-scale X]
struct BenchOptions
{
    QString mode;
    quint16 port = 0;
    QString file;
    bool debug = false;
    UploadRun::Options run;
    int uploads = 50;
    double timeScale = 0.05;

    // Parses the arguments; on a mistake prints it with the usage and returns false.
    bool parse(const QStringList &arguments, const QStringList &modes);
};
