#pragma once

#include "HistoryToolOptions.h"
#include "history/HistoryRecord.h"
#include "history/HistoryStore.h"

#include <QList>
#include <QString>

// The history tool's output: a table for people, JSON Lines or CSV for programs.
class HistoryPrinter
{
public:
    explicit HistoryPrinter(HistoryToolOptions::Format format) : m_format(format) {}

    QString rows(const QList<HistoryRow> &rows) const;
    QString summary(const QList<HistoryStore::Count> &counts) const;

    // A CSV field that a spreadsheet shows as text: one that would start a formula (= + - @,
    // tab or carriage return first) gets a leading apostrophe; quoted when it needs to be.
    static QString csvField(const QString &value);

private:
    static QString table(const QList<QStringList> &lines);
    static QString csv(const QStringList &header, const QList<QStringList> &lines);

    HistoryToolOptions::Format m_format;
};
