#include "UploadEngine.h"

#include "ActivityLog.h"
#include "connection/SocketErrorReport.h"
#include "platform/Clock.h"
#include "platform/CoreText.h"

// The ways a transfer ends without the unit's verdict: the connection fails or closes, the
// unit pours out answers nobody asked for, or it stops answering.

namespace {

// "2 seconds", "1 second", "1500 ms": a limit as the operator set it. The unit symbol is the
// same in every language; the words are translated with the sentence that holds them.
QString durationText(std::chrono::milliseconds limit)
{
    const qint64 ms = limit.count();
    if (ms % 1000 != 0)
        return QStringLiteral("%1 ms").arg(ms);
    if (ms == 1000)
        //: A time limit, said in "no response for %1."
        return CoreText::english("1 second");
    //: A time limit, said in "no response for %1."; %1 is a whole number other than one
    return CoreText::english("%1 seconds").arg(ms / 1000);
}

} // namespace

void UploadEngine::Ethernet_Error(int number, const QString &description)
{
    if (m_shutDown)
        return;
    log().setBackColour(ActivityLog::kRed);
    for (const QString &line : SocketErrorReport::lines(number, description, m_title))
        log().append(line);
    log().ScrollLog();
    // The log has just shown the system's words; the reason keeps them beside the loss.
    if (isTransferring())
        endLostAttempt(
            CoreText::english("The connection to the unit was lost."),
            UploadOutcome::ConnectionLost,
            //: %1 is the system's description of the error
            CoreText::english("The connection to the unit was lost: %1.").arg(description));
}

void UploadEngine::onFlooded(qint64 bytes)
{
    m_state.RxBuffer.clear();
    m_staleBytes = 0;
    if (isTransferring())
        endLostAttempt(CoreText::english("The unit sent %1 bytes of answers that were never asked "
                                         "for; the upload was stopped.")
                           .arg(bytes),
                       UploadOutcome::ConnectionLost);
    else
        logDebug(
            CoreText::english("Dropped %1 bytes of answers that were never asked for.").arg(bytes));
}

void UploadEngine::onPeerClosed()
{
    if (!m_shutDown && isTransferring())
        endLostAttempt(
            CoreText::english("The connection to the unit was lost: the unit closed it."),
            UploadOutcome::ConnectionLost);
}

// Only an answer that moves the transfer on restarts the count (each record is sent on one):
// stray bytes, Unknown or unrecognised answers do not keep a stalled transfer alive.
void UploadEngine::onUnitSilent()
{
    if (m_shutDown || !isTransferring())
        return;
    const std::chrono::milliseconds allowed = silenceLimit();
    const qint64 limit = Clock::realMilliseconds(int(allowed.count()));
    const qint64 quiet = m_sinceActivity.elapsed();
    if (quiet < limit) {
        m_responseTimer.start(int(limit - quiet));
        return;
    }
    if (m_phase == Phase::AwaitingLastAnswer) {
        //: %1 is a time such as "5 seconds"
        endLostAttempt(CoreText::english("The unit did not answer the last record within %1: it "
                                         "may not have the whole firmware.")
                           .arg(durationText(allowed)),
                       UploadOutcome::UnitSilent);
        return;
    }
    //: %1 is a time such as "60 seconds"
    endLostAttempt(CoreText::english("The unit stopped answering: no response for %1.")
                       .arg(durationText(allowed)),
                   UploadOutcome::UnitSilent);
}

std::chrono::milliseconds UploadEngine::silenceLimit() const
{
    if (m_phase == Phase::AwaitingLastAnswer)
        return std::min(m_responseTimeout, kLastAnswerLimit);
    return m_responseTimeout;
}

// Restarting a timer for every record is costly at thousands of records a second: the time of
// the last send is noted instead, and the timer, when it fires, looks at it.
void UploadEngine::noteUnitActivity()
{
    m_sinceActivity.start();
    if (!m_responseTimer.isActive())
        m_responseTimer.start(Clock::realMilliseconds(int(silenceLimit().count())));
}

void UploadEngine::endLostAttempt(const QString &line, UploadOutcome outcome, const QString &reason)
{
    setPhase(Phase::Ending);
    logFailure(line);
    if (!reason.isEmpty())
        m_failureReason = reason;
    failAttempt(outcome);
}
