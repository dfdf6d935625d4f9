// Feeds arbitrary byte streams, cut into arbitrary chunks, to the engine's arrival handler while
// it streams a small firmware file, and checks what must hold whatever the unit sends:
// the receive buffer stays bounded, records go out in file order and only while connected,
// and no attempt is reported finished unless every record went out.
//
// Input: one byte of options (bit 0 Debug, bit 1 Slow, bit 2 Loop), then steps. Each step is a
// byte OOOLLLLL: the operation O and a length or argument L, followed by its data.
//   0 arrival now of the next L+1 bytes     1 the same, delivered later from the event loop
//   2 flood: the next L+1 bytes repeated (1 + next byte) * 16 times, arriving at once
//   3 pump events L+1 times                 4 set the options to L (as in the first byte)
//   5 the unit closes its end               6 a socket error, number chosen by L
//   7 L even: the operator presses the start button, if it is enabled; L odd: the operator
//     stops the attempt

#include "FuzzCheck.h"
#include "FuzzUnitSocket.h"
#include "platform/Clock.h"
#include "platform/SettingsStore.h"
#include "protocol/UnitProtocol.h"
#include "upload/BasicUploadView.h"
#include "upload/UploadEngine.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

namespace {

constexpr qsizetype kBufferLimit = 64 * 1024;
// Just above the engine's 16 KiB receive limit: a larger flood shows nothing more and, logged
// byte by byte under Debug, made such inputs most of the campaign's time.
constexpr qsizetype kFloodLimit = 20 * 1024;
// Pauses shrink to nothing; the unit is never given up on within one input, so that an input
// replays the same way every time.
constexpr double kTimeScale = 1e-5;
constexpr std::chrono::hours kResponseTimeout{1};
const QString kTitle = QStringLiteral("Kestrel Max Firmware Uploader");
const QString kDone = QStringLiteral("Done!  Unit is ready to use.");

QByteArray record(quint8 type, quint16 address, const QByteArray &data)
{
    QByteArray body;
    body.append(char(data.size())).append(char(address >> 8)).append(char(address & 0xFF));
    body.append(char(type)).append(data);
    body.append(char(UnitProtocol::checksum(body)));
    return ':' + body.toHex().toUpper();
}

struct Harness
{
    Harness()
    {
        // A linear address, data, one record that is passed over, a blank line and the end.
        lines << record(0x04, 0, QByteArray::fromHex("0000"));
        for (int i = 0; i < 3; ++i)
            lines << record(0x00, quint16(i * 16), QByteArray(16, char(0x30 + i)));
        lines << record(0x00, 0xFC00, QByteArray(4, char(0xAA))) << QByteArray();
        for (int i = 3; i < 5; ++i)
            lines << record(0x00, quint16(i * 16), QByteArray(16, char(0x30 + i)));
        lines << record(0x01, 0, {});
        for (const QByteArray &line : std::as_const(lines)) {
            if (!line.isEmpty() && !line.startsWith(":04FC"))
                expected << line;
        }
        QFile file(dir.path() + "/firmware.hex");
        if (!file.open(QIODevice::WriteOnly) || file.write(lines.join("\r\n") + "\r\n") < 0)
            fuzzViolated("the firmware file could not be written");
        file.close();

        view.setEthernetAddress(QStringLiteral("127.0.0.1"));
        view.setEthernetPort(QStringLiteral("2101"));
        engine.state().FirmwarePath = file.fileName();
        engine.setResponseTimeout(kResponseTimeout);
        socket.sent = [this](int connection, bool connected, const QByteArray &bytes) {
            onSent(connection, connected, bytes);
        };
        QObject::connect(&engine, &UploadEngine::attemptEnded,
                         [this](UploadOutcome outcome) { onEnded(outcome); });
    }

    void onSent(int connection, bool connected, const QByteArray &bytes)
    {
        FUZZ_CHECK(connected);
        if (connection != m_connection) {
            m_connection = connection;
            m_requestSent = false;
            m_recordsSent = 0;
        }
        if (!m_requestSent) {
            FUZZ_CHECK(bytes == UnitProtocol::programmingRequest(kTitle));
            m_requestSent = true;
            return;
        }
        FUZZ_CHECK(m_recordsSent < expected.size());
        FUZZ_CHECK(bytes == expected.at(m_recordsSent));
        ++m_recordsSent;
    }

    void onEnded(UploadOutcome outcome)
    {
        if (outcome == UploadOutcome::Finished) {
            FUZZ_CHECK(m_connection == socket.connection());
            FUZZ_CHECK(m_recordsSent == expected.size());
            FUZZ_CHECK(logHolds(kDone));
            return;
        }
        FUZZ_CHECK(view.activityLog().backColour() == ActivityLog::kRed);
        FUZZ_CHECK(!logHolds(kDone));
        for (StartControl control : {StartControl::LoadStart, StartControl::FirmwareFile,
                                     StartControl::EthernetAddress, StartControl::EthernetPort})
            FUZZ_CHECK(view.isControlEnabled(control));
    }

    // Looks through the log in place: a copy of 25000 lines per attempt would cost more than
    // the attempt.
    bool logHolds(const QString &text)
    {
        const ActivityLog &log = view.activityLog();
        for (int i = log.count() - 1; i >= 0; --i) {
            if (log.line(i) == text)
                return true;
        }
        return false;
    }

    void setOptions(int bits)
    {
        view.setChecked(Tool::Debug, bits & 1);
        view.setChecked(Tool::Slow, bits & 2);
        view.setChecked(Tool::Loop, bits & 4);
    }

    void checkBuffer() const { FUZZ_CHECK(engine.state().RxBuffer.size() < kBufferLimit); }

    QTemporaryDir dir;
    QByteArrayList lines;
    QByteArrayList expected;
    BasicUploadView view;
    FuzzUnitSocket socket;
    // Every finished upload saves the address and port; on disk that would be most of the time.
    SettingsStore settings = SettingsStore::inMemory();
    UploadEngine engine{kTitle, view, socket, settings};

private:
    int m_connection = 0;
    bool m_requestSent = false;
    qsizetype m_recordsSent = 0;
};

Harness *harness = nullptr;

class Input
{
public:
    Input(const uint8_t *data, size_t size) : m_data(data), m_size(size) {}

    bool atEnd() const { return m_at >= m_size; }
    int byte() { return atEnd() ? 0 : m_data[m_at++]; }
    QByteArray bytes(size_t count)
    {
        count = std::min(count, m_size - m_at);
        const QByteArray result(reinterpret_cast<const char *>(m_data + m_at), qsizetype(count));
        m_at += count;
        return result;
    }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_at = 0;
};

void pumpEvents(int rounds)
{
    for (int i = 0; i < rounds; ++i)
        QCoreApplication::processEvents();
}

void step(Harness &h, Input &input)
{
    static const int errors[] = {UnitSocket::ConnectionReset, UnitSocket::TimedOut,
                                 UnitSocket::ConnectionRefused, UnitSocket::HostUnreachable,
                                 UnitSocket::OtherError};
    const int header = input.byte();
    const int operation = header >> 5;
    const int argument = header & 0x1F;
    switch (operation) {
    case 0:
        h.socket.arriveNow(input.bytes(size_t(argument) + 1));
        break;
    case 1:
        h.socket.arriveLater(input.bytes(size_t(argument) + 1));
        break;
    case 2: {
        const QByteArray unit = input.bytes(size_t(argument) + 1);
        const int times = (1 + input.byte()) * 16;
        QByteArray flood;
        for (int i = 0; i < times && flood.size() + unit.size() <= kFloodLimit; ++i)
            flood += unit;
        h.socket.arriveNow(flood);
        break;
    }
    case 3:
        pumpEvents(argument + 1);
        break;
    case 4:
        h.setOptions(argument);
        break;
    case 5:
        h.socket.closeByPeer();
        break;
    case 6:
        h.socket.failLater(errors[argument % 5]);
        break;
    case 7:
        if (argument % 2 != 0)
            h.engine.stopAttempt();
        else if (h.view.isControlEnabled(StartControl::LoadStart))
            h.engine.LoadStart_Click();
        break;
    }
    h.checkBuffer();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication application(*argc, *argv);
    Clock::setTimeScale(kTimeScale);
    harness = new Harness;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Harness &h = *harness;
    Input input(data, size);
    h.setOptions(input.byte());
    h.engine.LoadStart_Click();
    while (!input.atEnd())
        step(h, input);
    pumpEvents(4);
    h.checkBuffer();
    return 0;
}
