#include "CliOptions.h"
#include "ProgressLine.h"

#include <QtTest>

namespace {

const QString kTitle = QStringLiteral("Kestrel Max Firmware Uploader");

CliOptions parse(QStringList arguments)
{
    arguments.prepend(QStringLiteral("firmware-uploader-cli"));
    return CliOptions::parse(arguments, kTitle);
}

} // namespace

class tst_CliOptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void acceptedArguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("address"); // "-" for unset
        QTest::addColumn<QString>("port");    // "-" for unset
        QTest::addColumn<int>("loop");        // -1 for unset
        QTest::addColumn<int>("timeoutMs");
        QTest::addColumn<QString>("flags"); // d = debug, s = slow, S = save settings

        QTest::newRow("file only") << QStringList{"f.hex"} << kTitle << "-"
                                   << "-" << -1 << 60000 << "";
        QTest::newRow("everything") << QStringList{"--title",   "Corvus 2", "--address",
                                                   "127.0.0.1", "--port",   "65535",
                                                   "--debug",   "--slow",   "--save-settings",
                                                   "--loop",    "3",        "--response-timeout",
                                                   "250",       "f.hex"}
                                    << "Corvus 2"
                                    << "127.0.0.1"
                                    << "65535" << 3 << 250 << "dsS";
        QTest::newRow("loop without end") << QStringList{"--loop", "0", "f.hex"} << kTitle << "-"
                                          << "-" << 0 << 60000 << "";
        QTest::newRow("file after --") << QStringList{"--", "--odd.hex"} << kTitle << "-"
                                       << "-" << -1 << 60000 << "";
    }

    void acceptedArguments()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, title);
        QFETCH(QString, address);
        QFETCH(QString, port);
        QFETCH(int, loop);
        QFETCH(int, timeoutMs);
        QFETCH(QString, flags);

        const CliOptions options = parse(arguments);
        QCOMPARE(options.action, CliOptions::Action::Upload);
        QCOMPARE(options.firmwarePath, arguments.last());
        QCOMPARE(options.title, title);
        QCOMPARE(options.address.value_or("-"), address);
        QCOMPARE(options.port.value_or("-"), port);
        QCOMPARE(options.loopCount.value_or(-1), loop);
        QCOMPARE(int(options.responseTimeout.count()), timeoutMs);
        QCOMPARE(options.debug, flags.contains('d'));
        QCOMPARE(options.slow, flags.contains('s'));
        QCOMPARE(options.saveSettings, flags.contains('S'));
    }

    void refusedArguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("mentions");

        QTest::newRow("no file") << QStringList{"--debug"} << "No firmware file";
        QTest::newRow("two files") << QStringList{"a.hex", "b.hex"} << "b.hex";
        QTest::newRow("unknown option") << QStringList{"--fast", "f.hex"} << "fast";
        QTest::newRow("missing value") << QStringList{"f.hex", "--port"} << "port";
        QTest::newRow("port 0") << QStringList{"--port", "0", "f.hex"} << "--port";
        QTest::newRow("port too big") << QStringList{"--port", "65536", "f.hex"} << "--port";
        QTest::newRow("port with sign") << QStringList{"--port", "+23", "f.hex"} << "--port";
        QTest::newRow("empty address") << QStringList{"--address", "", "f.hex"} << "--address";
        QTest::newRow("negative loop") << QStringList{"--loop", "-1", "f.hex"} << "--loop";
        QTest::newRow("loop text") << QStringList{"--loop", "many", "f.hex"} << "--loop";
        QTest::newRow("zero timeout")
            << QStringList{"--response-timeout", "0", "f.hex"} << "--response-timeout";
        QTest::newRow("title without profile")
            << QStringList{"--title", "Falcon", "f.hex"} << "Falcon";
        // A profile name must begin the title, case and all.
        QTest::newRow("title in lower case")
            << QStringList{"--title", "kestrel max", "f.hex"} << "kestrel max";
        QTest::newRow("port twice")
            << QStringList{"--port", "23", "--port", "24", "f.hex"} << "more than once";
        // A signature that nothing checks would look like a signed upload.
        QTest::newRow("signature without key")
            << QStringList{"--signature", "f.hex.minisig", "f.hex"} << "--public-key";
    }

    void refusedArguments()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, mentions);
        const CliOptions options = parse(arguments);
        QCOMPARE(options.action, CliOptions::Action::Fail);
        QVERIFY2(options.error.contains(mentions), qPrintable(options.error));
    }

    void helpAndVersionWinOverTheRest()
    {
        QCOMPARE(parse({"--help", "--port", "0"}).action, CliOptions::Action::ShowHelp);
        QCOMPARE(parse({"-h"}).action, CliOptions::Action::ShowHelp);
        QCOMPARE(parse({"--version", "a", "b"}).action, CliOptions::Action::ShowVersion);
        const QString usage = CliOptions::usage(kTitle);
        for (const char *code : {"\n  0 ", "\n  1 ", "\n  2 ", "\n  3 ", "\n  4 ", "\n  130 "})
            QVERIFY2(usage.contains(QLatin1String(code)), code);
        QVERIFY(usage.contains(kTitle));
    }

    void progressText_data()
    {
        QTest::addColumn<qint64>("records");
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<double>("elapsed");
        QTest::addColumn<QString>("text");

        // 2000 records of 40 bytes in the file.
        QTest::newRow("nothing measured yet")
            << qint64(0) << qint64(0) << 0.0 << "0/2000 records  0%  -- B/s  -- left";
        QTest::newRow("first second")
            << qint64(10) << qint64(400) << 1.0 << "10/2000 records  0%  400 B/s  3:19 left";
        QTest::newRow("half way") << qint64(1000) << qint64(40000) << 4.0
                                  << "1000/2000 records  50%  10.0 kB/s  0:04 left";
        QTest::newRow("never 100% early") << qint64(1999) << qint64(79960) << 2.0
                                          << "1999/2000 records  99%  40.0 kB/s  0:01 left";
        QTest::newRow("done") << qint64(2000) << qint64(80000) << 0.05
                              << "2000/2000 records  100%  1.6 MB/s  0:00 left";
        QTest::newRow("hours left")
            << qint64(1) << qint64(20) << 1.0 << "1/2000 records  0%  20 B/s  1:06:39 left";
    }

    void progressText()
    {
        QFETCH(qint64, records);
        QFETCH(qint64, bytes);
        QFETCH(double, elapsed);
        QFETCH(QString, text);
        QCOMPARE(ProgressLine::format(records, 2000, bytes, 80000, elapsed), text);
    }

    void progressCountsWhatTheUploadSends()
    {
        // Blank lines and records at FC00-FFFF are not sent; a lone CR ends a line too.
        ProgressLine progress;
        progress.countContent(":0400000001020304F2\r\n\r\n:04FC000001020304F6\n"
                              ":04FBF00001020304FB\r:00000001FF\r\n");
        QCOMPARE(progress.totalRecords(), qint64(3));
        QVERIFY(progress.text().startsWith("0/3 records"));
        progress.recordSent(19);
        QVERIFY(progress.text().startsWith("1/3 records  33%"));
        progress.restart();
        QVERIFY(progress.text().startsWith("0/3 records"));
    }
};

QTEST_GUILESS_MAIN(tst_CliOptions)
#include "tst_clioptions.moc"
