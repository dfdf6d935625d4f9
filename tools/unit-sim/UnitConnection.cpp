#include "UnitConnection.h"

#include "connection/ProductProfile.h"

#include <QRandomGenerator>
#include <QTcpSocket>

#ifdef Q_OS_WIN
#include <winsock2.h>
#else
#include <sys/socket.h>
#endif

using namespace std::chrono_literals;

namespace {

constexpr int kFamilyOffset = 4;
constexpr int kProductOffset = 5;
constexpr int kEndOfFileType = 0x01;

QString profileOfRequest(const QByteArray &request)
{
    for (const ProductProfile &profile : ProductProfile::all()) {
        if (profile.requestBytes().mid(kFamilyOffset, 2) == request.mid(kFamilyOffset, 2))
            return profile.displayName();
    }
    return QStringLiteral("family %1 product %2")
        .arg(QString::fromLatin1(request.mid(kFamilyOffset, 1).toHex().toUpper()),
             QString::fromLatin1(request.mid(kProductOffset, 1).toHex().toUpper()));
}

// Stray bytes the uploader has to drop: anything but the response lead byte.
QByteArray strayBytes(int count)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes.append(char(0x20 + i % 0x50));
    return bytes;
}

} // namespace

UnitConnection::UnitConnection(QTcpSocket *socket, int number, const SimulatorSettings &settings,
                               QObject *parent)
    : QObject(parent), m_socket(socket), m_settings(settings)
{
    m_summary.number = number;
    m_socket->setParent(this);
    // Each answer is one small write; without this the stack would hold it back waiting for
    // the previous one's acknowledgement.
    m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    m_stepTimer.setSingleShot(true);
    m_stepTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_stepTimer, &QTimer::timeout, this, &UnitConnection::runSteps);
    connect(&m_babbleTimer, &QTimer::timeout, this, [this] {
        if (isFinished()) {
            m_babbleTimer.stop();
            return;
        }
        m_socket->write(m_babble);
        m_socket->flush();
    });
    connect(m_socket, &QTcpSocket::readyRead, this, &UnitConnection::readPending);
    connect(m_socket, &QTcpSocket::disconnected, this, [this] {
        readPending();
        finish(ConnectionSummary::End::PeerClosed);
    });
}

UnitConnection::~UnitConnection() = default;

void UnitConnection::start()
{
    readPending();
    if (m_socket->state() != QAbstractSocket::ConnectedState)
        finish(ConnectionSummary::End::PeerClosed);
}

void UnitConnection::stop()
{
    if (isFinished())
        return;
    m_socket->disconnect(this);
    m_socket->disconnectFromHost();
    finish(ConnectionSummary::End::Stopped);
}

ResponseCode UnitConnection::requestVerdict(const QByteArray &request,
                                            const ProductProfile *profile)
{
    if (UnitProtocol::checksum(request.left(request.size() - 1)) != quint8(request.back()))
        return ResponseCode::NakChecksum;
    if (!profile || request != profile->requestBytes())
        return ResponseCode::NakProductCode;
    return ResponseCode::Ack;
}

void UnitConnection::readPending()
{
    if (isFinished() || !m_socket->isReadable())
        return;
    const QByteArray bytes = m_socket->readAll();
    m_received.append(bytes);
    m_summary.bytes += bytes.size();
    for (const UnitStreamParser::Packet &packet : m_parser.feed(bytes)) {
        handle(packet);
        if (isFinished())
            return;
    }
}

void UnitConnection::handle(const UnitStreamParser::Packet &packet)
{
    using Kind = UnitStreamParser::Packet::Kind;
    switch (packet.kind) {
    case Kind::DisplayClear:
        m_summary.displayTexts.clear();
        Q_EMIT displayChanged(m_summary.displayTexts);
        break;
    case Kind::DisplayText:
        m_summary.displayTexts.append(QString::fromLatin1(packet.text));
        Q_EMIT displayChanged(m_summary.displayTexts);
        break;
    case Kind::DisplayOther:
        break;
    case Kind::Request: {
        const ResponseCode verdict = requestVerdict(packet.bytes, m_settings.profile);
        m_summary.requestedProfile = profileOfRequest(packet.bytes);
        m_summary.requestAccepted = verdict == ResponseCode::Ack;
        m_programming = m_summary.requestAccepted;
        Q_EMIT requestReceived(packet.bytes, verdict);
        answer(m_nextPacket++, false, verdict);
        break;
    }
    case Kind::Record: {
        // Records are only taken in programming mode; before an accepted request the unit does
        // not know which product it is being programmed as.
        const ResponseCode verdict = m_programming ? UnitStreamParser::recordVerdict(packet.bytes)
                                                   : ResponseCode::NakProductCode;
        const bool isEndRecord = UnitStreamParser::recordType(packet.bytes) == kEndOfFileType;
        m_records.append(packet.bytes);
        m_summary.records = int(m_records.size());
        m_summary.endRecordReceived = m_summary.endRecordReceived || isEndRecord;
        Q_EMIT recordReceived(packet.bytes, verdict);
        answer(m_nextPacket++, isEndRecord, verdict);
        break;
    }
    case Kind::Unframed:
        m_summary.strayBytes += int(packet.bytes.size());
        if (packet.startsRun && !m_silent)
            queueWrites(response(quint8(ResponseCode::NakChecksum)), 1, 0);
        break;
    }
}

void UnitConnection::answer(int packetIndex, bool isEndRecord, ResponseCode verdict)
{
    if (m_silent)
        return;
    QList<const UnitFault *> faults;
    for (const UnitFault &fault : std::as_const(m_settings.faults)) {
        if (fault.appliesTo(m_summary.number, packetIndex, isEndRecord))
            faults.append(&fault);
    }

    quint8 code = quint8(verdict);
    QList<quint8> extra;
    int strays = 0;
    int copies = 1;
    int fragmentSize = 0;
    std::chrono::milliseconds lateBy{0};
    std::chrono::milliseconds copyLater{0};
    for (const UnitFault *fault : std::as_const(faults)) {
        using Kind = UnitFault::Kind;
        switch (fault->kind) {
        case Kind::NakChecksum:
            code = quint8(ResponseCode::NakChecksum);
            break;
        case Kind::NakProductCode:
            code = quint8(ResponseCode::NakProductCode);
            break;
        case Kind::NakRecordType:
            code = quint8(ResponseCode::NakRecordType);
            break;
        case Kind::Unknown:
            code = quint8(ResponseCode::Unknown);
            break;
        case Kind::UnrecognisedCode:
            code = fault->codes.value(0, 0x04);
            break;
        case Kind::StrayBytes:
            strays += fault->effectiveCount();
            break;
        case Kind::Split:
            fragmentSize = fault->effectiveCount();
            break;
        case Kind::Pair:
            if (fault->codes.size() == 2) {
                code = fault->codes[0];
                extra.append(fault->codes[1]);
            } else {
                extra.append(fault->codes.value(0, quint8(ResponseCode::Ack)));
            }
            break;
        case Kind::Twice:
            if (fault->count > 0)
                copyLater = std::chrono::milliseconds(fault->count);
            else
                copies = 2;
            break;
        case Kind::Silent:
            m_silent = true;
            m_summary.silentFromPacket = packetIndex;
            return;
        case Kind::Close:
            m_steps.push_back({Step::Action::Close, {}, m_settings.responseDelay});
            runSteps();
            return;
        case Kind::Reset:
            m_steps.push_back({Step::Action::Reset, {}, m_settings.responseDelay});
            runSteps();
            return;
        case Kind::Babble:
            m_silent = true;
            m_summary.silentFromPacket = packetIndex;
            m_babble = fault->codes.isEmpty() ? QByteArray(1, '\0') : response(fault->codes[0]);
            m_babbleTimer.start(std::chrono::milliseconds(UnitFault::kBabbleIntervalMs));
            return;
        case Kind::Late:
            lateBy += std::chrono::milliseconds(fault->count);
            break;
        }
    }

    if (code != quint8(ResponseCode::Ack) && !m_summary.firstOtherAnswer) {
        m_summary.firstOtherAnswer = code;
        m_summary.firstOtherAnswerPacket = packetIndex;
    }
    QByteArray segment = strayBytes(strays) + response(code);
    for (quint8 second : std::as_const(extra))
        segment += response(second);
    queueWrites(segment, copies, fragmentSize, lateBy);
    if (copyLater > 0ms)
        writeCopyLater(segment, m_settings.responseDelay + lateBy + copyLater);
}

// A slipped answer: the copy comes on its own, after answers to packets sent meanwhile.
void UnitConnection::writeCopyLater(const QByteArray &segment, std::chrono::milliseconds delay)
{
    QTimer::singleShot(delay, Qt::PreciseTimer, this, [this, segment] {
        if (isFinished())
            return;
        m_socket->write(segment);
        m_socket->flush();
        Q_EMIT responseWritten(segment);
    });
}

void UnitConnection::queueWrites(const QByteArray &segment, int copies, int fragmentSize,
                                 std::chrono::milliseconds lateBy)
{
    const int size = fragmentSize > 0 ? fragmentSize : int(segment.size());
    std::chrono::milliseconds delay = m_settings.responseDelay + lateBy;
    for (int copy = 0; copy < copies; ++copy) {
        for (qsizetype at = 0; at < segment.size(); at += size) {
            m_steps.push_back({Step::Action::Write, segment.mid(at, size), delay});
            delay = m_settings.fragmentGap;
        }
    }
    runSteps();
}

QByteArray UnitConnection::response(quint8 code) const
{
    QByteArray tail = m_settings.responseTail;
    if (m_settings.randomTail) {
        const quint32 random = QRandomGenerator::global()->generate();
        tail = QByteArray(reinterpret_cast<const char *>(&random), sizeof random);
    }
    return UnitProtocol::response(ResponseCode(code), tail);
}

void UnitConnection::runSteps()
{
    while (!m_steps.empty() && !m_stepTimer.isActive() && !isFinished()) {
        Step &front = m_steps.front();
        if (front.delay > 0ms) {
            m_stepTimer.start(front.delay);
            front.delay = 0ms;
            return;
        }
        const Step step = std::move(front);
        m_steps.pop_front();
        switch (step.action) {
        case Step::Action::Write:
            m_socket->write(step.bytes);
            m_socket->flush();
            Q_EMIT responseWritten(step.bytes);
            break;
        case Step::Action::Close:
            // Closing emits disconnected() at once; that is not the uploader leaving.
            m_socket->disconnect(this);
            m_socket->disconnectFromHost();
            finish(ConnectionSummary::End::UnitClosed);
            return;
        case Step::Action::Reset:
            m_socket->disconnect(this);
            resetConnection();
            finish(ConnectionSummary::End::UnitReset);
            return;
        }
    }
}

void UnitConnection::resetConnection()
{
    // Closing with a zero linger time makes the stack send RST instead of FIN; abort() alone
    // closes gracefully when nothing is left to send.
    const qintptr descriptor = m_socket->socketDescriptor();
    if (descriptor >= 0) {
        linger option{};
        option.l_onoff = 1;
        option.l_linger = 0;
#ifdef Q_OS_WIN
        ::setsockopt(SOCKET(descriptor), SOL_SOCKET, SO_LINGER,
                     reinterpret_cast<const char *>(&option), sizeof option);
#else
        ::setsockopt(int(descriptor), SOL_SOCKET, SO_LINGER, &option, sizeof option);
#endif
    }
    m_socket->abort();
}

void UnitConnection::finish(ConnectionSummary::End end)
{
    if (isFinished())
        return;
    m_summary.end = end;
    m_steps.clear();
    m_stepTimer.stop();
    m_babbleTimer.stop();
    m_socket->disconnect(this);
    Q_EMIT finished(m_summary);
}
