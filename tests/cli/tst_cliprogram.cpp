#include "HexFileGenerator.h"
#include "TestSupport.h"
#include "UnitSimProcess.h"
#include "platform/SettingsStore.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <pty.h>
#include <unistd.h>

namespace {

constexpr int kWaitMs = 15000;
const QString kTitle = QStringLiteral("Kestrel Max Firmware Uploader");
const QString kHost = QStringLiteral("127.0.0.1");

// The simulated unit built with the tests.
struct UnitSim : UnitSimProcess
{
    explicit UnitSim(const QStringList &arguments)
        : UnitSimProcess(QStringLiteral(UNIT_SIM_PATH), arguments)
    {}
};

struct Result
{
    int exitCode = -1;
    QStringList lines; // standard output
    QString errors;    // standard error
};

} // namespace

class tst_CliProgram : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    HexFileGenerator m_generator;
    QString m_hexPath;

    // A private settings folder and a sped-up clock for each run.
    QProcessEnvironment environment(const QString &timeScale = "0.02") const
    {
        return TestSupport::programEnvironment(m_dir->filePath("config"), timeScale);
    }

    SettingsStore settings() const { return SettingsStore(m_dir->filePath("config")); }

    Result run(const QStringList &arguments, const QProcessEnvironment &env)
    {
        QProcess cli;
        cli.setProcessEnvironment(env);
        cli.start(QStringLiteral(CLI_PATH), arguments);
        Result result;
        if (!cli.waitForFinished(kWaitMs) || cli.exitStatus() != QProcess::NormalExit) {
            cli.kill();
            cli.waitForFinished();
            return result;
        }
        result.exitCode = cli.exitCode();
        result.lines = QString::fromUtf8(cli.readAllStandardOutput()).split('\n');
        if (result.lines.last().isEmpty())
            result.lines.removeLast();
        result.errors = QString::fromUtf8(cli.readAllStandardError());
        return result;
    }

    QStringList upload(const QString &port, const QStringList &extra = {},
                       const QString &address = kHost)
    {
        return QStringList{"--title", kTitle, "--address", address, "--port", port} + extra +
               QStringList{m_hexPath};
    }

    static void verifyInOrder(const QStringList &lines, const QStringList &expected)
    {
        qsizetype at = 0;
        for (const QString &line : expected) {
            at = lines.indexOf(line, at);
            QVERIFY2(at >= 0, qPrintable("missing or out of order: \"" + line + "\" in\n" +
                                         lines.join('\n')));
        }
    }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_generator = HexFileGenerator();
        m_generator.setDataRecords(40);
        m_hexPath = m_dir->filePath("firmware.hex");
        QVERIFY(m_generator.write(m_hexPath));
    }

    void finishedUpload_data()
    {
        QTest::addColumn<bool>("saveSettings");
        QTest::newRow("operator's settings left alone") << false;
        QTest::newRow("--save-settings") << true;
    }

    void finishedUpload()
    {
        QFETCH(bool, saveSettings);
        const QString received = m_dir->filePath("received.hex");
        UnitSim sim({"--connections", "1", "--write-hex", received});
        QVERIFY(!sim.port.isEmpty());

        const Result result =
            run(upload(sim.port, saveSettings ? QStringList{"--save-settings"} : QStringList{}),
                environment());
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.lines.value(0), "Connecting to " + kHost);
        verifyInOrder(result.lines, {"Sending firmware...", "Upload complete."});
        const qsizetype elapsed = result.lines.indexOf("Upload complete.") + 1;
        QVERIFY(QRegularExpression("^Upload complete, \\d+ seconds\\.$")
                    .match(result.lines.value(elapsed))
                    .hasMatch());
        QCOMPARE(
            result.lines.mid(elapsed + 1),
            QStringList({"Writing firmware, DO NOT REMOVE POWER!", "Waiting for unit to reboot....",
                         " ", " ", "Done!  Unit is ready to use.", " "}));
        // Standard error is a pipe here: no progress line, nothing else either.
        QCOMPARE(result.errors, QString());

        QCOMPARE(sim.summaries().size(), 1);
        QFile file(received);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), m_generator.expectedSentLines().join("\r\n") + "\r\n");
        QCOMPARE(settings().read(kTitle, "Settings", "EthernetPort", "(none)"),
                 saveSettings ? sim.port : "(none)");
    }

    void savedSettingsAreTheDefaults()
    {
        UnitSim sim({"--connections", "1"});
        SettingsStore store = settings();
        store.write(kTitle, "Settings", "EthernetAddress", kHost);
        store.write(kTitle, "Settings", "EthernetPort", sim.port);
        const Result result = run({"--title", kTitle, m_hexPath}, environment());
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.lines.value(0), "Connecting to " + kHost);
    }

    void failedUpload_data()
    {
        QTest::addColumn<QStringList>("simArguments");
        QTest::addColumn<QStringList>("cliArguments");
        QTest::addColumn<QString>("address");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("logLine"); // the start of a line

        QTest::newRow("refused record") << QStringList{"--fault", "nak-checksum@3"} << QStringList{}
                                        << kHost << 1 << "NAK - Incorrect Checksum";
        QTest::newRow("other product") << QStringList{"--profile", "Corvus"} << QStringList{}
                                       << kHost << 1 << "NAK - Incorrect Product Code";
        QTest::newRow("nothing listens")
            << QStringList{"--fault", "no-server"} << QStringList{} << kHost << 2
            << "Could not establish connection to 127.0.0.1";
        QTest::newRow("never accepted")
            << QStringList{"--fault", "never-accept"} << QStringList{} << kHost << 2
            << "Could not establish connection to 127.0.0.1";
        QTest::newRow("unit closes") << QStringList{"--fault", "close@3"} << QStringList{} << kHost
                                     << 3 << "The connection to the unit was lost";
        QTest::newRow("unit resets") << QStringList{"--fault", "reset@3"} << QStringList{} << kHost
                                     << 3 << "The connection to the unit was lost";
        QTest::newRow("unit falls silent")
            << QStringList{"--fault", "silent@3"} << QStringList{"--response-timeout", "2000"}
            << kHost << 3 << "The unit stopped answering: no response for 2 seconds.";
        // Refused by the engine rather than the command line: dotted numbers that are no IPv4
        // address are never looked up as a name.
        QTest::newRow("bad address") << QStringList{} << QStringList{} << "300.1.2.3" << 4
                                     << "Address \"300.1.2.3\" is not valid";
    }

    void failedUpload()
    {
        QFETCH(QStringList, simArguments);
        QFETCH(QStringList, cliArguments);
        QFETCH(QString, address);
        QFETCH(int, exitCode);
        QFETCH(QString, logLine);

        UnitSim sim(simArguments);
        QVERIFY(!sim.port.isEmpty());
        const Result result = run(upload(sim.port, cliArguments, address), environment());
        QCOMPARE(result.exitCode, exitCode);
        QVERIFY2(!result.lines.filter(QRegularExpression("^" + QRegularExpression::escape(logLine)))
                      .isEmpty(),
                 qPrintable(result.lines.join('\n')));
        QCOMPARE(result.lines.last(), "Disconnecting from " + address);
        QVERIFY(!result.lines.contains("Done!  Unit is ready to use."));
        QVERIFY(result.errors.startsWith("firmware-uploader-cli: "));
    }

    // Nothing reaches the network: a bad file or a missing address fails at once on stderr.
    void refusedBeforeConnecting_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("firmware"); // "" keeps the good file
        QTest::addColumn<QString>("message");

        QTest::newRow("damaged file")
            << QStringList{"--address", kHost} << ":0400000001020304F3\r\n:00000001FF\r\n"
            << "is not valid Intel HEX: line 1: checksum";
        QTest::newRow("missing file") << QStringList{"--address", kHost} << "-"
                                      << "cannot open the firmware file";
        QTest::newRow("profile without address")
            << QStringList{"--title", "TAPdeck Uploader", "--port", "23"} << ""
            << "give --address";
        QTest::newRow("bad saved port") << QStringList{"--address", kHost} << ""
                                        << "";
    }

    void refusedBeforeConnecting()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, firmware);
        QFETCH(QString, message);

        if (firmware == "-") {
            QVERIFY(QFile::remove(m_hexPath));
        } else if (!firmware.isEmpty()) {
            QFile file(m_hexPath);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(firmware.toLatin1());
        }
        // The saved port is what the window would use; an unusable one ends the attempt.
        settings().write(kTitle, "Settings", "EthernetPort", "12x");

        UnitSim sim({"--verbose"});
        const QStringList title =
            arguments.contains("--title") ? QStringList{} : QStringList{"--title", kTitle};
        const Result result = run(title + arguments + QStringList{m_hexPath}, environment());
        QCOMPARE(result.exitCode, 4);
        if (message.isEmpty()) {
            QVERIFY(result.lines.contains("Port \"12x\" is not a whole number from 1 to 65535."));
        } else {
            QVERIFY(result.lines.isEmpty());
            QVERIFY2(result.errors.contains(message), qPrintable(result.errors));
        }
        sim.process.kill();
        sim.process.waitForFinished(kWaitMs);
        QVERIFY(!sim.process.readAllStandardError().contains("connection 1 open"));
    }

    // The parsing itself is covered in-process; here, what the program does with a refusal.
    void badArguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("timeScale");
        QTest::newRow("no file") << QStringList{} << "0.02";
        QTest::newRow("port out of range")
            << QStringList{"--address", kHost, "--port", "70000", "f.hex"} << "0.02";
        QTest::newRow("time scale") << QStringList{"--address", kHost, "f.hex"} << "fast";
    }

    void badArguments()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, timeScale);
        const Result result = run(arguments, environment(timeScale));
        QCOMPARE(result.exitCode, 4);
        QVERIFY(result.lines.isEmpty());
        QVERIFY2(result.errors.startsWith("firmware-uploader-cli: "), qPrintable(result.errors));
        if (timeScale != "fast")
            QVERIFY2(result.errors.contains("Usage: firmware-uploader-cli"),
                     qPrintable(result.errors));
    }

    void helpAndVersion()
    {
        const Result help = run({"--help"}, environment());
        QCOMPARE(help.exitCode, 0);
        QVERIFY(help.lines.contains("Exit codes:"));
        QVERIFY(help.lines.contains("  130  interrupted (SIGINT or SIGTERM)"));
        const Result version = run({"--version"}, environment());
        QCOMPARE(version.exitCode, 0);
        QVERIFY(QRegularExpression("^firmware-uploader-cli \\d+\\.\\d+\\.\\d+$")
                    .match(version.lines.value(0))
                    .hasMatch());
    }

    void loopMode_data()
    {
        QTest::addColumn<QString>("count");
        QTest::addColumn<QStringList>("simArguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<int>("finished");

        QTest::newRow("three uploads") << "3" << QStringList{"--connections", "3"} << 0 << 3;
        QTest::newRow("no end until refused")
            << "0" << QStringList{"--connections", "3", "--fault", "nak-checksum@2#3"} << 1 << 2;
    }

    void loopMode()
    {
        QFETCH(QString, count);
        QFETCH(QStringList, simArguments);
        QFETCH(int, exitCode);
        QFETCH(int, finished);

        UnitSim sim(simArguments);
        const Result result = run(upload(sim.port, {"--loop", count}), environment());
        QCOMPARE(result.exitCode, exitCode);
        QCOMPARE(result.lines.count("Done!  Unit is ready to use."), finished);
        // The unit saw exactly three uploads: none was started after the last one counted.
        const QStringList summaries = sim.summaries();
        QCOMPARE(summaries.size(), 3);
        QCOMPARE(summaries.filter("outcome: complete").size(), finished);
    }

    void interrupted_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<QString>("interruptAfter");

        // Real time: the slow transfer and the reboot wait would each take seconds more.
        QTest::newRow("SIGINT in the transfer")
            << int(SIGINT) << QStringList{"--slow"} << "Sending firmware...";
        QTest::newRow("SIGTERM in the transfer")
            << int(SIGTERM) << QStringList{"--slow"} << "Sending firmware...";
        QTest::newRow("SIGINT in the reboot wait")
            << int(SIGINT) << QStringList{} << "Writing firmware, DO NOT REMOVE POWER!";
    }

    void interrupted()
    {
        QFETCH(int, signalNumber);
        QFETCH(QStringList, extra);
        QFETCH(QString, interruptAfter);

        m_generator.setDataRecords(400);
        QVERIFY(m_generator.write(m_hexPath));
        UnitSim sim({});
        QProcess cli;
        cli.setProcessEnvironment(environment(QString()));
        cli.start(QStringLiteral(CLI_PATH), upload(sim.port, extra));
        QByteArray output;
        while (!output.contains(interruptAfter.toLatin1()) && cli.waitForReadyRead(kWaitMs))
            output += cli.readAllStandardOutput();
        QVERIFY2(output.contains(interruptAfter.toLatin1()), output.constData());

        QElapsedTimer sinceSignal;
        sinceSignal.start();
        QCOMPARE(::kill(pid_t(cli.processId()), signalNumber), 0);
        QVERIFY(cli.waitForFinished(kWaitMs));
        QCOMPARE(cli.exitStatus(), QProcess::NormalExit);
        QCOMPARE(cli.exitCode(), 130);
        QVERIFY2(sinceSignal.elapsed() < 3000, qPrintable(QString::number(sinceSignal.elapsed())));
        QVERIFY(!cli.readAllStandardOutput().contains("Done!"));
        QVERIFY(cli.readAllStandardError().contains("interrupted"));
    }

    // On a terminal the progress is redrawn in place on standard error; the log stays clean.
    void progressOnATerminal()
    {
        m_generator.setDataRecords(400);
        QVERIFY(m_generator.write(m_hexPath));
        int master = -1;
        int slave = -1;
        QCOMPARE(::openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
        ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);

        UnitSim sim({"--connections", "1"});
        QProcess cli;
        // A slow transfer at a tenth of real time lasts about a second: several redraws.
        cli.setProcessEnvironment(environment("0.1"));
        cli.setChildProcessModifier([slave] { ::dup2(slave, STDERR_FILENO); });
        cli.start(QStringLiteral(CLI_PATH), upload(sim.port, {"--slow"}));
        ::close(slave);
        QByteArray terminal;
        auto drain = [&] {
            char buffer[4096];
            ssize_t n = 0;
            while ((n = ::read(master, buffer, sizeof buffer)) > 0)
                terminal.append(buffer, n);
        };
        QElapsedTimer timer;
        timer.start();
        while (!cli.waitForFinished(20) && timer.elapsed() < kWaitMs)
            drain();
        drain();
        ::close(master);

        QCOMPARE(cli.exitCode(), 0);
        const QByteArray log = cli.readAllStandardOutput();
        QVERIFY(log.contains("Done!  Unit is ready to use."));
        QVERIFY(!log.contains('\r') && !log.contains("records"));

        const qint64 elapsedMs = timer.elapsed();
        const QString text = QString::fromLatin1(terminal);
        const QString total = QString::number(m_generator.expectedSentLines().size());
        qsizetype draws = 0;
        for (auto it = QRegularExpression("\r\\d+/" + total + " records").globalMatch(text);
             it.hasNext(); it.next())
            ++draws;
        QVERIFY2(text.contains("\r" + total + "/" + total + " records  100%"),
                 terminal.constData());
        // At most about ten a second, however fast the records go; one per record would be 400.
        QVERIFY2(draws >= 2 && draws <= elapsedMs / 80 + 5,
                 qPrintable(QStringLiteral("%1 draws in %2 ms").arg(draws).arg(elapsedMs)));
    }
};

QTEST_GUILESS_MAIN(tst_CliProgram)
#include "tst_cliprogram.moc"
