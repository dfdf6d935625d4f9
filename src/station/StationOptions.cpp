#include "StationOptions.h"

#include <QCommandLineParser>

namespace {

StationOptions failure(const QString &error)
{
    StationOptions options;
    options.action = StationOptions::Action::Fail;
    options.error = error;
    return options;
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
    const QCommandLineOption dark(QStringLiteral("dark"));
    const QCommandLineOption publicKey(QStringLiteral("public-key"), QString(),
                                       QStringLiteral("KEY"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    parser.addOptions({units, firmware, limit, flashAll, dark, publicKey, help, version});
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
    options.dark = parser.isSet(dark);
    options.publicKeys = parser.values(publicKey);
    if (parser.isSet(limit)) {
        bool ok = false;
        options.limit = parser.value(limit).toInt(&ok);
        if (!ok || options.limit < 0)
            return failure(
                QStringLiteral("--limit needs a whole number, 0 for all units at once."));
    }
    if (options.flashAll && (options.unitsPath.isEmpty() || options.firmwarePath.isEmpty()))
        return failure(QStringLiteral("--flash-all needs --units and --firmware."));
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
        "                    --firmware)\n"
        "  --dark            use a dark colour scheme\n"
        "  --public-key KEY  flash only firmware whose signature (FILE.hex.minisig)\n"
        "                    verifies with KEY: a .pub key file or the base64 key;\n"
        "                    repeatable, any of the keys may have signed\n"
        "  -h, --help        show this help and exit\n"
        "  --version         show the version and exit\n"
        "\n"
        "Environment:\n"
        "  FWU_STATION_CLI   the command-line uploader to run (default: the one beside\n"
        "                    this program, else firmware-uploader-cli on PATH)\n");
}
