#pragma once

#include "UploadOutcome.h"
#include "UploadState.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class ActivityLog;
class ConnectionSettings;
class FirmwareFile;
class SettingsStore;
class UnitSocket;
class UploadView;
enum class ResponseCode : quint8;

// One upload from the start button to the unit's reboot: connect, hand over, stream the records
// against the unit's answers, and finish. Everything runs on the GUI thread; the pauses pump
// events, so the handlers run inside each other and all state lives in UploadState.
class UploadEngine : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds kDefaultResponseTimeout{60000};
    // How long the unit's answer to the last record is awaited before the completion starts;
    // a unit that stays silent that long has not confirmed the firmware.
    static constexpr std::chrono::milliseconds kLastAnswerLimit{5000};

    UploadEngine(const QString &title, UploadView &view, UnitSocket &socket,
                 SettingsStore &settings, QObject *parent = nullptr);
    ~UploadEngine() override;

    QString title() const { return m_title; }
    UploadState &state() { return m_state; }
    const UploadState &state() const { return m_state; }
    // Whether an attempt is under way (connecting, transferring or finishing).
    bool isBusy() const { return m_phase != Phase::Idle; }

    // The start button's handler, and the restart of loop mode.
    void LoadStart_Click();
    // The socket's handlers; connected to the socket by the constructor.
    void Ethernet_DataArrival(int bytesTotal);
    void Ethernet_Error(int number, const QString &description);

    // Ends a connecting or transferring attempt at the operator's request, as a failure: the log
    // turns red, the controls come back, nothing is saved and a loop series ends. Does nothing
    // when no attempt can be stopped (idle, or the unit is already writing the firmware).
    void stopAttempt();
    // Whether stopAttempt() would end the attempt now.
    bool canStop() const;

    // Ends any attempt at once: pauses end, socket and file close, no restart. For shutdown.
    void shutdown();
    bool isShutDown() const { return m_shutDown; }

    // The progress bar counts in 128-byte units of the firmware file.
    static int progressMaximumFor(qint64 fileSize);

    // How long a transfer may wait for the unit's next answer before the attempt is given up.
    void setResponseTimeout(std::chrono::milliseconds timeout);
    // Bytes a front-end has already found to be sound Intel HEX. An attempt still reads its file,
    // but when the file holds exactly these bytes the check is not made again: a comparison
    // costs a small part of a check, which a short-lived uploader would otherwise pay twice.
    void setKnownSoundContent(const QByteArray &content) { m_knownSoundContent = content; }

    // Every later attempt sends these bytes instead of reading FirmwarePath when its transfer
    // starts: a front-end that has described an image to its caller sends exactly that image,
    // on every retry and loop pass. Without it each attempt reads the file afresh.
    void pinFirmware(const QByteArray &content);
    // The bytes the present (or last) attempt's transfer sends, read once when it started, and
    // where they came from; null before the transfer of the present attempt has started.
    const QByteArray &firmwareSnapshot() const { return m_snapshot; }
    QString firmwareSnapshotPath() const { return m_snapshotPath; }

    // Asked about the bytes each attempt read, before any of them is sent; a reason refuses
    // them (e.g. a signature that does not verify on exactly these bytes).
    using FirmwareGate = std::function<std::optional<QString>(const QByteArray &content)>;
    void setFirmwareGate(FirmwareGate gate) { m_firmwareGate = std::move(gate); }

    // Why the last attempt failed, in one sentence for its record: the unit's refusal with the
    // record and line it answered, the lost connection with the system's words, the unusable
    // input. Empty from the start of an attempt until it fails, and after a finished one.
    // Front-ends keep it as the attempt's message instead of guessing it from the outcome or
    // the log's last line.
    QString failureReason() const { return m_failureReason; }

Q_SIGNALS:
    // Emitted once per attempt when it has ended (on success after the reboot wait, before a
    // loop restart).
    void attemptEnded(UploadOutcome outcome);
    // Whether the running attempt can be stopped has changed (see canStop()).
    void stopAttemptChanged(bool canStop);

private:
    enum class Phase { Idle, Connecting, Streaming, AwaitingLastAnswer, Ending };
    // A receive buffer this full stops the transfer: no sound conversation comes near it.
    static constexpr qsizetype kReceiveLimit = 16 * 1024;
    // Answers nobody asked for are dropped; this many bytes of them for one record (128 Acks)
    // is a unit pouring them out, and stops the transfer.
    static constexpr qint64 kSurplusLimit = 1024;

    void setPhase(Phase phase);
    bool ConnectToUnit();
    void logPeerAddress();
    bool watchConnection();
    void startTransfer();
    bool prepareFirmware();
    void failAttempt(UploadOutcome outcome);
    void FinishUpload();
    void finishSuccessfully();
    void finishWithFailure();

    void dropStrayBytes();
    void examineResponses();
    void onAck();
    void sendNextRecord();
    void sendPacket(const QByteArray &packet);
    void takeFront(qsizetype count);
    void awaitLastAnswer();
    void finishEndOfFile();
    bool awaitQuietUnit();
    void onAnswerAfterLast(ResponseCode code);
    QString refusedPacketName() const;
    void onRefusal(ResponseCode code);
    void onUnknown();
    void onFlooded(qint64 bytes);
    void onPeerClosed();
    void onUnitSilent();
    // line goes to the log; reason, when given, says more for failureReason().
    void endLostAttempt(const QString &line, UploadOutcome outcome, const QString &reason = {});

    ActivityLog &log() const;
    bool debug() const;
    void logDebug(const QString &line) const;
    // Logs the line that says why the attempt fails, and keeps it as failureReason().
    void logFailure(const QString &line);
    void setStartControlsEnabled(bool enabled);
    void showLoopCount();
    void noteUnitActivity();
    std::chrono::milliseconds silenceLimit() const;
    bool isTransferring() const;
    // After a pause: whether the attempt that paused is still the one running.
    bool stillRunning(quint64 attempt) const;

    QString m_title;
    UploadView &m_view;
    UnitSocket &m_socket;
    std::unique_ptr<ConnectionSettings> m_connection;
    std::unique_ptr<FirmwareFile> m_file;
    FirmwareGate m_firmwareGate;
    UploadState m_state;
    QByteArray m_knownSoundContent;
    Phase m_phase = Phase::Idle;
    UploadOutcome m_failure = UploadOutcome::ConnectFailed;
    QString m_failureReason;
    quint64 m_attempt = 0;
    // Monotonic seconds (Clock::monotonicSeconds) when connecting and the transfer started:
    // durations never follow the time of day when it is set back or passes midnight.
    double m_connectStarted = 0.0;
    double m_transferStarted = 0.0;
    std::optional<QByteArray> m_pinned;
    QByteArray m_snapshot;
    QString m_snapshotPath;
    // The record line last sent (1-based, 0 for the programming request) and its file line.
    qint64 m_recordsSent = 0;
    qint64 m_linesRead = 0;
    qint64 m_lastRecordLine = 0;
    // Set from the last record's answer until the connection closes: any answer now is one
    // more than records were sent.
    bool m_awaitingQuiet = false;
    QTimer m_responseTimer;
    QElapsedTimer m_sinceActivity;
    std::chrono::milliseconds m_responseTimeout = kDefaultResponseTimeout;
    // Bytes at the front of RxBuffer that were in before the last packet went out.
    qsizetype m_staleBytes = 0;
    // Bytes of Acks that answered nothing since the last packet went out.
    qint64 m_surplusBytes = 0;
    // Whether the last packet sent still waits for its answer.
    bool m_answerAwaited = false;
    bool m_shutDown = false;
};
