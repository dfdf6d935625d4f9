#include "EngineRig.h"
#include "HexFileGenerator.h"
#include "TestSupport.h"
#include "platform/Clock.h"
#include "platform/UnitSocket.h"
#include "platform/WaitableTimer.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

namespace {

constexpr double kFast = 0.02;

// A socket whose every connect fails the way a name that no server knows does: the error is
// raised from the event loop, as a real socket raises it, and nothing is ever looked up.
class HostNotFoundSocket : public UnitSocket
{
public:
    using UnitSocket::UnitSocket;

    void setRemotePort(int port) override { m_port = port; }
    int remotePort() const override { return m_port; }
    bool setRemoteHost(const QString &host) override
    {
        m_host = host;
        return true;
    }
    QString remoteHost() const override { return m_host; }

    void connectToUnit() override
    {
        ++connects;
        m_state = ResolvingHost;
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_state = Error;
                Q_EMIT error(HostNotFound, QStringLiteral("Host not found"));
            },
            Qt::QueuedConnection);
    }
    void close() override
    {
        ++closes;
        m_state = Closed;
    }
    int state() const override { return m_state; }
    void send(const QByteArray &bytes) override { sent += bytes; }
    QByteArray receiveAll() override { return {}; }

    int connects = 0;
    int closes = 0;
    QByteArray sent;

private:
    int m_port = 0;
    QString m_host;
    int m_state = Closed;
};

// What a file looked like, to prove that an upload never writes to it.
struct Snapshot
{
    bool exists = false;
    QByteArray contents;
    QDateTime modified;
    QStringList entries;

    static Snapshot of(const QString &path)
    {
        Snapshot s;
        const QFileInfo info(path);
        s.exists = info.exists();
        s.modified = info.lastModified();
        if (info.isDir()) {
            s.entries = QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        } else if (info.isFile()) {
            // Read as the owner would, whatever the mode says.
            QFile file(path);
            const QFile::Permissions mode = file.permissions();
            file.setPermissions(mode | QFile::ReadOwner);
            if (file.open(QIODevice::ReadOnly))
                s.contents = file.readAll();
            file.close();
            file.setPermissions(mode);
        }
        return s;
    }

    bool operator==(const Snapshot &other) const = default;
};

} // namespace

class tst_BadInputs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { WaitableTimer::resume(); }

    void unusableFirmwareFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("complaint");

        HexFileGenerator withoutEnd;
        withoutEnd.setDataRecords(8);
        withoutEnd.setEndRecord(false);
        QByteArray binary("\0\x01\xFE\xFF\x7F\0\0\x80", 8);
        for (int i = 0; i < 2000; ++i)
            binary.append(char((i * 7919 + 13) % 256));
        const QByteArray endRecord = TestSupport::hexRecord(0, 0x01, {}) + "\r\n";

        QTest::newRow("removed before the start")
            << "missing" << QByteArray() << "the file does not exist";
        QTest::newRow("empty") << "file" << QByteArray() << "the file is empty";
        QTest::newRow("binary with NUL bytes")
            << "file" << binary << "line 1: does not start with ':' but with byte 0x00";
        QTest::newRow("nothing but CR")
            << "file" << QByteArray(64, '\r') << "the file holds no records, only empty lines";
        QTest::newRow("nothing but LF")
            << "file" << QByteArray(64, '\n') << "the file holds no records, only empty lines";
        QTest::newRow("no end record")
            << "file" << withoutEnd.contents()
            << "the file does not end with an end-of-file record (type 01)";
        QTest::newRow("one 4 MiB line")
            << "file" << ':' + QByteArray(4 * 1024 * 1024, '0') + "\r\n" + endRecord
            << "line 1: longer than any record can be";
        QTest::newRow("a folder") << "folder" << QByteArray() << "it is a folder, not a file";
    }

    // The file is checked once the unit is connected, before anything goes to it: each bad file
    // ends the attempt with a line that names the problem, and the window is ready again.
    void unusableFirmwareFiles()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, contents);
        QFETCH(QString, complaint);
        TestSupport::TimeScale fast(kFast);
        EngineRig rig;
        const QString path = rig.dir.path() + "/firmware.hex";
        QVERIFY(QFile::remove(path));
        if (kind == "file")
            rig.writeFirmware(contents);
        else if (kind == "folder")
            QVERIFY(QDir(rig.dir.path()).mkpath("firmware.hex"));
        rig.engine.state().FirmwarePath = path;
        const Snapshot before = Snapshot::of(path);

        QVERIFY(rig.runUpload(10000));
        QCOMPARE(rig.outcomes, QList<UploadOutcome>{UploadOutcome::BadInput});
        const QStringList lines = rig.lines();
        const QString problem = lines.value(lines.size() - 2);
        QVERIFY2(problem.contains(complaint), qPrintable(lines.join('\n')));
        QVERIFY2(problem.contains(QFileInfo(path).fileName()), qPrintable(problem));
        QCOMPARE(lines.last(), QString("Disconnecting from 127.0.0.1"));
        QCOMPARE(rig.log().backColour().value(), ActivityLog::kRed);
        QVERIFY(rig.allStartControlsEnabled());
        QVERIFY(!rig.engine.isBusy());
        for (const QString &line : lines) {
            QVERIFY2(line.size() < 400, "a log line carries the file's contents");
            QVERIFY(!line.contains(QChar(0)));
        }

        QVERIFY(rig.unit.received().isEmpty());
        QVERIFY(ScriptedUnit::waitFor([&] { return !rig.unit.isConnected(); }));
        QVERIFY2(Snapshot::of(path) == before, "the upload changed the firmware file");
        QCOMPARE(rig.savedAddress(), QString("(none)"));
    }

    // A file without read permission cannot be opened, except by the superuser, who may read
    // anything; either way the file stays as it was and the outcome is the truthful one.
    void fileWithoutReadPermission()
    {
        TestSupport::TimeScale fast(kFast);
        EngineRig rig;
        const QByteArray contents = TestSupport::hexFile(5);
        const QString path = rig.writeFirmware(contents);
        QVERIFY(QFile::setPermissions(path, {}));
        const Snapshot before = Snapshot::of(path);
        QFile probe(path);
        const bool readable = probe.open(QIODevice::ReadOnly);
        probe.close();

        QVERIFY(rig.runUpload(10000));
        const QStringList lines = rig.lines();
        if (readable) {
            QCOMPARE(rig.outcomes, QList<UploadOutcome>{UploadOutcome::Finished});
            QCOMPARE(rig.unit.records().size(), 6);
            QCOMPARE(rig.unit.records().join("\r\n") + "\r\n", contents);
            QCOMPARE(rig.log().backColour().value(), ActivityLog::kGreen);
        } else {
            QCOMPARE(rig.outcomes, QList<UploadOutcome>{UploadOutcome::BadInput});
            QVERIFY2(lines.value(lines.size() - 2).contains("permission denied"),
                     qPrintable(lines.join('\n')));
            QVERIFY(rig.unit.received().isEmpty());
            QCOMPARE(rig.log().backColour().value(), ActivityLog::kRed);
        }
        QVERIFY(rig.allStartControlsEnabled());
        QVERIFY(Snapshot::of(path) == before);
    }

    // Settings that cannot be written do not undo a finished upload, but the log says so: the
    // next start would otherwise quietly show the profile's default unit.
    void unwritableSettingsAreSaidAfterAFinishedUpload()
    {
        TestSupport::TimeScale fast(kFast);
        EngineRig rig;
        QVERIFY(QFile(rig.dir.path() + "/settings").open(QIODevice::WriteOnly));

        QVERIFY(rig.runUpload(10000));
        QCOMPARE(rig.outcomes, QList<UploadOutcome>{UploadOutcome::Finished});
        QCOMPARE(rig.lines().last(), "Address and port not saved: cannot write " +
                                         rig.settings.fileName(rig.engine.title()));
        QCOMPARE(rig.log().backColour().value(), ActivityLog::kGreen);
        QVERIFY(rig.allStartControlsEnabled());
    }

    // A name that no server knows: the socket reports it, the watch runs out, and the attempt
    // ends like any failed connection.
    void hostNotFound()
    {
        TestSupport::TimeScale fast(kFast);
        QTemporaryDir dir;
        BasicUploadView view;
        HostNotFoundSocket socket;
        SettingsStore settings(dir.path() + "/settings");
        UploadEngine engine(QStringLiteral("Kestrel Max Firmware Uploader"), view, socket,
                            settings);
        QList<UploadOutcome> outcomes;
        connect(&engine, &UploadEngine::attemptEnded,
                [&](UploadOutcome outcome) { outcomes << outcome; });
        const QString path = dir.path() + "/firmware.hex";
        QVERIFY(TestSupport::writeFile(path, TestSupport::hexFile(3)));
        engine.state().FirmwarePath = path;
        view.setEthernetAddress(QStringLiteral("unit-nobody-knows"));
        view.setEthernetPort(QStringLiteral("2101"));

        engine.LoadStart_Click();
        QVERIFY(ScriptedUnit::waitFor([&] { return !outcomes.isEmpty(); }, 5000));
        QCOMPARE(outcomes, QList<UploadOutcome>{UploadOutcome::ConnectFailed});
        QCOMPARE(socket.connects, 1);
        QCOMPARE(socket.remoteHost(), QString("unit-nobody-knows"));
        QCOMPARE(socket.remotePort(), 2101);

        const QStringList lines = view.activityLog().lines();
        const auto at = [&](const QString &line) { return lines.indexOf(line); };
        QVERIFY2(at("Ethernet Error 11001") > 0, qPrintable(lines.join('\n')));
        QCOMPARE(lines.value(at("Ethernet Error 11001") + 1), QString("Host not found"));
        QVERIFY(at("Ethernet Error 11001") < at("Unit not responding!"));
        QVERIFY(at("Unit not responding!") <
                at("Could not establish connection to unit-nobody-knows"));
        QCOMPARE(lines.last(), QString("Disconnecting from unit-nobody-knows"));
        QVERIFY(lines.filter("Hint:").isEmpty());
        QCOMPARE(view.activityLog().backColour().value(), ActivityLog::kRed);

        QVERIFY(socket.sent.isEmpty());
        QCOMPARE(socket.state(), int(UnitSocket::Closed));
        QVERIFY(!engine.isBusy());
        for (StartControl control : {StartControl::LoadStart, StartControl::FirmwareFile,
                                     StartControl::EthernetAddress, StartControl::EthernetPort})
            QVERIFY(view.isControlEnabled(control));
        QCOMPARE(settings.read(engine.title(), "Settings", "EthernetAddress", "(none)"),
                 QString("(none)"));
    }
};

QTEST_GUILESS_MAIN(tst_BadInputs)
#include "tst_badinputs.moc"
