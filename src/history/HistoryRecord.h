#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QUuid>
#include <QVariantList>

#include <optional>

// One upload attempt as the flash history keeps it. Empty texts and unset numbers are stored as
// NULL. The names of fields() are those of every output: the tool's table, JSON and CSV.
struct HistoryRecord
{
    // Every field in output order, "id" first.
    static const QStringList &fields();
    // started and ended as stored: ISO 8601 in UTC to the millisecond, 2026-12-08T11:53:56.123Z,
    // so that text order is time order whoever wrote the row, wherever.
    static QString timeText(const QDateTime &time);

    // The environment variable that names this PC in place of its host name, so that one machine
    // can stand for several (the tests' stations).
    static constexpr const char *kHostNameVariable = "FWU_HOST_NAME";
    // This PC's name as the history keeps it: FWU_HOST_NAME when set, else the host name.
    static QString hostName();
    // The name this process runs under: the operator a row names unless told otherwise.
    static QString loginName();
    // Sets host, operator (the login name), program and version to this process's.
    void setOrigin(const QString &programName, const QString &programVersion);
    // The port as a front-end holds it, as text; kept only when it is a number.
    void setPort(const QString &text);
    // The values of fields() after "id", in order, for an INSERT.
    QVariantList values() const;

    // Made with the record, so that an insert sent again after its reply was lost finds its
    // first copy instead of adding a second row.
    QString attemptId = QUuid::createUuid().toString(QUuid::WithoutBraces);
    QString runId;
    QDateTime started;
    QDateTime ended;
    QString host;
    QString operatorName;
    QString program;
    QString version;
    QString title;
    QString unitName;
    // The serial number on the unit's label (scanned at the bench), when known.
    QString unitSerial;
    // The serial number written into the image for this unit, and the pool it came from.
    QString serial;
    QString serialPool;
    QString address;
    std::optional<int> port;
    QString firmwarePath;
    std::optional<qint64> firmwareSize;
    // Of the bytes sent, lowercase hex.
    QString firmwareSha256;
    // Of the file before the unit's own data was written into it; empty when nothing was.
    QString baseSha256;
    std::optional<qint64> records;
    // Unset when the front-end cannot count them.
    std::optional<qint64> recordsSent;
    // The command line's JSON outcome word.
    QString outcome;
    int exitCode = 0;
    QString message;
    QString signatureKeyId;
    QString signatureComment;
};

// One attempt read back: the values of HistoryRecord::fields(), in order.
struct HistoryRow
{
    QVariantList values;

    QVariant value(const QString &field) const;
    // started or ended as a time (invalid when the text is not one).
    QDateTime time(const QString &field) const;
    // The field as text for a table or CSV: empty for NULL, numbers as written.
    QString text(const QString &field) const;
    QJsonObject toJson() const;
};
