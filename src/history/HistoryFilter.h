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

    // Milliseconds since the epoch of an ISO date (its local midnight) or time (the reader's
    // local time unless it names its offset or Z). The end of a date or time when until: the
    // following day or millisecond.
    static std::optional<qint64> parseTime(const QString &text, bool until);

    // The filters as a person types them (the history tool's options, the window's fields):
    // each takes its text or says why not, in words that do not name the field.
    // "ADDRESS", "ADDRESS:PORT", "[IPv6]" or "[IPv6]:PORT"; an IPv6 address alone has no port.
    std::optional<QString> setUnit(const QString &text);
    // 8 to 64 hexadecimal digits.
    std::optional<QString> setSha256(const QString &text);
    std::optional<QString> setSince(const QString &text);
    std::optional<QString> setUntil(const QString &text);
    // A whole number, 0 for all.
    std::optional<QString> setLimit(const QString &text);

    QString address;
    std::optional<int> port;
    QString unitName;
    QString unitSerial;
    // The serial number written into the image.
    QString serial;
    // The product title the attempt was made for.
    QString title;
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
