#include "CliUploader.h"

#include "CliExitCode.h"
#include "connection/ConnectionSettings.h"
#include "firmware/FirmwareFile.h"
#include "firmware/IntelHexCheck.h"
#include "upload/ActivityLog.h"
#include "upload/UploadEngine.h"

#include <QFileInfo>

namespace {

void write(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
    std::fflush(stream);
}

// Clears the terminal line from the cursor to its end.
constexpr const char *kEraseLine = "\x1b[K";

} // namespace

CliUploader::CliUploader(const CliOptions &options, std::FILE *out, std::FILE *err,
                         bool showProgress, QObject *parent)
    : QObject(parent), m_options(options), m_out(out), m_err(err), m_showProgress(showProgress),
      m_scratchSettings(m_scratch.path())
{
    SettingsStore &store = m_options.saveSettings ? m_userSettings : m_scratchSettings;
    m_engine = std::make_unique<UploadEngine>(m_options.title, m_view, m_socket, store);
    m_engine->setResponseTimeout(m_options.responseTimeout);

    ActivityLog &log = m_view.activityLog();
    connect(&log, &ActivityLog::lineAppended, this, &CliUploader::printLine);
    connect(&log, &ActivityLog::cleared, this, &CliUploader::onAttemptStarted);
    connect(m_engine.get(), &UploadEngine::attemptEnded, this, &CliUploader::onAttemptEnded);
    if (m_showProgress) {
        connect(&m_socket, &CountingUnitSocket::recordSent, this, &CliUploader::onRecordSent);
        connect(&m_view, &BasicUploadView::progressChanged, this, [this](int value, int maximum) {
            if (value >= maximum && m_progress.recordsSent() > 0)
                endProgress();
        });
        m_progressTimer.setInterval(kProgressInterval);
        connect(&m_progressTimer, &QTimer::timeout, this, &CliUploader::onProgressTick);
    }
}

CliUploader::~CliUploader() = default;

int CliUploader::exitCodeFor(UploadOutcome outcome)
{
    switch (outcome) {
    case UploadOutcome::Finished:
        return ExitFinished;
    case UploadOutcome::Refused:
        return ExitRefused;
    case UploadOutcome::ConnectFailed:
        return ExitConnectFailed;
    case UploadOutcome::ConnectionLost:
    case UploadOutcome::UnitSilent:
        return ExitConnectionLost;
    case UploadOutcome::BadInput:
        return ExitBadInput;
    case UploadOutcome::Cancelled:
    case UploadOutcome::Stopped:
        return ExitInterrupted;
    }
    return ExitBadInput;
}

void CliUploader::start()
{
    if (m_finished)
        return;
    if (!m_options.saveSettings && !m_scratch.isValid()) {
        // Without the scratch folder the engine's save would land in the user's settings.
        finish(ExitBadInput,
               QStringLiteral("cannot create a scratch folder: %1").arg(m_scratch.errorString()));
        return;
    }
    if (!checkFirmware() || !fillConnection())
        return;

    m_view.setChecked(Tool::Debug, m_options.debug);
    m_view.setChecked(Tool::Slow, m_options.slow);
    m_view.setChecked(Tool::Loop, m_options.loopCount.value_or(1) != 1);
    m_view.setFirmwareFileCaption(QFileInfo(m_options.firmwarePath).fileName());
    m_engine->state().FirmwarePath = m_options.firmwarePath;
    if (m_showProgress)
        m_progressTimer.start();
    m_engine->LoadStart_Click();
}

// A bad file is reported before anything reaches the network, in the words the window uses.
bool CliUploader::checkFirmware()
{
    const QString &path = m_options.firmwarePath;
    QString error;
    FirmwareFile file;
    if (!file.open(path, &error)) {
        finish(ExitBadInput,
               QStringLiteral("cannot open the firmware file \"%1\": %2").arg(path, error));
        return false;
    }
    file.close();
    if (const std::optional<QString> problem = IntelHexCheck::firstProblem(path)) {
        finish(ExitBadInput, QStringLiteral("the firmware file \"%1\" is not valid Intel HEX: %2")
                                 .arg(path, *problem));
        return false;
    }
    return true;
}

// The address and port the window would show for the title, unless the command line gives them.
bool CliUploader::fillConnection()
{
    ConnectionSettings(m_options.title, m_userSettings).LoadConnectionSettings(m_view);
    if (m_options.address)
        m_view.setEthernetAddress(*m_options.address);
    if (m_options.port)
        m_view.setEthernetPort(*m_options.port);
    if (m_view.ethernetAddress().isEmpty()) {
        finish(ExitBadInput, QStringLiteral("no address is saved or known for \"%1\": give "
                                            "--address.")
                                 .arg(m_options.title));
        return false;
    }
    if (m_view.ethernetPort().isEmpty()) {
        finish(ExitBadInput, QStringLiteral("no port is saved or known for \"%1\": give --port.")
                                 .arg(m_options.title));
        return false;
    }
    return true;
}

void CliUploader::interrupt()
{
    if (m_finished)
        return;
    m_engine->shutdown();
    finish(ExitInterrupted, QStringLiteral("interrupted; the connection to the unit is closed."));
}

void CliUploader::onAttemptStarted()
{
    if (!m_showProgress)
        return;
    // In loop mode the file may have been replaced between uploads.
    if (!m_progress.countFile(m_options.firmwarePath))
        m_progress.setTotals(0, 0);
    m_progress.restart();
    m_progressEnded = false;
    m_progressChanged = false;
}

void CliUploader::onRecordSent(qsizetype bytes)
{
    m_progress.recordSent(bytes);
    m_progressChanged = true;
    if (m_progress.recordsSent() >= m_progress.totalRecords())
        endProgress();
}

void CliUploader::onAttemptEnded(UploadOutcome outcome)
{
    endProgress();
    if (outcome != UploadOutcome::Finished) {
        QString message;
        switch (outcome) {
        case UploadOutcome::Refused:
            message = QStringLiteral("the unit refused the firmware.");
            break;
        case UploadOutcome::ConnectFailed:
            message = QStringLiteral("could not connect to the unit at %1 port %2.")
                          .arg(m_view.ethernetAddress(), m_view.ethernetPort());
            break;
        case UploadOutcome::ConnectionLost:
            message = QStringLiteral("the connection to the unit was lost.");
            break;
        case UploadOutcome::UnitSilent:
            message = QStringLiteral("the unit stopped answering.");
            break;
        case UploadOutcome::BadInput:
            message = QStringLiteral("the upload could not start; the log says why.");
            break;
        case UploadOutcome::Cancelled:
        case UploadOutcome::Stopped:
            message = QStringLiteral("interrupted; the connection to the unit is closed.");
            break;
        case UploadOutcome::Finished:
            break;
        }
        finish(exitCodeFor(outcome), message);
        return;
    }

    ++m_uploadsFinished;
    const int wanted = m_options.loopCount.value_or(1);
    if (wanted != 0 && m_uploadsFinished >= wanted) {
        // The engine reads the check mark right after this signal, before its restart pause.
        m_view.setChecked(Tool::Loop, false);
        finish(ExitFinished);
    }
}

void CliUploader::finish(int exitCode, const QString &message)
{
    if (m_finished)
        return;
    m_finished = true;
    m_exitCode = exitCode;
    m_view.setChecked(Tool::Loop, false);
    m_progressTimer.stop();
    if (m_progressOnScreen)
        eraseProgress();
    if (!message.isEmpty())
        printError(message);
    Q_EMIT finished(exitCode);
}

void CliUploader::printLine(const QString &line)
{
    if (m_progressOnScreen)
        eraseProgress();
    write(m_out, line + QLatin1Char('\n'));
}

void CliUploader::printError(const QString &message)
{
    write(m_err, QString::fromLatin1(CliOptions::kProgramName) + QStringLiteral(": ") + message +
                     QLatin1Char('\n'));
}

void CliUploader::onProgressTick()
{
    if (m_progressChanged && !m_progressEnded && m_progress.recordsSent() > 0)
        drawProgress();
}

void CliUploader::drawProgress()
{
    write(m_err, QLatin1Char('\r') + m_progress.text() + QLatin1String(kEraseLine));
    m_progressOnScreen = true;
    m_progressChanged = false;
}

void CliUploader::eraseProgress()
{
    write(m_err, QLatin1Char('\r') + QLatin1String(kEraseLine));
    m_progressOnScreen = false;
    m_progressChanged = true;
}

void CliUploader::endProgress()
{
    if (!m_showProgress || m_progressEnded || m_progress.recordsSent() == 0)
        return;
    drawProgress();
    write(m_err, QStringLiteral("\n"));
    m_progressOnScreen = false;
    m_progressEnded = true;
}
