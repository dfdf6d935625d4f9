#include "StationOptions.h"

#include "history/HistoryLocation.h"

#include <QCommandLineParser>

#include <climits>

namespace {

StationOptions failure(const QString &error)
{
    StationOptions options;
    options.action = StationOptions::Action::Fail;
    options.error = error;
    return options;
}

std::optional<int> wholeNumber(const QString &text, int minimum, int maximum)
{
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    if (!ok || value < minimum || value > maximum)
        return std::nullopt;
    return int(value);
}

} // namespace

StationOptions StationOptions::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption units(QStringLiteral("units"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption firmware(QStringLiteral("firmware"), QString(),
                                      QStringLiteral("FILE"));
    const QCommandLineOption limit(QStringLiteral("limit"), QString(), QStringLiteral("N"));
    const QCommandLineOption flashAll(QStringLiteral("flash-all"));
    const QCommandLineOption quitWhenDone(QStringLiteral("quit-when-done"));
    const QCommandLineOption reportDir(QStringLiteral("report-dir"), QString(),
                                       QStringLiteral("DIR"));
    const QCommandLineOption timeout(QStringLiteral("response-timeout"), QString(),
                                     QStringLiteral("MS"));
    const QCommandLineOption retries(QStringLiteral("retries"), QString(), QStringLiteral("N"));
    const QCommandLineOption dark(QStringLiteral("dark"));
    const QCommandLineOption locked(QStringLiteral("locked"));
    const QCommandLineOption operatorName(QStringLiteral("operator"), QString(),
                                          QStringLiteral("NAME"));
    const QCommandLineOption publicKey(QStringLiteral("public-key"), QString(),
                                       QStringLiteral("KEY"));
    const QCommandLineOption history(QStringLiteral("history"), QString(), QStringLiteral("URL"));
    const QCommandLineOption serialAt(QStringLiteral("serial-at"), QString(),
                                      QStringLiteral("ADDRESS:LENGTH"));
    const QCommandLineOption serialFormat(QStringLiteral("serial-format"), QString(),
                                          QStringLiteral("FORMAT"));
    const QCommandLineOption serialFrom(QStringLiteral("serial-from"), QString(),
                                        QStringLiteral("SOURCE"));
    const QCommandLineOption serialPool(QStringLiteral("serial-pool"), QString(),
                                        QStringLiteral("NAME"));
    const QCommandLineOption serve(QStringLiteral("serve"), QString(), QStringLiteral("PORT"));
    const QCommandLineOption serveTokenFile(QStringLiteral("serve-token-file"), QString(),
                                            QStringLiteral("FILE"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOptions({units,          firmware, limit,        flashAll,   quitWhenDone, reportDir,
                       timeout,        retries,  dark,         locked,     operatorName, publicKey,
                       history,        serialAt, serialFormat, serialFrom, serialPool,   serve,
                       serveTokenFile, help,     version});
    if (!parser.parse(arguments))
        return failure(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return failure(tr("Unexpected argument: %1").arg(parser.positionalArguments().first()));
    StationOptions options;
    if (parser.isSet(help))
        options.action = Action::ShowHelp;
    else if (parser.isSet(version))
        options.action = Action::ShowVersion;
    options.unitsPath = parser.value(units);
    options.firmwarePath = parser.value(firmware);
    options.flashAll = parser.isSet(flashAll);
    options.quitWhenDone = parser.isSet(quitWhenDone);
    options.reportDir = parser.value(reportDir);
    options.dark = parser.isSet(dark);
    options.locked = parser.isSet(locked);
    options.operatorName = parser.value(operatorName).trimmed();
    options.publicKeys = parser.values(publicKey);
    const auto given = [&parser](const QCommandLineOption &option) -> std::optional<QString> {
        return parser.isSet(option) ? std::optional<QString>(parser.value(option).trimmed())
                                    : std::nullopt;
    };
    options.serialAt = given(serialAt);
    options.serialFormat = given(serialFormat);
    options.serialFrom = given(serialFrom);
    options.serialPool = given(serialPool);
    if (parser.isSet(timeout)) {
        const std::optional<int> ms = wholeNumber(parser.value(timeout), 1, INT_MAX);
        if (!ms)
            return failure(tr("%1 needs a whole number of milliseconds, at least 1.")
                               .arg(QStringLiteral("--response-timeout")));
        options.responseTimeout = std::chrono::milliseconds(*ms);
    }
    if (parser.isSet(retries)) {
        options.retries = wholeNumber(parser.value(retries), 0, 1000);
        if (!options.retries)
            return failure(
                tr("%1 needs a whole number from 0 to 1000.").arg(QStringLiteral("--retries")));
    }
    if (parser.isSet(limit)) {
        bool ok = false;
        options.limit = parser.value(limit).toInt(&ok);
        if (!ok || options.limit < 0)
            return failure(tr("%1 needs a whole number, 0 for all units at once.")
                               .arg(QStringLiteral("--limit")));
    }
    if (options.action != Action::Run)
        return options;
    if (parser.isSet(history)) {
        const HistoryLocation location = HistoryLocation::parse(parser.value(history));
        if (location.kind() == HistoryLocation::Kind::Invalid)
            //: An option, then what is wrong with its value.
            return failure(tr("%1: %2.").arg(QStringLiteral("--history"), location.error()));
        options.history = parser.value(history);
    }
    if (parser.isSet(serve))
        options.serve = parser.value(serve);
    options.serveTokenFile = parser.value(serveTokenFile);
    if (!options.serveTokenFile.isEmpty() && !options.serve)
        //: Two option names.
        return failure(tr("%1 needs %2.")
                           .arg(QStringLiteral("--serve-token-file"), QStringLiteral("--serve")));
    if (options.flashAll && (options.unitsPath.isEmpty() || options.firmwarePath.isEmpty()))
        return failure(tr("%1 needs %2 and %3.")
                           .arg(QStringLiteral("--flash-all"), QStringLiteral("--units"),
                                QStringLiteral("--firmware")));
    if (options.quitWhenDone && !options.flashAll)
        //: Two option names.
        return failure(tr("%1 needs %2.")
                           .arg(QStringLiteral("--quit-when-done"), QStringLiteral("--flash-all")));
    return options;
}

namespace {

// The help's second column starts here; a longer first column is followed by two spaces.
constexpr qsizetype kHelpColumn = 20;

// One entry of the help: the literal option (or variable) and its translated description, whose
// further lines are indented to the description's column.
QString helpEntry(const QString &name, const QString &description)
{
    QString head = QStringLiteral("  ") + name;
    head += head.size() + 2 <= kHelpColumn ? QString(kHelpColumn - head.size(), QLatin1Char(' '))
                                           : QStringLiteral("  ");
    QString indented = description;
    indented.replace(QLatin1Char('\n'), QLatin1Char('\n') + QString(kHelpColumn, QLatin1Char(' ')));
    return head + indented + QLatin1Char('\n');
}

QString optionsHelp()
{
    return helpEntry(QStringLiteral("--units FILE"),
                     StationOptions::tr("open this list of units (CSV: name,address,port[,title])\n"
                                        "instead of the last one")) +
           helpEntry(QStringLiteral("--firmware FILE"),
                     StationOptions::tr("choose this Intel HEX file")) +
           helpEntry(QStringLiteral("--limit N"),
                     StationOptions::tr("units flashed at the same time; 0 for all")) +
           helpEntry(QStringLiteral("--flash-all"),
                     StationOptions::tr("start flashing every unit at once (needs %1 and\n"
                                        "%2); problems that stop the run go to standard\n"
                                        "error and the program exits with status 2")
                         .arg(QStringLiteral("--units"), QStringLiteral("--firmware"))) +
           helpEntry(QStringLiteral("--quit-when-done"),
                     StationOptions::tr("with %1: save the report and exit when the run\n"
                                        "ends: 0 every unit finished, 1 any did not, 2 the run\n"
                                        "could not start; no dialogs (runs without a display)")
                         .arg(QStringLiteral("--flash-all"))) +
           helpEntry(
               QStringLiteral("--report-dir DIR"),
               StationOptions::tr("save each run's report in DIR (default: the report folder\n"
                                  "of the settings, if any); one that cannot take it: exit 2\n"
                                  "before any unit is flashed")) +
           helpEntry(QStringLiteral("--response-timeout MS"),
                     StationOptions::tr("each uploader's response time-out (kept; at first\n"
                                        "60000, as the uploader's)")) +
           helpEntry(QStringLiteral("--retries N"),
                     StationOptions::tr("further connection tries per unit (kept; at first 0)")) +
           helpEntry(QStringLiteral("--dark"), StationOptions::tr("use a dark colour scheme")) +
           helpEntry(
               QStringLiteral("--operator NAME"),
               StationOptions::tr("who runs the station, in every uploader's history rows\n"
                                  "(default: asked at start when File > Ask for the operator\n"
                                  "is on, else the login name)")) +
           helpEntry(QStringLiteral("--locked"),
                     StationOptions::tr("start locked for production: changing the firmware, the\n"
                                        "list, time-out, retries or report folder needs the\n"
                                        "supervisor password (File > Supervisor password...)")) +
           helpEntry(QStringLiteral("--public-key KEY"),
                     StationOptions::tr("flash only firmware whose signature (FILE.hex.minisig)\n"
                                        "verifies with KEY: a .pub key file or the base64 key;\n"
                                        "repeatable, any of the keys may have signed")) +
           helpEntry(
               QStringLiteral("--history URL"),
               //: Keep sqlite:///path, postgresql://user@host/db, off, FWU_HISTORY and
               //: ~/.pgpass as they are.
               StationOptions::tr("the flash history every uploader writes its rows to\n"
                                  "(sqlite:///path, postgresql://user@host/db or off; default:\n"
                                  "FWU_HISTORY, else the uploaders' default file); every user\n"
                                  "can read an option: give a password in ~/.pgpass")) +
           helpEntry(QStringLiteral("--serial-at ADDRESS:LENGTH"),
                     StationOptions::tr("write each unit's own number at this address of\n"
                                        "the image, in LENGTH bytes (1 to 32); with any %1\n"
                                        "option the numbers are on for this session, the options\n"
                                        "not given as in File > Serial numbers...")
                         .arg(QStringLiteral("--serial-*"))) +
           helpEntry(QStringLiteral("--serial-format FORMAT"),
                     //: Keep the format words as they are.
                     StationOptions::tr("le, be, ascii, hex or bytes (as the uploader's)")) +
           helpEntry(QStringLiteral("--serial-from SOURCE"),
                     //: Keep counter:START[:END], list:FILE, hexlist:FILE and label as they are.
                     StationOptions::tr("counter:START[:END], list:FILE, hexlist:FILE, or label\n"
                                        "(each unit's scanned serial is its number)")) +
           helpEntry(QStringLiteral("--serial-pool NAME"),
                     StationOptions::tr("the pool in the flash history the numbers come from\n"
                                        "(default: the title)")) +
           helpEntry(
               QStringLiteral("--serve [ADDRESS:]PORT"),
               StationOptions::tr("answer the HTTP/JSON control interface of a line\n"
                                  "system on 127.0.0.1 (or ADDRESS, an address of this PC)\n"
                                  "and PORT (0: a free one); prints its URL and token file")) +
           helpEntry(
               QStringLiteral("--serve-token-file FILE"),
               StationOptions::tr("write the interface's token to FILE instead of\n%1")
                   .arg(QStringLiteral("$XDG_RUNTIME_DIR/FirmwareUploader/station-PORT.token"))) +
           helpEntry(QStringLiteral("-h, --help"), StationOptions::tr("show this help and exit")) +
           helpEntry(QStringLiteral("-v, --version"),
                     StationOptions::tr("show the version and exit"));
}

QString environmentHelp()
{
    return helpEntry(
               QStringLiteral("FWU_STATION_CLI"),
               StationOptions::tr("the command-line uploader to run (default: the one beside\n"
                                  "this program, else %1 on PATH)")
                   .arg(QStringLiteral("firmware-uploader-cli"))) +
           helpEntry(QStringLiteral("FWU_HISTORY"),
                     StationOptions::tr("the flash history when %1 is not given")
                         .arg(QStringLiteral("--history"))) +
           helpEntry(QStringLiteral("FWU_STATION_POLL_MS"),
                     StationOptions::tr("how long a poll of the interface's events waits at most\n"
                                        "(default 25000; for tests)"));
}

} // namespace

QString StationOptions::helpText()
{
    return tr("Usage: %1 [options]\n"
              "Flashes one firmware file into many units at once, one %2\n"
              "process per unit, and reports each unit's outcome.\n")
               .arg(QStringLiteral("firmware-uploader-station"),
                    QStringLiteral("firmware-uploader-cli")) +
           QLatin1Char('\n') + tr("Options:") + QLatin1Char('\n') + optionsHelp() +
           tr("Bad options: exit status %1.").arg(kBadOptionStatus) + QLatin1Char('\n') +
           QLatin1Char('\n') + tr("Environment:") + QLatin1Char('\n') + environmentHelp();
}
