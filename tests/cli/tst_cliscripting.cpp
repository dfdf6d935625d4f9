// What scripts and test rigs rely on: JSON Lines, the file check, the pinned image, retries,
// signals and the standard descriptors.

#include "HexFileGenerator.h"
#include "MinisignTool.h"
#include "TestSupport.h"
#include "UnitSimProcess.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace {

constexpr int kWaitMs = 15000;
const QString kHost = QStringLiteral("127.0.0.1");
const QString kTitle = QStringLiteral("Kestrel Max Firmware Uploader");

struct Run
{
    int exitCode = -1;
    QList<QJsonObject> events;
    QStringList lines;
    QString errors;
};

// Every line of standard output must be one JSON object whose first field is "event".
QList<QJsonObject> parseJsonLines(const QByteArray &output, QString *problem)
{
    QList<QJsonObject> events;
    for (const QByteArray &line : output.split('\n')) {
        if (line.isEmpty())
            continue;
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(line, &error);
        if (error.error != QJsonParseError::NoError || !document.isObject() ||
            !line.startsWith("{\"event\":\"")) {
            *problem = "not a JSON Lines event: " + QString::fromUtf8(line);
            return {};
        }
        events.append(document.object());
    }
    return events;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList eventNames(const QList<QJsonObject> &events)
{
    QStringList names;
    for (const QJsonObject &event : events)
        names.append(event.value("event").toString());
    return names;
}

} // namespace

class tst_CliScripting : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    HexFileGenerator m_generator;
    QString m_hexPath;

    QProcessEnvironment environment(const QString &timeScale = "0.02") const
    {
        return TestSupport::programEnvironment(m_dir->filePath("config"), timeScale);
    }

    static QStringList upload(const QString &port, const QStringList &extra = {})
    {
        return QStringList{"--title", kTitle, "--address", kHost, "--port", port} + extra;
    }

    static Run collect(QProcess &cli)
    {
        Run run;
        if (!cli.waitForFinished(kWaitMs) || cli.exitStatus() != QProcess::NormalExit) {
            cli.kill();
            cli.waitForFinished();
            return run;
        }
        run.exitCode = cli.exitCode();
        const QByteArray output = cli.readAllStandardOutput();
        run.lines = QString::fromUtf8(output).split('\n', Qt::SkipEmptyParts);
        run.errors = QString::fromUtf8(cli.readAllStandardError());
        QString problem;
        run.events = parseJsonLines(output, &problem);
        if (!problem.isEmpty())
            run.errors.prepend(problem + '\n');
        return run;
    }

    Run run(const QStringList &arguments, const QString &timeScale = "0.02")
    {
        QProcess cli;
        cli.setProcessEnvironment(environment(timeScale));
        cli.start(QStringLiteral(CLI_PATH), arguments);
        return collect(cli);
    }

    UnitSimProcess unitSim(const QStringList &arguments, const QString &port = "0")
    {
        return UnitSimProcess(QStringLiteral(UNIT_SIM_PATH), arguments, port);
    }

    // Starts the program and signals it once its output holds the text.
    Run signalAfter(const QStringList &arguments, const QByteArray &text, int signalNumber)
    {
        QProcess cli;
        cli.setProcessEnvironment(environment(QString()));
        cli.start(QStringLiteral(CLI_PATH), arguments);
        QByteArray seen;
        while (!seen.contains(text) && cli.waitForReadyRead(kWaitMs))
            seen += cli.peek(1 << 20);
        if (!seen.contains(text))
            return {};
        QElapsedTimer sinceSignal;
        sinceSignal.start();
        ::kill(pid_t(cli.processId()), signalNumber);
        Run result = collect(cli);
        if (sinceSignal.elapsed() > 3000)
            result.exitCode = -2;
        return result;
    }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_generator = HexFileGenerator();
        m_generator.setDataRecords(40);
        m_generator.setSkippedRecords(2);
        m_hexPath = m_dir->filePath("firmware.hex");
        QVERIFY(m_generator.write(m_hexPath));
    }

    void jsonLines_data()
    {
        QTest::addColumn<QStringList>("simArguments");
        QTest::addColumn<QString>("firmware"); // replaces the good file when not empty
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<int>("signalNumber"); // 0: none
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("outcome");

        QTest::newRow("finished") << QStringList{"--connections", "1"} << QString() << QStringList{}
                                  << 0 << 0 << "finished";
        QTest::newRow("refused") << QStringList{"--fault", "nak-checksum@3"} << QString()
                                 << QStringList{} << 0 << 1 << "refused";
        QTest::newRow("could not connect") << QStringList{"--fault", "no-server"} << QString()
                                           << QStringList{} << 0 << 2 << "connect_failed";
        QTest::newRow("bad file") << QStringList{} << ":0400000001020304F3\r\n:00000001FF\r\n"
                                  << QStringList{} << 0 << 4 << "bad_input";
        QTest::newRow("bad arguments") << QStringList{} << QString()
                                       << QStringList{"--retries", "-1"} << 0 << 4 << "bad_input";
        // Real time and a slow transfer: the signal comes during the transfer.
        QTest::newRow("interrupted") << QStringList{} << QString() << QStringList{"--slow"}
                                     << int(SIGINT) << 130 << "interrupted";
        QTest::newRow("hung up") << QStringList{} << QString() << QStringList{"--slow"}
                                 << int(SIGHUP) << 129 << "hangup";
    }

    void jsonLines()
    {
        QFETCH(QStringList, simArguments);
        QFETCH(QString, firmware);
        QFETCH(QStringList, extra);
        QFETCH(int, signalNumber);
        QFETCH(int, exitCode);
        QFETCH(QString, outcome);

        if (!firmware.isEmpty())
            QVERIFY(TestSupport::writeFile(m_hexPath, firmware.toLatin1()));
        if (signalNumber != 0) {
            m_generator.setDataRecords(400);
            QVERIFY(m_generator.write(m_hexPath));
        }
        UnitSimProcess sim = unitSim(simArguments);
        QVERIFY(!sim.port.isEmpty());
        const QStringList arguments = upload(sim.port, QStringList{"--json"} + extra) << m_hexPath;
        const Run result = signalNumber == 0
                               ? run(arguments)
                               : signalAfter(arguments, "\"phase\":\"sending\"", signalNumber);

        QCOMPARE(result.exitCode, exitCode);
        QVERIFY2(!result.errors.startsWith("not a JSON"), qPrintable(result.errors));
        const QStringList names = eventNames(result.events);
        QCOMPARE(names.count("result"), 1);
        QCOMPARE(names.last(), "result");
        const QJsonObject last = result.events.last();
        QCOMPARE(last.value("exit_code").toInt(-1), exitCode);
        QCOMPARE(last.value("outcome").toString(), outcome);
        QVERIFY(last.value("duration_s").isDouble());

        const int total = int(m_generator.expectedSentLines().size());
        if (exitCode == 4) {
            QCOMPARE(names, QStringList{"result"});
            QCOMPARE(last.value("records_sent").toInt(-1), 0);
            return;
        }
        const QJsonObject start = result.events.first();
        QCOMPARE(start.value("event").toString(), "start");
        QCOMPARE(start.value("port").toInt(), sim.port.toInt());
        QCOMPARE(start.value("firmware").toObject().value("records").toInt(), total);
        QCOMPARE(start.value("firmware").toObject().value("sha256").toString().size(), 64);
        QVERIFY(names.contains("log") && names.contains("phase"));
        if (signalNumber != 0) {
            const auto stopped = std::find_if(
                result.events.begin(), result.events.end(), [](const QJsonObject &event) {
                    return event.value("text") == "Stopped by the operator.";
                });
            QVERIFY(stopped != result.events.end());
        }
        if (exitCode == 0) {
            const QJsonObject progress = result.events.at(names.lastIndexOf("progress"));
            QCOMPARE(progress.value("sent").toInt(), total);
            QCOMPARE(progress.value("percent").toDouble(), 100.0);
            QCOMPARE(last.value("records_sent").toInt(), total);
            // Progress is limited to about ten a second, not one per record.
            QVERIFY(names.count("progress") < total / 4);
        }
    }

    // The summary without any connection, and the same with the pinned image refused.
    void checkAndPin_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("--check") << QStringList{"--check"} << 0;
        QTest::newRow("--check, pinned image")
            << QStringList{"--check", "--expect-sha256", "="} << 0;
        QTest::newRow("upload, other image pinned")
            << QStringList{"--expect-sha256", QString(64, 'a')} << 4;
        QTest::newRow("upload, pinned image") << QStringList{"--expect-sha256", "="} << 0;
    }

    void checkAndPin()
    {
        QFETCH(QStringList, options);
        QFETCH(int, exitCode);
        QFile file(m_hexPath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString sha =
            QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex().toUpper();
        options.replaceInStrings(QRegularExpression("^=$"), sha);

        UnitSimProcess sim = unitSim({"--verbose"});
        const Run result = run(upload(sim.port, options + QStringList{"--json"}) << m_hexPath);
        QCOMPARE(result.exitCode, exitCode);
        const QJsonObject last = result.events.value(result.events.size() - 1);
        const QJsonObject firmware = last.value("firmware").toObject();
        QCOMPARE(firmware.value("sha256").toString(), sha.toLower());
        QCOMPARE(firmware.value("records").toInt(), int(m_generator.expectedSentLines().size()));
        QCOMPARE(firmware.value("passed_over_lines").toArray().size(), 2);
        if (exitCode == 4)
            QVERIFY2(result.errors.contains(sha.toLower()) &&
                         result.errors.contains(QString(64, 'a')),
                     qPrintable(result.errors));
        else if (options.contains("--check"))
            QCOMPARE(eventNames(result.events), QStringList({"check", "result"}));
        sim.process.kill();
        sim.process.waitForFinished(kWaitMs);
        const bool uploads = !options.contains("--check") && exitCode == 0;
        QCOMPARE(sim.process.readAllStandardError().contains("connection 1 open"), uploads);
    }

    // Keys and signatures made by the signing tool; every refusal comes before any connection.
    void signedFirmware_data()
    {
        QTest::addColumn<QString>("tamper");
        QTest::addColumn<QStringList>("options"); // "KEY" stands for the base64 key
        QTest::addColumn<QString>("reason");      // empty: the upload goes ahead

        const QStringList key{"--public-key", "release.pub"};
        QTest::newRow("prehashed") << "" << key << "";
        QTest::newRow("legacy") << "legacy" << key << "";
        QTest::newRow("base64 key among two")
            << "" << QStringList{"--public-key", "other.pub", "--public-key", "KEY"} << "";
        QTest::newRow("image byte changed") << "image" << key << "does not match the firmware";
        QTest::newRow("trusted comment changed") << "comment" << key << "trusted comment is not";
        QTest::newRow("another key") << "other" << key << "which is not trusted here";
        QTest::newRow("truncated") << "truncate" << key << "this one has 2";
        QTest::newRow("garbled") << "garble" << key << "not valid base64";
        QTest::newRow("unknown algorithm") << "algorithm" << key << "algorithm \"Ex\" is unknown";
        QTest::newRow("key file as signature")
            << "" << key + QStringList{"--signature", "release.pub"}
            << "a public key, not a signature";
        QTest::newRow("missing") << "missing" << key << "the firmware is not signed";
        QTest::newRow("--check") << "" << key + QStringList{"--check"} << "";
    }

    void signedFirmware()
    {
        QFETCH(QString, tamper);
        QFETCH(QStringList, options);
        QFETCH(QString, reason);
        const QString folder = m_dir->path();
        QVERIFY(MinisignTool::makeKey(folder, "release") && MinisignTool::makeKey(folder, "other"));
        const QString signature = m_hexPath + ".minisig";
        QVERIFY(MinisignTool::sign(
            folder, tamper == "other" ? "other" : "release", m_hexPath, signature,
            tamper == "legacy" ? MinisignTool::Kind::Legacy : MinisignTool::Kind::Prehashed));
        QByteArray text = readAll(signature);
        QByteArrayList lines = text.split('\n');
        if (tamper == "image") {
            // Two data bytes swapped: still sound Intel HEX, with the same checksums.
            QByteArrayList image = readAll(m_hexPath).split('\n');
            const auto data = std::find_if(image.begin(), image.end(), [](const QByteArray &l) {
                return l.mid(7, 2) == "00" && l.mid(9, 2) != l.mid(11, 2);
            });
            QVERIFY(data != image.end());
            const QByteArray first = data->mid(9, 2);
            data->replace(9, 2, data->mid(11, 2)).replace(11, 2, first);
            QVERIFY(TestSupport::writeFile(m_hexPath, image.join('\n')));
        } else if (tamper == "comment") {
            lines[2] = "trusted comment: version 9.9.9";
        } else if (tamper == "truncate") {
            lines = lines.mid(0, 2);
        } else if (tamper == "garble") {
            lines[1][10] = '!';
        } else if (tamper == "algorithm") {
            QByteArray raw = QByteArray::fromBase64(lines[1]);
            raw[1] = 'x';
            lines[1] = raw.toBase64();
        } else if (tamper == "missing") {
            QVERIFY(QFile::remove(signature));
        }
        if (tamper != "missing")
            QVERIFY(TestSupport::writeFile(signature, lines.join('\n')));
        const QByteArray publicKey = readAll(m_dir->filePath("release.pub"));
        options.replaceInStrings(QRegularExpression("^KEY$"),
                                 QString::fromLatin1(publicKey.split('\n').value(1)));
        options.replaceInStrings(QRegularExpression("^(.*\\.pub)$"), m_dir->filePath("\\1"));

        const QString received = m_dir->filePath("received.hex");
        UnitSimProcess sim = unitSim({"--verbose", "--connections", "1", "--write-hex", received});
        const Run result = run(upload(sim.port, options + QStringList{"--json"}) << m_hexPath);
        const QJsonObject last = result.events.value(result.events.size() - 1);
        if (!reason.isEmpty()) {
            QCOMPARE(result.exitCode, 4);
            QVERIFY2(result.errors.contains(reason), qPrintable(result.errors));
            QVERIFY(last.value("message").toString().contains(reason));
            QCOMPARE(eventNames(result.events), QStringList{"result"});
            sim.process.kill();
            sim.process.waitForFinished(kWaitMs);
            QVERIFY(!sim.process.readAllStandardError().contains("connection 1 open"));
            return;
        }
        QCOMPARE(result.exitCode, 0);
        const QString keyId = MinisignTool::keyId(folder, "release");
        if (options.contains("--check")) {
            QCOMPARE(eventNames(result.events), QStringList({"check", "result"}));
            const QJsonObject signature = result.events.first().value("signature").toObject();
            QVERIFY(signature.value("valid").toBool());
            QCOMPARE(signature.value("key_id").toString(), keyId);
            QCOMPARE(signature.value("trusted_comment").toString(), "version 2.4.1");
            return;
        }
        for (const QJsonObject &event : {result.events.first(), last}) {
            QCOMPARE(event.value("signature_key_id").toString(), keyId);
            QCOMPARE(event.value("signature_comment").toString(), "version 2.4.1");
        }
        QCOMPARE(sim.summaries().size(), 1);
        QCOMPARE(readAll(received), m_generator.expectedSentLines().join("\r\n") + "\r\n");
    }

    // The upload still counts as finished; the caller learns that the next run will not find
    // the address and port.
    void settingsSaveThatDidNotTake_data()
    {
        QTest::addColumn<bool>("configIsFile");
        QTest::newRow("saved") << false;
        QTest::newRow("settings folder is a file") << true;
    }

    void settingsSaveThatDidNotTake()
    {
        QFETCH(bool, configIsFile);
        if (configIsFile)
            QVERIFY(TestSupport::writeFile(m_dir->filePath("config"), "not a folder"));
        UnitSimProcess sim = unitSim({"--connections", "1"});
        const Run result = run(upload(sim.port, {"--json", "--save-settings"}) << m_hexPath);
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.events.value(result.events.size() - 1).value("settings_saved").toBool(),
                 !configIsFile);
        QCOMPARE(result.errors.contains("could not be saved"), configIsFile);
    }

    // Only a connection that never came about is tried again.
    void retries_data()
    {
        QTest::addColumn<bool>("lateUnit");
        QTest::addColumn<bool>("replaceFile");
        QTest::newRow("unit listens from the third try") << true << false;
        // The file is read once: what the start event and the result describe is what is sent.
        QTest::newRow("file replaced during a retry pause") << true << true;
        QTest::newRow("refusal is never retried") << false << false;
    }

    void retries()
    {
        QFETCH(bool, lateUnit);
        QFETCH(bool, replaceFile);
        const QStringList retryOptions{"--retries", "3", "--retry-delay", "1"};
        if (!lateUnit) {
            UnitSimProcess sim = unitSim({"--profile", "Corvus"});
            const Run result = run(upload(sim.port, retryOptions) << m_hexPath);
            QCOMPARE(result.exitCode, 1);
            QVERIFY(result.lines.filter("Could not connect; try").isEmpty());
            // The unit writes its summary once it has seen the close; killed before, it has none.
            QVERIFY(sim.process.bytesAvailable() > 0 ||
                    sim.process.waitForReadyRead(UnitSimProcess::kWaitMs));
            sim.process.kill();
            QCOMPARE(sim.summaries().size(), 1);
            return;
        }
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        const QString port = QString::number(probe.serverPort());
        probe.close();

        QProcess cli;
        cli.setProcessEnvironment(environment());
        const QStringList json = replaceFile ? QStringList{"--json"} : QStringList{};
        cli.start(QStringLiteral(CLI_PATH), upload(port, retryOptions + json) << m_hexPath);
        QByteArray seen;
        while (!seen.contains("try 3 of 4") && cli.waitForReadyRead(kWaitMs))
            seen += cli.peek(1 << 20);
        const int records = int(m_generator.expectedSentLines().size());
        if (replaceFile) {
            m_generator.setDataRecords(300);
            QVERIFY(m_generator.write(m_hexPath));
        }
        UnitSimProcess sim = unitSim({"--connections", "1"}, port);
        QCOMPARE(sim.port, port);
        const Run result = collect(cli);
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.lines.filter("Could not connect; try").size(), 2);
        const QStringList summaries = sim.summaries();
        QCOMPARE(summaries.filter("outcome: complete").size(), 1);
        QVERIFY2(summaries.value(0).contains(QString(", records %1,").arg(records)),
                 qPrintable(summaries.join('\n')));
        if (replaceFile) {
            const QJsonObject last = result.events.value(result.events.size() - 1);
            QCOMPARE(last.value("firmware").toObject().value("records").toInt(), records);
            QCOMPARE(last.value("records_sent").toInt(), records);
        }
    }

    // Started with hang-up, interrupt and terminate ignored (nohup, a shell's background job),
    // the program leaves them ignored: none of them stops the upload.
    void signalsIgnoredAtStartStayIgnored()
    {
        UnitSimProcess sim = unitSim({"--connections", "1", "--delay", "20"});
        QProcess cli;
        cli.setProcessEnvironment(environment());
        cli.start("/bin/sh",
                  QStringList{"-c", "trap '' HUP INT TERM; exec \"$0\" \"$@\"", CLI_PATH} +
                      upload(sim.port, {"--json"}) + QStringList{m_hexPath});
        QByteArray seen;
        while (!seen.contains("\"phase\":\"sending\"") && cli.waitForReadyRead(kWaitMs))
            seen += cli.peek(1 << 20);
        for (int signalNumber : {SIGHUP, SIGINT, SIGTERM})
            ::kill(pid_t(cli.processId()), signalNumber);
        const Run result = collect(cli);
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.events.value(result.events.size() - 1).value("outcome").toString(),
                 "finished");
    }

    // A full disk under standard output: the upload goes through, then the program says so and
    // ends with an exit code of its own. A reader that went away is no such error.
    void outputThatCannotBeWritten_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<bool>("readerGone");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("upload, full disk") << QStringList{"--json"} << false << 5;
        QTest::newRow("check, full disk") << QStringList{"--check", "--json"} << false << 5;
        QTest::newRow("upload, reader gone") << QStringList{"--json"} << true << 0;
    }

    void outputThatCannotBeWritten()
    {
        QFETCH(QStringList, options);
        QFETCH(bool, readerGone);
        QFETCH(int, exitCode);
        UnitSimProcess sim = unitSim({"--connections", "1"});
        QProcess cli;
        cli.setProcessEnvironment(environment());
        const QStringList arguments = upload(sim.port, options) << m_hexPath;
        if (readerGone) {
            cli.start("bash", QStringList{"-c", "set -o pipefail; \"$0\" \"$@\" | true", CLI_PATH} +
                                  arguments);
        } else {
            cli.setStandardOutputFile("/dev/full");
            cli.start(QStringLiteral(CLI_PATH), arguments);
        }
        QVERIFY(cli.waitForFinished(kWaitMs));
        QCOMPARE(cli.exitCode(), exitCode);
        const QString errors = QString::fromUtf8(cli.readAllStandardError());
        QVERIFY2(errors.contains("cannot write standard output: No space left on device") ==
                     !readerGone,
                 qPrintable(errors));
        if (!options.contains("--check"))
            QCOMPARE(sim.summaries().filter("outcome: complete").size(), 1);
    }

    // Started with 0, 1 and 2 closed, the program finds them on /dev/null, not on a pipe of its
    // own, and still ends on a signal.
    void closedStandardDescriptors()
    {
        UnitSimProcess sim = unitSim({"--fault", "never-accept"});
        QProcess cli;
        cli.setProcessEnvironment(environment(QString()));
        cli.start("/bin/sh", QStringList{"-c", "exec \"$0\" \"$@\" <&- >&- 2>&-", CLI_PATH} +
                                 upload(sim.port) + QStringList{m_hexPath});
        QVERIFY(cli.waitForStarted(kWaitMs));
        QTest::qWait(500);
        for (int fd = 0; fd <= 2; ++fd)
            QCOMPARE(
                QFile::symLinkTarget(QStringLiteral("/proc/%1/fd/%2").arg(cli.processId()).arg(fd)),
                "/dev/null");
        ::kill(pid_t(cli.processId()), SIGTERM);
        QVERIFY(cli.waitForFinished(kWaitMs));
        QCOMPARE(cli.exitCode(), 130);
    }
};

QTEST_GUILESS_MAIN(tst_CliScripting)
#include "tst_cliscripting.moc"
