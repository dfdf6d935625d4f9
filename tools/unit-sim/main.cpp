// firmware-uploader-unit-sim: the simulated unit as a program, for demos, scripts and benchmarks.

#include "ProgramNotice.h"
#include "UnitSimulator.h"
#include "connection/ProductProfile.h"
#include "platform/Language.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>
#include <QTimer>

#include <cstdio>

namespace {

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

// Bad options end every program of the project with the command-line uploader's "bad input".
constexpr int kBadOptionStatus = 4;
constexpr int kCannotListenStatus = 2;

// The program's texts for a person: its help and its complaints about options.
struct SimulatorHelp
{
    Q_DECLARE_TR_FUNCTIONS(SimulatorHelp)
};

int fail(const QString &message, int status = kBadOptionStatus)
{
    err() << "firmware-uploader-unit-sim: " << message << Qt::endl;
    return status;
}

QString profileNames()
{
    QStringList names;
    for (const ProductProfile &profile : ProductProfile::all())
        names.append(QLatin1Char('"') + profile.displayName() + QLatin1Char('"'));
    return names.join(QStringLiteral(", "));
}

bool parseNumber(const QString &text, int minimum, int *value)
{
    bool ok = false;
    *value = text.toInt(&ok);
    return ok && *value >= minimum;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("firmware-uploader-unit-sim"));
    QCoreApplication::setApplicationVersion(QStringLiteral(FWU_APP_VERSION));
    QStringList arguments = QCoreApplication::arguments();
    if (const QString problem = Language::setUp(&arguments); !problem.isEmpty())
        return fail(problem);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        SimulatorHelp::tr(
            "A simulated control unit: a TCP server on a loopback address that takes display "
            "texts, a programming request and Intel HEX record lines, and answers each packet "
            "as the unit does, or with the faults asked for.\n\n"
            "Packets are counted per connection from 0: the programming request is packet 0, "
            "the first record line 1, and so on; display-text packets are not answered and not "
            "counted. Bytes that frame no packet are answered once per run with NakChecksum and "
            "dropped up to the next ':', FE or F0.\n\n"
            "Faults (--fault KIND[:ARG]@N[#C], N a packet or \"eof\" for the record of type 01, "
            "C a connection number from 1, default every connection):\n  ") +
        UnitFault::syntaxHelp().join(QStringLiteral("\n  ")) +
        //: Keep the fault names and the columns.
        SimulatorHelp::tr("\nServer faults (--fault KIND, no packet):\n"
                          "  never-accept        connects stay pending (the accept queue is full)\n"
                          "  no-server           nothing listens: connects are refused; prints "
                          "\"no server at 127.0.0.1:PORT\"\n\n"
                          "A demo firmware file to send it: %1")
            .arg(QStringLiteral(FWU_DEMO_FIRMWARE)));
    parser.addHelpOption();
    // Qt's own version option prints one line; this one names the licence too.
    const QCommandLineOption versionOption({QStringLiteral("v"), QStringLiteral("version")},
                                           SimulatorHelp::tr("Displays version information."));
    parser.addOption(versionOption);

    const QCommandLineOption portOption(
        QStringLiteral("port"),
        SimulatorHelp::tr("TCP port; 0 picks a free one. Printed at start as "
                          "\"listening on 127.0.0.1:PORT\"."),
        QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption addressOption(QStringLiteral("address"),
                                           SimulatorHelp::tr("Loopback address to listen on."),
                                           QStringLiteral("ADDRESS"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption profileOption(
        QStringLiteral("profile"),
        SimulatorHelp::tr("The product the unit is: %1.").arg(profileNames()),
        QStringLiteral("NAME"), QStringLiteral("Kestrel Max"));
    const QCommandLineOption delayOption(QStringLiteral("delay"),
                                         SimulatorHelp::tr("Milliseconds before each answer."),
                                         QStringLiteral("MS"), QStringLiteral("0"));
    const QCommandLineOption tailOption(
        QStringLiteral("tail"),
        SimulatorHelp::tr("The 4 bytes after each response code, as 8 hex digits, or \"random\"."),
        QStringLiteral("HEX"), QStringLiteral("00000000"));
    const QCommandLineOption gapOption(
        QStringLiteral("fragment-gap"),
        SimulatorHelp::tr("Milliseconds between the writes of a split or repeated answer."),
        QStringLiteral("MS"), QString::number(SimulatorSettings::kDefaultFragmentGap.count()));
    const QCommandLineOption faultOption(
        QStringLiteral("fault"), SimulatorHelp::tr("Inject a fault (repeatable, see above)."),
        QStringLiteral("KIND@N"));
    const QCommandLineOption hexOption(
        QStringLiteral("write-hex"),
        SimulatorHelp::tr("Write every record received, one per line, to FILE after each "
                          "connection."),
        QStringLiteral("FILE"));
    const QCommandLineOption connectionsOption(
        QStringLiteral("connections"), SimulatorHelp::tr("Stop after N connections (0 = never)."),
        QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption secondsOption(QStringLiteral("seconds"),
                                           SimulatorHelp::tr("Stop after T seconds (0 = never)."),
                                           QStringLiteral("T"), QStringLiteral("0"));
    const QCommandLineOption verboseOption(
        QStringLiteral("verbose"),
        SimulatorHelp::tr("Print each packet and its verdict on stderr."));
    const QCommandLineOption languageOption(QStringLiteral("language"),
                                            Language::optionDescription(), QStringLiteral("CODE"));
    parser.addOptions({portOption, addressOption, profileOption, delayOption, tailOption, gapOption,
                       faultOption, hexOption, connectionsOption, secondsOption, verboseOption,
                       languageOption});
    if (!parser.parse(QCoreApplication::arguments()))
        return fail(parser.errorText());
    parser.process(app); // answers --help
    if (parser.isSet(versionOption)) {
        out() << QCoreApplication::applicationName() << ' '
              << QCoreApplication::applicationVersion() << '\n'
              << FWU_LICENCE_NOTICE << Qt::endl;
        return 0;
    }
    if (!parser.positionalArguments().isEmpty())
        return fail(SimulatorHelp::tr("unexpected argument \"%1\"")
                        .arg(parser.positionalArguments().constFirst()));

    UnitSimulator simulator;
    int port = 0;
    if (!parseNumber(parser.value(portOption), 0, &port) || port > 65535)
        return fail(SimulatorHelp::tr("--port needs a number from 0 to 65535"));
    const QHostAddress address(parser.value(addressOption));
    if (address.isNull() || !address.isLoopback())
        return fail(SimulatorHelp::tr("--address must be a loopback address, not \"%1\"")
                        .arg(parser.value(addressOption)));
    const ProductProfile *profile = ProductProfile::named(parser.value(profileOption).toUtf8());
    if (!profile)
        return fail(SimulatorHelp::tr("unknown profile \"%1\"; known: %2")
                        .arg(parser.value(profileOption), profileNames()));
    simulator.setProfile(profile);
    int delay = 0;
    if (!parseNumber(parser.value(delayOption), 0, &delay))
        return fail(SimulatorHelp::tr("--delay needs a number of milliseconds"));
    simulator.setResponseDelay(std::chrono::milliseconds(delay));
    int gap = 0;
    if (!parseNumber(parser.value(gapOption), 0, &gap))
        return fail(SimulatorHelp::tr("--fragment-gap needs a number of milliseconds"));
    simulator.setFragmentGap(std::chrono::milliseconds(gap));
    if (parser.value(tailOption) == QLatin1String("random")) {
        simulator.setRandomTail(true);
    } else {
        const QByteArray tail = QByteArray::fromHex(parser.value(tailOption).toLatin1());
        if (tail.size() != 4 || parser.value(tailOption).size() != 8)
            return fail(SimulatorHelp::tr("--tail needs 8 hex digits or \"random\""));
        simulator.setResponseTail(tail);
    }
    for (const QString &text : parser.values(faultOption)) {
        if (text == QLatin1String("never-accept")) {
            simulator.setAcceptMode(UnitSimulator::AcceptMode::NeverAccept);
            continue;
        }
        if (text == QLatin1String("no-server")) {
            simulator.setAcceptMode(UnitSimulator::AcceptMode::NoServer);
            continue;
        }
        QString error;
        const std::optional<UnitFault> fault = UnitFault::parse(text, &error);
        if (!fault)
            return fail(error);
        simulator.addFault(*fault);
    }
    int connections = 0;
    if (!parseNumber(parser.value(connectionsOption), 0, &connections))
        return fail(SimulatorHelp::tr("--connections needs a number"));
    bool secondsOk = false;
    const double seconds = parser.value(secondsOption).toDouble(&secondsOk);
    if (!secondsOk || seconds < 0)
        return fail(SimulatorHelp::tr("--seconds needs a number"));
    const QString hexPath = parser.value(hexOption);
    const bool verbose = parser.isSet(verboseOption);

    auto writeHex = [&] {
        if (!hexPath.isEmpty() && !simulator.writeHex(hexPath))
            fail(SimulatorHelp::tr("cannot write %1").arg(hexPath));
    };
    auto stop = [&] {
        simulator.close();
        writeHex();
        QCoreApplication::quit();
    };

    QObject::connect(&simulator, &UnitSimulator::connectionFinished,
                     [&](const ConnectionSummary &summary) {
                         out() << summary.toString() << Qt::endl;
                         writeHex();
                         if (connections > 0 && summary.number >= connections)
                             QTimer::singleShot(0, &app, stop);
                     });
    if (verbose) {
        auto codeText = [](ResponseCode code) {
            return QStringLiteral("%1").arg(int(code), 2, 16, QLatin1Char('0')).toUpper();
        };
        QObject::connect(&simulator, &UnitSimulator::connectionStarted, [](int number) {
            err() << "connection " << number << " open" << Qt::endl;
        });
        QObject::connect(&simulator, &UnitSimulator::displayChanged, [](const QStringList &texts) {
            err() << "display: " << texts.join(QStringLiteral(" | ")) << Qt::endl;
        });
        QObject::connect(&simulator, &UnitSimulator::requestReceived,
                         [&](const QByteArray &request, ResponseCode verdict) {
                             err() << "request " << request.toHex(' ').toUpper() << " -> "
                                   << codeText(verdict) << Qt::endl;
                         });
        QObject::connect(&simulator, &UnitSimulator::recordReceived,
                         [&](const QByteArray &record, ResponseCode verdict) {
                             err()
                                 << "record " << record << " -> " << codeText(verdict) << Qt::endl;
                         });
    }

    if (!simulator.listen(address, quint16(port)))
        return fail(SimulatorHelp::tr("cannot listen on %1:%2: %3")
                        .arg(address.toString())
                        .arg(port)
                        .arg(simulator.errorString()),
                    kCannotListenStatus);
    const QString where =
        QStringLiteral("%1:%2").arg(address.toString()).arg(simulator.serverPort());
    if (simulator.acceptMode() == UnitSimulator::AcceptMode::NoServer)
        out() << "no server at " << where << Qt::endl;
    else
        out() << "listening on " << where << Qt::endl;

    if (seconds > 0)
        QTimer::singleShot(std::chrono::milliseconds(qint64(seconds * 1000)), &app, stop);
    return app.exec();
}
