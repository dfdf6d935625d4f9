#pragma once

#include <QString>
#include <QStringList>

// The station's command line. Everything it sets can also be done in the window.
struct StationOptions
{
    enum class Action { Run, ShowHelp, ShowVersion, Fail };
    Action action = Action::Run;
    QString error;
    QString unitsPath;
    QString firmwarePath;
    int limit = -1; // -1: as last time
    bool flashAll = false;
    bool dark = false;
    // Key files or base64 keys; any of them may have signed, and signing is required.
    QStringList publicKeys;

    static StationOptions parse(const QStringList &arguments);
    static QString helpText();
};
