#pragma once

#include "StationUnit.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

class FirmwareSnapshot;

// What a run did, for the operator to hand over: when and where it ran, which firmware, and
// each unit's outcome. The same content as CSV (one line per unit, the run's fields repeated so
// that every line stands alone) and as JSON.
class RunReport
{
    Q_DECLARE_TR_FUNCTIONS(RunReport)

public:
    RunReport(const QList<StationUnit> &units, const FirmwareSnapshot &firmware,
              const QDateTime &createdAt = QDateTime::currentDateTime());

    QByteArray csv() const;
    QByteArray json() const;
    // Writes BASE.csv and BASE.json; false, with the reason, when either cannot be written.
    bool save(const QString &basePath, QString *error) const;
    // Writes FOLDER/station-report-20261207-142233-517-HOST.csv and .json, never replacing a
    // file (a name in use gets "-2", "-3", ...). The base path written, or nullopt with the reason.
    std::optional<QString> saveNew(const QString &folder, const QDateTime &at,
                                   QString *error) const;
    // "station-report-20261207-142233-517-HOST" in the folder: time to the millisecond and host.
    static QString basePathIn(const QString &folder, const QDateTime &at);

    static QString isoTime(const QDateTime &time);

private:
    QList<StationUnit> m_units;
    QString m_createdAt;
    QString m_host;
    QString m_version;
    QString m_firmwarePath;
    qint64 m_firmwareSize = 0;
    QString m_firmwareSha256;
    // Of a signature that verified; empty for unsigned firmware.
    QString m_signatureKeyId;
    QString m_signatureComment;
};
