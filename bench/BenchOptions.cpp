#include "BenchOptions.h"

#include "upload/ActivityLog.h"

#include <QCommandLineParser>
#include <QTextStream>

bool BenchOptions::parse(const QStringList &arguments, const QStringList &modes)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Upload benchmarks against a simulated unit on 127.0.0.1; prints one "
                       "line of key=value figures. Modes: ") +
        modes.join(QStringLiteral(", ")));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("mode"), modes.join(QLatin1Char('|')));
    const QCommandLineOption portOption(QStringLiteral("port"),
                                        QStringLiteral("Port of the unit on 127.0.0.1."),
                                        QStringLiteral("N"));
    const QCommandLineOption fileOption(
        QStringLiteral("file"), QStringLiteral("Firmware file to upload."), QStringLiteral("FILE"));
    const QCommandLineOption debugOption(QStringLiteral("debug"),
                                         QStringLiteral("Upload with Debug checked."));
    const QCommandLineOption capOption(
        QStringLiteral("cap"), QStringLiteral("Start the transfer with the log at its cap."));
    const QCommandLineOption idleOption(QStringLiteral("idle"),
                                        QStringLiteral("Measure S seconds of idling first."),
                                        QStringLiteral("S"), QStringLiteral("0"));
    const QCommandLineOption timelineOption(
        QStringLiteral("timeline"),
        QStringLiteral("Sit out the reboot timeline in real time and measure it."));
    const QCommandLineOption uploadsOption(QStringLiteral("uploads"),
                                           QStringLiteral("Uploads of the soak."),
                                           QStringLiteral("N"), QStringLiteral("50"));
    const QCommandLineOption scaleOption(
        QStringLiteral("time-scale"),
        QStringLiteral("Time scale of the soak's pauses (1 is real time)."), QStringLiteral("X"),
        QStringLiteral("0.05"));
    parser.addOptions({portOption, fileOption, debugOption, capOption, idleOption, timelineOption,
                       uploadsOption, scaleOption});
    parser.process(arguments);

    QTextStream err(stderr);
    auto fail = [&](const QString &message) {
        err << message << "\n\n" << parser.helpText();
        return false;
    };
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1 || !modes.contains(positional.first()))
        return fail(QStringLiteral("give one mode of: ") + modes.join(QStringLiteral(", ")));
    mode = positional.first();
    bool ok = false;
    const int portNumber = parser.value(portOption).toInt(&ok);
    if (!ok || portNumber < 1 || portNumber > 65535)
        return fail(QStringLiteral("--port needs the unit's port"));
    port = quint16(portNumber);
    file = parser.value(fileOption);
    if (file.isEmpty())
        return fail(QStringLiteral("--file needs a firmware file"));
    debug = parser.isSet(debugOption);
    run.logAtCap = parser.isSet(capOption);
    run.idleLogLines = run.logAtCap ? ActivityLog::kCap : 0;
    run.idleSeconds = parser.value(idleOption).toDouble(&ok);
    if (!ok || run.idleSeconds < 0)
        return fail(QStringLiteral("--idle needs seconds"));
    run.realTimeline = parser.isSet(timelineOption);
    uploads = parser.value(uploadsOption).toInt(&ok);
    if (!ok || uploads < 1)
        return fail(QStringLiteral("--uploads needs a number"));
    timeScale = parser.value(scaleOption).toDouble(&ok);
    if (!ok || timeScale <= 0 || timeScale > 1)
        return fail(QStringLiteral("--time-scale needs a number above 0, at most 1"));
    return true;
}
