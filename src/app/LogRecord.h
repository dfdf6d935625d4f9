#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// The activity log as the operator keeps it: a header that says which program sent which file
// to which unit with what outcome, then every line of the log as shown.
struct LogRecord
{
    QDateTime savedAt;
    QString program;      // title and version, as in the window's caption
    QString firmwarePath; // empty when no file was chosen
    QStringList firmware; // what the image holds: size, records, ranges, SHA-256
    QString address;
    QString port;
    QString outcome;
    QStringList lines;

    // Plain text, one line per row, each ended by a line feed.
    QString text() const;
    // Written whole or not at all; the reason on failure.
    bool write(const QString &path, QString *error) const;
};
