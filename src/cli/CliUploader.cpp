#include "CliUploader.h"

#include "CliReport.h"
#include "CliSignaturePolicy.h"
#include "connection/ConnectionSettings.h"
#include "connection/ProductProfile.h"
#include "platform/CoreText.h"
#include "upload/ActivityLog.h"
#include "upload/AttemptOutcome.h"
#include "upload/UploadEngine.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonObject>

#include <cmath>
#include <csignal>
#include <cstring>

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

CliUploader::CliUploader(const CliOptions &options, CliReport &report, std::FILE *err,
                         bool showProgress, QObject *parent)
    : QObject(parent), m_options(options), m_report(report), m_err(err),
      m_showProgress(showProgress), m_scratchSettings(m_scratch.path()),
      m_history(m_options, m_view, m_firmware, m_report)
{
    SettingsStore &store = m_options.saveSettings ? m_userSettings : m_scratchSettings;
    m_engine = std::make_unique<UploadEngine>(m_options.title, m_view, m_socket, store);
    m_engine->setResponseTimeout(m_options.responseTimeout);

    ActivityLog &log = m_view.activityLog();
    connect(&log, &ActivityLog::lineAppended, this, &CliUploader::printLine);
    connect(&log, &ActivityLog::cleared, this, &CliUploader::onAttemptStarted);
    connect(m_engine.get(), &UploadEngine::attemptEnded, this, &CliUploader::onAttemptEnded);
    connect(&m_socket, &CountingUnitSocket::recordSent, this, &CliUploader::onRecordSent);
    connect(&m_socket, &CountingUnitSocket::programmingRequestSent, this,
            [this] { setPhase("sending"); });
    connect(&m_view, &BasicUploadView::progressChanged, this, &CliUploader::onProgressValue);
    m_progressTimer.setInterval(kProgressInterval);
    connect(&m_progressTimer, &QTimer::timeout, this, &CliUploader::onProgressTick);
    m_retryTimer.setSingleShot(true);
    connect(&m_retryTimer, &QTimer::timeout, this, [this] {
        if (takeSerial())
            m_engine->LoadStart_Click();
    });
}

CliUploader::~CliUploader() = default;

void CliUploader::start()
{
    if (m_finished)
        return;
    const CliSignaturePolicy signatures = CliSignaturePolicy::forRun(m_options, m_userSettings);
    // A check alone keeps no copy of the file, unless a signature is to be verified against it.
    const bool keep = !m_options.checkOnly || signatures.required || m_serial.isOn();
    m_firmware = FirmwareInspection::inspect(m_options.firmwarePath, m_options.expectedSha256,
                                             keep ? FirmwareInspection::Keep::Content
                                                  : FirmwareInspection::Keep::Nothing);
    if (!m_options.firmwareOrigin.isEmpty())
        m_firmware.nameOrigin(m_options.firmwareOrigin);
    m_firmware.requireSignature(signatures, m_options.signaturePath);
    // The unit's own value is checked against the verified image, before any connection.
    if (m_firmware.isValid()) {
        if (const std::optional<QString> refusal = m_serial.prepare(m_firmware)) {
            loadConnection();
            finish(AttemptOutcome::kExitBadInput, *refusal);
            return;
        }
    }
    if (m_options.checkOnly) {
        runCheck();
        return;
    }
    // Known before anything is refused, so that even a refused run's row names the unit.
    loadConnection();
    if (!m_options.saveSettings && !m_scratch.isValid()) {
        // Without the scratch folder the engine's save would land in the user's settings.
        finish(
            AttemptOutcome::kExitBadInput,
            CoreText::english("cannot create a scratch folder: %1").arg(m_scratch.errorString()));
        return;
    }
    // A bad file is reported before anything reaches the network.
    if (!m_firmware.isValid()) {
        finish(AttemptOutcome::kExitBadInput, m_firmware.problem());
        return;
    }
    if (!connectionGiven())
        return;
    m_engine->setKnownSoundContent(m_firmware.content());

    m_view.setChecked(Tool::Debug, m_options.debug);
    m_view.setChecked(Tool::Slow, m_options.slow);
    m_view.setChecked(Tool::Loop, m_options.loopCount.value_or(1) != 1);
    m_view.setFirmwareFileCaption(QFileInfo(m_options.firmwarePath).fileName());
    m_engine->state().FirmwarePath = m_options.firmwarePath;
    // The file is read once, here: every try and loop pass sends the bytes that were checked,
    // summed, pinned and verified, and that the start event, the progress and the result
    // describe.
    // Replacing the file meanwhile cannot put another image on the wire.
    m_engine->pinFirmware(m_firmware.content());
    if (m_showProgress)
        m_progress.countContent(m_firmware.content());
    if (!takeSerial(false))
        return;
    reportStart();
    announceSerial();
    m_progressTimer.start();
    m_engine->LoadStart_Click();
}

void CliUploader::runCheck()
{
    if (m_report.isJson()) {
        m_report.event(
            QStringLiteral("check"),
            {{QStringLiteral("valid"), m_firmware.isValid()},
             {QStringLiteral("problem"), m_firmware.isValid() ? QJsonValue(QJsonValue::Null)
                                                              : QJsonValue(m_firmware.problem())},
             {QStringLiteral("firmware"), m_firmware.toJson()},
             {QStringLiteral("signature"), m_firmware.signature()
                                               ? QJsonValue(m_firmware.signature()->toJson())
                                               : QJsonValue(QJsonValue::Null)},
             {QStringLiteral("serial"), m_serial.isOn() && m_firmware.isValid()
                                            ? QJsonValue(m_serial.preview())
                                            : QJsonValue(QJsonValue::Null)}});
    } else if (m_firmware.isValid()) {
        m_report.logLine(tr("%1: valid Intel HEX, %2 bytes")
                             .arg(m_options.firmwarePath)
                             .arg(m_firmware.summary()->sizeBytes));
        for (const QString &line : m_firmware.summary()->describe())
            m_report.logLine(line);
        if (m_firmware.signature())
            m_report.logLine(
                tr("Signature: %1").arg(CoreText::shown(m_firmware.signature()->describe())));
        if (m_serial.isOn())
            printSerialPreview();
    }
    if (m_firmware.isValid())
        finish(AttemptOutcome::kExitFinished);
    else
        finish(AttemptOutcome::kExitBadInput, m_firmware.problem());
}

// The address and port the window would show for the title, unless the command line gives them.
void CliUploader::loadConnection()
{
    ConnectionSettings(m_options.title, m_userSettings).LoadConnectionSettings(m_view);
    if (m_options.address)
        m_view.setEthernetAddress(*m_options.address);
    if (m_options.port)
        m_view.setEthernetPort(*m_options.port);
}

bool CliUploader::connectionGiven()
{
    if (m_view.ethernetAddress().isEmpty()) {
        finish(AttemptOutcome::kExitBadInput,
               CoreText::english("no address is saved or known for \"%1\": give --address.")
                   .arg(m_options.title));
        return false;
    }
    if (m_view.ethernetPort().isEmpty()) {
        finish(AttemptOutcome::kExitBadInput,
               CoreText::english("no port is saved or known for \"%1\": give --port.")
                   .arg(m_options.title));
        return false;
    }
    return true;
}

void CliUploader::reportStart()
{
    const ProductProfile *profile = ProductProfile::forTitle(m_options.title);
    bool portIsNumber = false;
    const int port = m_view.ethernetPort().toInt(&portIsNumber);
    JsonLines::Fields fields{
        {QStringLiteral("version"), QCoreApplication::applicationVersion()},
        {QStringLiteral("title"), m_options.title},
        {QStringLiteral("profile"), profile ? profile->displayName() : QString()},
        {QStringLiteral("address"), m_view.ethernetAddress()},
        // A saved port that is no number is reported by the engine; here it stays text.
        {QStringLiteral("port"),
         portIsNumber ? QJsonValue(port) : QJsonValue(m_view.ethernetPort())},
        {QStringLiteral("firmware"), m_firmware.toJson()},
        {QStringLiteral("unit_serial"), m_options.unitSerial.isEmpty()
                                            ? QJsonValue(QJsonValue::Null)
                                            : QJsonValue(m_options.unitSerial)}};
    fields.append(signatureFields());
    fields.append(serialFields(false));
    m_report.event(QStringLiteral("start"), fields);
}

JsonLines::Fields CliUploader::signatureFields() const
{
    if (!m_firmware.signature() || !m_firmware.signature()->isValid())
        return {};
    return {{QStringLiteral("signature_key_id"), m_firmware.signature()->keyId()},
            {QStringLiteral("signature_comment"), m_firmware.signature()->trustedComment()}};
}

void CliUploader::interrupt(int signalNumber)
{
    if (m_finished) {
        // The run's end may be waiting for its flash history rows: that wait ends promptly.
        m_history.interruptWait(signalNumber);
        return;
    }
    m_stopCode =
        signalNumber == SIGHUP ? AttemptOutcome::kExitHangup : AttemptOutcome::kExitInterrupted;
    // The engine decides what stopping means while it connects or transfers; in the reboot wait,
    // where it cannot stop, shutting it down still ends the program at once.
    m_engine->stopAttempt();
    m_engine->shutdown();
    finish(m_stopCode, stopMessage());
}

void CliUploader::onAttemptStarted()
{
    setPhase("connecting");
    m_attemptRecords = 0;
    m_sinceFirstRecord.invalidate();
    m_sinceProgressEvent.invalidate();
    if (!m_showProgress)
        return;
    m_progress.restart();
    m_progressEnded = false;
    m_progressChanged = false;
}

void CliUploader::onRecordSent(qsizetype bytes)
{
    ++m_attemptRecords;
    ++m_recordsSent;
    if (!m_sinceFirstRecord.isValid())
        m_sinceFirstRecord.start();
    reportProgress(false);
    if (!m_showProgress)
        return;
    m_progress.recordSent(bytes);
    m_progressChanged = true;
    if (m_progress.recordsSent() >= m_progress.totalRecords())
        endProgress();
}

void CliUploader::onProgressValue(int value, int maximum)
{
    if (value < maximum || m_attemptRecords == 0)
        return;
    endProgress();
    setPhase("rebooting");
}

void CliUploader::setPhase(const char *phase)
{
    if (m_phase == phase)
        return;
    m_phase = phase;
    m_report.event(QStringLiteral("phase"),
                   {{QStringLiteral("phase"), QString::fromLatin1(phase)}});
}

// At most one event per interval, and always the one that reaches the total.
void CliUploader::reportProgress(bool force)
{
    if (!m_report.isJson())
        return;
    const qint64 total = m_firmware.summary() ? m_firmware.summary()->records : 0;
    const bool complete = total > 0 && m_attemptRecords == total;
    if (!force && !complete && m_sinceProgressEvent.isValid() &&
        m_sinceProgressEvent.elapsed() < kProgressInterval.count())
        return;
    m_sinceProgressEvent.start();
    const double seconds =
        m_sinceFirstRecord.isValid() ? double(m_sinceFirstRecord.nsecsElapsed()) / 1e9 : 0.0;
    const double percent = total > 0 ? std::round(m_attemptRecords * 1000.0 / total) / 10.0 : 0.0;
    // The clock starts with the first record, so the rate counts the records after it.
    const double rate =
        seconds > 0 ? std::round(double(m_attemptRecords - 1) * 10.0 / seconds) / 10.0 : 0.0;
    m_report.event(QStringLiteral("progress"), {{QStringLiteral("sent"), m_attemptRecords},
                                                {QStringLiteral("total"), total},
                                                {QStringLiteral("percent"), percent},
                                                {QStringLiteral("rate"), rate}});
}

void CliUploader::onAttemptEnded(UploadOutcome outcome)
{
    endProgress();
    setPhase("ended");
    settleSerial(outcome == UploadOutcome::Finished);
    QElapsedTimer historyWait;
    historyWait.start();
    m_history.attemptEnded(m_stopCode != 0 ? m_stopCode
                                           : AttemptOutcome::fromUpload(outcome).exitCode(),
                           attemptMessage(outcome), m_attemptRecords);
    m_historyWaitNs += historyWait.nsecsElapsed();
    if (outcome == UploadOutcome::ConnectFailed && retryConnection())
        return;
    if (outcome != UploadOutcome::Finished) {
        // A signal's own exit code wins over the way the engine reports the stop.
        finish(m_stopCode != 0 ? m_stopCode : AttemptOutcome::fromUpload(outcome).exitCode(),
               attemptMessage(outcome));
        return;
    }

    m_try = 1;
    ++m_uploadsFinished;
    const int wanted = m_options.loopCount.value_or(1);
    // The next pass's unit gets a value of its own before the engine restarts.
    if ((wanted == 0 || m_uploadsFinished < wanted) && !takeSerial()) {
        m_view.setChecked(Tool::Loop, false);
        return;
    }
    if (wanted != 0 && m_uploadsFinished >= wanted) {
        // The engine reads the check mark right after this signal, before its restart pause.
        m_view.setChecked(Tool::Loop, false);
        // The engine saves the address and port once this signal has returned.
        QTimer::singleShot(0, this, [this] {
            checkSavedSettings();
            finish(AttemptOutcome::kExitFinished);
        });
    }
}

// The same words on stderr, in the JSON result and in the attempt's row: the engine's reason
// (the unit's refusal and what it refused, the lost connection, the unusable input), so that the
// record says what happened rather than what the exit code means.
QString CliUploader::attemptMessage(UploadOutcome outcome) const
{
    switch (outcome) {
    case UploadOutcome::Finished:
        return {};
    case UploadOutcome::Cancelled:
    case UploadOutcome::Stopped:
        return stopMessage();
    case UploadOutcome::ConnectFailed:
        return CoreText::english("could not connect to the unit at %1 port %2.")
            .arg(m_view.ethernetAddress(), m_view.ethernetPort());
    default:
        break;
    }
    const QString reason = m_engine->failureReason();
    return reason.isEmpty() ? CoreText::english("the attempt failed; the log says why.") : reason;
}

QString CliUploader::stopMessage() const
{
    return m_stopCode == AttemptOutcome::kExitHangup
               ? CoreText::english("hung up; the connection to the unit is closed.")
               : CoreText::english("interrupted; the connection to the unit is closed.");
}

void CliUploader::checkSavedSettings()
{
    if (!m_options.saveSettings)
        return;
    m_settingsSaved = settingsTook();
    if (!m_settingsSaved)
        m_report.message(tr("the address and port could not be saved in \"%1\"; "
                            "the next run will not find them.")
                             .arg(m_userSettings.fileName(m_options.title)));
}

// Only a connection that never came about is tried again: nothing has reached the unit yet.
bool CliUploader::retryConnection()
{
    if (m_try > m_options.retries || m_engine->isShutDown())
        return false;
    ++m_try;
    const double seconds = double(m_options.retryDelay.count()) / 1000.0;
    printLine(CoreText::english("Could not connect; try %1 of %2 in %3 seconds.")
                  .arg(m_try)
                  .arg(m_options.retries + 1)
                  .arg(seconds));
    m_retryTimer.start(m_options.retryDelay);
    return true;
}

// Whether what the engine saved can be read back: a settings folder that is a file, an .ini
// path that is a folder or a read-only folder lose the values without a word.
bool CliUploader::settingsTook() const
{
    const QString section = QStringLiteral("Settings");
    const QString missing = QStringLiteral("\n");
    return m_userSettings.read(m_options.title, section, QStringLiteral("EthernetAddress"),
                               missing) == m_view.ethernetAddress() &&
           m_userSettings.read(m_options.title, section, QStringLiteral("EthernetPort"), missing) ==
               m_view.ethernetPort();
}

void CliUploader::finish(int exitCode, const QString &message)
{
    if (m_finished)
        return;
    m_finished = true;
    m_retryTimer.stop();
    m_view.setChecked(Tool::Loop, false);
    m_progressTimer.stop();
    if (m_progressOnScreen)
        eraseProgress();
    if (!message.isEmpty())
        m_report.message(CoreText::shown(message));
    if (m_report.outputError() != 0)
        exitCode = outputFailed(exitCode);
    // An attempt cut short by a signal hands its value back, or burns it.
    settleSerial(false);
    // The run's own time: waiting for the history to take its rows is no part of the upload.
    const double duration = m_report.secondsSinceStart() - double(m_historyWaitNs) / 1e9;
    const bool historySaved = m_history.runEnded(exitCode, message, m_attemptRecords);
    // A signal that stopped the attempt has the last word; one that only cut the wait for the
    // history rows short decides when it was the first.
    if (const int signalNumber = m_history.interruptedBy(); signalNumber != 0 && m_stopCode == 0)
        exitCode =
            signalNumber == SIGHUP ? AttemptOutcome::kExitHangup : AttemptOutcome::kExitInterrupted;
    m_report.result({exitCode, m_recordsSent, m_settingsSaved, m_firmware.toJson(), message,
                     signatureFields(), historySaved, duration, serialFields(true)});
    if (m_report.outputError() != 0)
        exitCode = outputFailed(exitCode);
    m_exitCode = exitCode;
    Q_EMIT finished(exitCode);
}

// Said once, when the run has ended: the upload under way was never given up for its record.
// A failed upload keeps its own exit code, which says more about the unit.
int CliUploader::outputFailed(int exitCode)
{
    if (!m_outputFailureTold) {
        m_outputFailureTold = true;
        m_report.message(tr("cannot write standard output: %1; the record of this "
                            "run is incomplete.")
                             .arg(QString::fromLocal8Bit(std::strerror(m_report.outputError()))));
    }
    return exitCode == AttemptOutcome::kExitFinished ? AttemptOutcome::kExitOutputFailed : exitCode;
}

void CliUploader::printLine(const QString &line)
{
    if (m_progressOnScreen)
        eraseProgress();
    m_report.logLine(line);
}

void CliUploader::onProgressTick()
{
    if (m_showProgress && m_progressChanged && !m_progressEnded && m_progress.recordsSent() > 0)
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
