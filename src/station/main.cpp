#include "EndedUnitPrinter.h"
#include "FirmwarePanel.h"
#include "FirmwareSnapshot.h"
#include "LockControls.h"
#include "OperatorDesk.h"
#include "OperatorSeat.h"
#include "ProgramNotice.h"
#include "ReportSaver.h"
#include "SerialControls.h"
#include "StationLook.h"
#include "StationOptions.h"
#include "StationServe.h"
#include "StationSession.h"
#include "StationTrust.h"
#include "StationWindow.h"
#include "platform/CoreText.h"
#include "platform/EventDispatcher.h"
#include "platform/InterruptNotifier.h"
#include "platform/Language.h"
#include "platform/SettingsStore.h"

#include <QApplication>
#include <QIcon>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

#include <cstdio>
#include <optional>

namespace {

// A run that quits by itself, or a station a line system drives over HTTP, may be started where
// there is no screen (a script over ssh); Qt would refuse to start there, so it draws offscreen
// instead.
void drawOffscreenWithoutDisplay(const StationOptions &options)
{
    if ((options.quitWhenDone || options.serve) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

int fail(const QString &problem)
{
    std::fprintf(stderr, "firmware-uploader-station: %s\n", qPrintable(problem));
    return StationWindow::CouldNotStart;
}

// The options' help with --language before --help.
QString helpText()
{
    QString text = StationOptions::helpText();
    const qsizetype at = text.indexOf(QLatin1String("  -h, --help"));
    return text.insert(at < 0 ? text.size() : at, Language::helpLine(20));
}

} // namespace

int main(int argc, char *argv[])
{
    // Help, version and bad options are answered before the window system is touched, so they
    // work without a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const Language::Request language = Language::take(&arguments);
    const SettingsStore settings;
    std::optional<QCoreApplication> early; // help, version and bad options speak the language too
    if (!language.error.isEmpty() ||
        StationOptions::parse(arguments).action != StationOptions::Action::Run)
        early.emplace(argc, argv);
    Language::applyChoice(language.code, &settings);
    if (!language.error.isEmpty()) {
        std::fprintf(stderr, "firmware-uploader-station: %s\n", qPrintable(language.error));
        return StationOptions::kBadOptionStatus;
    }
    const StationOptions options = StationOptions::parse(arguments);
    switch (options.action) {
    case StationOptions::Action::ShowHelp:
        std::fputs(qPrintable(helpText()), stdout);
        std::printf("\n%s\n", qPrintable(QCoreApplication::translate(
                                             "main", "A demo firmware file to try with: %1")
                                             .arg(QStringLiteral(FWU_DEMO_FIRMWARE))));
        return 0;
    case StationOptions::Action::ShowVersion:
        std::printf("firmware-uploader-station %s\n%s\n", FWU_APP_VERSION, FWU_LICENCE_NOTICE);
        return 0;
    case StationOptions::Action::Fail:
        std::fprintf(stderr, "firmware-uploader-station: %s\n%s\n", qPrintable(options.error),
                     qPrintable(QCoreApplication::translate("main", "Run \"%1\" for the options.")
                                    .arg(QStringLiteral("firmware-uploader-station --help"))));
        return StationOptions::kBadOptionStatus;
    case StationOptions::Action::Run:
        break;
    }
    if (QString error; !StationTrust::setCommandLineKeys(options.publicKeys, &error)) {
        std::fprintf(stderr, "firmware-uploader-station: %s\n", qPrintable(error));
        return 2;
    }

    EventDispatcher::preferQtDispatcher();
    drawOffscreenWithoutDisplay(options);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("firmware-uploader-station"));
    QApplication::setApplicationVersion(QStringLiteral(FWU_APP_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("firmware-uploader-station"));
    Language::applyChoice(language.code, &settings);
    QIcon icon;
    for (int size : {16, 24, 32, 48})
        icon.addFile(QStringLiteral(":/icons/firmware-uploader-%1.png").arg(size));
    QApplication::setWindowIcon(icon);
    if (options.dark) {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(StationLook::darkPalette());
    }

    FirmwareSnapshot::sweepLeftovers();
    StationWindow window;
    window.runner().setHistory(options.history);
    // SIGINT, SIGTERM and SIGHUP end the station in order, with 128 + the signal's number.
    InterruptNotifier interrupts;
    QObject::connect(&interrupts, &InterruptNotifier::interrupted, &window,
                     [&window](int signalNumber) { window.endWithStatus(128 + signalNumber); });
    // With --flash-all every problem that stops the run goes to standard error and ends the
    // program; once the run is on, someone may be watching again.
    const bool unattended = options.quitWhenDone;
    window.setUnattended(unattended || options.flashAll);
    window.setReportFolder(options.reportDir);
    // A report that could not be saved would turn a good run into exit 1 ("a unit failed") and
    // lose its record: a folder that cannot take it is refused before any unit is flashed.
    if (const QString folder = window.reportFolder();
        (!options.reportDir.isEmpty() || options.flashAll) && !folder.isEmpty()) {
        if (const std::optional<QString> problem = ReportSaver::folderProblem(folder))
            return fail(*problem);
    }
    window.setQuitWhenDone(options.quitWhenDone);
    // Nobody watches a run that quits when done: each unit's verdict goes to standard output.
    EndedUnitPrinter printer(window.model());
    if (options.quitWhenDone) {
        QObject::connect(&window.runner(), &StationRunner::unitEnded, &printer,
                         &EndedUnitPrinter::unitEnded);
        QObject::connect(&window.runner(), &StationRunner::runFinished, &printer,
                         &EndedUnitPrinter::printTotals);
    }
    if (options.responseTimeout || options.retries)
        window.setUnitOptions(
            options.responseTimeout.value_or(window.runner().unitOptions().responseTimeout),
            options.retries.value_or(window.runner().unitOptions().retries));
    if (!options.unitsPath.isEmpty() && !window.openList(options.unitsPath))
        return StationWindow::CouldNotStart;
    if (!options.firmwarePath.isEmpty() && !window.firmwarePanel().setPath(options.firmwarePath) &&
        options.flashAll)
        return fail(CoreText::shown(window.firmwarePanel().problem()));
    window.setLimit(options.limit);
    if (options.serialsGiven()) {
        SerialSettings &serials = window.session().settings().serials;
        serials.enabled = true;
        serials.at = options.serialAt.value_or(serials.at);
        serials.format = options.serialFormat.value_or(serials.format);
        serials.from = options.serialFrom.value_or(serials.from);
        serials.pool = options.serialPool.value_or(serials.pool);
        if (const QString problem = serials.problem(); !problem.isEmpty()) {
            fail(problem);
            return StationOptions::kBadOptionStatus;
        }
        window.serials().apply();
    }
    if (!options.operatorName.isEmpty())
        window.desk().operatorSeat().setName(options.operatorName);
    else if (!unattended && !options.flashAll &&
             QGuiApplication::platformName() != QLatin1String("offscreen"))
        // Offscreen nobody could answer, and a station serving a line system would never start.
        window.desk().operatorSeat().askIfWanted();
    if (options.locked) {
        if (const std::optional<QString> why = window.desk().lock().lockForProduction())
            return fail(*why);
    }
    // Answers only once the list and the firmware of the command line are in place.
    StationServe serve(window);
    if (options.serve) {
        if (const std::optional<QString> problem =
                serve.start(*options.serve, options.serveTokenFile))
            return fail(*problem);
    }
    window.show();
    if (options.flashAll && !window.flashAll())
        return StationWindow::CouldNotStart;
    window.setUnattended(unattended);
    return app.exec();
}
