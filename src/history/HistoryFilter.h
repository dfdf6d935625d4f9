#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QVariantList>

#include <optional>

// Which attempts to read back; every set criterion must hold.
struct HistoryFilter
{
    static constexpr int kDefaultLimit = 50;

    QString address;
    std::optional<int> port;
    QString unitName;
    // Lowercase hex, the start of the SHA-256.
    QString sha256Prefix;
    QString outcome;
    // Milliseconds since the epoch: since is inclusive, until exclusive.
    std::optional<qint64> sinceMs;
    std::optional<qint64> untilMs;
    QString runId;
    // Any of these units (address and port), when not empty.
    QList<QPair<QString, int>> units;
    // 0: no limit.
    int limit = kDefaultLimit;

    // " WHERE ..." with ? placeholders whose values are appended to bindings; empty when nothing
    // is filtered.
    QString whereClause(QVariantList *bindings) const;
};
