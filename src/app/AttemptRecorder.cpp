#include "AttemptRecorder.h"

#include "firmware/FirmwareSummary.h"
#include "upload/ActivityLog.h"
#include "upload/UploadEngine.h"
#include "upload/UploadView.h"

#include <QFile>

namespace {
// Firmware for these units is far smaller; a huge file is not read at all on the GUI thread.
constexpr qint64 kLargestSummarised = 64 * 1024 * 1024;
} // namespace

AttemptRecorder::AttemptRecorder(UploadEngine &engine, UploadView &view, QObject *parent)
    : QObject(parent), m_engine(engine), m_view(view)
{
    connect(&view.activityLog(), &ActivityLog::cleared, this, &AttemptRecorder::onStarted);
    connect(&engine, &UploadEngine::attemptEnded, this, &AttemptRecorder::onEnded);
}

void AttemptRecorder::onStarted()
{
    m_running = true;
    m_outcome.reset();
    m_path = m_engine.state().FirmwarePath;
    m_firmware = describeFirmware(m_path);
    m_address = m_view.ethernetAddress();
    m_port = m_view.ethernetPort();
    Q_EMIT started();
}

void AttemptRecorder::onEnded(UploadOutcome outcome)
{
    m_running = false;
    m_outcome = outcome;
    Q_EMIT ended(outcome);
}

LogRecord AttemptRecorder::record(const QString &program) const
{
    // Before any attempt the log holds only what the window itself wrote: describe the present
    // choice.
    const bool attempted = m_running || m_outcome;
    LogRecord record;
    record.savedAt = QDateTime::currentDateTime();
    record.program = program;
    record.firmwarePath = attempted ? m_path : m_engine.state().FirmwarePath;
    record.firmware = attempted ? m_firmware : describeFirmware(record.firmwarePath);
    // Once the transfer has begun, the bytes it sends: the file may have been replaced or
    // chosen anew since the click.
    if (attempted && !m_engine.firmwareSnapshot().isNull()) {
        record.firmwarePath = m_engine.firmwareSnapshotPath();
        record.firmware = describeContent(m_engine.firmwareSnapshot());
    }
    record.address = attempted ? m_address : m_view.ethernetAddress();
    record.port = attempted ? m_port : m_view.ethernetPort();
    record.outcome = outcomeText(m_outcome, m_running);
    record.lines = m_view.activityLog().lines();
    return record;
}

QString AttemptRecorder::outcomeText(std::optional<UploadOutcome> outcome, bool running)
{
    if (running)
        //: The saved log's outcome while the upload still runs.
        return tr("in progress");
    if (!outcome)
        //: The saved log's outcome before any upload was started.
        return tr("no upload");
    switch (*outcome) {
    case UploadOutcome::Finished:
        return tr("Finished");
    case UploadOutcome::Refused:
        return tr("Failed: refused by the unit");
    case UploadOutcome::ConnectFailed:
        return tr("Failed: could not connect");
    case UploadOutcome::ConnectionLost:
        return tr("Failed: connection lost");
    case UploadOutcome::UnitSilent:
        return tr("Failed: the unit stopped answering");
    case UploadOutcome::BadInput:
        return tr("Failed: unusable address, port or firmware file");
    case UploadOutcome::Stopped:
        return tr("Stopped by the operator");
    case UploadOutcome::Cancelled:
        return tr("Failed: the program was closed");
    }
    return tr("Failed");
}

QStringList AttemptRecorder::describeFirmware(const QString &path)
{
    if (path.isEmpty())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {tr("cannot be read: %1").arg(file.errorString())};
    if (file.size() > kLargestSummarised)
        return {sizeLine(file.size())};
    return describeContent(file.readAll());
}

QString AttemptRecorder::sizeLine(qint64 bytes)
{
    return tr("Size: %1 bytes").arg(bytes);
}

QStringList AttemptRecorder::describeContent(const QByteArray &content)
{
    const FirmwareSummary summary = FirmwareSummary::fromContent(content);
    return QStringList{sizeLine(summary.sizeBytes)} + summary.describe();
}
