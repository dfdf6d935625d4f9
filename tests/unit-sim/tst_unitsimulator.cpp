#include "HexFileGenerator.h"
#include "TestSupport.h"
#include "UnitSimulator.h"
#include "connection/ProductProfile.h"
#include "protocol/UnitProtocol.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

using namespace std::chrono_literals;
using TestSupport::bytes;
using TestSupport::hex;

namespace {

constexpr int kWaitMs = 3000;
// Long enough for an answer that is not coming to have arrived on loopback.
constexpr int kQuietMs = 100;

const QByteArray kKestrelRequest = bytes("FE55AA010131D0");
const QByteArray kRecord1 = ":100000003C5E81B40C5EC68E04A3406C97D63CFB6C";
const QByteArray kRecord2 = ":10001000DC53AE88371A125121B5956143C0EE2DDD";
const QByteArray kEndRecord = ":00000001FF";

QByteArray answer(ResponseCode code)
{
    return UnitProtocol::response(code);
}

// A plain client that keeps every arrival separately, so tests can see how answers were cut.
class Client
{
public:
    bool connectTo(quint16 port)
    {
        m_socket.connectToHost(QHostAddress::LocalHost, port);
        QObject::connect(&m_socket, &QTcpSocket::readyRead,
                         [this] { m_arrivals.append(m_socket.readAll()); });
        return m_socket.waitForConnected(kWaitMs);
    }
    void send(const QByteArray &bytes)
    {
        m_socket.write(bytes);
        m_socket.flush();
    }
    // Waits until `count` more bytes than `from` have arrived; returns them.
    QByteArray receive(int count)
    {
        const qsizetype before = m_taken;
        // A short answer shows up in the comparison that follows.
        (void)QTest::qWaitFor([&] { return received().size() >= before + count; }, kWaitMs);
        const QByteArray all = received();
        m_taken = std::min<qsizetype>(all.size(), before + count);
        return all.mid(before, count);
    }
    // Whatever arrives within the quiet time, beyond what was taken.
    QByteArray rest()
    {
        QTest::qWait(kQuietMs);
        const QByteArray extra = received().mid(m_taken);
        m_taken = received().size();
        return extra;
    }
    // Sends and returns the 8-byte answer.
    QByteArray exchange(const QByteArray &packet)
    {
        send(packet);
        return receive(UnitProtocol::kResponseLength);
    }
    QByteArray received() const { return m_arrivals.join(); }
    const QByteArrayList &arrivals() const { return m_arrivals; }
    QTcpSocket &socket() { return m_socket; }

private:
    QTcpSocket m_socket;
    QByteArrayList m_arrivals;
    qsizetype m_taken = 0;
};

bool waitForFinished(QSignalSpy &spy, int count = 1)
{
    return QTest::qWaitFor([&] { return spy.size() >= count; }, kWaitMs);
}

} // namespace

class tst_UnitSimulator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void programmingRequest_data()
    {
        QTest::addColumn<QString>("unitProfile");
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("own request")
            << "Kestrel Max" << kKestrelRequest << answer(ResponseCode::Ack);
        QTest::newRow("other product")
            << "Kestrel Max" << bytes("FE55AA01022DD3") << answer(ResponseCode::NakProductCode);
        QTest::newRow("same product, other family")
            << "TAPdeck" << bytes("FE55AA01022DD3") << answer(ResponseCode::NakProductCode);
        QTest::newRow("bad checksum")
            << "Kestrel Max" << bytes("FE55AA010131D1") << answer(ResponseCode::NakChecksum);
        QTest::newRow("Corvus") << "Corvus" << bytes("FE55AA010036CC") << answer(ResponseCode::Ack);
    }

    void programmingRequest()
    {
        QFETCH(QString, unitProfile);
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, expected);
        UnitSimulator unit;
        unit.setProfile(ProductProfile::named(unitProfile.toLatin1()));
        QVERIFY(unit.listen());
        QVERIFY(unit.serverPort() != 0);
        QSignalSpy requests(&unit, &UnitSimulator::requestReceived);
        Client client;
        QVERIFY(client.connectTo(unit.serverPort()));
        QCOMPARE(hex(client.exchange(request)), hex(expected));
        QCOMPARE(hex(client.rest()), QString());
        QCOMPARE(requests.size(), 1);
        QCOMPARE(requests[0][0].toByteArray(), request);
    }

    void recordsBeforeRequestAreRefused()
    {
        UnitSimulator unit;
        QVERIFY(unit.listen());
        Client client;
        QVERIFY(client.connectTo(unit.serverPort()));
        QCOMPARE(hex(client.exchange(kRecord1)), hex(answer(ResponseCode::NakProductCode)));
        QCOMPARE(hex(client.exchange(kKestrelRequest)), hex(answer(ResponseCode::Ack)));
        QCOMPARE(hex(client.exchange(kRecord1)), hex(answer(ResponseCode::Ack)));
    }

    void recordVerdicts_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("data") << kRecord1 << answer(ResponseCode::Ack);
        QTest::newRow("lower case") << kRecord1.toLower() << answer(ResponseCode::Ack);
        QTest::newRow("bad checksum")
            << QByteArray(":00000001FE") << answer(ResponseCode::NakChecksum);
        QTest::newRow("record type 06")
            << QByteArray(":00000006FA") << answer(ResponseCode::NakRecordType);
    }

    void recordVerdicts()
    {
        QFETCH(QByteArray, record);
        QFETCH(QByteArray, expected);
        UnitSimulator unit;
        QVERIFY(unit.listen());
        Client client;
        QVERIFY(client.connectTo(unit.serverPort()));
        client.exchange(kKestrelRequest);
        QCOMPARE(hex(client.exchange(record)), hex(expected));
        QCOMPARE(unit.records(), QByteArrayList{record});
    }

    // However TCP cuts or joins the sends, every record is framed and answered once.
    void framingAcrossSegments_data()
    {
        QTest::addColumn<QList<int>>("cuts"); // sizes of the sends; the rest goes last
        QTest::newRow("one byte per send") << QList<int>(64, 1);
        QTest::newRow("cut inside the count") << QList<int>{7 + 2};
        QTest::newRow("cut inside a record") << QList<int>{7 + 20, 30};
        QTest::newRow("everything at once") << QList<int>{};
    }

    void framingAcrossSegments()
    {
        QFETCH(QList<int>, cuts);
        UnitSimulator unit;
        QVERIFY(unit.listen());
        QSignalSpy written(&unit, &UnitSimulator::responseWritten);
        Client client;
        QVERIFY(client.connectTo(unit.serverPort()));
        const QByteArray stream = kKestrelRequest + kRecord1 + kRecord2 + kEndRecord;
        qsizetype at = 0;
        for (int size : std::as_const(cuts)) {
            client.send(stream.mid(at, size));
            at += size;
            QTest::qWait(2); // give each send its own segment
        }
        client.send(stream.mid(at));

        const QByteArray ack = answer(ResponseCode::Ack);
        QCOMPARE(hex(client.receive(4 * 8)), hex(ack + ack + ack + ack));
        QCOMPARE(hex(client.rest()), QString());
        QCOMPARE(unit.records(), (QByteArrayList{kRecord1, kRecord2, kEndRecord}));
        // Each answer leaves in one write.
        QCOMPARE(written.size(), 4);
    }

    void unframableBytes_data()
    {
        QTest::addColumn<QByteArray>("garbage");
        QTest::addColumn<int>("strayBytes");
        QTest::newRow("line end") << QByteArray("\r\n") << 2;
        QTest::newRow("truncated record") << QByteArray(":10000000") << 9;
        QTest::newRow("non-hex in a record") << QByteArray(":1000x0") << 7;
        QTest::newRow("binary") << bytes("FD55AA00") << 4;
    }

    // One NakChecksum per run of bytes that frame nothing; the next record is taken as usual.
    void unframableBytes()
    {
        QFETCH(QByteArray, garbage);
        QFETCH(int, strayBytes);
        UnitSimulator unit;
        QVERIFY(unit.listen());
        Client client;
        QVERIFY(client.connectTo(unit.serverPort()));
        client.exchange(kKestrelRequest);
        client.send(kRecord1 + garbage + kRecord2);
        QCOMPARE(hex(client.receive(24)),
                 hex(answer(ResponseCode::Ack) + answer(ResponseCode::NakChecksum) +
                     answer(ResponseCode::Ack)));
        QCOMPARE(hex(client.rest()), QString());
        QCOMPARE(unit.records(), (QByteArrayList{kRecord1, kRecord2}));
        QCOMPARE(unit.summaries().last().strayBytes, strayBytes);
    }

    void displayTexts()
    {
        UnitSimulator unit;
        unit.setProfile(ProductProfile::named("Meridian 8"));
        QVERIFY(unit.listen());
        QSignalSpy display(&unit, &UnitSimulator::displayChanged);
        Client client;
        QVERIFY(client.connectTo(unit.serverPort()));
        for (const QByteArray &packet : UnitProtocol::displayTextPackets("Meridian 8"))
            client.send(packet);
        QVERIFY(QTest::qWaitFor([&] { return display.size() == 3; }, kWaitMs));
        QCOMPARE(hex(client.rest()), QString()); // display packets are not answered
        const QStringList shown{"Updating firmware...", "Do not press any buttons!"};
        QCOMPARE(unit.displayTexts(), shown);

        QCOMPARE(hex(client.exchange(bytes("FE55AA01022DD3"))), hex(answer(ResponseCode::Ack)));
        client.send(UnitProtocol::displayClearPacket(0x2D));
        QVERIFY(QTest::qWaitFor([&] { return display.size() == 4; }, kWaitMs));
        QCOMPARE(unit.displayTexts(), QStringList());

        QSignalSpy finished(&unit, &UnitSimulator::connectionFinished);
        client.socket().disconnectFromHost();
        QVERIFY(waitForFinished(finished));
        QCOMPARE(unit.summaries().last().requestedProfile, QStringLiteral("Meridian 8"));
        QVERIFY(unit.connectionBytes().startsWith(UnitProtocol::displayClearPacket(0x2D)));
    }

    // Faults that change what one answer holds; the packet before and after are answered as usual.
    void answerFaults_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray ack = answer(ResponseCode::Ack);
        QTest::newRow("nak-checksum") << "nak-checksum@2" << answer(ResponseCode::NakChecksum);
        QTest::newRow("nak-product-code")
            << "nak-product-code@2" << answer(ResponseCode::NakProductCode);
        QTest::newRow("nak-record-type")
            << "nak-record-type@2" << answer(ResponseCode::NakRecordType);
        QTest::newRow("unknown") << "unknown@2" << answer(ResponseCode::Unknown);
        QTest::newRow("bad-code") << "bad-code@2" << bytes("FD55AA0400000000");
        QTest::newRow("bad-code chosen") << "bad-code:7E@2" << bytes("FD55AA7E00000000");
        QTest::newRow("stray") << "stray@2" << bytes("2021") + ack;
        QTest::newRow("stray 8") << "stray:8@2" << bytes("2021222324252627") + ack;
        QTest::newRow("pair") << "pair@2" << ack + ack;
        QTest::newRow("pair Ack then refusal")
            << "pair:01@2" << ack + answer(ResponseCode::NakChecksum);
        QTest::newRow("pair refusal then Ack")
            << "pair:01+00@2" << answer(ResponseCode::NakChecksum) + ack;
        QTest::newRow("twice") << "twice@2" << ack + ack;
        QTest::newRow("combined") << "stray:1@2,unknown@2,pair@2"
                                  << bytes("20") + answer(ResponseCode::Unknown) + ack;
        QTest::newRow("at the end record")
            << "nak-checksum@eof" << answer(ResponseCode::NakChecksum);
        QTest::newRow("other connection") << "nak-checksum@2#2" << ack;
    }

    void answerFaults()
    {
        QFETCH(QString, fault);
        QFETCH(QByteArray, expected);
        UnitSimulator unit;
        unit.setFragmentGap(5ms);
        for (const QString &text : fault.split(QLatin1Char(',')))
            unit.addFault(*UnitFault::parse(text));
        QVERIFY(unit.listen());
        Client client;
        QVERIFY(client.connectTo(unit.serverPort()));
        const QByteArray ack = answer(ResponseCode::Ack);
        QCOMPARE(hex(client.exchange(kKestrelRequest)), hex(ack));
        QCOMPARE(hex(client.exchange(kRecord1)), hex(ack));
        const QByteArray last = fault.contains(QLatin1String("eof")) ? kEndRecord : kRecord2;
        client.send(last);
        QCOMPARE(hex(client.receive(int(expected.size()))), hex(expected));
        QCOMPARE(hex(client.rest()), QString());
        if (!fault.contains(QLatin1String("eof")))
            QCOMPARE(hex(client.exchange(kEndRecord)), hex(ack));
    }

    void twiceArrivesAsTwoWrites()
    {
        UnitSimulator unit;
        unit.addFault(*UnitFault::parse(QStringLiteral("twice@0")));
        QVERIFY(unit.listen());
        QSignalSpy written(&unit, &UnitSimulator::responseWritten);
        Client client;
        QVERIFY(client.connectTo(unit.serverPort()));
        client.send(kKestrelRequest);
        client.receive(16);
        QCOMPARE(written.size(), 2);
        QCOMPARE(client.arrivals().size(), 2);
    }

    void split_data()
    {
        QTest::addColumn<int>("fragment");
        QTest::addColumn<QList<int>>("sizes");
        QTest::newRow("one byte") << 1 << QList<int>(8, 1);
        QTest::newRow("three bytes") << 3 << QList<int>{3, 3, 2};
        QTest::newRow("five bytes") << 5 << QList<int>{5, 3};
    }

    // Each fragment is its own flushed write with a gap, so the client sees it as an arrival.
    void split()
    {
        QFETCH(int, fragment);
        QFETCH(QList<int>, sizes);
        UnitSimulator unit;
        unit.addFault(
            UnitFault{.kind = UnitFault::Kind::Split, .packet = 1, .count = fragment, .codes = {}});
        QVERIFY(unit.listen());
        Client client;
        QVERIFY(client.connectTo(unit.serverPort()));
        client.exchange(kKestrelRequest);
        const qsizetype before = client.arrivals().size();
        QCOMPARE(hex(client.exchange(kRecord1)), hex(answer(ResponseCode::Ack)));
        QList<int> arrived;
        for (qsizetype i = before; i < client.arrivals().size(); ++i)
            arrived.append(int(client.arrivals()[i].size()));
        QCOMPARE(arrived, sizes);
    }

    void delayAndTail()
    {
        UnitSimulator unit;
        unit.setResponseDelay(150ms);
        unit.setResponseTail(bytes("0A0B0C0D"));
        QVERIFY(unit.listen());
        Client client;
        QVERIFY(client.connectTo(unit.serverPort()));
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(hex(client.exchange(kKestrelRequest)), hex(bytes("FD55AA000A0B0C0D")));
        QVERIFY2(timer.elapsed() >= 100, qPrintable(QString::number(timer.elapsed())));
    }

    void randomTail()
    {
        UnitSimulator unit;
        unit.setRandomTail(true);
        QVERIFY(unit.listen());
        Client client;
        QVERIFY(client.connectTo(unit.serverPort()));
        const QByteArray first = client.exchange(kKestrelRequest);
        const QByteArray second = client.exchange(kRecord1);
        const QByteArray third = client.exchange(kRecord2);
        QCOMPARE(hex(first.left(4)), hex(bytes("FD55AA00")));
        QCOMPARE(hex(second.left(4)), hex(bytes("FD55AA00")));
        // Three equal random tails happen once in 2^64 runs.
        QVERIFY(first.mid(4) != second.mid(4) || second.mid(4) != third.mid(4));
    }

    void silent()
    {
        UnitSimulator unit;
        unit.addFault(*UnitFault::parse(QStringLiteral("silent@1")));
        QVERIFY(unit.listen());
        Client client;
        QVERIFY(client.connectTo(unit.serverPort()));
        client.exchange(kKestrelRequest);
        client.send(kRecord1);
        QCOMPARE(hex(client.rest()), QString());
        client.send(kRecord2 + "garbage");
        QCOMPARE(hex(client.rest()), QString());
        QCOMPARE(client.socket().state(), QAbstractSocket::ConnectedState);
        QVERIFY(unit.isConnected());
        QCOMPARE(unit.records().size(), 2); // still kept
        QCOMPARE(unit.summaries().last().silentFromPacket, 1);
    }

    // How the unit ends the connection, seen by a raw socket: an orderly close reads as end of
    // stream, a reset as ECONNRESET.
    void closeAndReset_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("readError");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("close") << "close@1" << 0 << "closed by unit";
        QTest::newRow("reset") << "reset@1" << ECONNRESET << "reset by unit";
    }

    void closeAndReset()
    {
        QFETCH(QString, fault);
        QFETCH(int, readError);
        QFETCH(QString, outcome);
        UnitSimulator unit;
        unit.addFault(*UnitFault::parse(fault));
        QVERIFY(unit.listen());
        QSignalSpy finished(&unit, &UnitSimulator::connectionFinished);

        // A raw socket, since Qt reports a reset as an ordinary remote close.
        const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
        QVERIFY(fd >= 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(unit.serverPort());
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        QCOMPARE(::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
        ssize_t got = -1;
        int error = 0;
        char buffer[64];
        auto readSome = [&] {
            got = ::recv(fd, buffer, sizeof buffer, MSG_DONTWAIT);
            error = got < 0 ? errno : 0;
            return got >= 0 || error != EAGAIN;
        };
        const QByteArray packets[] = {kKestrelRequest, kRecord1};
        QCOMPARE(::send(fd, packets[0].constData(), size_t(packets[0].size()), 0), ssize_t(7));
        QVERIFY(QTest::qWaitFor(readSome, kWaitMs));
        QCOMPARE(hex(QByteArray(buffer, int(got))), hex(answer(ResponseCode::Ack)));
        QCOMPARE(::send(fd, packets[1].constData(), size_t(packets[1].size()), 0),
                 ssize_t(packets[1].size()));
        QVERIFY(waitForFinished(finished));
        QVERIFY(QTest::qWaitFor(readSome, kWaitMs));
        ::close(fd);
        QCOMPARE(error, readError);
        QCOMPARE(got, readError == 0 ? ssize_t(0) : ssize_t(-1));
        QCOMPARE(finished[0][0].value<ConnectionSummary>().outcome(), outcome);
    }

    void neverAccept()
    {
        UnitSimulator unit;
        unit.setAcceptMode(UnitSimulator::AcceptMode::NeverAccept);
        QVERIFY(unit.listen());
        QTcpSocket client;
        client.connectToHost(QHostAddress::LocalHost, unit.serverPort());
        QTest::qWait(500);
        QCOMPARE(client.state(), QAbstractSocket::ConnectingState);
        QCOMPARE(unit.connectionCount(), 0);
        client.abort();
    }

    void noServer()
    {
        UnitSimulator unit;
        unit.setAcceptMode(UnitSimulator::AcceptMode::NoServer);
        QVERIFY(unit.listen());
        QVERIFY(!unit.isListening());
        for (quint16 port : {unit.serverPort(), UnitSimulator::refusedPort()}) {
            QVERIFY(port != 0);
            QTcpSocket client;
            QSignalSpy errors(&client, &QTcpSocket::errorOccurred);
            client.connectToHost(QHostAddress::LocalHost, port);
            QVERIFY(QTest::qWaitFor([&] { return !errors.isEmpty(); }, kWaitMs));
            QCOMPARE(client.error(), QAbstractSocket::ConnectionRefusedError);
            // Under ctest -j another simulator must not get the port meanwhile.
            QTcpServer other;
            QVERIFY(!other.listen(QHostAddress::LocalHost, port));
        }
    }

    void onlyLoopback()
    {
        UnitSimulator unit;
        QVERIFY(!unit.listen(QHostAddress(QHostAddress::AnyIPv4), 0));
        QVERIFY(!unit.listen(QHostAddress(QStringLiteral("192.168.0.50")), 0));
        QVERIFY(!unit.errorString().isEmpty());
        QVERIFY(!unit.isListening());
        QVERIFY(unit.listen(QHostAddress(QHostAddress::LocalHost), 0));
    }

    // What the unit wrote out is exactly what the file held, minus the lines an uploader skips.
    void writtenHexEqualsSentLines()
    {
        HexFileGenerator generator;
        generator.setDataRecords(40);
        generator.setSkippedRecords(0);
        const QByteArrayList lines = generator.expectedSentLines();
        QCOMPARE(lines, generator.lines());

        UnitSimulator unit;
        QVERIFY(unit.listen());
        QSignalSpy finished(&unit, &UnitSimulator::connectionFinished);
        Client client;
        QVERIFY(client.connectTo(unit.serverPort()));
        client.exchange(kKestrelRequest);
        for (const QByteArray &line : lines)
            QCOMPARE(hex(client.exchange(line)), hex(answer(ResponseCode::Ack)));
        client.socket().disconnectFromHost();
        QVERIFY(waitForFinished(finished));

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("received.hex"));
        QVERIFY(unit.writeHex(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), generator.contents());

        const ConnectionSummary summary = unit.summaries().last();
        QCOMPARE(summary.records, int(lines.size()));
        QCOMPARE(summary.outcome(), QStringLiteral("complete"));
        QVERIFY(summary.toString().contains(QLatin1String("profile Kestrel Max")));
        QCOMPARE(unit.bytesReceived(), qint64(kKestrelRequest.size() + lines.join().size()));
    }

    // One connection at a time: a second client waits until the first has gone.
    void connectionsInARow()
    {
        UnitSimulator unit;
        QVERIFY(unit.listen());
        QSignalSpy finished(&unit, &UnitSimulator::connectionFinished);
        Client first;
        Client second;
        QVERIFY(first.connectTo(unit.serverPort()));
        QCOMPARE(hex(first.exchange(kKestrelRequest)), hex(answer(ResponseCode::Ack)));
        QVERIFY(second.connectTo(unit.serverPort()));
        second.send(kKestrelRequest + kRecord2);
        QCOMPARE(hex(second.rest()), QString());
        QCOMPARE(hex(first.exchange(kRecord1)), hex(answer(ResponseCode::Ack)));
        first.socket().disconnectFromHost();

        QCOMPARE(hex(second.receive(16)),
                 hex(answer(ResponseCode::Ack) + answer(ResponseCode::Ack)));
        second.socket().disconnectFromHost();
        QVERIFY(waitForFinished(finished, 2));
        QCOMPARE(unit.connectionCount(), 2);
        QCOMPARE(finished[0][0].value<ConnectionSummary>().number, 1);
        QCOMPARE(finished[1][0].value<ConnectionSummary>().number, 2);
        QCOMPARE(unit.records(1), QByteArrayList{kRecord1});
        QCOMPARE(unit.records(2), QByteArrayList{kRecord2});
        QCOMPARE(unit.records(), (QByteArrayList{kRecord1, kRecord2}));
        QCOMPARE(unit.bytesReceived(),
                 qint64(2 * kKestrelRequest.size() + kRecord1.size() + kRecord2.size()));
    }
};

QTEST_GUILESS_MAIN(tst_UnitSimulator)
#include "tst_unitsimulator.moc"
