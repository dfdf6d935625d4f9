#include "HistoryToolOptions.h"

#include "upload/AttemptOutcome.h"

#include <QCommandLineParser>
#include <QDateTime>
#include <QRegularExpression>

namespace {

HistoryToolOptions failure(const QString &error)
{
    HistoryToolOptions options;
    options.action = HistoryToolOptions::Action::Fail;
    options.error = error;
    return options;
}

// "ADDRESS", "ADDRESS:PORT", "[IPv6]" or "[IPv6]:PORT"; an IPv6 address without brackets has no
// port.
std::optional<QString> takeUnit(const QString &text, HistoryFilter *filter)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(?:\\[([^\\]]+)\\]|([^:\\[\\]]+))(?::([0-9]{1,5}))?$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch()) {
        if (text.count(QLatin1Char(':')) < 2)
            return QStringLiteral("--unit needs ADDRESS or ADDRESS:PORT, not \"%1\".").arg(text);
        filter->address = text;
        return std::nullopt;
    }
    filter->address = match.captured(1).isEmpty() ? match.captured(2) : match.captured(1);
    if (match.hasCaptured(3) && !match.captured(3).isEmpty()) {
        const int port = match.captured(3).toInt();
        if (port < 1 || port > 65535)
            return QStringLiteral("--unit: the port must be from 1 to 65535, not \"%1\".")
                .arg(match.captured(3));
        filter->port = port;
    }
    return std::nullopt;
}

std::optional<QString> takeFilter(const QCommandLineParser &parser, HistoryToolOptions *options)
{
    HistoryFilter &filter = options->filter;
    const auto value = [&parser](const char *name) { return parser.value(QLatin1String(name)); };
    if (parser.isSet(QStringLiteral("unit"))) {
        if (std::optional<QString> problem = takeUnit(value("unit"), &filter))
            return problem;
    }
    filter.unitName = value("name");
    filter.runId = value("run-id");
    if (parser.isSet(QStringLiteral("sha256"))) {
        static const QRegularExpression hex(QStringLiteral("^[0-9A-Fa-f]{8,64}$"));
        if (!hex.match(value("sha256")).hasMatch())
            return QStringLiteral("--sha256 needs 8 to 64 hexadecimal digits, not \"%1\".")
                .arg(value("sha256"));
        filter.sha256Prefix = value("sha256").toLower();
    }
    if (parser.isSet(QStringLiteral("outcome"))) {
        if (!AttemptOutcome::words().contains(value("outcome")))
            return QStringLiteral("--outcome needs one of %1, not \"%2\".")
                .arg(AttemptOutcome::words().join(QStringLiteral(", ")), value("outcome"));
        filter.outcome = value("outcome");
    }
    for (const char *name : {"since", "until"}) {
        if (!parser.isSet(QLatin1String(name)))
            continue;
        const bool until = qstrcmp(name, "until") == 0;
        const std::optional<qint64> ms = HistoryToolOptions::parseTime(value(name), until);
        if (!ms)
            return QStringLiteral("--%1 needs an ISO date or time (2026-03-01, "
                                  "2026-03-01T14:30 or 2026-03-01T14:30:00+01:00), not \"%2\".")
                .arg(QLatin1String(name), value(name));
        (until ? filter.untilMs : filter.sinceMs) = *ms;
    }
    if (parser.isSet(QStringLiteral("limit"))) {
        static const QRegularExpression digits(QStringLiteral("^[0-9]{1,9}$"));
        if (!digits.match(value("limit")).hasMatch())
            return QStringLiteral("--limit needs a whole number (0 for all), not \"%1\".")
                .arg(value("limit"));
        filter.limit = value("limit").toInt();
    }
    return std::nullopt;
}

} // namespace

std::optional<qint64> HistoryToolOptions::parseTime(const QString &text, bool until)
{
    static const QRegularExpression datePattern(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    if (datePattern.match(text).hasMatch()) {
        const QDate date = QDate::fromString(text, Qt::ISODate);
        if (!date.isValid())
            return std::nullopt;
        return (until ? date.addDays(1) : date).startOfDay().toMSecsSinceEpoch();
    }
    static const QRegularExpression timePattern(
        QStringLiteral("^\\d{4}-\\d{2}-\\d{2}[T ]\\d{2}:\\d{2}(:\\d{2}(\\.\\d{1,3})?)?"
                       "(Z|[+-]\\d{2}:?\\d{2})?$"));
    if (!timePattern.match(text).hasMatch())
        return std::nullopt;
    QString iso = text;
    iso[10] = QLatin1Char('T');
    const QDateTime time = QDateTime::fromString(iso, Qt::ISODateWithMs);
    if (!time.isValid())
        return std::nullopt;
    return time.toMSecsSinceEpoch() + (until ? 1 : 0);
}

HistoryToolOptions HistoryToolOptions::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QStringList valued{
        QStringLiteral("history"), QStringLiteral("unit"),    QStringLiteral("name"),
        QStringLiteral("sha256"),  QStringLiteral("outcome"), QStringLiteral("since"),
        QStringLiteral("until"),   QStringLiteral("run-id"),  QStringLiteral("limit")};
    for (const QString &name : valued)
        parser.addOption(QCommandLineOption(name, QString(), QStringLiteral("VALUE")));
    for (const char *name : {"json", "csv", "summary"})
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
            return failure(QStringLiteral("--%1 is given more than once.").arg(name));
    }
    if (!parser.positionalArguments().isEmpty())
        return failure(QStringLiteral("Unexpected argument \"%1\".")
                           .arg(parser.positionalArguments().constFirst()));
    if (parser.isSet(QStringLiteral("json")) && parser.isSet(QStringLiteral("csv")))
        return failure(QStringLiteral("--json and --csv exclude each other."));
    if (parser.isSet(QStringLiteral("json")))
        options.format = Format::Json;
    else if (parser.isSet(QStringLiteral("csv")))
        options.format = Format::Csv;
    if (parser.isSet(QStringLiteral("history")))
        options.history = parser.value(QStringLiteral("history"));
    if (std::optional<QString> problem = takeFilter(parser, &options))
        return failure(*problem);
    options.action = parser.isSet(QStringLiteral("summary")) ? Action::Summary : Action::List;
    return options;
}

QString HistoryToolOptions::usage()
{
    return QStringLiteral(
               "Usage: %1 [options]\n"
               "\n"
               "Shows the flash history: one row per upload attempt by the window, the\n"
               "command-line uploader and the station, newest first.\n"
               "\n"
               "Options:\n"
               "  --history URL      the history: sqlite:///path/file.sqlite,\n"
               "                     postgresql://user@host:port/dbname (libpq's URI forms,\n"
               "                     ?host=/socket/dir included); default: FWU_HISTORY, else\n"
               "                     ~/.local/share/FirmwareUploader/history.sqlite\n"
               "  --json             JSON Lines: one object per attempt\n"
               "  --csv              comma-separated values with a header line\n"
               "  --unit A[:P]       attempts on the unit at address A (and port P)\n"
               "  --name NAME        attempts on the unit of that name\n"
               "  --sha256 HEX       firmware whose SHA-256 begins with HEX (8 digits or more)\n"
               "  --outcome WORD     attempts that ended so: %2\n"
               "  --since WHEN       attempts started at or after WHEN (ISO date or time)\n"
               "  --until WHEN       attempts started up to WHEN (a date: to its end)\n"
               "  --run-id ID        attempts of one station run\n"
               "  --limit N          at most N attempts (default %3; 0 for all)\n"
               "  --summary          attempts per outcome for each firmware SHA-256 and unit\n"
               "  -h, --help         show this text\n"
               "  -v, --version      show the version\n"
               "\n"
               "Exit codes:\n"
               "  0    done, also when no attempt matches\n"
               "  2    the history cannot be read\n"
               "  4    bad option\n")
        .arg(QLatin1String(kProgramName), AttemptOutcome::words()
                                              .join(QStringLiteral(", "))
                                              .replace(QStringLiteral("connection_lost, "),
                                                       QStringLiteral("connection_lost,\n"
                                                                      "                     ")))
        .arg(HistoryFilter::kDefaultLimit);
}
