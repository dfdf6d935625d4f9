// firmware-uploader-cli: the uploader for scripts, test rigs and production lines.

#include "CliOptions.h"
#include "CliReport.h"
#include "CliUploader.h"
#include "ProgramNotice.h"
#include "StandardDescriptors.h"
#include "platform/Clock.h"
#include "platform/CoreText.h"
#include "platform/EventDispatcher.h"
#include "platform/InterruptNotifier.h"
#include "platform/Language.h"
#include "upload/AttemptOutcome.h"

#include <QCoreApplication>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

QString programName()
{
    return QString::fromLatin1(CliOptions::kProgramName);
}

// The help and the version on standard output: AttemptOutcome::kExitOutputFailed, said on standard
// error, when they could not be written (a full disk; a reader that went away ends them quietly).
int printOut(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    errno = 0;
    if ((std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout) ==
             std::size_t(bytes.size()) &&
         std::fflush(stdout) == 0) ||
        errno == EPIPE)
        return AttemptOutcome::kExitFinished;
    const QByteArray reason = std::strerror(errno != 0 ? errno : EIO);
    const QString complaint =
        QCoreApplication::translate("main", "%1: cannot write standard output: %2\n")
            .arg(programName(), QString::fromLocal8Bit(reason));
    std::fputs(complaint.toUtf8().constData(), stderr);
    return AttemptOutcome::kExitOutputFailed;
}

// FWU_TIME_SCALE, a testing aid: every pause and the clock run at this fraction of real time,
// so that the reboot wait of a finished upload takes a moment. Unset means real time.
std::optional<QString> applyTimeScale()
{
    const QByteArray text = qgetenv("FWU_TIME_SCALE");
    if (text.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double scale = text.toDouble(&ok);
    if (!ok || !(scale > 0.0) || scale > 1.0) {
        return CoreText::english("FWU_TIME_SCALE must be a number above 0 and at most 1, not "
                                 "\"%1\".")
            .arg(QString::fromLocal8Bit(text));
    }
    Clock::setTimeScale(scale);
    return std::nullopt;
}

int refuse(CliReport &report, const QString &message)
{
    report.message(CoreText::shown(message));
    report.result({AttemptOutcome::kExitBadInput, 0, false, QJsonValue::Null, message, {}});
    return AttemptOutcome::kExitBadInput;
}

} // namespace

int main(int argc, char *argv[])
{
    // Before anything opens a descriptor of its own: a closed 0, 1 or 2 would otherwise be
    // handed to an internal pipe, and log lines written into it.
    StandardDescriptors::ensureOpen();
    EventDispatcher::preferQtDispatcher();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(programName());
    QCoreApplication::setApplicationVersion(QStringLiteral(FWU_APP_VERSION));

    const QString defaultTitle = QStringLiteral(FWU_APP_TITLE);
    QStringList arguments = QCoreApplication::arguments();
    const Language::Request language = Language::take(&arguments);
    // Qt's parser words its refusals in the language installed: read before it is, they reach
    // the record in English; read again after, they reach the person in theirs.
    CliOptions options = CliOptions::parse(arguments, defaultTitle);
    QString shownError = language.error;
    if (!language.error.isEmpty()) {
        options.action = CliOptions::Action::Fail;
        options.error = language.error;
    } else {
        Language::applyChoice(language.code, nullptr);
        if (options.action == CliOptions::Action::Fail)
            shownError = CoreText::shown(CliOptions::parse(arguments, defaultTitle).error);
    }
    CliReport report(stdout, stderr, options.json);
    report.setUnitSerial(options.unitSerial);
    switch (options.action) {
    case CliOptions::Action::ShowHelp:
        return printOut(
            CliOptions::usage(defaultTitle) +
            QCoreApplication::translate("main", "\nA demo firmware file to try with: %1\n")
                .arg(QStringLiteral(FWU_DEMO_FIRMWARE)));
    case CliOptions::Action::ShowVersion:
        return printOut(programName() + QLatin1Char(' ') + QCoreApplication::applicationVersion() +
                        QStringLiteral("\n" FWU_LICENCE_NOTICE "\n"));
    case CliOptions::Action::Fail:
        report.message(shownError + QCoreApplication::translate(
                                        "main", "\nUsage: %1 [options] FILE.hex\n"
                                                "Run \"%1 --help\" for the options and exit codes.")
                                        .arg(programName()));
        report.result(
            {AttemptOutcome::kExitBadInput, 0, false, QJsonValue::Null, options.error, {}});
        return AttemptOutcome::kExitBadInput;
    case CliOptions::Action::Upload:
        break;
    }
    if (const std::optional<QString> problem = applyTimeScale())
        return refuse(report, *problem);

    // A reader that goes away must not end an upload half-way: output then fails quietly.
    std::signal(SIGPIPE, SIG_IGN);
    InterruptNotifier interrupts;
    CliUploader uploader(options, report, stderr, isatty(STDERR_FILENO) == 1);
    QObject::connect(&interrupts, &InterruptNotifier::interrupted, &uploader,
                     &CliUploader::interrupt);
    // Quits every event loop, the engine's nested pauses included, so the exit is immediate.
    QObject::connect(&uploader, &CliUploader::finished, &app,
                     [](int exitCode) { QCoreApplication::exit(exitCode); });
    QTimer::singleShot(0, &uploader, &CliUploader::start);
    app.exec();
    return uploader.exitCode();
}
