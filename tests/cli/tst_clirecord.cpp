// The record a command-line run leaves: standard error, the JSON result and the flash history row
// say the same thing about it, name the file and the unit as they were given, keep the line's
// signing policy, and survive a second stop signal.

#include "HexFileGenerator.h"
#include "HistoryTestSupport.h"
#include "MinisignTool.h"
#include "TestSupport.h"
#include "UnitSimProcess.h"
#include "firmware/TrustedKeySettings.h"
#include "history/HistoryStore.h"
#include "platform/SettingsStore.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>
#include <time.h>

namespace {

constexpr int kWaitMs = 30000;
const QString kHost = QStringLiteral("127.0.0.1");
const QString kTitle = QStringLiteral("Kestrel Max Firmware Uploader");

struct Run
{
    int exitCode = -1;
    QList<QJsonObject> events;
    QString errors;
    qint64 elapsedMs = 0;

    QJsonObject result() const { return events.value(events.size() - 1); }
};

Run collect(QProcess &cli, const QElapsedTimer &sinceStart)
{
    Run run;
    if (!cli.waitForFinished(kWaitMs)) {
        cli.kill();
        cli.waitForFinished();
        return run;
    }
    run.elapsedMs = sinceStart.elapsed();
    run.exitCode = cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1;
    run.errors = QString::fromUtf8(cli.readAllStandardError());
    for (const QByteArray &line : cli.readAllStandardOutput().split('\n')) {
        if (!line.isEmpty())
            run.events.append(QJsonDocument::fromJson(line).object());
    }
    return run;
}

void pauseMs(long ms)
{
    const timespec pause{0, ms * 1000000L};
    nanosleep(&pause, nullptr);
}

} // namespace

class tst_CliRecord : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    HexFileGenerator m_generator;
    QString m_hexPath;
    QString m_history;

    QString config() const { return m_dir->filePath("config"); }

    // --json, the unit, the scratch history; the firmware file last.
    QStringList arguments(const QString &port, const QStringList &extra,
                          const QString &address = kHost) const
    {
        return QStringList{"--json", "--title", kTitle,      "--address", address,
                           "--port", port,      "--history", m_history} +
               extra + QStringList{m_hexPath};
    }

    void start(QProcess &cli, const QStringList &arguments, const QString &timeScale = "0.02")
    {
        cli.setProcessEnvironment(TestSupport::programEnvironment(config(), timeScale));
        cli.start(QStringLiteral(CLI_PATH), arguments);
    }

    Run run(const QStringList &arguments)
    {
        QElapsedTimer sinceStart;
        sinceStart.start();
        QProcess cli;
        start(cli, arguments);
        return collect(cli, sinceStart);
    }

    QList<HistoryRow> rows() const { return HistoryTestSupport::rowsOf(m_history); }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_generator = HexFileGenerator();
        m_generator.setDataRecords(40);
        m_hexPath = m_dir->filePath("firmware.hex");
        QVERIFY(m_generator.write(m_hexPath));
        m_history = QStringLiteral("sqlite://") + m_dir->filePath("history.sqlite");
    }

    // The station hands its uploaders a private copy: the record names the operator's file, and
    // the hash of the bytes that were sent.
    void firmwareOrigin()
    {
        const QString origin = m_dir->filePath("releases/fw-2.4.1.hex");
        UnitSimProcess sim(QStringLiteral(UNIT_SIM_PATH), {"--connections", "1"});
        const Run result = run(arguments(sim.port, {"--firmware-origin", origin, "--unit-serial",
                                                    " SN-0042 ", "--operator", "anna"}));
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.events.first().value("firmware").toObject().value("path").toString(),
                 origin);
        QCOMPARE(result.result().value("firmware").toObject().value("path").toString(), origin);
        const QList<HistoryRow> written = rows();
        QCOMPARE(written.size(), 1);
        QCOMPARE(written.first().text("firmware_path"), origin);
        // The unit's label and who ran it go with the row and the JSON.
        QCOMPARE(result.events.first().value("unit_serial").toString(), "SN-0042");
        QCOMPARE(result.result().value("unit_serial").toString(), "SN-0042");
        QCOMPARE(written.first().text("unit_serial"), "SN-0042");
        QCOMPARE(written.first().text("operator"), "anna");
        QFile file(m_hexPath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(written.first().text("firmware_sha256").toLatin1(),
                 QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex());
    }

    void lastWord_data()
    {
        QTest::addColumn<QStringList>("simArguments");
        QTest::addColumn<QString>("firmware"); // "" keeps the good file
        QTest::addColumn<QString>("address");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message"); // a pattern for the whole message

        QTest::newRow("record refused")
            << QStringList{"--fault", "nak-record-type@5"} << "" << kHost << 1
            << "^The unit refused record 5, line 5 of the file: NAK - Incorrect Record Type\\.$";
        QTest::newRow("request refused")
            << QStringList{"--profile", "Corvus"} << "" << kHost << 1
            << "^The unit refused the programming request: NAK - Incorrect Product Code\\.$";
        QTest::newRow("answered more often")
            << QStringList{"--fault", "twice@eof"} << "" << kHost << 1
            << "^The unit answered more often than records were sent: .* nothing confirms "
               "that it has the firmware\\.$";
        QTest::newRow("unit closes")
            << QStringList{"--fault", "close@3"} << "" << kHost << 3
            << "^The connection to the unit was lost: the unit closed it\\.$";
        QTest::newRow("unit resets") << QStringList{"--fault", "reset@3"} << "" << kHost << 3
                                     << "^The connection to the unit was lost: \\w.+\\.$";
        // Refused inputs: the row still names the unit as it was given.
        QTest::newRow("damaged file") << QStringList{} << ":0400000001020304F3\r\n:00000001FF\r\n"
                                      << kHost << 4 << "is not valid Intel HEX: line 1: checksum";
        QTest::newRow("bad address")
            << QStringList{} << ""
            << "300.1.2.3" << 4 << "^Address \"300\\.1\\.2\\.3\" is not valid: ";
    }

    // The uploader's last word is the same on standard error, in the JSON result and in the row,
    // and says what happened: the unit's own refusal and what it answered.
    void lastWord()
    {
        QFETCH(QStringList, simArguments);
        QFETCH(QString, firmware);
        QFETCH(QString, address);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        if (!firmware.isEmpty())
            QVERIFY(TestSupport::writeFile(m_hexPath, firmware.toLatin1()));
        UnitSimProcess sim(QStringLiteral(UNIT_SIM_PATH), simArguments);
        QVERIFY(!sim.port.isEmpty());
        const Run result = run(arguments(sim.port, {}, address));
        QCOMPARE(result.exitCode, exitCode);

        const QString said = result.result().value("message").toString();
        QVERIFY2(QRegularExpression(message).match(said).hasMatch(), qPrintable(said));
        QCOMPARE(result.errors, "firmware-uploader-cli: " + said + '\n');
        const QList<HistoryRow> written = rows();
        QCOMPARE(written.size(), 1);
        const HistoryRow &row = written.first();
        QCOMPARE(row.text("message"), said);
        QCOMPARE(row.text("address"), address);
        QCOMPARE(row.text("port"), sim.port);
    }

    // duration_s is the run's own time: a history that keeps the row waiting adds nothing to it.
    void durationLeavesOutTheHistoryWait()
    {
        QVERIFY(!HistoryStore(HistoryLocation::parse(m_history)).open(HistoryStore::Access::Write));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "lock");
            db.setDatabaseName(m_dir->filePath("history.sqlite"));
            QVERIFY(db.open());
            QSqlQuery lock(db);
            QVERIFY(lock.exec("BEGIN EXCLUSIVE"));

            UnitSimProcess sim(QStringLiteral(UNIT_SIM_PATH), {"--fault", "no-server"});
            const Run result = run(arguments(sim.port, {}));
            QCOMPARE(result.exitCode, 2);
            const double duration = result.result().value("duration_s").toDouble(-1);
            QVERIFY2(duration >= 0 && duration < 2.0, qPrintable(QString::number(duration)));
            // The row did wait for the lock, so the figure above left that out.
            QVERIFY2(result.elapsedMs > (duration + 2.0) * 1000,
                     qPrintable(QString::number(result.elapsedMs)));
            QVERIFY(lock.exec("ROLLBACK"));
            db.close();
        }
        QSqlDatabase::removeDatabase("lock");
    }

    void repeatedStopSignals_data()
    {
        QTest::addColumn<int>("firstSignal"); // 0: GNU timeout's
        QTest::addColumn<QString>("outcome");
        QTest::newRow("two SIGINTs 2 ms apart") << int(SIGINT) << "interrupted";
        QTest::newRow("SIGHUP, SIGINT 2 ms later") << int(SIGHUP) << "hangup";
        // GNU timeout signals its child, then the child's whole process group.
        QTest::newRow("GNU timeout") << 0 << "interrupted";
    }

    // The orderly end that the first signal starts writes the result line and the row, whatever
    // follows it; the first signal decides the outcome and the words.
    void repeatedStopSignals()
    {
        QFETCH(int, firstSignal);
        QFETCH(QString, outcome);
        constexpr int kRuns = 10;
        m_generator.setDataRecords(400);
        QVERIFY(m_generator.write(m_hexPath));
        UnitSimProcess sim(QStringLiteral(UNIT_SIM_PATH), {"--delay", "5"});
        QVERIFY(!sim.port.isEmpty());
        for (int i = 0; i < kRuns; ++i) {
            QElapsedTimer sinceStart;
            sinceStart.start();
            QProcess cli;
            cli.setProcessEnvironment(TestSupport::programEnvironment(config(), "0.02"));
            if (firstSignal == 0) {
                // A second into a transfer of about two (400 answers 5 ms apart); the exit
                // status is the program's own, not the time-out's.
                cli.start("timeout",
                          QStringList{"--preserve-status", "1", QStringLiteral(CLI_PATH)} +
                              arguments(sim.port, {}));
            } else {
                start(cli, arguments(sim.port, {}));
                QByteArray seen;
                while (!seen.contains("\"phase\":\"sending\"") && cli.waitForReadyRead(kWaitMs))
                    seen += cli.peek(1 << 20);
                QVERIFY(seen.contains("\"phase\":\"sending\""));
                ::kill(pid_t(cli.processId()), firstSignal);
                pauseMs(2);
                ::kill(pid_t(cli.processId()), SIGINT);
            }
            const Run result = collect(cli, sinceStart);
            const QString context = QStringLiteral("run %1: exit %2, %3")
                                        .arg(i + 1)
                                        .arg(result.exitCode)
                                        .arg(result.errors);
            QVERIFY2(result.exitCode == (firstSignal == SIGHUP ? 129 : 130), qPrintable(context));
            QVERIFY2(result.result().value("event") == "result", qPrintable(context));
            QCOMPARE(result.result().value("outcome").toString(), outcome);
            QVERIFY(result.result().value("history_saved").toBool());
            const QList<HistoryRow> written = rows();
            QVERIFY2(written.size() == i + 1, qPrintable(context));
            QCOMPARE(written.first().text("outcome"), outcome);
            const QString message = result.result().value("message").toString();
            QVERIFY2(message.startsWith(outcome == "hangup" ? "hung up;" : "interrupted;"),
                     qPrintable(message));
            QCOMPARE(written.first().text("message"), message);
        }
    }

    void signingPolicy_data()
    {
        QTest::addColumn<QString>("signer"); // "": not signed
        QTest::addColumn<bool>("keyTrusted");
        QTest::addColumn<QStringList>("extra"); // "OTHER" stands for the other key's file
        QTest::addColumn<QString>("refusal");   // empty: the upload goes ahead

        QTest::newRow("signed by the trusted key") << "release" << true << QStringList{} << "";
        QTest::newRow("not signed")
            << "" << true << QStringList{}
            << "\"Flash only signed firmware\" is on for \"" + kTitle +
                   "\" (the window's File > "
                   "Trusted Keys, kept in \"CONFIG\"): the firmware is not signed";
        QTest::newRow("no key trusted") << "release" << false << QStringList{}
                                        << "but no key is trusted there: add one, or give "
                                           "--public-key.";
        // The command line's key decides alone.
        QTest::newRow("--public-key")
            << "other" << true << QStringList{"--public-key", "OTHER"} << "";
    }

    // "Flash only signed firmware", set in the window, holds for scripts too.
    void signingPolicy()
    {
        QFETCH(QString, signer);
        QFETCH(bool, keyTrusted);
        QFETCH(QStringList, extra);
        QFETCH(QString, refusal);
        const QString folder = m_dir->path();
        QVERIFY(MinisignTool::makeKey(folder, "release") && MinisignTool::makeKey(folder, "other"));
        if (!signer.isEmpty())
            QVERIFY(MinisignTool::sign(folder, signer, m_hexPath, m_hexPath + ".minisig"));
        TrustedKeySettings trusted;
        trusted.requireSigned = true;
        if (keyTrusted) {
            QString problem;
            const auto key = PublicKey::fromPathOrText(m_dir->filePath("release.pub"), &problem);
            QVERIFY2(key, qPrintable(problem));
            trusted.keys.append(*key);
        }
        SettingsStore settings(config());
        QVERIFY(trusted.save(kTitle, settings));
        extra.replaceInStrings("OTHER", m_dir->filePath("other.pub"));
        refusal.replace("CONFIG", settings.fileName(kTitle));

        UnitSimProcess sim(QStringLiteral(UNIT_SIM_PATH), {"--verbose", "--connections", "1"});
        const Run result = run(arguments(sim.port, extra));
        if (refusal.isEmpty()) {
            QCOMPARE(result.exitCode, 0);
            QCOMPARE(result.result().value("signature_key_id").toString(),
                     MinisignTool::keyId(folder, signer));
            return;
        }
        QCOMPARE(result.exitCode, 4);
        QVERIFY2(result.result().value("message").toString().contains(refusal),
                 qPrintable(result.errors));
        sim.process.kill();
        sim.process.waitForFinished(kWaitMs);
        QVERIFY(!sim.process.readAllStandardError().contains("connection 1 open"));
    }
};

QTEST_GUILESS_MAIN(tst_CliRecord)
#include "tst_clirecord.moc"
