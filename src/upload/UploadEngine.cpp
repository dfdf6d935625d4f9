#include "UploadEngine.h"

#include "ActivityLog.h"
#include "ElapsedTime.h"
#include "UploadView.h"
#include "connection/ConnectionSettings.h"
#include "connection/SocketErrorReport.h"
#include "firmware/FirmwareFile.h"
#include "firmware/IntelHexCheck.h"
#include "firmware/IntelHexText.h"
#include "platform/Clock.h"
#include "platform/UnitSocket.h"
#include "platform/WaitableTimer.h"
#include "protocol/UnitProtocol.h"

#include <QFileInfo>

#include <cmath>

namespace {

using namespace std::chrono_literals;

constexpr std::chrono::milliseconds kConnectionRound = 100ms;
constexpr double kConnectionLimitSeconds = 3.3;
constexpr std::chrono::milliseconds kSlowPause = 30ms;
constexpr std::chrono::milliseconds kBeforeFinish = 100ms;
constexpr std::chrono::milliseconds kAfterElapsedLine = 1000ms;
constexpr std::chrono::milliseconds kWritingFirmware = 2333ms;
constexpr std::chrono::milliseconds kRebooting = 3333ms;
constexpr std::chrono::milliseconds kBeforeLoopRestart = 2000ms;
constexpr int kProgressUnit = 128;
// Each arrival takes at most one answer of each kind, so a unit that sends answers nobody asked
// for makes the receive buffer grow with every arrival. No sound conversation comes near this.
constexpr qsizetype kReceiveLimit = 16 * 1024;

void pause(std::chrono::milliseconds length)
{
    Wait(int(length.count()));
}

// A port is a whole number from 1 to 65535, digits only.
int parsePort(const QString &text)
{
    if (text.isEmpty() || text.size() > 5)
        return 0;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return 0;
    }
    const int port = text.toInt();
    return port <= 65535 ? port : 0;
}

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

// --- Start and connection -------------------------------------------------------------------

void UploadEngine::LoadStart_Click()
{
    if (m_shutDown)
        return;
    const quint64 attempt = ++m_attempt;
    m_phase = Phase::Connecting;
    m_responseTimer.stop();

    log().setBackColour(ActivityLog::kWhite);
    log().clear();
    setStartControlsEnabled(false);
    m_state.UploadDone = false;
    m_view.setProgressValue(0);
    m_state.TransferIdle = true;
    const bool connecting = ConnectToUnit();
    m_state.StartTime = Clock::now();
    logDebug(QStringLiteral("Connecting..."));
    if (!connecting) {
        failAttempt(UploadOutcome::BadInput);
        return;
    }

    if (!watchConnection() || !stillRunning(attempt))
        return;

    const qint64 elapsed = ElapsedTime::milliseconds(m_state.StartTime, Clock::now());
    if (m_socket.state() == UnitSocket::Connected) {
        logDebug(QStringLiteral("It took ") +
                 ElapsedTime::formatMilliseconds(elapsed, QStringLiteral(" mS ")) +
                 QStringLiteral("to connect."));
        startTransfer();
    } else {
        logDebug(QStringLiteral("After ") +
                 ElapsedTime::formatMilliseconds(elapsed, QStringLiteral(" mS")) +
                 QStringLiteral(", I gave up!"));
        log().append(QStringLiteral("Could not establish connection to ") +
                     m_view.ethernetAddress());
        failAttempt(UploadOutcome::ConnectFailed);
    }
}

bool UploadEngine::ConnectToUnit()
{
    const QString address = m_view.ethernetAddress();
    log().append(QStringLiteral("Connecting to ") + address);

    const QString portText = m_view.ethernetPort();
    const int port = parsePort(portText);
    if (port == 0) {
        log().append(QStringLiteral("Port \"%1\" is not valid: enter a whole number from 1 to "
                                    "65535.")
                         .arg(portText));
        return false;
    }
    // A socket left open by an attempt that never finished is closed before the new connect.
    if (m_socket.state() != UnitSocket::Closed)
        m_socket.close();
    m_socket.setRemotePort(port);
    if (!m_socket.setRemoteHost(address)) {
        log().append(QStringLiteral("Address \"%1\" is not valid: enter the unit's IPv4 address "
                                    "or host name.")
                         .arg(address));
        return false;
    }
    m_socket.connectToUnit();
    return true;
}

// Watches the socket in 100 ms rounds for at most 3.3 s. False when the program shut down.
bool UploadEngine::watchConnection()
{
    const quint64 attempt = m_attempt;
    const float start = m_state.StartTime;
    const double limit = double(float(double(start) + kConnectionLimitSeconds));
    for (;;) {
        pause(kConnectionRound);
        if (!stillRunning(attempt))
            return false;
        // Measured from the start, so the watch ends even when the clock passes midnight.
        const double now = double(start) + Clock::secondsBetween(start, Clock::now());
        if (now > limit) {
            log().append(QStringLiteral("Unit not responding!"));
            return true;
        }
        if (debug()) {
            const qint64 elapsed = ElapsedTime::milliseconds(start, Clock::now());
            log().append(QStringLiteral("Checking connection at ") +
                         ElapsedTime::formatMilliseconds(elapsed, QStringLiteral(" mS...")));
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
        log().append(QStringLiteral("No product profile matches the application title \"%1\".")
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

    m_view.setProgressMaximum(progressMaximumFor(m_file->size()));
    m_state.StartTime = Clock::now();
    log().append(QStringLiteral("Sending firmware..."));
    m_socket.send(request);
    m_state.TransferIdle = false;
    m_phase = Phase::Streaming;
    noteUnitActivity();
}

bool UploadEngine::prepareFirmware()
{
    const QString path = m_state.FirmwarePath;
    const QString name = QFileInfo(path).fileName();
    QString error;
    // A file left open by an attempt that ended early is closed by open().
    if (path.isEmpty() || !m_file->open(path, &error)) {
        log().append(QStringLiteral("Cannot open the firmware file \"%1\": %2")
                         .arg(path.isEmpty() ? QStringLiteral("(none chosen)") : path,
                              error.isEmpty() ? QStringLiteral("no file chosen") : error));
        return false;
    }
    if (const std::optional<QString> problem = IntelHexCheck::firstProblem(path)) {
        m_file->close();
        log().append(QStringLiteral("The firmware file \"%1\" is not valid Intel HEX: %2")
                         .arg(name, *problem));
        return false;
    }
    return true;
}

void UploadEngine::failAttempt(UploadOutcome outcome)
{
    m_file->close();
    m_state.UploadDone = false;
    m_failure = outcome;
    FinishUpload();
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
    const qint64 seconds = ElapsedTime::secondsFigure(m_state.StartTime, Clock::now());
    log().append(QStringLiteral("Upload complete, ") + QString::number(seconds) +
                 QStringLiteral(" seconds."));
    log().ScrollLog();
    pause(kAfterElapsedLine);
    if (!stillRunning(attempt))
        return;
    log().append(QStringLiteral("Writing firmware, DO NOT REMOVE POWER!"));
    log().ScrollLog();
    pause(kWritingFirmware);
    if (!stillRunning(attempt))
        return;
    log().append(QStringLiteral("Waiting for unit to reboot...."));
    log().ScrollLog();
    pause(kRebooting);
    if (!stillRunning(attempt))
        return;
    log().append(QStringLiteral(" "));
    log().append(QStringLiteral(" "));
    log().append(QStringLiteral("Done!  Unit is ready to use."));
    log().append(QStringLiteral(" "));
    m_view.setControlEnabled(StartControl::LoadStart, true);
    log().ScrollLog();
    log().setBackColour(ActivityLog::kGreen);
    m_phase = Phase::Idle;
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
    log().append(QStringLiteral("Disconnecting from ") + m_view.ethernetAddress());
    setStartControlsEnabled(true);
    log().ScrollLog();
    m_phase = Phase::Idle;
    Q_EMIT attemptEnded(m_failure);
}

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

void UploadEngine::finishEndOfFile()
{
    const quint64 attempt = m_attempt;
    m_state.UploadDone = true;
    ++m_state.LoopCount;
    showLoopCount();
    m_state.TransferIdle = true;
    m_phase = Phase::Ending;
    m_responseTimer.stop();
    m_file->close();
    log().append(QStringLiteral("Upload complete."));
    m_view.setProgressValue(m_view.progressMaximum());
    pause(kBeforeFinish);
    if (!stillRunning(attempt))
        return;
    // A refusal of the last record during the pause has turned the attempt into a failure.
    const bool finished = m_state.UploadDone;
    FinishUpload();
    if (m_shutDown || !finished)
        return;
    setStartControlsEnabled(true);
    if (const QString failure = m_connection->save(m_view.ethernetAddress(), m_view.ethernetPort());
        !failure.isEmpty())
        log().append(failure);
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
    m_phase = Phase::Ending;
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
    m_phase = Phase::Ending;
    log().append(reason);
    failAttempt(outcome);
}

void UploadEngine::shutdown()
{
    if (m_shutDown)
        return;
    m_shutDown = true;
    const bool wasBusy = isBusy();
    m_phase = Phase::Idle;
    m_responseTimer.stop();
    m_file->close();
    m_socket.close();
    WaitableTimer::cancelAll();
    if (wasBusy)
        Q_EMIT attemptEnded(UploadOutcome::Cancelled);
}

// --- Small helpers ---------------------------------------------------------------------------

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
    if (debug())
        log().append(line);
}

void UploadEngine::setStartControlsEnabled(bool enabled)
{
    for (StartControl control : {StartControl::LoadStart, StartControl::FirmwareFile,
                                 StartControl::EthernetAddress, StartControl::EthernetPort})
        m_view.setControlEnabled(control, enabled);
}

void UploadEngine::showLoopCount()
{
    m_view.setStatusText(QStringLiteral("Loops: ") + QString::number(m_state.LoopCount));
}

// Restarting a timer for every record is costly at thousands of records a second: the time of
// the last activity is noted instead, and the timer, when it fires, looks at it.
void UploadEngine::noteUnitActivity()
{
    m_sinceActivity.start();
    if (!m_responseTimer.isActive())
        m_responseTimer.start(Clock::realMilliseconds(int(m_responseTimeout.count())));
}

bool UploadEngine::stillRunning(quint64 attempt) const
{
    return !m_shutDown && attempt == m_attempt;
}
