#include "CliOptions.h"

#include "connection/PortNumber.h"
#include "connection/ProductProfile.h"
#include "firmware/SignatureCheck.h"
#include "history/HistoryLocation.h"
#include "platform/CoreText.h"
#include "platform/Language.h"
#include "upload/AttemptOutcome.h"
#include "upload/UploadEngine.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <QRegularExpression>

#include <climits>

namespace {

CliOptions failure(const QString &error)
{
    CliOptions options;
    options.action = CliOptions::Action::Fail;
    options.error = error;
    return options;
}

// A whole number from minimum up, digits only: "+3", " 3" and "3.0" are typing mistakes in a
// script and are refused rather than guessed at.
std::optional<qint64> wholeNumber(const QString &text, qint64 minimum, qint64 maximum)
{
    if (text.isEmpty() || text.size() > 12)
        return std::nullopt;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    }
    const qint64 value = text.toLongLong();
    if (value < minimum || value > maximum)
        return std::nullopt;
    return value;
}

// Seconds with at most three decimals, e.g. "2" or "0.5".
std::optional<std::chrono::milliseconds> seconds(const QString &text, qint64 maximumSeconds)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,6})(?:\\.(\\d{1,3}))?$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const qint64 whole = match.captured(1).toLongLong();
    const qint64 fraction = match.captured(2).leftJustified(3, QLatin1Char('0')).toLongLong();
    if (whole > maximumSeconds)
        return std::nullopt;
    return std::chrono::milliseconds(whole * 1000 + fraction);
}

bool isSha256(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^[0-9A-Fa-f]{64}$"));
    return pattern.match(text).hasMatch();
}

// Whether --json comes before the end of the options ("--"), read from the raw arguments so
// that it holds even when the parser refuses the rest.
bool asksForJson(const QStringList &arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments.at(i) == QLatin1String("--"))
            return false;
        if (arguments.at(i) == QLatin1String("--json"))
            return true;
    }
    return false;
}

QString profileNames()
{
    QStringList names;
    for (const ProductProfile &profile : ProductProfile::all())
        names.append(QLatin1Char('"') + profile.displayName() + QLatin1Char('"'));
    return names.join(QStringLiteral(", "));
}

} // namespace

CliOptions CliOptions::parse(const QStringList &arguments, const QString &defaultTitle)
{
    CliOptions options = parseArguments(arguments, defaultTitle);
    options.json = asksForJson(arguments);
    return options;
}

CliOptions CliOptions::parseArguments(const QStringList &arguments, const QString &defaultTitle)
{
    const QCommandLineOption titleOption(QStringLiteral("title"), QString(),
                                         QStringLiteral("TEXT"));
    const QCommandLineOption addressOption(QStringLiteral("address"), QString(),
                                           QStringLiteral("A"));
    const QCommandLineOption portOption(QStringLiteral("port"), QString(), QStringLiteral("P"));
    const QCommandLineOption debugOption(QStringLiteral("debug"));
    const QCommandLineOption slowOption(QStringLiteral("slow"));
    const QCommandLineOption loopOption(QStringLiteral("loop"), QString(), QStringLiteral("N"));
    const QCommandLineOption saveOption(QStringLiteral("save-settings"));
    const QCommandLineOption timeoutOption(QStringLiteral("response-timeout"), QString(),
                                           QStringLiteral("MS"));
    const QCommandLineOption jsonOption(QStringLiteral("json"));
    const QCommandLineOption checkOption(QStringLiteral("check"));
    const QCommandLineOption shaOption(QStringLiteral("expect-sha256"), QString(),
                                       QStringLiteral("HEX"));
    const QCommandLineOption retriesOption(QStringLiteral("retries"), QString(),
                                           QStringLiteral("N"));
    const QCommandLineOption retryDelayOption(QStringLiteral("retry-delay"), QString(),
                                              QStringLiteral("SECONDS"));
    const QCommandLineOption publicKeyOption(QStringLiteral("public-key"), QString(),
                                             QStringLiteral("KEY"));
    const QCommandLineOption signatureOption(QStringLiteral("signature"), QString(),
                                             QStringLiteral("FILE"));
    const QCommandLineOption historyOption(QStringLiteral("history"), QString(),
                                           QStringLiteral("URL"));
    const QCommandLineOption runIdOption(QStringLiteral("run-id"), QString(), QStringLiteral("ID"));
    const QCommandLineOption unitNameOption(QStringLiteral("unit-name"), QString(),
                                            QStringLiteral("NAME"));
    const QCommandLineOption originOption(QStringLiteral("firmware-origin"), QString(),
                                          QStringLiteral("PATH"));
    const QCommandLineOption unitSerialOption(QStringLiteral("unit-serial"), QString(),
                                              QStringLiteral("TEXT"));
    const QCommandLineOption operatorOption(QStringLiteral("operator"), QString(),
                                            QStringLiteral("NAME"));
    const QCommandLineOption serialAtOption(QStringLiteral("serial-at"), QString(),
                                            QStringLiteral("ADDRESS:LENGTH"));
    const QCommandLineOption serialFormatOption(QStringLiteral("serial-format"), QString(),
                                                QStringLiteral("FORMAT"));
    const QCommandLineOption serialFromOption(QStringLiteral("serial-from"), QString(),
                                              QStringLiteral("SOURCE"));
    const QCommandLineOption serialOption(QStringLiteral("serial"), QString(),
                                          QStringLiteral("VALUE"));
    const QCommandLineOption serialPoolOption(QStringLiteral("serial-pool"), QString(),
                                              QStringLiteral("NAME"));
    const QCommandLineOption serialStaleOption(QStringLiteral("serial-stale-after"), QString(),
                                               QStringLiteral("SECONDS"));
    const QCommandLineOption helpOption(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption versionOption(
        QStringList{QStringLiteral("v"), QStringLiteral("version")});

    QCommandLineParser parser;
    parser.addOptions({titleOption,      addressOption,    portOption,         debugOption,
                       slowOption,       loopOption,       saveOption,         timeoutOption,
                       jsonOption,       checkOption,      shaOption,          retriesOption,
                       retryDelayOption, publicKeyOption,  signatureOption,    historyOption,
                       runIdOption,      unitNameOption,   originOption,       unitSerialOption,
                       operatorOption,   serialAtOption,   serialFormatOption, serialFromOption,
                       serialOption,     serialPoolOption, serialStaleOption,  helpOption,
                       versionOption});
    if (!parser.parse(arguments))
        return failure(parser.errorText());

    if (parser.isSet(helpOption)) {
        CliOptions options;
        options.action = Action::ShowHelp;
        return options;
    }
    if (parser.isSet(versionOption)) {
        CliOptions options;
        options.action = Action::ShowVersion;
        return options;
    }

    // A value given twice is most likely a script that builds its command line wrongly.
    for (const QCommandLineOption *option :
         {&titleOption,        &addressOption,    &portOption,     &loopOption,
          &timeoutOption,      &shaOption,        &retriesOption,  &retryDelayOption,
          &signatureOption,    &historyOption,    &runIdOption,    &unitNameOption,
          &originOption,       &unitSerialOption, &operatorOption, &serialAtOption,
          &serialFormatOption, &serialFromOption, &serialOption,   &serialPoolOption,
          &serialStaleOption}) {
        if (parser.values(*option).size() > 1)
            return failure(CoreText::english("--%1 is given more than once.")
                               .arg(option->names().constFirst()));
    }

    CliOptions options;
    options.action = Action::Upload;

    const QStringList files = parser.positionalArguments();
    if (files.isEmpty())
        return failure(CoreText::english("No firmware file given."));
    if (files.size() > 1)
        return failure(CoreText::english("One firmware file at a time; run one process per unit. "
                                         "Unexpected: \"%1\".")
                           .arg(files.at(1)));
    options.firmwarePath = files.constFirst();
    if (options.firmwarePath.isEmpty())
        return failure(CoreText::english("The firmware file name is empty."));

    options.title = parser.isSet(titleOption) ? parser.value(titleOption) : defaultTitle;
    if (!ProductProfile::forTitle(options.title))
        return failure(CoreText::english("No product profile matches the title \"%1\"; a title "
                                         "begins with one of %2.")
                           .arg(options.title, profileNames()));

    if (parser.isSet(addressOption)) {
        options.address = parser.value(addressOption);
        if (options.address->isEmpty())
            return failure(CoreText::english("--address needs the unit's address."));
    }
    if (parser.isSet(portOption)) {
        options.port = parser.value(portOption);
        if (const QString problem = PortNumber::problem(*options.port); !problem.isEmpty())
            return failure(CoreText::english("--port: %1.").arg(problem));
    }

    options.debug = parser.isSet(debugOption);
    options.slow = parser.isSet(slowOption);
    options.saveSettings = parser.isSet(saveOption);

    if (parser.isSet(loopOption)) {
        const std::optional<qint64> count = wholeNumber(parser.value(loopOption), 0, INT_MAX);
        if (!count)
            return failure(CoreText::english("--loop needs a whole number of uploads (0 for no "
                                             "end), not \"%1\".")
                               .arg(parser.value(loopOption)));
        options.loopCount = int(*count);
    }

    if (parser.isSet(timeoutOption)) {
        const std::optional<qint64> ms = wholeNumber(parser.value(timeoutOption), 1, INT_MAX);
        if (!ms)
            return failure(CoreText::english("--response-timeout needs a whole number of "
                                             "milliseconds from 1 up, not \"%1\".")
                               .arg(parser.value(timeoutOption)));
        options.responseTimeout = std::chrono::milliseconds(*ms);
    }

    options.checkOnly = parser.isSet(checkOption);
    if (parser.isSet(shaOption)) {
        const QString hash = parser.value(shaOption);
        if (!isSha256(hash))
            return failure(CoreText::english("--expect-sha256 needs the 64 hexadecimal digits of a "
                                             "SHA-256, not \"%1\".")
                               .arg(hash));
        options.expectedSha256 = hash.toLatin1().toLower();
    }
    if (parser.isSet(retriesOption)) {
        const std::optional<qint64> count =
            wholeNumber(parser.value(retriesOption), 0, kMaxRetries);
        if (!count)
            return failure(CoreText::english("--retries needs a whole number from 0 to %1, not "
                                             "\"%2\".")
                               .arg(kMaxRetries)
                               .arg(parser.value(retriesOption)));
        options.retries = int(*count);
    }
    if (parser.isSet(retryDelayOption)) {
        const auto delay = seconds(parser.value(retryDelayOption), kMaxRetryDelaySeconds);
        if (!delay)
            return failure(CoreText::english("--retry-delay needs a number of seconds from 0 to %1 "
                                             "(e.g. 2 or 0.5), not \"%2\".")
                               .arg(kMaxRetryDelaySeconds)
                               .arg(parser.value(retryDelayOption)));
        options.retryDelay = *delay;
    }
    options.publicKeys = parser.values(publicKeyOption);
    if (options.publicKeys.contains(QString()))
        return failure(CoreText::english("--public-key needs a key file or a base64 key."));
    options.signaturePath = parser.isSet(signatureOption)
                                ? parser.value(signatureOption)
                                : SignatureCheck::defaultSignaturePath(options.firmwarePath);
    if (options.signaturePath.isEmpty())
        return failure(CoreText::english("--signature needs the signature file's name."));
    if (parser.isSet(signatureOption) && options.publicKeys.isEmpty())
        return failure(CoreText::english("--signature is checked against --public-key; give the "
                                         "key that signed."));
    if (parser.isSet(historyOption)) {
        const HistoryLocation location = HistoryLocation::parse(parser.value(historyOption));
        if (location.kind() == HistoryLocation::Kind::Invalid)
            return failure(CoreText::english("--history: %1.").arg(location.error()));
        options.history = parser.value(historyOption);
    }
    if (parser.isSet(originOption)) {
        options.firmwareOrigin = parser.value(originOption);
        if (options.firmwareOrigin.isEmpty())
            return failure(
                CoreText::english("--firmware-origin needs the path of the file the copy "
                                  "was made from."));
    }
    options.runId = parser.value(runIdOption);
    options.unitName = parser.value(unitNameOption);
    options.unitSerial = parser.value(unitSerialOption).trimmed();
    options.operatorName = parser.value(operatorOption).trimmed();
    options.serialAt = parser.value(serialAtOption).trimmed();
    options.serialFormat = parser.value(serialFormatOption).trimmed();
    options.serialFrom = parser.value(serialFromOption).trimmed();
    if (parser.isSet(serialOption))
        options.serial = parser.value(serialOption).trimmed();
    options.serialPool = parser.value(serialPoolOption).trimmed();
    if (parser.isSet(serialStaleOption)) {
        const std::optional<qint64> limit =
            wholeNumber(parser.value(serialStaleOption), 1, kMaxSerialStaleSeconds);
        if (!limit)
            return failure(CoreText::english("--serial-stale-after needs a whole number of seconds "
                                             "from 1 to %1, not \"%2\".")
                               .arg(kMaxSerialStaleSeconds)
                               .arg(parser.value(serialStaleOption)));
        options.serialStaleAfter = std::chrono::seconds(*limit);
    }
    if (const QString problem = checkSerialOptions(options); !problem.isEmpty())
        return failure(problem);
    return options;
}

QString CliOptions::checkSerialOptions(const CliOptions &options)
{
    if (!options.usesSerials() && options.serialFormat.isEmpty() && options.serialPool.isEmpty())
        return {};
    if (options.serial && !options.serialFrom.isEmpty())
        return CoreText::english(
            "--serial and --serial-from both give the unit's value; give one.");
    if (!options.serial && options.serialFrom.isEmpty())
        return CoreText::english("Say where the unit's value comes from: --serial-from SOURCE or "
                                 "--serial VALUE.");
    if (options.serial && options.serial->isEmpty())
        return CoreText::english("--serial needs the unit's value.");
    const bool hexList = options.serialFrom.startsWith(QLatin1String("hexlist:"));
    if (options.serialAt.isEmpty() && !hexList)
        return CoreText::english("--serial-at ADDRESS:LENGTH is needed: where the unit's value "
                                 "goes in the image.");
    return {};
}

QString CliOptions::usage(const QString &defaultTitle)
{
    //: Keep the option names, the words in capitals after them and the columns.
    return tr("Usage: %1 [options] FILE.hex\n"
              "       %1 --check [--json] [--expect-sha256 HEX]\n"
              "             [--public-key KEY] FILE.hex\n"
              "\n"
              "Installs Intel HEX firmware into a control unit over TCP, with the same\n"
              "conversation, log and reboot wait as the window. The log goes to standard\n"
              "output; on a terminal, standard error shows the progress. For several units,\n"
              "run one process per unit.\n"
              "\n"
              "Options:\n"
              "  --title TEXT           application title; selects the product profile\n"
              "                         (default \"%2\")\n"
              "  --address A            the unit's address (default: the address the window\n"
              "                         shows for the title: the saved one, else the\n"
              "                         profile's)\n"
              "  --port P               the unit's TCP port, 1 to 65535 (default: as for\n"
              "                         --address)\n"
              "  --debug                log the conversation in detail\n"
              "  --slow                 pause 30 ms before each record\n"
              "  --loop N               upload N times in loop mode; 0 for no end\n"
              "  --save-settings        save the address and port after a finished upload,\n"
              "                         as the window does (by default the saved values are\n"
              "                         left as they are)\n"
              "  --response-timeout MS  give up when the unit has not answered for MS\n"
              "                         milliseconds during the transfer (default %3)\n"
              "  --json                 write JSON Lines on standard output instead of the\n"
              "                         log: start, log, phase, progress and one result,\n"
              "                         always last\n"
              "  --check                check the file and print its summary (records, data\n"
              "                         bytes, address ranges, SHA-256, records passed over)\n"
              "                         without connecting\n"
              "  --expect-sha256 HEX    refuse a file whose SHA-256 is not HEX\n"
              "  --retries N            try to connect up to N more times when the unit\n"
              "                         cannot be reached (default 0); never once the\n"
              "                         programming request has gone out\n"
              "  --retry-delay SECONDS  pause before each further try (default 2)\n"
              "  --public-key KEY       refuse the file unless its signature verifies with\n"
              "                         KEY: a .pub key file or the base64 key itself;\n"
              "                         repeatable, any of the keys may have signed\n"
              "                         (default: the title's trusted keys, when the\n"
              "                         window's \"Flash only signed firmware\" is on)\n"
              "  --signature FILE       the signature of the firmware file (default: the\n"
              "                         firmware file's name plus .minisig)\n"
              "  --history URL          the flash history that gets one row per attempt:\n"
              "                         sqlite:///path/file.sqlite,\n"
              "                         postgresql://user@host:port/dbname or off (default:\n"
              "                         FWU_HISTORY, else\n"
              "                         ~/.local/share/FirmwareUploader/history.sqlite); a\n"
              "                         row that cannot be written changes no outcome\n"
              "  --run-id ID            the run the rows belong to (the station's)\n"
              "  --unit-name NAME       the unit's name for the rows\n"
              "  --unit-serial TEXT     the serial on the unit's label, for the rows and the\n"
              "                         JSON's unit_serial\n"
              "  --operator NAME        who runs it, for the rows (default: the login name)\n"
              "  --firmware-origin PATH the file FILE.hex was copied from, named in the\n"
              "                         rows and the JSON instead of FILE.hex (for\n"
              "                         front-ends that pass a private copy)\n"
              "  --serial-at ADDRESS:LENGTH\n"
              "                         write the unit's own value (a serial number, a MAC\n"
              "                         address) at this absolute address of the image, in\n"
              "                         LENGTH bytes (1 to 32; decimal or 0x hex)\n"
              "  --serial-format FORMAT le or be (a number in LENGTH bytes), ascii (decimal\n"
              "                         digits), hex (upper-case hex digits) or bytes (the\n"
              "                         value's own bytes, e.g. 00:1A:2B:3C:4D:5E); default le\n"
              "  --serial-from SOURCE   take each unit's value from a pool in the flash\n"
              "                         history, never one value twice: counter:START[:END],\n"
              "                         list:FILE (a value a line) or hexlist:FILE (an Intel\n"
              "                         HEX data record a line, its address and data)\n"
              "  --serial VALUE         the unit's value, e.g. from its label; refused when\n"
              "                         it already finished in the pool\n"
              "  --serial-pool NAME     the pool of values (default: the title)\n"
              "  --serial-stale-after SECONDS\n"
              "                         a value taken this long ago and never settled by its\n"
              "                         uploader is burnt, never handed out again (default\n"
              "                         3600)\n")
               .arg(QString::fromLatin1(kProgramName), defaultTitle,
                    QString::number(UploadEngine::kDefaultResponseTimeout.count())) +
           Language::helpLine(25) +
           //: Keep the option names and the columns.
           tr("  -h, --help             show this text\n"
              "  -v, --version          show the version\n"
              "\n"
              "Exit codes:\n"
              "  %1    finished: the unit has the firmware and has rebooted (--check: the\n"
              "       file is sound)\n"
              "  %2    refused by the unit (or it answered more often than records were\n"
              "       sent)\n"
              "  %3    could not connect\n"
              "  %4    connection lost, or the unit stopped answering\n"
              "  %5    bad arguments, bad address or port, a firmware file that cannot be\n"
              "       read, is not valid Intel HEX, is not the expected image, or has no\n"
              "       signature that verifies with a --public-key (or a trusted key, when\n"
              "       only signed firmware is flashed)\n"
              "  5    finished (--check: sound), but standard output could not be written\n"
              "  129  hung up (SIGHUP: the terminal was closed)\n"
              "  %6  interrupted (SIGINT or SIGTERM)\n")
               .arg(QString::number(AttemptOutcome::kExitFinished),
                    QString::number(AttemptOutcome::kExitRefused),
                    QString::number(AttemptOutcome::kExitConnectFailed),
                    QString::number(AttemptOutcome::kExitConnectionLost),
                    QString::number(AttemptOutcome::kExitBadInput),
                    QString::number(AttemptOutcome::kExitInterrupted));
}
