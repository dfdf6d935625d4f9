#include "CliHistory.h"

#include "CliOptions.h"
#include "CliReport.h"
#include "FirmwareInspection.h"
#include "upload/ActivityLog.h"
#include "upload/AttemptOutcome.h"
#include "upload/BasicUploadView.h"

#include <QCoreApplication>

CliHistory::CliHistory(const CliOptions &options, BasicUploadView &view,
                       const FirmwareInspection &firmware, CliReport &report, QObject *parent)
    : QObject(parent), m_options(options), m_view(view), m_firmware(firmware), m_report(report),
      m_store(HistoryLocation::resolve(options.history))
{
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

void CliHistory::attemptEnded(int exitCode, const QString &message, qint64 recordsSent)
{
    if (m_attemptOpen)
        write(exitCode, message, recordsSent);
    m_attemptOpen = false;
}

bool CliHistory::runEnded(int exitCode, const QString &message, qint64 recordsSent)
{
    if (!m_options.checkOnly && (m_attemptOpen || m_rowsWritten + m_rowsLost == 0)) {
        if (!m_attemptOpen)
            describeFirmware();
        write(exitCode, message, recordsSent);
        m_attemptOpen = false;
    }
    return m_rowsWritten > 0 && m_rowsLost == 0;
}

void CliHistory::write(int exitCode, const QString &message, qint64 recordsSent)
{
    if (m_store.location().isOff())
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
    record.firmwareSha256 = m_sha256;
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
    if (const std::optional<QString> problem = m_store.append(record)) {
        ++m_rowsLost;
        m_report.message(QStringLiteral("the attempt is not in the flash history (%1); the "
                                        "outcome stands.")
                             .arg(*problem));
        return;
    }
    ++m_rowsWritten;
}
