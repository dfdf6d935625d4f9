#pragma once

#include "history/HistoryRecord.h"
#include "history/HistoryStore.h"

#include <QDateTime>
#include <QObject>
#include <QString>

class BasicUploadView;
class CliReport;
class FirmwareInspection;
struct CliOptions;

// Writes one row of the flash history per attempt of the command line: each --retries try, each
// loop pass, and a run that ends before any attempt. A row that cannot be written is reported
// on stderr and changes nothing else: the history is a record, never a gate.
class CliHistory : public QObject
{
    Q_OBJECT

public:
    // The references stay valid for the life of this object; firmware is the run's image, the
    // bytes every attempt sends, read when an attempt starts.
    CliHistory(const CliOptions &options, BasicUploadView &view, const FirmwareInspection &firmware,
               CliReport &report, QObject *parent = nullptr);
    ~CliHistory() override;

    // The attempt under way has ended so; its row is written now.
    void attemptEnded(int exitCode, const QString &message, qint64 recordsSent);
    // The run ends: an attempt still under way, or a run without any, gets its row. Returns
    // whether every row of the run is in the history (false when it is off or there were none).
    bool runEnded(int exitCode, const QString &message, qint64 recordsSent);

private:
    void attemptStarted();
    void describeFirmware();
    void write(int exitCode, const QString &message, qint64 recordsSent);

    const CliOptions &m_options;
    BasicUploadView &m_view;
    const FirmwareInspection &m_firmware;
    CliReport &m_report;
    HistoryStore m_store;

    QDateTime m_started = QDateTime::currentDateTime();
    bool m_attemptOpen = false;
    QString m_lastLogLine;
    QString m_sha256;
    qint64 m_size = -1;
    qint64 m_records = -1;
    int m_rowsWritten = 0;
    int m_rowsLost = 0;
};
