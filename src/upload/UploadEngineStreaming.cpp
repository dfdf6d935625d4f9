#include "UploadEngine.h"

#include "ActivityLog.h"
#include "UploadPauses.h"
#include "UploadView.h"
#include "connection/SocketErrorReport.h"
#include "firmware/FirmwareFile.h"
#include "firmware/IntelHexText.h"
#include "platform/Clock.h"
#include "platform/UnitSocket.h"
#include "protocol/UnitProtocol.h"

// The transfer: the unit's answers taken apart and each Ack answered with the next record, and
// the ways a transfer ends early (refusal, lost connection, silence).

using namespace UploadPauses;

namespace {

// Each arrival takes at most one answer of each kind, so a unit that sends answers nobody asked
// for makes the receive buffer grow with every arrival. No sound conversation comes near this.
constexpr qsizetype kReceiveLimit = 16 * 1024;

QString refusalText(ResponseCode code)
{
    switch (code) {
    case ResponseCode::NakChecksum:
        return QStringLiteral("NAK - Incorrect Checksum");
    case ResponseCode::NakProductCode:
        return QStringLiteral("NAK - Incorrect Product Code");
    default:
        return QStringLiteral("NAK - Incorrect Record Type");
    }
}

QString hexBytes(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

} // namespace

// --- Responses and records -------------------------------------------------------------------

void UploadEngine::Ethernet_DataArrival(int)
{
    if (m_shutDown)
        return;
    const QByteArray incoming = m_socket.receiveAll();
    m_state.RxBuffer.append(incoming);
    if (!incoming.isEmpty() && m_phase == Phase::Streaming)
        noteUnitActivity();

    if (debug()) {
        QString dump = QStringLiteral("From Unit ");
        if (!m_state.RxBuffer.isEmpty())
            dump += QLatin1Char(' ') + hexBytes(m_state.RxBuffer);
        log().append(dump);
    }
    if (m_state.RxBuffer.size() < UnitProtocol::kResponseLength) {
        if (debug()) {
            log().append(QStringLiteral("Incomplete response from device"));
            log().ScrollLog();
        }
        return;
    }
    dropStrayBytes();
    examineResponses();
    if (m_state.RxBuffer.size() > kReceiveLimit)
        onFlooded();
    log().ScrollLog();
}

// Drops bytes in front of the next response. A response with a code nobody knows would block
// the buffer for good, so its lead byte goes too and the search goes on behind it.
void UploadEngine::dropStrayBytes()
{
    QByteArray &buffer = m_state.RxBuffer;
    for (;;) {
        while (buffer.size() > 1 && buffer.at(0) != UnitProtocol::kResponseLead) {
            buffer.remove(0, 1);
            logDebug(QStringLiteral("Spurrious byte"));
        }
        if (buffer.size() < 4 || buffer.at(0) != UnitProtocol::kResponseLead ||
            UnitProtocol::recognise(buffer))
            return;
        logDebug(QStringLiteral("Unrecognised response from unit ") +
                 hexBytes(buffer.left(UnitProtocol::kResponseLength)));
        buffer.remove(0, 1);
    }
}

void UploadEngine::examineResponses()
{
    const quint64 attempt = m_attempt;
    for (ResponseCode code : UnitProtocol::kExaminationOrder) {
        if (!UnitProtocol::startsWith(m_state.RxBuffer, code) ||
            m_state.RxBuffer.size() < UnitProtocol::consumedLength(code))
            continue;
        const bool wasStreaming = m_phase == Phase::Streaming;
        switch (code) {
        case ResponseCode::Ack:
            onAck();
            break;
        case ResponseCode::Unknown:
            onUnknown();
            break;
        default:
            onRefusal(code);
            break;
        }
        // Once the attempt has ended, whatever stands behind belongs to no transfer.
        if (m_shutDown || attempt != m_attempt || (wasStreaming && m_phase != Phase::Streaming))
            return;
    }
}

void UploadEngine::onAck()
{
    logDebug(QStringLiteral("ACK from unit"));
    m_state.RxBuffer.remove(0, UnitProtocol::kResponseLength);
    if (m_state.TransferIdle || m_phase != Phase::Streaming)
        return;
    sendNextRecord();
}

void UploadEngine::sendNextRecord()
{
    const quint64 attempt = m_attempt;
    // The pause comes before the line is read, so an answer handled during it cannot send the
    // records out of order.
    if (m_view.isChecked(Tool::Slow)) {
        pause(kSlowPause);
        if (!stillRunning(attempt) || m_phase != Phase::Streaming)
            return;
    }
    QByteArray line;
    bool found = false;
    while (!found && !m_file->atEnd()) {
        line = m_file->readLine();
        found = !IntelHexText::isPassedOver(line);
    }
    m_view.setProgressValue(int(m_file->position() / kProgressUnit));
    if (found) {
        m_socket.send(line);
        noteUnitActivity();
    }
    if (m_file->atEnd())
        finishEndOfFile();
}

void UploadEngine::onRefusal(ResponseCode code)
{
    log().append(refusalText(code));
    log().append(QStringLiteral("Device responded with an error.  Please try again."));
    // Taken off at once, so that an arrival during the pause below cannot handle it again.
    m_state.RxBuffer.remove(0, UnitProtocol::kResponseLength);

    if (m_phase == Phase::Ending && m_state.UploadDone) {
        // The unit refused the last record while the end-of-file pause ran: that upload failed,
        // and the end-of-file sequence now finishes it as a failure.
        m_state.UploadDone = false;
        --m_state.LoopCount;
        showLoopCount();
        m_view.setChecked(Tool::Loop, false);
        m_failure = UploadOutcome::Refused;
        return;
    }
    if (m_phase != Phase::Streaming)
        return;

    const quint64 attempt = m_attempt;
    setPhase(Phase::Ending);
    m_responseTimer.stop();
    m_file->close();
    m_view.setChecked(Tool::Loop, false);
    pause(kBeforeFinish);
    if (!stillRunning(attempt))
        return;
    m_state.UploadDone = false;
    m_failure = UploadOutcome::Refused;
    FinishUpload();
    setStartControlsEnabled(true);
}

void UploadEngine::onUnknown()
{
    log().append(QStringLiteral("Unknown"));
    setStartControlsEnabled(true);
    m_state.RxBuffer.remove(0, UnitProtocol::kUnknownResponseLength);
}

// --- Lost connection and silence -------------------------------------------------------------

void UploadEngine::Ethernet_Error(int number, const QString &description)
{
    if (m_shutDown)
        return;
    log().setBackColour(ActivityLog::kRed);
    for (const QString &line : SocketErrorReport::lines(number, description, m_title))
        log().append(line);
    log().ScrollLog();
    if (m_phase == Phase::Streaming)
        endLostAttempt(QStringLiteral("The connection to the unit was lost."),
                       UploadOutcome::ConnectionLost);
}

void UploadEngine::onFlooded()
{
    const qsizetype size = m_state.RxBuffer.size();
    m_state.RxBuffer.clear();
    if (m_phase == Phase::Streaming)
        endLostAttempt(QStringLiteral("The unit sent %1 bytes of answers that were never asked "
                                      "for; the upload was stopped.")
                           .arg(size),
                       UploadOutcome::ConnectionLost);
    else
        logDebug(
            QStringLiteral("Dropped %1 bytes of answers that were never asked for.").arg(size));
}

void UploadEngine::onPeerClosed()
{
    if (!m_shutDown && m_phase == Phase::Streaming)
        endLostAttempt(QStringLiteral("The connection to the unit was lost: the unit closed it."),
                       UploadOutcome::ConnectionLost);
}

void UploadEngine::onUnitSilent()
{
    if (m_shutDown || m_phase != Phase::Streaming)
        return;
    const qint64 limit = Clock::realMilliseconds(int(m_responseTimeout.count()));
    const qint64 quiet = m_sinceActivity.elapsed();
    if (quiet < limit) {
        m_responseTimer.start(int(limit - quiet));
        return;
    }
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(m_responseTimeout);
    endLostAttempt(QStringLiteral("The unit stopped answering: no response for %1 seconds.")
                       .arg(seconds.count()),
                   UploadOutcome::UnitSilent);
}

void UploadEngine::endLostAttempt(const QString &reason, UploadOutcome outcome)
{
    setPhase(Phase::Ending);
    log().append(reason);
    failAttempt(outcome);
}
