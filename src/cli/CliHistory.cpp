#include "CliHistory.h"

#include "CliOptions.h"
#include "CliReport.h"
#include "FirmwareInspection.h"
#include "history/HistoryWorker.h"
#include "platform/CoreText.h"
#include "upload/ActivityLog.h"
#include "upload/AttemptOutcome.h"
#include "upload/BasicUploadView.h"

#include <QCoreApplication>
#include <QEventLoop>

CliHistory::CliHistory(const CliOptions &options, BasicUploadView &view,
                       const FirmwareInspection &firmware, CliReport &report, QObject *parent)
    : QObject(parent), m_options(options), m_view(view), m_firmware(firmware), m_report(report),
      m_location(HistoryLocation::resolve(options.history))
{
    m_waitLimit.setSingleShot(true);
    ActivityLog &log = m_view.activityLog();
    connect(&log, &ActivityLog::cleared, this, &CliHistory::attemptStarted);
    connect(&log, &ActivityLog::lineAppended, this, [this](const QString &line) {
        if (!line.trimmed().isEmpty())
            m_lastLogLine = line;
    });
}

CliHistory::~CliHistory() = default;

void CliHistory::attemptStarted()
{
    m_started = QDateTime::currentDateTime();
    m_attemptOpen = true;
    m_lastLogLine.clear();
    describeFirmware();
}

// The file is read once per run and every attempt sends those bytes, whatever becomes of the
// file meanwhile: the row names them.
void CliHistory::describeFirmware()
{
    m_sha256.clear();
    m_size = m_records = -1;
    if (const auto &summary = m_firmware.summary()) {
        m_sha256 = QString::fromLatin1(summary->sha256);
        m_size = summary->sizeBytes;
        m_records = summary->records;
    }
}

void CliHistory::setSerial(const QString &value, const QString &pool, const QString &imageSha256)
{
    m_serial = value;
    m_serialPool = pool;
    m_imageSha256 = imageSha256;
}

void CliHistory::attemptEnded(int exitCode, const QString &message, qint64 recordsSent)
{
    if (m_attemptOpen)
        write(exitCode, message, recordsSent);
    m_attemptOpen = false;
}

bool CliHistory::runEnded(int exitCode, const QString &message, qint64 recordsSent)
{
    if (!m_options.checkOnly && (m_attemptOpen || m_rowsQueued == 0)) {
        if (!m_attemptOpen)
            describeFirmware();
        write(exitCode, message, recordsSent);
        m_attemptOpen = false;
    }
    waitForRows();
    return m_rowsWritten > 0 && m_rowsLost == 0;
}

void CliHistory::waitForRows()
{
    if (!m_worker)
        return;
    if (m_worker->pending() > 0) {
        QEventLoop loop;
        connect(m_worker, &HistoryWorker::idle, &loop, &QEventLoop::quit);
        connect(&m_waitLimit, &QTimer::timeout, &loop, &QEventLoop::quit);
        m_waitLimit.start(kWriteLimit);
        loop.exec();
        m_waitLimit.stop();
    }
    if (m_worker->pending() == 0)
        return;
    // The rows left are given up; a late answer must not change what the result has said.
    disconnect(m_worker, &HistoryWorker::appended, this, nullptr);
    const QString why =
        m_interruptedBy != 0
            ? tr("the program was stopped while it waited for the history")
            : tr("no answer from %1 within %2 s")
                  .arg(m_location.display())
                  .arg(std::chrono::duration_cast<std::chrono::seconds>(kWriteLimit).count());
    for (int i = m_worker->pending(); i > 0; --i)
        reportLost(why);
}

void CliHistory::interruptWait(int signalNumber)
{
    if (m_interruptedBy == 0)
        m_interruptedBy = signalNumber;
    if (m_waitLimit.isActive() && m_waitLimit.remainingTimeAsDuration() > kInterruptedWait)
        m_waitLimit.start(kInterruptedWait);
}

void CliHistory::onAppended(const std::optional<QString> &problem)
{
    if (problem)
        reportLost(CoreText::shown(*problem));
    else
        ++m_rowsWritten;
}

void CliHistory::reportLost(const QString &problem)
{
    ++m_rowsLost;
    m_report.message(tr("the attempt is not in the flash history (%1); the "
                        "outcome stands.")
                         .arg(problem));
}

void CliHistory::write(int exitCode, const QString &message, qint64 recordsSent)
{
    if (m_location.isOff())
        return;
    HistoryRecord record;
    record.runId = m_options.runId;
    record.started = m_started;
    record.ended = QDateTime::currentDateTime();
    record.setOrigin(QString::fromLatin1(CliOptions::kProgramName),
                     QCoreApplication::applicationVersion());
    record.title = m_options.title;
    record.unitName = m_options.unitName;
    record.unitSerial = m_options.unitSerial;
    if (!m_options.operatorName.isEmpty())
        record.operatorName = m_options.operatorName;
    record.address = m_view.ethernetAddress();
    record.setPort(m_view.ethernetPort());
    record.firmwarePath = m_firmware.absolutePath();
    if (m_size >= 0)
        record.firmwareSize = m_size;
    if (m_records >= 0)
        record.records = m_records;
    record.attemptId = m_attemptId;
    // Each attempt after this one is another row.
    m_attemptId = QUuid::createUuid().toString(QUuid::WithoutBraces);
    record.baseSha256 = m_sha256;
    record.firmwareSha256 = m_imageSha256.isEmpty() ? m_sha256 : m_imageSha256;
    record.serial = m_serial;
    record.serialPool = m_serial.isEmpty() ? QString() : m_serialPool;
    record.recordsSent = recordsSent;
    // A signed image's signer, as the JSON result names it.
    if (m_firmware.signature() && m_firmware.signature()->isValid()) {
        record.signatureKeyId = m_firmware.signature()->keyId();
        record.signatureComment = m_firmware.signature()->trustedComment();
    }
    record.outcome = AttemptOutcome::fromExitCode(exitCode).word();
    record.exitCode = exitCode;
    // What the program says about the attempt on stderr; the log's last line for a success.
    record.message = message.isEmpty() ? m_lastLogLine : message;
    // Made for the first row: a check alone, or a run without history, starts no thread.
    if (!m_worker) {
        m_worker = new HistoryWorker(this);
        connect(m_worker, &HistoryWorker::appended, this,
                [this](quint64, const std::optional<QString> &problem) { onAppended(problem); });
    }
    m_worker->append(m_location, record);
    ++m_rowsQueued;
}
