#include "TestSupport.h"
#include "connection/ProductProfile.h"
#include "protocol/UnitProtocol.h"

#include <QtTest>

using TestSupport::bytes;
using TestSupport::hex;

class tst_UnitProtocol : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void programmingRequest_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QByteArray>("request");
        QTest::newRow("TAPdeck") << "TAPdeck Firmware Uploader" << bytes("FE55AA01012DD4");
        QTest::newRow("Meridian 8") << "Meridian 8 Firmware Uploader" << bytes("FE55AA01022DD3");
        QTest::newRow("Kestrel Max") << "Kestrel Max Firmware Uploader" << bytes("FE55AA010131D0");
        QTest::newRow("Corvus") << "Corvus Firmware Uploader" << bytes("FE55AA010036CC");
        QTest::newRow("exact name") << "Corvus" << bytes("FE55AA010036CC");
        QTest::newRow("Debug variant")
            << "Kestrel Max Firmware Uploader Debug" << bytes("FE55AA010131D0");
        QTest::newRow("other case") << "kestrel max Firmware Uploader" << QByteArray();
        QTest::newRow("prefix too short") << "Corv" << QByteArray();
        QTest::newRow("no profile") << "Firmware Uploader" << QByteArray();
        QTest::newRow("leading space") << " Kestrel Max" << QByteArray();
    }

    void programmingRequest()
    {
        QFETCH(QString, title);
        QFETCH(QByteArray, request);
        QCOMPARE(hex(UnitProtocol::programmingRequest(title)), hex(request));
    }

    void everyRequestSumsToZero()
    {
        for (const ProductProfile &profile : ProductProfile::all()) {
            const QByteArray request = profile.requestBytes();
            QCOMPARE(request.size(), 7);
            int sum = 0;
            for (char byte : request)
                sum += quint8(byte);
            QCOMPARE(sum & 0xFF, 0);
            QCOMPARE(UnitProtocol::checksum(request.left(6)), quint8(request.at(6)));
        }
    }

    void displayPacketsOnlyForMeridian()
    {
        const QList<QByteArray> packets =
            UnitProtocol::displayTextPackets("Meridian 8 Firmware Uploader");
        QCOMPARE(packets.size(), 3);
        QCOMPARE(hex(packets[0]), hex(bytes("F07D2D0200F7")));
        QCOMPARE(hex(packets[1]), hex(bytes("F07D2D010014") + "Updating firmware..." + "\xF7"));
        QCOMPARE(hex(packets[2]),
                 hex(bytes("F07D2D014019") + "Do not press any buttons!" + "\xF7"));
        QCOMPARE(packets[0].size(), 6);
        QCOMPARE(packets[1].size(), 27);
        QCOMPARE(packets[2].size(), 32);
        for (const QByteArray &packet : packets) {
            for (char byte : packet.mid(1, packet.size() - 2))
                QVERIFY(quint8(byte) < 0x80);
        }
        QVERIFY(UnitProtocol::displayTextPackets("Kestrel Max Firmware Uploader").isEmpty());
        QVERIFY(UnitProtocol::displayTextPackets("meridian 8").isEmpty());
        QVERIFY(UnitProtocol::displayTextPackets("TAPdeck").isEmpty());
    }

    void displayTextLengthIsComputed()
    {
        const QByteArray packet = UnitProtocol::displayTextPacket(0x2D, 0x10, "AB");
        QCOMPARE(hex(packet), hex(bytes("F07D2D01100241 42F7")));
        QCOMPARE(packet.size(), 7 + 2);
    }

    void recognition_data()
    {
        QTest::addColumn<QByteArray>("buffer");
        QTest::addColumn<int>("code"); // -1: not recognised
        QTest::addColumn<int>("taken");
        QTest::newRow("ack") << bytes("FD55AA00 12345678") << 0x00 << 8;
        QTest::newRow("nak checksum") << bytes("FD55AA01 00000000") << 0x01 << 8;
        QTest::newRow("nak product") << bytes("FD55AA02 FFFFFFFF") << 0x02 << 8;
        QTest::newRow("nak record type") << bytes("FD55AA03 00000000") << 0x03 << 8;
        QTest::newRow("unknown") << bytes("FD55AAFF 00000000") << 0xFF << 6;
        QTest::newRow("code 04") << bytes("FD55AA04 00000000") << -1 << 0;
        QTest::newRow("wrong lead") << bytes("FE55AA00 00000000") << -1 << 0;
        QTest::newRow("wrong header") << bytes("FD55AB00 00000000") << -1 << 0;
        QTest::newRow("short") << bytes("FD55AA") << -1 << 0;
    }

    void recognition()
    {
        QFETCH(QByteArray, buffer);
        QFETCH(int, code);
        QFETCH(int, taken);
        const std::optional<ResponseCode> recognised = UnitProtocol::recognise(buffer);
        QCOMPARE(recognised.has_value(), code >= 0);
        if (recognised) {
            QCOMPARE(int(*recognised), code);
            QCOMPARE(UnitProtocol::consumedLength(*recognised), taken);
        }
    }

    void responseBuildsEightBytes()
    {
        QCOMPARE(hex(UnitProtocol::response(ResponseCode::Ack, bytes("01020304"))),
                 hex(bytes("FD55AA0001020304")));
        QCOMPARE(UnitProtocol::response(ResponseCode::Unknown).size(), 8);
    }
};

QTEST_GUILESS_MAIN(tst_UnitProtocol)
#include "tst_unitprotocol.moc"
