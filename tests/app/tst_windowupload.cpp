#include "HexFileGenerator.h"
#include "MinisignTool.h"
#include "TestSupport.h"
#include "UnitFault.h"
#include "UnitSimulator.h"
#include "connection/ConnectionSettings.h"
#include "connection/ConnectionStatusMonitor.h"
#include "firmware/FirmwareSummary.h"
#include "firmware/OpenFileDialog.h"
#include "firmware/TrustedKeySettings.h"
#include "frmMain.h"
#include "platform/SettingsStore.h"
#include "platform/UnitSocket.h"
#include "platform/WaitableTimer.h"
#include "upload/ActivityLog.h"
#include "upload/UploadEngine.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace {

const QString kTitle = QStringLiteral("Kestrel Max Firmware Uploader Debug");

// Answers the file-open dialog as the operator would, with the file the test has in mind.
class ChoosingFileDialog : public OpenFileDialog
{
public:
    QString show(const OpenFileDialogSettings &settings, const QString &) override
    {
        lastTitle = settings.title;
        ++shown;
        return answer;
    }
    QString answer;
    QString lastTitle;
    int shown = 0;
};

} // namespace

// The window driven as an operator drives it, against a simulated unit on 127.0.0.1.
class tst_WindowUpload : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<UnitSimulator> m_unit;
    ChoosingFileDialog m_dialog;
    QString m_savePath;
    QStringList m_stopQuestions;
    bool m_stopAnswer = false;

    // File > Save Log As... as the operator uses it; the saved text.
    QString savedLog(frmMain &window)
    {
        m_savePath = m_dir.filePath(QStringLiteral("saved.log"));
        QFile::remove(m_savePath);
        window.findChild<QAction *>(QStringLiteral("mnuFileSaveLog"))->trigger();
        QFile file(m_savePath);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll());
    }

    // What the saved log must hold: the header for this file, unit and outcome, then the log.
    QString expectedLog(const QString &savedLine, const QString &path, const QString &outcome,
                        const QStringList &lines)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        const FirmwareSummary summary = FirmwareSummary::fromContent(file.readAll());
        QStringList expected{savedLine, QStringLiteral("Program: ") + kTitle + " v1.0.40",
                             QStringLiteral("Firmware: ") + path,
                             QStringLiteral("  Size: %1 bytes").arg(summary.sizeBytes)};
        for (const QString &line : summary.describe())
            expected << QStringLiteral("  ") + line;
        expected << QStringLiteral("Unit: 127.0.0.1 port %1").arg(m_unit->serverPort())
                 << QStringLiteral("Outcome: ") + outcome << QString();
        return (expected + lines).join(QLatin1Char('\n')) + QLatin1Char('\n');
    }

    QString writeFirmware(int records)
    {
        HexFileGenerator generator;
        generator.setDataRecords(records);
        const QString path = m_dir.filePath(QStringLiteral("firmware-%1.hex").arg(records));
        if (!generator.write(path))
            return {};
        m_dialog.answer = path;
        return path;
    }

    std::unique_ptr<frmMain> openWindow()
    {
        // Where the operator's last finished upload left the unit's address.
        ConnectionSettings(kTitle, *m_settings)
            .save(QStringLiteral("127.0.0.1"), QString::number(m_unit->serverPort()));
        WindowServices services;
        services.settings = m_settings.get();
        services.fileDialog = &m_dialog;
        services.chooseSaveFile = [this](const QString &) { return m_savePath; };
        services.confirmStop = [this](const QString &question) {
            m_stopQuestions << question;
            return m_stopAnswer;
        };
        auto window = std::make_unique<frmMain>(kTitle, AppVersion{1, 0, 40}, services);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            return {};
        return window;
    }

    template <typename W> static W *control(frmMain &window, const char *name)
    {
        return window.findChild<W *>(QLatin1String(name));
    }

    static void click(QWidget *widget)
    {
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    }

private Q_SLOTS:
    void init()
    {
        WaitableTimer::resume();
        QVERIFY(m_dir.isValid());
        m_settings = std::make_unique<SettingsStore>(m_dir.filePath(QStringLiteral("config")));
        m_unit = std::make_unique<UnitSimulator>();
        QVERIFY(m_unit->listen());
        m_dialog.shown = 0;
        m_stopQuestions.clear();
        m_stopAnswer = false;
    }

    void cleanup()
    {
        m_unit.reset();
        WaitableTimer::resume();
    }

    void wholeUploadThroughTheWindow()
    {
        TestSupport::TimeScale fast(0.02);
        const QString path = writeFirmware(300);
        QVERIFY(!path.isEmpty());
        auto window = openWindow();
        QVERIFY(window);
        QCOMPARE(window->ethernetAddress(), QStringLiteral("127.0.0.1"));

        auto *start = control<QPushButton>(*window, "LoadStart");
        QVERIFY(!start->isEnabled());
        click(control<QLabel>(*window, "FirmwareFile"));
        QCOMPARE(m_dialog.shown, 1);
        QCOMPARE(m_dialog.lastTitle, QStringLiteral("Open Firmware File"));
        QVERIFY(start->isEnabled());
        QCOMPARE(control<QLabel>(*window, "FirmwareFile")->text(), QFileInfo(path).fileName());

        // The reboot wait's status is what the status bar says throughout, timer ticks included.
        QStringList statusWhileWriting;
        connect(&window->activityLog(), &ActivityLog::lineAppended, window.get(),
                [&](const QString &line) {
                    if (line != QLatin1String("Upload complete.") &&
                        !line.startsWith(QLatin1String("Writing")) &&
                        !line.startsWith(QLatin1String("Waiting")))
                        return;
                    window->statusMonitor().EthernetStatusTimer_Timer();
                    statusWhileWriting << window->statusText();
                });
        QSignalSpy ended(&window->engine(), &UploadEngine::attemptEnded);
        click(start);
        QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, 30000);
        QCOMPARE(ended.first().first().value<UploadOutcome>(), UploadOutcome::Finished);
        QCOMPARE(statusWhileWriting, QStringList(3, frmMain::writingStatus()));
        QCOMPARE(window->statusText(), QStringLiteral("Not connected"));

        HexFileGenerator generator;
        generator.setDataRecords(300);
        QCOMPARE(m_unit->records(), generator.expectedSentLines());

        ActivityLog &log = window->activityLog();
        QVERIFY(log.lines().contains(QStringLiteral("Done!  Unit is ready to use.")));
        QCOMPARE(log.backColour(), std::optional<quint32>(ActivityLog::kGreen));
        QCOMPARE(window->engine().state().LoopCount, 1);

        // What the operator sees catches up with the models.
        auto *list = control<QListView>(*window, "ListBox");
        auto *bar = control<QProgressBar>(*window, "ProgressBar");
        QTRY_COMPARE(list->model()->rowCount(), log.count());
        QTRY_COMPARE(list->palette().color(QPalette::Base), QColor(Qt::green));
        QTRY_COMPARE(bar->value(), window->progressValue());
        QCOMPARE(bar->value(), bar->maximum());
        QVERIFY(window->isControlEnabled(StartControl::LoadStart));
        QVERIFY(window->isControlEnabled(StartControl::EthernetAddress));
        QCOMPARE(window->outcomeShown(), QStringLiteral("Finished"));
        QCOMPARE(bar->format(), QStringLiteral("100%"));

        // The saved log: a header, then every line as shown.
        const QString saved = savedLog(*window);
        const QString savedLine = saved.section(QLatin1Char('\n'), 0, 0);
        QVERIFY2(QRegularExpression(
                     QStringLiteral(
                         "^Saved: \\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d(Z|[+-]\\d\\d:\\d\\d)$"))
                     .match(savedLine)
                     .hasMatch(),
                 qPrintable(savedLine));
        QCOMPARE(saved, expectedLog(savedLine, path, QStringLiteral("Finished"), log.lines()));

        // The status line follows the socket again after the upload.
        QTRY_COMPARE_WITH_TIMEOUT(window->statusText(), QStringLiteral("Not connected"), 5000);

        // A second file through the frame, then through File > Open.
        m_dialog.answer.clear();
        click(control<QWidget>(*window, "frmFirmwareFile"));
        QCOMPARE(m_dialog.shown, 2);
        window->findChild<QAction *>(QStringLiteral("mnuFileOpen"))->trigger();
        QCOMPARE(m_dialog.shown, 3);
        QVERIFY(window->isControlEnabled(StartControl::LoadStart));
    }

    void refusedUploadSavedAndToldInWords()
    {
        TestSupport::TimeScale fast(0.02);
        const QString path = writeFirmware(50);
        UnitFault refusal;
        refusal.kind = UnitFault::Kind::NakChecksum;
        refusal.packet = 10;
        m_unit->addFault(refusal);
        auto window = openWindow();
        QVERIFY(window);
        click(control<QLabel>(*window, "FirmwareFile"));
        QSignalSpy ended(&window->engine(), &UploadEngine::attemptEnded);
        click(control<QPushButton>(*window, "LoadStart"));
        QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, 30000);
        QCOMPARE(ended.first().first().value<UploadOutcome>(), UploadOutcome::Refused);
        QCOMPARE(window->outcomeShown(), QStringLiteral("Failed"));

        const QString saved = savedLog(*window);
        QCOMPARE(saved, expectedLog(saved.section(QLatin1Char('\n'), 0, 0), path,
                                    QStringLiteral("Failed: refused by the unit"),
                                    window->activityLog().lines()));

        // The word stays until the next attempt starts.
        m_unit->clearFaults();
        click(control<QPushButton>(*window, "LoadStart"));
        QCOMPARE(window->outcomeShown(), QString());
        QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 2, 30000);
        QCOMPARE(window->outcomeShown(), QStringLiteral("Finished"));
    }

    // The file is read when the transfer starts: the saved log describes the bytes that went
    // to the unit, also when the file was replaced after the click.
    void savedLogDescribesWhatWasSent()
    {
        TestSupport::TimeScale fast(0.02);
        const QString path = writeFirmware(50);
        auto window = openWindow();
        QVERIFY(window);
        click(control<QLabel>(*window, "FirmwareFile"));
        HexFileGenerator replacement;
        replacement.setDataRecords(80);
        ActivityLog &log = window->activityLog();
        connect(&log, &ActivityLog::lineAppended, this, [&](const QString &line) {
            if (line.startsWith(QStringLiteral("Connecting to ")))
                QVERIFY(replacement.write(path));
        });
        QSignalSpy ended(&window->engine(), &UploadEngine::attemptEnded);
        click(control<QPushButton>(*window, "LoadStart"));
        QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, 30000);
        QCOMPARE(m_unit->records(), replacement.expectedSentLines());
        const QString saved = savedLog(*window);
        QCOMPARE(saved, expectedLog(saved.section(QLatin1Char('\n'), 0, 0), path,
                                    QStringLiteral("Finished"), log.lines()));
        disconnect(&log, &ActivityLog::lineAppended, this, nullptr);
    }

    // With "flash only signed firmware" set, the verdict comes when the file is chosen, and the
    // start checks again on the bytes it is about to send.
    void signedFirmwareOnly_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::newRow("signed") << "signed";
        QTest::newRow("unsigned, refused at once") << "unsigned";
        QTest::newRow("replaced after the choice") << "replaced";
    }

    void signedFirmwareOnly()
    {
        QFETCH(QString, situation);
        TestSupport::TimeScale fast(0.02);
        const QString path = writeFirmware(40);
        QVERIFY(MinisignTool::makeKey(m_dir.path(), "release"));
        const QString signature = path + ".minisig";
        QFile::remove(signature);
        if (situation != "unsigned")
            QVERIFY(MinisignTool::sign(m_dir.path(), "release", path, signature));
        TrustedKeySettings trusted;
        QString problem;
        trusted.keys.append(*PublicKey::fromPathOrText(m_dir.filePath("release.pub"), &problem));
        trusted.requireSigned = true;
        QVERIFY(trusted.save(kTitle, *m_settings));
        // The settings folder serves every test of this file.
        const auto forget = qScopeGuard([this] {
            m_settings->deleteSection(kTitle, QString::fromLatin1(TrustedKeySettings::kSection));
        });
        const QString keyId = MinisignTool::keyId(m_dir.path(), "release");

        auto window = openWindow();
        QVERIFY(window);
        click(control<QLabel>(*window, "FirmwareFile"));
        ActivityLog &log = window->activityLog();
        auto *start = control<QPushButton>(*window, "LoadStart");
        if (situation == "unsigned") {
            QVERIFY(!start->isEnabled());
            QVERIFY2(log.lastLine().startsWith("  Only signed firmware is flashed here: the "
                                               "firmware is not signed"),
                     qPrintable(log.lastLine()));
            QCOMPARE(log.backColour(), std::optional<quint32>(ActivityLog::kRed));
            QCOMPARE(window->engine().state().FirmwarePath, QString());
            QCOMPARE(m_unit->connectionCount(), 0);
            return;
        }
        QCOMPARE(log.lastLine(), "Signed by key " + keyId + ": version 2.4.1");
        QVERIFY(control<QLabel>(*window, "FirmwareFile")->toolTip().contains(keyId));
        QVERIFY(start->isEnabled());
        if (situation == "replaced")
            QVERIFY(HexFileGenerator().write(path));

        QSignalSpy ended(&window->engine(), &UploadEngine::attemptEnded);
        click(start);
        QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, 30000);
        if (situation == "replaced") {
            QCOMPARE(ended.first().first().value<UploadOutcome>(), UploadOutcome::BadInput);
            QVERIFY(m_unit->records().isEmpty());
            QVERIFY(log.lines().join('\n').contains("does not match the firmware"));
            return;
        }
        QCOMPARE(ended.first().first().value<UploadOutcome>(), UploadOutcome::Finished);
        HexFileGenerator generator;
        generator.setDataRecords(40);
        QCOMPARE(m_unit->records(), generator.expectedSentLines());
        QVERIFY(savedLog(*window).contains("  Signature: key " + keyId +
                                           ", trusted comment: version 2.4.1\n"));
    }

    void stopWhileConnectingAndTransferringNotWhileRebooting()
    {
        TestSupport::TimeScale fast(0.02);
        const QString path = writeFirmware(400);
        auto window = openWindow();
        QVERIFY(window);
        window->setChecked(Tool::Loop, true);
        click(control<QLabel>(*window, "FirmwareFile"));
        QAction *stop = window->findChild<QAction *>(QStringLiteral("mnuFileStop"));
        QSignalSpy ended(&window->engine(), &UploadEngine::attemptEnded);
        ActivityLog &log = window->activityLog();
        auto stoppedAsAFailure = [&](int attempts) {
            QCOMPARE(ended.size(), attempts);
            QCOMPARE(ended.last().first().value<UploadOutcome>(), UploadOutcome::Stopped);
            QVERIFY(log.lines().contains(QStringLiteral("Stopped by the operator.")));
            QCOMPARE(log.backColour(), std::optional<quint32>(ActivityLog::kRed));
            QVERIFY(window->isControlEnabled(StartControl::LoadStart));
            QVERIFY(!stop->isEnabled());
            QCOMPARE(window->outcomeShown(), QStringLiteral("Stopped"));
        };

        // Connecting: a connect that never completes is stopped without a question.
        const quint16 port = m_unit->serverPort();
        m_unit->close();
        m_unit->setAcceptMode(UnitSimulator::AcceptMode::NeverAccept);
        QVERIFY(m_unit->listen(port));
        QVERIFY(!stop->isEnabled());
        bool offeredWhileConnecting = false;
        QMetaObject::Connection pressEscConnection;
        auto pressEsc = connect(&log, &ActivityLog::lineAppended, window.get(), [&] {
            QObject::disconnect(pressEscConnection);
            QTimer::singleShot(0, window.get(), [&] {
                offeredWhileConnecting = stop->isEnabled();
                QTest::keyClick(window.get(), Qt::Key_Escape);
            });
        });
        pressEscConnection = pressEsc;
        click(control<QPushButton>(*window, "LoadStart"));
        QTRY_COMPARE(ended.size(), 1);
        QVERIFY(offeredWhileConnecting);
        QVERIFY(m_stopQuestions.isEmpty());
        QVERIFY(!log.lines().contains(QStringLiteral("Sending firmware...")));
        stoppedAsAFailure(1);

        // Transferring: declined, the transfer goes on; confirmed, it stops and the loop
        // series ends.
        m_unit->close();
        m_unit->setAcceptMode(UnitSimulator::AcceptMode::Accept);
        QVERIFY(m_unit->listen(port));
        m_unit->setResponseDelay(std::chrono::milliseconds(2));
        QSignalSpy records(m_unit.get(), &UnitSimulator::recordReceived);
        click(control<QPushButton>(*window, "LoadStart"));
        QTRY_VERIFY_WITH_TIMEOUT(records.size() >= 20, 10000);
        m_stopAnswer = false;
        stop->trigger();
        QCOMPARE(m_stopQuestions.size(), 1);
        QVERIFY(m_stopQuestions.first().contains(QStringLiteral("programming mode")));
        const qsizetype declinedAt = records.size();
        QTRY_VERIFY(records.size() > declinedAt + 10);
        QCOMPARE(ended.size(), 1);
        m_stopAnswer = true;
        stop->trigger();
        stoppedAsAFailure(2);
        const qsizetype sent = records.size();
        QTest::qWait(200);
        QCOMPARE(records.size(), sent);
        QCOMPARE(m_unit->connectionCount(), 1);

        // The reboot wait: the unit is writing, so Stop is not offered and does nothing.
        m_unit->setResponseDelay(std::chrono::milliseconds(0));
        window->setChecked(Tool::Loop, false);
        bool offeredWhileWriting = true;
        connect(&log, &ActivityLog::lineAppended, window.get(), [&](const QString &line) {
            if (line == QLatin1String("Writing firmware, DO NOT REMOVE POWER!")) {
                offeredWhileWriting = stop->isEnabled();
                stop->trigger();
            }
        });
        click(control<QPushButton>(*window, "LoadStart"));
        QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 3, 30000);
        QVERIFY(!offeredWhileWriting);
        QCOMPARE(ended.last().first().value<UploadOutcome>(), UploadOutcome::Finished);
        QCOMPARE(m_stopQuestions.size(), 2);
    }

    void closingMidTransferAsksAsStopDoes()
    {
        TestSupport::TimeScale fast(0.02);
        QVERIFY(!writeFirmware(2000).isEmpty());
        m_unit->setResponseDelay(std::chrono::milliseconds(1));
        auto window = openWindow();
        QVERIFY(window);
        click(control<QLabel>(*window, "FirmwareFile"));

        QSignalSpy ended(&window->engine(), &UploadEngine::attemptEnded);
        QSignalSpy records(m_unit.get(), &UnitSimulator::recordReceived);
        frmMain *raw = window.get();
        connect(m_unit.get(), &UnitSimulator::recordReceived, raw, [raw, &records] {
            if (records.size() == 100)
                QTimer::singleShot(0, raw, &QWidget::close);
        });
        click(control<QPushButton>(*window, "LoadStart"));

        // Continue (the default): the window stays and the transfer goes on.
        QTRY_COMPARE_WITH_TIMEOUT(m_stopQuestions.size(), 1, 30000);
        QVERIFY(m_stopQuestions.first().contains(QStringLiteral("programming mode")));
        const qsizetype keptAt = records.size();
        QTRY_VERIFY(records.size() > keptAt + 10);
        QVERIFY(window->isVisible());
        QCOMPARE(ended.size(), 0);

        // Stop: the attempt ends as Stop ends it, then the window closes.
        m_stopAnswer = true;
        QVERIFY(window->close());
        QCOMPARE(ended.size(), 1);
        QCOMPARE(ended.first().first().value<UploadOutcome>(), UploadOutcome::Stopped);
        QVERIFY(window->activityLog().lines().contains(QStringLiteral("Stopped by the operator.")));
        QVERIFY(!window->isVisible());
        QVERIFY(window->engine().isShutDown());
        QCOMPARE(window->socket().state(), int(UnitSocket::Closed));
        QTRY_COMPARE(WaitableTimer::depth(), 0);

        // Nothing more goes out and nothing restarts.
        const qsizetype sent = records.size();
        QVERIFY(sent < 2000);
        QTest::qWait(300);
        QCOMPARE(records.size(), sent);
        QCOMPARE(ended.size(), 1);
        QCOMPARE(m_stopQuestions.size(), 2);
    }

    void keyboardAloneChoosesAndStarts()
    {
        TestSupport::TimeScale fast(0.02);
        QVERIFY(!writeFirmware(20).isEmpty());
        auto window = openWindow();
        QVERIFY(window);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        auto *port = control<QLineEdit>(*window, "EthernetPort");
        auto *label = control<QLabel>(*window, "FirmwareFile");
        const QString portText = port->text();

        // The file label follows in the Tab order; Space, Enter and Ctrl+O open the dialog.
        port->setFocus();
        QTest::keyClick(port, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), label);
        QTest::keyClick(label, Qt::Key_Space);
        QTest::keyClick(label, Qt::Key_Return);
        QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(m_dialog.shown, 3);

        // Alt+L presses Load and Start and types nothing; the port box takes digits only.
        QSignalSpy ended(&window->engine(), &UploadEngine::attemptEnded);
        port->setFocus();
        QTest::keyClick(port, Qt::Key_L, Qt::AltModifier);
        QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, 30000);
        QTest::keyClicks(port, QStringLiteral("l-"));
        QCOMPARE(port->text(), portText);

        // Enter in either box starts the next upload; not while nothing may start.
        for (const char *box : {"EthernetAddress", "EthernetPort"}) {
            QTest::keyClick(control<QLineEdit>(*window, box), Qt::Key_Return);
            QTRY_COMPARE_WITH_TIMEOUT(ended.size(), box[8] == 'A' ? 2 : 3, 30000);
        }
        QCOMPARE(m_unit->connectionCount(), 3);
        window->setControlEnabled(StartControl::LoadStart, false);
        QTest::keyClick(port, Qt::Key_Enter);
        QTest::keyClick(port, Qt::Key_L, Qt::AltModifier);
        QTest::qWait(300);
        QCOMPARE(ended.size(), 3);
    }

    void closingInTheRebootWaitEndsThePause()
    {
        // Real time: the close must cut a pause of seconds short.
        QVERIFY(!writeFirmware(20).isEmpty());
        auto window = openWindow();
        QVERIFY(window);
        window->setChecked(Tool::Loop, true);
        click(control<QLabel>(*window, "FirmwareFile"));

        QSignalSpy ended(&window->engine(), &UploadEngine::attemptEnded);
        frmMain *raw = window.get();
        ActivityLog &log = window->activityLog();
        connect(&log, &ActivityLog::lineAppended, raw, [raw](const QString &line) {
            if (line == QLatin1String("Writing firmware, DO NOT REMOVE POWER!"))
                QTimer::singleShot(0, raw, &QWidget::close);
        });
        click(control<QPushButton>(*window, "LoadStart"));

        QTRY_VERIFY_WITH_TIMEOUT(!window->isVisible(), 20000);
        // The rest of the timeline would take more than 5 s.
        QTRY_COMPARE_WITH_TIMEOUT(WaitableTimer::depth(), 0, 3000);
        QTest::qWait(200);
        QVERIFY(!log.lines().contains(QStringLiteral("Done!  Unit is ready to use.")));
        QCOMPARE(m_unit->connectionCount(), 1);
        QVERIFY(ended.size() <= 1);
    }
};

QTEST_MAIN(tst_WindowUpload)
#include "tst_windowupload.moc"
