#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <optional>

// One upload attempt as the flash history keeps it. Empty texts and unset numbers are stored as
// NULL. The names of fields() are those of every output: the tool's table, JSON and CSV.
struct HistoryRecord
{
    // Every field in output order, "id" first.
    static const QStringList &fields();
    // started and ended as ISO 8601 with the offset from UTC, to the millisecond.
    static QString timeText(const QDateTime &time);

    // Sets host, operator (the login name), program and version to this process's.
    void setOrigin(const QString &programName, const QString &programVersion);
    // The port as a front-end holds it, as text; kept only when it is a number.
    void setPort(const QString &text);
    // The values of fields() after "id", in order, for an INSERT.
    QVariantList values() const;

    QString runId;
    QDateTime started;
    QDateTime ended;
    QString host;
    QString operatorName;
    QString program;
    QString version;
    QString title;
    QString unitName;
    QString address;
    std::optional<int> port;
    QString firmwarePath;
    std::optional<qint64> firmwareSize;
    // Of the bytes sent, lowercase hex.
    QString firmwareSha256;
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
    // The field as text for a table or CSV: empty for NULL, numbers as written.
    QString text(const QString &field) const;
    QJsonObject toJson() const;
};
