#pragma once

#include "history/HistoryLocation.h"
#include "history/HistoryRecord.h"
#include "history/HistoryStore.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QUuid>

#include <chrono>
#include <optional>

class BasicUploadView;
class CliReport;
class FirmwareInspection;
class HistoryWorker;
struct CliOptions;

// Writes one row of the flash history per attempt of the command line: each --retries try, each
// loop pass, and a run that ends before any attempt. A row that cannot be written is reported
// on stderr and changes nothing else: the history is a record, never a gate.
//
// The rows are written on a thread of their own while the upload goes on; the run's end waits
// for them in an event loop, so that stop signals are still heard, and for no longer than the
// store's own limit: a server that stops answering costs the row, never a program that hangs.
class CliHistory : public QObject
{
    Q_OBJECT

public:
    // How long the run's end waits for its rows: the store's own time-out (a locked file's, the
    // server's statement time-out), and a little for the answer to come back.
    static constexpr std::chrono::milliseconds kWriteLimit =
        std::chrono::milliseconds(HistoryStore::kBusyTimeoutMs) + std::chrono::seconds(1);
    // What a stop signal leaves the rows still waited for: a database that answers is done with
    // a row in far less, and the program still ends promptly.
    static constexpr std::chrono::milliseconds kInterruptedWait{500};

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
    // The id of the attempt under way, or of the next one before it starts: its row's
    // attempt_id, and what the pool of serial values knows it by.
    QString attemptId() const { return m_attemptId; }
    // The value written into the attempt's image, its pool, and the SHA-256 of the bytes sent;
    // empty when no value is written.
    void setSerial(const QString &value, const QString &pool, const QString &imageSha256);
    // A stop signal came while runEnded() waits: the wait ends within kInterruptedWait.
    void interruptWait(int signalNumber);
    // The signal that came while runEnded() waited; 0 when none did.
    int interruptedBy() const { return m_interruptedBy; }

private:
    void attemptStarted();
    void describeFirmware();
    void write(int exitCode, const QString &message, qint64 recordsSent);
    void onAppended(const std::optional<QString> &problem);
    void reportLost(const QString &problem);
    void waitForRows();

    const CliOptions &m_options;
    BasicUploadView &m_view;
    const FirmwareInspection &m_firmware;
    CliReport &m_report;
    HistoryLocation m_location;
    HistoryWorker *m_worker = nullptr;
    QTimer m_waitLimit;
    int m_interruptedBy = 0;

    QDateTime m_started = QDateTime::currentDateTime();
    bool m_attemptOpen = false;
    QString m_lastLogLine;
    QString m_sha256;
    QString m_attemptId = QUuid::createUuid().toString(QUuid::WithoutBraces);
    QString m_serial;
    QString m_serialPool;
    QString m_imageSha256;
    qint64 m_size = -1;
    qint64 m_records = -1;
    int m_rowsQueued = 0;
    int m_rowsWritten = 0;
    int m_rowsLost = 0;
};
