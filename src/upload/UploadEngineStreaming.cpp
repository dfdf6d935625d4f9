#include "UploadEngine.h"

#include "ActivityLog.h"
#include "UploadPauses.h"
#include "UploadView.h"
#include "firmware/FirmwareFile.h"
#include "firmware/IntelHexText.h"
#include "platform/CoreText.h"
#include "platform/UnitSocket.h"
#include "protocol/UnitProtocol.h"

// The transfer: the unit's answers taken apart, each paired with the one packet it answers, and
// each Ack that answers a record answered in turn with the next record.

using namespace UploadPauses;

namespace {

// The unit's refusals by name; NAK is the answer's own name and stays as it is.
QString refusalText(ResponseCode code)
{
    switch (code) {
    case ResponseCode::NakChecksum:
        //: The unit's refusal of a record whose checksum is wrong
        return CoreText::english("NAK - Incorrect Checksum");
    case ResponseCode::NakProductCode:
        //: The unit's refusal of firmware made for another product
        return CoreText::english("NAK - Incorrect Product Code");
    default:
        //: The unit's refusal of a record of a type it does not take
        return CoreText::english("NAK - Incorrect Record Type");
    }
}

// "01 AB FF": with Debug on every answer is shown this way, so it is written in one allocation.
QString hexBytes(QByteArrayView bytes)
{
    static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
    if (bytes.isEmpty())
        return {};
    QString text(bytes.size() * 3 - 1, Qt::Uninitialized);
    QChar *out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (i > 0)
            *out++ = u' ';
        const auto byte = quint8(bytes[i]);
        *out++ = kDigits[byte >> 4];
        *out++ = kDigits[byte & 0xF];
    }
    return text;
}

// The unit's answer that it did not understand what it was sent.
QString unknownAnswerText()
{
    //: The unit's answer that it did not understand what it was sent
    return CoreText::english("Unknown");
}

} // namespace

// --- Responses and records -------------------------------------------------------------------

void UploadEngine::Ethernet_DataArrival(int)
{
    if (m_shutDown)
        return;
    m_socket.appendReceivedTo(m_state.RxBuffer);

    if (debug()) {
        // The bytes stand two spaces after the label, as they always have; none leave one.
        //: %1 is the bytes received, in hexadecimal, after a space
        log().append(CoreText::english("From Unit %1")
                         .arg(m_state.RxBuffer.isEmpty()
                                  ? QString()
                                  : QLatin1Char(' ') + hexBytes(m_state.RxBuffer)));
    }
    if (m_state.RxBuffer.size() < UnitProtocol::kResponseLength) {
        if (debug()) {
            log().append(CoreText::english("Incomplete response from device"));
            log().ScrollLog();
        }
        return;
    }
    examineResponses();
    if (m_state.RxBuffer.size() > kReceiveLimit)
        onFlooded(m_state.RxBuffer.size());
    log().ScrollLog();
}

// Drops bytes in front of the next response. A response with a code nobody knows would block
// the buffer for good, so its lead byte goes too and the search goes on behind it.
void UploadEngine::dropStrayBytes()
{
    const QByteArray &buffer = m_state.RxBuffer;
    for (;;) {
        while (buffer.size() > 1 && buffer.at(0) != UnitProtocol::kResponseLead) {
            takeFront(1);
            //: A byte from the unit that is not part of any answer
            logDebug(CoreText::english("Spurrious byte"));
        }
        if (buffer.size() < 4 || buffer.at(0) != UnitProtocol::kResponseLead ||
            UnitProtocol::recognise(buffer))
            return;
        //: %1 is the answer's bytes in hexadecimal
        logDebug(CoreText::english("Unrecognised response from unit %1")
                     .arg(hexBytes(QByteArrayView(buffer).first(
                         qMin<qsizetype>(buffer.size(), UnitProtocol::kResponseLength)))));
        takeFront(1);
    }
}

// Every whole answer is taken, in the order the unit sent them, so that none can hide behind
// another: a refusal is acted on wherever it stands.
void UploadEngine::examineResponses()
{
    const quint64 attempt = m_attempt;
    const bool wasTransferring = isTransferring();
    while (m_state.RxBuffer.size() >= UnitProtocol::kResponseLength) {
        dropStrayBytes();
        const std::optional<ResponseCode> code = UnitProtocol::recognise(m_state.RxBuffer);
        if (!code || m_state.RxBuffer.size() < UnitProtocol::consumedLength(*code))
            return;
        // Whatever comes before the hand-over is discarded there: no verdict of the unit on a
        // transfer that has not begun may reach the log.
        if (m_phase == Phase::Connecting && *code != ResponseCode::Ack) {
            //: %1 is the answer's bytes in hexadecimal
            logDebug(CoreText::english("Answer before the transfer began, discarded: %1")
                         .arg(hexBytes(QByteArrayView(m_state.RxBuffer)
                                           .first(UnitProtocol::consumedLength(*code)))));
            takeFront(UnitProtocol::consumedLength(*code));
            continue;
        }
        if (m_awaitingQuiet) {
            onAnswerAfterLast(*code);
            continue;
        }
        switch (*code) {
        case ResponseCode::Ack:
            onAck();
            break;
        case ResponseCode::Unknown:
            onUnknown();
            break;
        default:
            onRefusal(*code);
            break;
        }
        // Once the transfer has ended, whatever stands behind belongs to no transfer.
        if (!stillRunning(attempt) || (wasTransferring && !isTransferring()))
            return;
    }
}

void UploadEngine::onAck()
{
    logDebug(CoreText::english("ACK from unit"));
    // Bytes that were in before the packet went out cannot be its answer.
    const bool early = m_staleBytes > 0;
    takeFront(UnitProtocol::kResponseLength);
    if (m_state.TransferIdle || !isTransferring())
        return;
    if (early || !m_answerAwaited) {
        logDebug(CoreText::english("Surplus ACK dropped: it answers no record."));
        m_surplusBytes += UnitProtocol::kResponseLength;
        if (m_surplusBytes > kSurplusLimit)
            onFlooded(m_surplusBytes);
        return;
    }
    m_answerAwaited = false;
    if (m_phase == Phase::AwaitingLastAnswer)
        finishEndOfFile();
    else
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
        ++m_linesRead;
        found = !IntelHexText::isPassedOver(line);
    }
    m_view.setProgressValue(int(m_file->position() / kProgressUnit));
    if (found) {
        ++m_recordsSent;
        m_lastRecordLine = m_linesRead;
        sendPacket(line);
    }
    if (!m_file->atEnd())
        return;
    // Lines passed over at the end leave the Ack just taken as the last record's answer.
    if (found)
        awaitLastAnswer();
    else
        finishEndOfFile();
}

// One packet out, one answer awaited; what has already come in is not that answer.
void UploadEngine::sendPacket(const QByteArray &packet)
{
    m_socket.appendReceivedTo(m_state.RxBuffer);
    m_staleBytes = m_state.RxBuffer.size();
    m_surplusBytes = 0;
    m_answerAwaited = true;
    m_socket.send(packet);
    noteUnitActivity();
}

void UploadEngine::takeFront(qsizetype count)
{
    m_state.RxBuffer.remove(0, count);
    m_staleBytes = qMax<qsizetype>(0, m_staleBytes - count);
}

void UploadEngine::onRefusal(ResponseCode code)
{
    if (m_phase == Phase::Ending) {
        // The attempt is already ending as a failure; its lines are in the log.
        //: %1 is the unit's refusal, such as "NAK - Incorrect Checksum"
        logDebug(
            CoreText::english("%1 dropped: the attempt is already ending.").arg(refusalText(code)));
        takeFront(UnitProtocol::kResponseLength);
        return;
    }
    log().append(refusalText(code));
    log().append(CoreText::english("Device responded with an error.  Please try again."));
    if (isTransferring()) {
        //: %1 is "the programming request" or "record …, line … of the file"
        log().append(CoreText::english("The unit refused %1.").arg(refusedPacketName()));
        // The unit's own words and the line they answer, in one sentence for the record.
        //: %1 is "the programming request" or "record …, line … of the file"; %2 the refusal
        m_failureReason = CoreText::english("The unit refused %1: %2.")
                              .arg(refusedPacketName(), refusalText(code));
    }
    // Taken off at once, so that an arrival during the pause below cannot handle it again.
    takeFront(UnitProtocol::kResponseLength);
    if (!isTransferring())
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

// Which packet the refusal answers, so that the operator can look at the line in the file.
QString UploadEngine::refusedPacketName() const
{
    if (m_recordsSent == 0)
        //: Said in "The unit refused %1."
        return CoreText::english("the programming request");
    //: Said in "The unit refused %1."; %1 counts the records sent, %2 is the file's line
    return CoreText::english("record %1, line %2 of the file")
        .arg(m_recordsSent)
        .arg(m_lastRecordLine);
}

// After the last record's answer any whole answer, whatever it says, is one more than records
// were sent: somewhere an answer was taken for the wrong record (the protocol has no sequence
// numbers), so the answer taken for the last record may not be the unit's verdict on it.
void UploadEngine::onAnswerAfterLast(ResponseCode code)
{
    takeFront(UnitProtocol::consumedLength(code));
    if (!m_state.UploadDone) {
        logDebug(CoreText::english("Answer dropped: the upload has already failed."));
        return;
    }
    switch (code) {
    case ResponseCode::Ack:
        logDebug(CoreText::english("ACK from unit"));
        break;
    case ResponseCode::Unknown:
        log().append(unknownAnswerText());
        break;
    default:
        log().append(refusalText(code));
        log().append(CoreText::english("Device responded with an error.  Please try again."));
        break;
    }
    logFailure(CoreText::english("The unit answered more often than records were sent: its "
                                 "answers no longer match the records, so nothing confirms that "
                                 "it has the firmware."));
    m_state.UploadDone = false;
    --m_state.LoopCount;
    showLoopCount();
    m_view.setChecked(Tool::Loop, false);
    m_failure = UploadOutcome::Refused;
}

void UploadEngine::onUnknown()
{
    log().append(unknownAnswerText());
    setStartControlsEnabled(true);
    takeFront(UnitProtocol::kUnknownResponseLength);
}
