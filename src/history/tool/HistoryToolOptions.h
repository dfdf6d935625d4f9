#pragma once

#include "history/HistoryFilter.h"
#include "history/HistorySummary.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

// What the history tool is asked for, checked before the history is opened.
struct HistoryToolOptions
{
    enum class Action { List, Summary, Events, Serials, ShowHelp, ShowVersion, Fail };
    enum class Format { Table, Json, Csv };

    static constexpr const char *kProgramName = "firmware-uploader-history";

    static HistoryToolOptions parse(const QStringList &arguments);
    static QString usage();

    Action action = Action::Fail;
    QString error;
    Format format = Format::Table;
    std::optional<QString> history;
    // How long the history may take to answer (--wait, seconds).
    int waitSeconds = kDefaultWaitSeconds;
    // An SQLite file a writer holds gets its 10 s busy time-out, and more.
    static constexpr int kDefaultWaitSeconds = 30;
    // The table shows the newest kDefaultLimit unless --limit says otherwise; JSON, CSV and the
    // summary take every matching attempt.
    HistoryFilter filter;
    // --serials: the ledger of this pool only (--pool), else of every pool.
    QString pool;
    QList<HistorySummary::Dimension> summaryBy = HistorySummary::defaultDimensions();

    // Last: it leaves the members after it private.
    Q_DECLARE_TR_FUNCTIONS(HistoryToolOptions)
};
