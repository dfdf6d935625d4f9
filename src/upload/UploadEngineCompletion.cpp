#include "UploadEngine.h"

#include "ActivityLog.h"
#include "ElapsedTime.h"
#include "UploadPauses.h"
#include "UploadView.h"
#include "connection/ConnectionSettings.h"
#include "firmware/FirmwareFile.h"
#include "platform/Clock.h"
#include "platform/CoreText.h"
#include "platform/UnitSocket.h"

// The end of every attempt: the end of the file, the reboot timeline and the loop restart on
// success, the red log and the controls given back on failure.

using namespace UploadPauses;

// The last record is out. Its answer decides: an Ack finishes the upload, a refusal fails it,
// and a unit that stays silent is given up on after a short wait (silenceLimit()).
void UploadEngine::awaitLastAnswer()
{
    setPhase(Phase::AwaitingLastAnswer);
    m_responseTimer.start(Clock::realMilliseconds(int(silenceLimit().count())));
}

void UploadEngine::finishEndOfFile()
{
    const quint64 attempt = m_attempt;
    m_state.UploadDone = true;
    ++m_state.LoopCount;
    showLoopCount();
    m_state.TransferIdle = true;
    setPhase(Phase::Ending);
    m_responseTimer.stop();
    m_file->close();
    log().append(CoreText::english("Upload complete."));
    m_view.setProgressValue(m_view.progressMaximum());
    if (!awaitQuietUnit() || !stillRunning(attempt))
        return;
    // An answer after the last one has turned the attempt into a failure.
    const bool finished = m_state.UploadDone;
    FinishUpload();
    if (m_shutDown || !finished)
        return;
    setStartControlsEnabled(true);
    if (const QString failure = m_connection->save(m_view.ethernetAddress(), m_view.ethernetPort());
        !failure.isEmpty())
        log().append(failure);
}

// The connection stays open for kQuietAfterLastAnswer after the last answer, and every whole
// answer in that time fails the upload (onAnswerAfterLast). False when the attempt was ended
// meanwhile.
bool UploadEngine::awaitQuietUnit()
{
    const quint64 attempt = m_attempt;
    m_awaitingQuiet = true;
    // Answers that came in behind the last one, in the same arrival.
    examineResponses();
    pause(kBeforeFinish);
    const std::chrono::milliseconds rest =
        kQuietAfterLastAnswer -
        std::chrono::milliseconds(Clock::realMilliseconds(int(kBeforeFinish.count())));
    if (stillRunning(attempt) && m_state.UploadDone)
        pauseRealTime(rest);
    if (!stillRunning(attempt))
        return false;
    // An answer that came in as the pause ended, not yet delivered.
    m_socket.appendReceivedTo(m_state.RxBuffer);
    examineResponses();
    m_awaitingQuiet = false;
    return true;
}

// --- Completion ------------------------------------------------------------------------------

void UploadEngine::FinishUpload()
{
    m_socket.close();
    m_responseTimer.stop();
    if (m_state.UploadDone)
        finishSuccessfully();
    else
        finishWithFailure();
}

void UploadEngine::finishSuccessfully()
{
    const quint64 attempt = m_attempt;
    const qint64 seconds =
        ElapsedTime::secondsFigureOf(Clock::monotonicSeconds() - m_transferStarted);
    log().append(CoreText::english("Upload complete, %1 seconds.").arg(seconds));
    log().ScrollLog();
    pause(kAfterElapsedLine);
    if (!stillRunning(attempt))
        return;
    log().append(CoreText::english("Writing firmware, DO NOT REMOVE POWER!"));
    log().ScrollLog();
    pause(kWritingFirmware);
    if (!stillRunning(attempt))
        return;
    log().append(CoreText::english("Waiting for unit to reboot...."));
    log().ScrollLog();
    pause(kRebooting);
    if (!stillRunning(attempt))
        return;
    log().append(QStringLiteral(" "));
    log().append(QStringLiteral(" "));
    log().append(CoreText::english("Done!  Unit is ready to use."));
    log().append(QStringLiteral(" "));
    m_view.setControlEnabled(StartControl::LoadStart, true);
    log().ScrollLog();
    log().setBackColour(ActivityLog::kGreen);
    setPhase(Phase::Idle);
    Q_EMIT attemptEnded(UploadOutcome::Finished);

    if (m_view.isChecked(Tool::Loop)) {
        pause(kBeforeLoopRestart);
        if (stillRunning(attempt))
            LoadStart_Click();
    }
}

void UploadEngine::finishWithFailure()
{
    log().setBackColour(ActivityLog::kRed);
    log().append(CoreText::english("Disconnecting from %1").arg(m_view.ethernetAddress()));
    setStartControlsEnabled(true);
    log().ScrollLog();
    setPhase(Phase::Idle);
    Q_EMIT attemptEnded(m_failure);
}
