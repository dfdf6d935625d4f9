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
        return failure(QStringLiteral("Unexpected argument: ") +
                       parser.positionalArguments().first());
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
            return failure(QStringLiteral("--response-timeout needs a whole number of "
                                          "milliseconds, at least 1."));
        options.responseTimeout = std::chrono::milliseconds(*ms);
    }
    if (parser.isSet(retries)) {
        options.retries = wholeNumber(parser.value(retries), 0, 1000);
        if (!options.retries)
            return failure(QStringLiteral("--retries needs a whole number from 0 to 1000."));
    }
    if (parser.isSet(limit)) {
        bool ok = false;
        options.limit = parser.value(limit).toInt(&ok);
        if (!ok || options.limit < 0)
            return failure(
                QStringLiteral("--limit needs a whole number, 0 for all units at once."));
    }
    if (options.action != Action::Run)
        return options;
    if (parser.isSet(history)) {
        const HistoryLocation location = HistoryLocation::parse(parser.value(history));
        if (location.kind() == HistoryLocation::Kind::Invalid)
            return failure(QStringLiteral("--history: %1.").arg(location.error()));
        options.history = parser.value(history);
    }
    if (parser.isSet(serve))
        options.serve = parser.value(serve);
    options.serveTokenFile = parser.value(serveTokenFile);
    if (!options.serveTokenFile.isEmpty() && !options.serve)
        return failure(QStringLiteral("--serve-token-file needs --serve."));
    if (options.flashAll && (options.unitsPath.isEmpty() || options.firmwarePath.isEmpty()))
        return failure(QStringLiteral("--flash-all needs --units and --firmware."));
    if (options.quitWhenDone && !options.flashAll)
        return failure(QStringLiteral("--quit-when-done needs --flash-all."));
    return options;
}

QString StationOptions::helpText()
{
    return QStringLiteral(
        "Usage: firmware-uploader-station [options]\n"
        "Flashes one firmware file into many units at once, one firmware-uploader-cli\n"
        "process per unit, and reports each unit's outcome.\n"
        "\n"
        "Options:\n"
        "  --units FILE      open this list of units (CSV: name,address,port[,title])\n"
        "                    instead of the last one\n"
        "  --firmware FILE   choose this Intel HEX file\n"
        "  --limit N         units flashed at the same time; 0 for all\n"
        "  --flash-all       start flashing every unit at once (needs --units and\n"
        "                    --firmware); problems that stop the run go to standard\n"
        "                    error and the program exits with status 2\n"
        "  --quit-when-done  with --flash-all: save the report and exit when the run\n"
        "                    ends: 0 every unit finished, 1 any did not, 2 the run\n"
        "                    could not start; no dialogs (runs without a display)\n"
        "  --report-dir DIR  save each run's report in DIR (default: the report folder\n"
        "                    of the settings, if any); one that cannot take it: exit 2\n"
        "                    before any unit is flashed\n"
        "  --response-timeout MS  each uploader's response time-out (kept; at first\n"
        "                    60000, as the uploader's)\n"
        "  --retries N       further connection tries per unit (kept; at first 0)\n"
        "  --dark            use a dark colour scheme\n"
        "  --operator NAME   who runs the station, in every uploader's history rows\n"
        "                    (default: asked at start when File > Ask for the operator\n"
        "                    is on, else the login name)\n"
        "  --locked          start locked for production: changing the firmware, the\n"
        "                    list, time-out, retries or report folder needs the\n"
        "                    supervisor password (File > Supervisor password...)\n"
        "  --public-key KEY  flash only firmware whose signature (FILE.hex.minisig)\n"
        "                    verifies with KEY: a .pub key file or the base64 key;\n"
        "                    repeatable, any of the keys may have signed\n"
        "  --history URL     the flash history every uploader writes its rows to\n"
        "                    (sqlite:///path, postgresql://user@host/db or off; default:\n"
        "                    FWU_HISTORY, else the uploaders' default file); every user\n"
        "                    can read an option: give a password in ~/.pgpass\n"
        "  --serial-at ADDRESS:LENGTH  write each unit's own number at this address of\n"
        "                    the image, in LENGTH bytes (1 to 32); with any --serial-*\n"
        "                    option the numbers are on for this session, the options\n"
        "                    not given as in File > Serial numbers...\n"
        "  --serial-format FORMAT  le, be, ascii, hex or bytes (as the uploader's)\n"
        "  --serial-from SOURCE  counter:START[:END], list:FILE, hexlist:FILE, or label\n"
        "                    (each unit's scanned serial is its number)\n"
        "  --serial-pool NAME  the pool in the flash history the numbers come from\n"
        "                    (default: the title)\n"
        "  --serve [ADDRESS:]PORT  answer the HTTP/JSON control interface of a line\n"
        "                    system on 127.0.0.1 (or ADDRESS, an address of this PC)\n"
        "                    and PORT (0: a free one); prints its URL and token file\n"
        "  --serve-token-file FILE  write the interface's token to FILE instead of\n"
        "                    $XDG_RUNTIME_DIR/FirmwareUploader/station-PORT.token\n"
        "  -h, --help        show this help and exit\n"
        "  -v, --version     show the version and exit\n"
        "Bad options: exit status 4.\n"
        "\n"
        "Environment:\n"
        "  FWU_STATION_CLI   the command-line uploader to run (default: the one beside\n"
        "                    this program, else firmware-uploader-cli on PATH)\n"
        "  FWU_HISTORY       the flash history when --history is not given\n"
        "  FWU_STATION_POLL_MS  how long a poll of the interface's events waits at most\n"
        "                    (default 25000; for tests)\n");
}
