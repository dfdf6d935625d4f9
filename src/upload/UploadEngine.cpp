#include "UploadEngine.h"

#include "ActivityLog.h"
#include "ElapsedTime.h"
#include "UploadPauses.h"
#include "UploadView.h"
#include "connection/ConnectionSettings.h"
#include "connection/PortNumber.h"
#include "firmware/FirmwareFile.h"
#include "firmware/IntelHexCheck.h"
#include "platform/Clock.h"
#include "platform/CoreText.h"
#include "platform/LogCategories.h"
#include "platform/UnitSocket.h"
#include "platform/WaitableTimer.h"
#include "protocol/UnitProtocol.h"

#include <QFileInfo>

#include <cmath>

using namespace UploadPauses;

UploadEngine::UploadEngine(const QString &title, UploadView &view, UnitSocket &socket,
                           SettingsStore &settings, QObject *parent)
    : QObject(parent), m_title(title), m_view(view), m_socket(socket),
      m_connection(std::make_unique<ConnectionSettings>(title, settings)),
      m_file(std::make_unique<FirmwareFile>())
{
    connect(&socket, &UnitSocket::dataArrival, this, &UploadEngine::Ethernet_DataArrival);
    connect(&socket, &UnitSocket::error, this, &UploadEngine::Ethernet_Error);
    connect(&socket, &UnitSocket::peerClosed, this, &UploadEngine::onPeerClosed);
    m_responseTimer.setSingleShot(true);
    connect(&m_responseTimer, &QTimer::timeout, this, &UploadEngine::onUnitSilent);
}

UploadEngine::~UploadEngine() = default;

int UploadEngine::progressMaximumFor(qint64 fileSize)
{
    return int(std::floor(double(fileSize) / kProgressUnit + 1));
}

void UploadEngine::setResponseTimeout(std::chrono::milliseconds timeout)
{
    m_responseTimeout = timeout;
}

void UploadEngine::pinFirmware(const QByteArray &content)
{
    m_pinned = content;
}

// --- Start and connection -------------------------------------------------------------------

void UploadEngine::LoadStart_Click()
{
    if (m_shutDown)
        return;
    const quint64 attempt = ++m_attempt;
    setPhase(Phase::Connecting);
    m_responseTimer.stop();
    m_answerAwaited = false;
    m_awaitingQuiet = false;
    // Cleared before the log, whose clearing tells observers that a new attempt has begun.
    m_snapshot = QByteArray();
    m_snapshotPath.clear();

    m_failureReason.clear();
    log().setBackColour(ActivityLog::kWhite);
    log().clear();
    setStartControlsEnabled(false);
    m_state.UploadDone = false;
    m_view.setProgressValue(0);
    m_state.TransferIdle = true;
    const bool connecting = ConnectToUnit();
    m_state.StartTime = Clock::now();
    m_connectStarted = Clock::monotonicSeconds();
    logDebug(CoreText::english("Connecting..."));
    if (!connecting) {
        failAttempt(UploadOutcome::BadInput);
        return;
    }

    if (!watchConnection() || !stillRunning(attempt))
        return;

    const qint64 elapsed =
        ElapsedTime::millisecondsOf(Clock::monotonicSeconds() - m_connectStarted);
    if (m_socket.state() == UnitSocket::Connected) {
        //: %1 is a number of milliseconds (no digits when under one)
        logDebug(CoreText::english("It took %1 mS to connect.")
                     .arg(ElapsedTime::formatMilliseconds(elapsed, QString())));
        logPeerAddress();
        startTransfer();
    } else {
        //: %1 is a number of milliseconds
        logDebug(CoreText::english("After %1 mS, I gave up!")
                     .arg(ElapsedTime::formatMilliseconds(elapsed, QString())));
        log().append(CoreText::english("Could not establish connection to %1")
                         .arg(m_view.ethernetAddress()));
        // The port may be the wrong part; the line above names only the address.
        log().append(CoreText::english("Unit address %1, port %2.")
                         .arg(m_view.ethernetAddress())
                         .arg(m_socket.remotePort()));
        m_failureReason = CoreText::english("Could not establish connection to %1, port %2.")
                              .arg(m_view.ethernetAddress())
                              .arg(m_socket.remotePort());
        failAttempt(UploadOutcome::ConnectFailed);
    }
}

bool UploadEngine::ConnectToUnit()
{
    const QString address = m_view.ethernetAddress();
    log().append(CoreText::english("Connecting to %1").arg(address));

    const QString portText = m_view.ethernetPort();
    const std::optional<quint16> port = PortNumber::parse(portText);
    if (!port) {
        logFailure(PortNumber::problemSentence(portText));
        return false;
    }
    // A socket left open by an attempt that never finished is closed before the new connect.
    if (m_socket.state() != UnitSocket::Closed)
        m_socket.close();
    m_socket.setRemotePort(*port);
    QString problem = UnitSocket::hostProblem(address);
    if (problem.isEmpty() && !m_socket.setRemoteHost(address))
        problem = CoreText::english("enter the unit's IPv4 address or host name");
    if (!problem.isEmpty()) {
        //: %2 says what is wrong with the address and what to do
        logFailure(CoreText::english("Address \"%1\" is not valid: %2.").arg(address, problem));
        return false;
    }
    m_socket.connectToUnit();
    return true;
}

// The numeric address behind the text, so that the operator can see which unit is flashed: under
// Debug always, and whenever the text was a host name.
void UploadEngine::logPeerAddress()
{
    const QString peer = m_socket.peerAddress();
    if (!peer.isEmpty() && (debug() || peer != m_view.ethernetAddress()))
        log().append(
            CoreText::english("Connected to %1 port %2.").arg(peer).arg(m_socket.remotePort()));
}

// Watches the socket in 100 ms rounds for at most 3.3 s. False when the program shut down.
bool UploadEngine::watchConnection()
{
    const quint64 attempt = m_attempt;
    // On the monotonic clock: a time of day set back or passing midnight cannot stretch it.
    const auto elapsed = [this] { return Clock::monotonicSeconds() - m_connectStarted; };
    for (;;) {
        pause(kConnectionRound);
        if (!stillRunning(attempt))
            return false;
        if (elapsed() > kConnectionLimitSeconds) {
            log().append(CoreText::english("Unit not responding!"));
            return true;
        }
        if (debug()) {
            //: %1 is a number of milliseconds
            log().append(CoreText::english("Checking connection at %1 mS...")
                             .arg(ElapsedTime::formatMilliseconds(
                                 ElapsedTime::millisecondsOf(elapsed()), QString())));
            log().selectLastLine();
        }
        if (m_socket.state() == UnitSocket::Connected)
            return true;
    }
}

void UploadEngine::startTransfer()
{
    const QByteArray request = UnitProtocol::programmingRequest(m_title);
    if (request.isEmpty()) {
        logFailure(CoreText::english("No product profile matches the application title \"%1\".")
                       .arg(m_title));
        failAttempt(UploadOutcome::BadInput);
        return;
    }
    // Nothing reaches the unit before the file is known to be usable: a bad file streamed into
    // a unit in programming mode would leave it half programmed.
    if (!prepareFirmware()) {
        failAttempt(UploadOutcome::BadInput);
        return;
    }

    for (const QByteArray &packet : UnitProtocol::displayTextPackets(m_title))
        m_socket.send(packet);
    m_state.RxBuffer = m_socket.receiveAll();
    m_state.RxBuffer.clear();

    m_staleBytes = 0;
    m_recordsSent = 0;
    m_linesRead = 0;
    m_lastRecordLine = 0;
    m_view.setProgressMaximum(progressMaximumFor(m_file->size()));
    m_state.StartTime = Clock::now();
    m_transferStarted = Clock::monotonicSeconds();
    log().append(CoreText::english("Sending firmware..."));
    m_responseTimer.stop();
    sendPacket(request);
    m_state.TransferIdle = false;
    setPhase(Phase::Streaming);
}

bool UploadEngine::prepareFirmware()
{
    const QString path = m_state.FirmwarePath;
    const QString name = QFileInfo(path).fileName();
    QString error;
    // A file left open by an attempt that ended early is closed by open() and openContent().
    if (m_pinned) {
        m_file->openContent(*m_pinned);
    } else if (path.isEmpty() || !m_file->open(path, &error)) {
        //: Stands for the firmware file's name when none has been chosen
        const QString shownPath = path.isEmpty() ? CoreText::english("(none chosen)") : path;
        //: Why the firmware file cannot be opened, when none has been chosen
        const QString why = error.isEmpty() ? CoreText::english("no file chosen") : error;
        //: %1 is the file, %2 why it cannot be opened
        logFailure(
            CoreText::english("Cannot open the firmware file \"%1\": %2").arg(shownPath, why));
        return false;
    }
    // The bytes read here are checked and then sent: what the file becomes later is not.
    const QByteArray &content = m_file->content();
    if (!m_knownSoundContent.isEmpty() && content == m_knownSoundContent)
        return true;
    if (const std::optional<IntelHexCheck::Problem> problem =
            IntelHexCheck::checkContent(content)) {
        m_file->close();
        //: %2 is what is wrong with the file
        logFailure(CoreText::english("The firmware file \"%1\" is not valid Intel HEX: %2")
                       .arg(name, problem->text));
        return false;
    }
    if (const std::optional<QString> refusal =
            m_firmwareGate ? m_firmwareGate(m_file->content()) : std::nullopt) {
        m_file->close();
        logFailure(*refusal);
        return false;
    }
    m_snapshot = m_file->content();
    m_snapshotPath = path;
    return true;
}

void UploadEngine::failAttempt(UploadOutcome outcome)
{
    m_file->close();
    m_state.UploadDone = false;
    m_failure = outcome;
    FinishUpload();
}

// --- Stopping ----------------------------------------------------------------------------------

bool UploadEngine::canStop() const
{
    return !m_shutDown && (m_phase == Phase::Connecting || isTransferring());
}

void UploadEngine::stopAttempt()
{
    if (!canStop())
        return;
    // A new attempt number ends every pause of the stopped attempt without letting it go on.
    ++m_attempt;
    setPhase(Phase::Ending);
    logFailure(CoreText::english("Stopped by the operator."));
    failAttempt(UploadOutcome::Stopped);
}

void UploadEngine::shutdown()
{
    if (m_shutDown)
        return;
    const bool wasBusy = isBusy();
    setPhase(Phase::Idle);
    m_shutDown = true;
    m_responseTimer.stop();
    m_file->close();
    m_socket.close();
    WaitableTimer::cancelAll();
    if (wasBusy)
        Q_EMIT attemptEnded(UploadOutcome::Cancelled);
}

// --- Small helpers ---------------------------------------------------------------------------

void UploadEngine::setPhase(Phase phase)
{
    const bool couldStop = canStop();
    m_phase = phase;
    if (canStop() != couldStop)
        Q_EMIT stopAttemptChanged(canStop());
}

ActivityLog &UploadEngine::log() const
{
    return m_view.activityLog();
}

bool UploadEngine::debug() const
{
    return m_view.isChecked(Tool::Debug);
}

void UploadEngine::logDebug(const QString &line) const
{
    // With Debug off the note still reaches whoever asks for fwu.upload's debug messages.
    if (debug())
        log().append(line);
    else
        qCDebug(lcUpload).noquote() << line;
}

void UploadEngine::logFailure(const QString &line)
{
    log().append(line);
    m_failureReason = line;
}

void UploadEngine::setStartControlsEnabled(bool enabled)
{
    for (StartControl control : {StartControl::LoadStart, StartControl::FirmwareFile,
                                 StartControl::EthernetAddress, StartControl::EthernetPort})
        m_view.setControlEnabled(control, enabled);
}

void UploadEngine::showLoopCount()
{
    //: %1 is the number of uploads finished in loop mode
    m_view.setStatusText(CoreText::english("Loops: %1").arg(m_state.LoopCount));
}

bool UploadEngine::stillRunning(quint64 attempt) const
{
    return !m_shutDown && attempt == m_attempt;
}

bool UploadEngine::isTransferring() const
{
    return m_phase == Phase::Streaming || m_phase == Phase::AwaitingLastAnswer;
}
