#pragma once

#include "CliHistory.h"
#include "CliOptions.h"
#include "CliSerial.h"
#include "CountingUnitSocket.h"
#include "FirmwareInspection.h"
#include "JsonLines.h"
#include "ProgressLine.h"
#include "platform/SettingsStore.h"
#include "upload/BasicUploadView.h"
#include "upload/UploadOutcome.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTemporaryDir>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <memory>

class CliReport;
class UploadEngine;

// The command line's front-end to the upload engine: the window's place taken by a plain view,
// the log printed line by line (or as JSON Lines), the progress drawn on a terminal, and the way
// the last attempt ended turned into an exit code.
class CliUploader : public QObject
{
    Q_OBJECT

public:
    // Redraws of the progress line, and JSON progress events: often enough to look alive,
    // rarely enough to cost nothing.
    static constexpr std::chrono::milliseconds kProgressInterval{100};

    // report takes the log and the messages; err takes the progress line when showProgress.
    CliUploader(const CliOptions &options, CliReport &report, std::FILE *err, bool showProgress,
                QObject *parent = nullptr);
    ~CliUploader() override;

    // Checks the firmware file and the unit's address, then starts the first upload (or, with
    // --check, reports the file and ends).
    void start();
    // Ends at once: the connection and the file close, no further upload starts. SIGHUP has an
    // exit code of its own.
    void interrupt(int signalNumber);

    bool hasFinished() const { return m_finished; }
    int exitCode() const { return m_exitCode; }

Q_SIGNALS:
    void finished(int exitCode);

private:
    void runCheck();
    void printSerialPreview();
    void loadConnection();
    bool connectionGiven();
    void reportStart();
    // signature_key_id and signature_comment when the image is signed; none otherwise.
    JsonLines::Fields signatureFields() const;
    void onAttemptEnded(UploadOutcome outcome);
    QString attemptMessage(UploadOutcome outcome) const;
    QString stopMessage() const;
    bool retryConnection();
    // Takes the next attempt's serial value and pins its image; false (the run ended) when none
    // can be had.
    bool takeSerial(bool announce = true);
    void announceSerial();
    void settleSerial(bool finished);
    JsonLines::Fields serialFields(bool withState) const;
    void onAttemptStarted();
    void onRecordSent(qsizetype bytes);
    void onProgressValue(int value, int maximum);
    void setPhase(const char *phase);
    void reportProgress(bool force);
    bool settingsTook() const;
    void checkSavedSettings();
    void finish(int exitCode, const QString &message = {});
    int outputFailed(int exitCode);

    void printLine(const QString &line);

    void onProgressTick();
    void drawProgress();
    void eraseProgress();
    // Leaves the attempt's last progress figures on screen and moves to a new line.
    void endProgress();

    CliOptions m_options;
    // The unit's own value in its image, when the options ask for one.
    CliSerial m_serial{m_options};
    CliReport &m_report;
    std::FILE *m_err = nullptr;
    bool m_showProgress = false;
    // The one reading of the file: what is described and what every attempt sends.
    FirmwareInspection m_firmware;

    BasicUploadView m_view;
    CountingUnitSocket m_socket;
    SettingsStore m_userSettings;
    // Without --save-settings the engine saves into this folder, which goes when the program
    // ends, so that scripts leave an operator's saved address and port alone.
    QTemporaryDir m_scratch;
    SettingsStore m_scratchSettings;
    std::unique_ptr<UploadEngine> m_engine;
    CliHistory m_history;

    ProgressLine m_progress;
    QTimer m_progressTimer;
    bool m_progressOnScreen = false;
    bool m_progressChanged = false;
    bool m_progressEnded = false;

    const char *m_phase = nullptr;
    qint64 m_attemptRecords = 0;
    qint64 m_recordsSent = 0;
    QElapsedTimer m_sinceFirstRecord;
    QElapsedTimer m_sinceProgressEvent;
    int m_try = 1;
    QTimer m_retryTimer;

    // Spent writing the rows of attempts that have ended; duration_s leaves it out.
    qint64 m_historyWaitNs = 0;
    int m_uploadsFinished = 0;
    bool m_settingsSaved = false;
    int m_stopCode = 0;
    bool m_finished = false;
    bool m_outputFailureTold = false;
    int m_exitCode = 0;
};
