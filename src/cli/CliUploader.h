#pragma once

#include "CliOptions.h"
#include "CountingUnitSocket.h"
#include "ProgressLine.h"
#include "platform/SettingsStore.h"
#include "upload/BasicUploadView.h"
#include "upload/UploadOutcome.h"

#include <QObject>
#include <QTemporaryDir>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <memory>

class UploadEngine;

// The command line's front-end to the upload engine: the window's place taken by a plain view,
// the log printed line by line, the progress drawn on a terminal, and the way the last attempt
// ended turned into an exit code.
class CliUploader : public QObject
{
    Q_OBJECT

public:
    // Redraws of the progress line: often enough to look alive, rarely enough to cost nothing.
    static constexpr std::chrono::milliseconds kProgressInterval{100};

    // out takes the log; err takes the messages and, with showProgress, the progress line.
    CliUploader(const CliOptions &options, std::FILE *out, std::FILE *err, bool showProgress,
                QObject *parent = nullptr);
    ~CliUploader() override;

    static int exitCodeFor(UploadOutcome outcome);

    // Checks the firmware file and the unit's address, then starts the first upload.
    void start();
    // Ends at once: the connection and the file close, no further upload starts.
    void interrupt();

    bool hasFinished() const { return m_finished; }
    int exitCode() const { return m_exitCode; }

Q_SIGNALS:
    void finished(int exitCode);

private:
    bool checkFirmware();
    bool fillConnection();
    void onAttemptEnded(UploadOutcome outcome);
    void onAttemptStarted();
    void onRecordSent(qsizetype bytes);
    void finish(int exitCode, const QString &message = {});

    void printLine(const QString &line);
    void printError(const QString &message);

    void onProgressTick();
    void drawProgress();
    void eraseProgress();
    // Leaves the attempt's last progress figures on screen and moves to a new line.
    void endProgress();

    CliOptions m_options;
    std::FILE *m_out = nullptr;
    std::FILE *m_err = nullptr;
    bool m_showProgress = false;

    BasicUploadView m_view;
    CountingUnitSocket m_socket;
    SettingsStore m_userSettings;
    // Without --save-settings the engine saves into this folder, which goes when the program
    // ends, so that scripts leave an operator's saved address and port alone.
    QTemporaryDir m_scratch;
    SettingsStore m_scratchSettings;
    std::unique_ptr<UploadEngine> m_engine;

    ProgressLine m_progress;
    QTimer m_progressTimer;
    bool m_progressOnScreen = false;
    bool m_progressChanged = false;
    bool m_progressEnded = false;

    int m_uploadsFinished = 0;
    bool m_finished = false;
    int m_exitCode = 0;
};
