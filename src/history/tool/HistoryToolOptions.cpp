#include "HistoryToolOptions.h"

#include "platform/Language.h"
#include "upload/AttemptOutcome.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QPair>

namespace {

HistoryToolOptions failure(const QString &error)
{
    HistoryToolOptions options;
    options.action = HistoryToolOptions::Action::Fail;
    options.error = error;
    return options;
}

std::optional<QString> takeFilter(const QCommandLineParser &parser, HistoryToolOptions *options)
{
    HistoryFilter &filter = options->filter;
    using Setter = std::optional<QString> (HistoryFilter::*)(const QString &);
    const QList<QPair<const char *, Setter>> checked{{"unit", &HistoryFilter::setUnit},
                                                     {"sha256", &HistoryFilter::setSha256},
                                                     {"since", &HistoryFilter::setSince},
                                                     {"until", &HistoryFilter::setUntil},
                                                     {"limit", &HistoryFilter::setLimit}};
    for (const auto &[name, set] : checked) {
        const QString option = QLatin1String(name);
        if (!parser.isSet(option))
            continue;
        if (std::optional<QString> problem = (filter.*set)(parser.value(option)))
            return HistoryToolOptions::tr("--%1 %2.").arg(option, *problem);
    }
    filter.unitName = parser.value(QStringLiteral("name"));
    filter.unitSerial = parser.value(QStringLiteral("unit-serial"));
    filter.serial = parser.value(QStringLiteral("serial"));
    filter.runId = parser.value(QStringLiteral("run-id"));
    const QString outcome = parser.value(QStringLiteral("outcome"));
    if (parser.isSet(QStringLiteral("outcome"))) {
        if (!AttemptOutcome::words().contains(outcome))
            return HistoryToolOptions::tr("--outcome needs one of %1, not \"%2\".")
                .arg(AttemptOutcome::words().join(QStringLiteral(", ")), outcome);
        filter.outcome = outcome;
    }
    // Only the table is cut by default (and says so): an export of some attempts would pass for
    // all of them. A summary counts every attempt of its period.
    const bool summary = parser.isSet(QStringLiteral("summary"));
    if (summary || (!parser.isSet(QStringLiteral("limit")) &&
                    options->format != HistoryToolOptions::Format::Table))
        filter.limit = 0;
    if (parser.isSet(QStringLiteral("by"))) {
        if (!summary)
            return HistoryToolOptions::tr("--by goes with --summary.");
        if (std::optional<QString> problem = HistorySummary::parseDimensions(
                parser.value(QStringLiteral("by")), &options->summaryBy))
            return HistoryToolOptions::tr("--by %1.").arg(*problem);
    }
    return std::nullopt;
}

} // namespace

HistoryToolOptions HistoryToolOptions::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QStringList valued{
        QStringLiteral("history"), QStringLiteral("unit"),        QStringLiteral("name"),
        QStringLiteral("sha256"),  QStringLiteral("outcome"),     QStringLiteral("since"),
        QStringLiteral("until"),   QStringLiteral("run-id"),      QStringLiteral("limit"),
        QStringLiteral("by"),      QStringLiteral("unit-serial"), QStringLiteral("wait"),
        QStringLiteral("serial"),  QStringLiteral("pool")};
    for (const QString &name : valued)
        parser.addOption(QCommandLineOption(name, QString(), QStringLiteral("VALUE")));
    for (const char *name : {"json", "csv", "summary", "events", "serials"})
        parser.addOption(QCommandLineOption(QLatin1String(name)));
    parser.addOption(
        QCommandLineOption(QStringList{QStringLiteral("v"), QStringLiteral("version")}));
    parser.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}));
    if (!parser.parse(arguments))
        return failure(parser.errorText());

    HistoryToolOptions options;
    if (parser.isSet(QStringLiteral("help"))) {
        options.action = Action::ShowHelp;
        return options;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        options.action = Action::ShowVersion;
        return options;
    }
    for (const QString &name : valued) {
        if (parser.values(name).size() > 1)
            return failure(HistoryToolOptions::tr("--%1 is given more than once.").arg(name));
    }
    if (!parser.positionalArguments().isEmpty())
        return failure(HistoryToolOptions::tr("Unexpected argument \"%1\".")
                           .arg(parser.positionalArguments().constFirst()));
    if (parser.isSet(QStringLiteral("json")) && parser.isSet(QStringLiteral("csv")))
        return failure(HistoryToolOptions::tr("--json and --csv exclude each other."));
    if (parser.isSet(QStringLiteral("json")))
        options.format = Format::Json;
    else if (parser.isSet(QStringLiteral("csv")))
        options.format = Format::Csv;
    if (parser.isSet(QStringLiteral("history")))
        options.history = parser.value(QStringLiteral("history"));
    if (parser.isSet(QStringLiteral("wait"))) {
        bool ok = false;
        options.waitSeconds = parser.value(QStringLiteral("wait")).toInt(&ok);
        if (!ok || options.waitSeconds < 1 || options.waitSeconds > 3600)
            return failure(
                HistoryToolOptions::tr("--wait needs seconds from 1 to 3600, not \"%1\".")
                    .arg(parser.value(QStringLiteral("wait"))));
    }
    if (std::optional<QString> problem = takeFilter(parser, &options))
        return failure(*problem);
    const int actions = int(parser.isSet(QStringLiteral("events"))) +
                        int(parser.isSet(QStringLiteral("summary"))) +
                        int(parser.isSet(QStringLiteral("serials")));
    if (actions > 1)
        return failure(QCoreApplication::translate(
            "HistoryToolOptions", "--events, --summary and --serials exclude each other."));
    if (parser.isSet(QStringLiteral("pool")) && !parser.isSet(QStringLiteral("serials")))
        return failure(
            QCoreApplication::translate("HistoryToolOptions", "--pool goes with --serials."));
    options.pool = parser.value(QStringLiteral("pool"));
    options.action = parser.isSet(QStringLiteral("summary"))   ? Action::Summary
                     : parser.isSet(QStringLiteral("events"))  ? Action::Events
                     : parser.isSet(QStringLiteral("serials")) ? Action::Serials
                                                               : Action::List;
    return options;
}

QString HistoryToolOptions::usage()
{
    // Three lines, so that the first still fits 80 columns after a longer translated lead-in.
    const QString wrap = QStringLiteral(",\n                     ");
    const QString outcomes =
        AttemptOutcome::words()
            .join(QStringLiteral(", "))
            .replace(QStringLiteral("refused, "), QStringLiteral("refused") + wrap)
            .replace(QStringLiteral("output_failed, "), QStringLiteral("output_failed") + wrap);
    //: Keep the option names, the words in capitals after them and the columns.
    return tr("Usage: %1 [options]\n"
              "\n"
              "Shows the flash history: one row per upload attempt by the window, the\n"
              "command-line uploader and the station, newest first.\n"
              "\n"
              "Options:\n"
              "  --history URL      the history: sqlite:///path/file.sqlite,\n"
              "                     postgresql://user@host:port/dbname (libpq's URI forms,\n"
              "                     ?host=/socket/dir included; keep a password in\n"
              "                     ~/.pgpass); default: FWU_HISTORY, else\n"
              "                     ~/.local/share/FirmwareUploader/history.sqlite\n"
              "  --wait SECONDS     how long the history may take to answer before the\n"
              "                     tool gives up with exit 2 (default 30)\n"
              "  --json             JSON Lines: one object per attempt (times in UTC)\n"
              "  --csv              comma-separated values with a header line (UTC)\n"
              "  --unit A[:P]       attempts on the unit at address A (and port P)\n"
              "  --name NAME        attempts on the unit of that name\n"
              "  --unit-serial TEXT attempts on the unit with that serial on its label\n"
              "  --serial VALUE     attempts that wrote that serial number into the image\n"
              "  --sha256 HEX       firmware whose SHA-256 begins with HEX (8 digits or more)\n"
              "  --outcome WORD     attempts that ended so: %2\n"
              "  --since WHEN       attempts started at or after WHEN: an ISO date or time,\n"
              "                     2026-03-01T14:30Z or +01:00; without Z or an offset,\n"
              "                     your local time\n"
              "  --until WHEN       attempts started up to WHEN (a date: to its end)\n"
              "  --run-id ID        attempts of one station run\n"
              "  --limit N          at most N attempts, 0 for all (default: %3 in the\n"
              "                     table, all with --json or --csv)\n"
              "  --summary          units, attempts, finished, first-pass and final yield\n"
              "                     per group of every matching attempt\n"
              "  --by LIST          the summary's groups: any of title, firmware, day, unit\n"
              "                     (default title,firmware)\n"
              "  --events           the stations' events instead: locked, unlocked, a\n"
              "                     refused unlock, a new shift (with --limit)\n"
              "  --serials          the serial-number ledger instead: each number of each\n"
              "                     pool, its state (allocated, used, burnt, returned) and\n"
              "                     the attempt, unit and host that last held it\n"
              "  --pool NAME        with --serials: the numbers of that pool only\n")
               .arg(QLatin1String(kProgramName), outcomes)
               .arg(HistoryFilter::kDefaultLimit) +
           Language::helpLine(21) +
           //: Keep the option names and the columns.
           tr("  -h, --help         show this text\n"
              "  -v, --version      show the version\n"
              "\n"
              "The table shows your local time with its offset; JSON and CSV keep UTC.\n"
              "\n"
              "Exit codes:\n"
              "  0    done, also when no attempt matches\n"
              "  2    the history cannot be read\n"
              "  4    bad option\n");
}
