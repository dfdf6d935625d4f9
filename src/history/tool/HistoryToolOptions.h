#pragma once

#include "history/HistoryFilter.h"

#include <QString>
#include <QStringList>

#include <optional>

// What the history tool is asked for, checked before the history is opened.
struct HistoryToolOptions
{
    enum class Action { List, Summary, ShowHelp, ShowVersion, Fail };
    enum class Format { Table, Json, Csv };

    static constexpr const char *kProgramName = "firmware-uploader-history";

    static HistoryToolOptions parse(const QStringList &arguments);
    static QString usage();
    // Milliseconds since the epoch of an ISO date (its local midnight) or time (local unless it
    // names its offset). The end of a date or time when until: the following day or millisecond.
    static std::optional<qint64> parseTime(const QString &text, bool until);

    Action action = Action::Fail;
    QString error;
    Format format = Format::Table;
    std::optional<QString> history;
    HistoryFilter filter;
};
