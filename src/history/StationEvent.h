#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QVariantList>

// Something a supervisor audits a shift by, kept in the flash history beside the attempts: a
// station locked or unlocked, an unlock refused, a new shift begun.
struct StationEvent
{
    // "lock", "unlock", "refused_unlock", "new_shift"
    QString event;
    QString detail;
    QDateTime time = QDateTime::currentDateTimeUtc();
    QString host;
    QString operatorName;
    QString program;
    QString version;
    QString title;

    // Every field in output order, "id" first: the table's, JSON's and CSV's names.
    static const QStringList &fields();
    // The statement that makes the table (schema version 3).
    static QString createTable(bool postgres);
    // The values of fields() after "id", in order, for an INSERT.
    QVariantList values() const;
};
