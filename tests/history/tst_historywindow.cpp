// The window's attempts in the flash history: the database chosen in File > History, one row per
// attempt with its fields, and a history that cannot be written told in the log.

#include "HexFileGenerator.h"
#include "HistoryDialog.h"
#include "MinisignTool.h"
#include "TestSupport.h"
#include "UnitFault.h"
#include "UnitSimulator.h"
#include "WindowHistory.h"
#include "connection/ConnectionSettings.h"
#include "firmware/OpenFileDialog.h"
#include "firmware/PublicKey.h"
#include "firmware/TrustedKeySettings.h"
#include "frmMain.h"
#include "history/HistoryStore.h"
#include "platform/SettingsStore.h"
#include "platform/WaitableTimer.h"
#include "upload/ActivityLog.h"
#include "upload/UploadEngine.h"

#include <QComboBox>
#include <QCryptographicHash>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace {

const QString kTitle = QStringLiteral("Kestrel Max Firmware Uploader");

class ChoosingFileDialog : public OpenFileDialog
{
public:
    QString show(const OpenFileDialogSettings &, const QString &) override { return answer; }
    QString answer;
};

} // namespace

class tst_HistoryWindow : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void windowRows()
    {
        WaitableTimer::resume();
        TestSupport::TimeScale fast(0.02);
        SettingsStore settings(m_dir.filePath("config"));
        UnitSimulator unit;
        QVERIFY(unit.listen());
        ConnectionSettings(kTitle, settings).save("127.0.0.1", QString::number(unit.serverPort()));
        HexFileGenerator generator;
        generator.setDataRecords(60);
        ChoosingFileDialog dialog;
        dialog.answer = m_dir.filePath("firmware.hex");
        QVERIFY(generator.write(dialog.answer));
        // Signed, with the key trusted: every row names the key that signed the bytes sent.
        QVERIFY(MinisignTool::makeKey(m_dir.path(), "release"));
        QVERIFY(
            MinisignTool::sign(m_dir.path(), "release", dialog.answer, dialog.answer + ".minisig"));
        TrustedKeySettings trusted;
        QString problem;
        trusted.keys.append(*PublicKey::fromPathOrText(m_dir.filePath("release.pub"), &problem));
        QVERIFY(trusted.save(kTitle, settings));
        const QString keyId = MinisignTool::keyId(m_dir.path(), "release");

        WindowServices services;
        services.settings = &settings;
        services.fileDialog = &dialog;
        frmMain window(kTitle, AppVersion{1, 0, 40}, services);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        // File > History > Database..., as the operator answers it.
        auto *history = window.findChild<WindowHistory *>();
        QVERIFY(history);
        QString answer = "sqlite://" + m_dir.filePath("window.sqlite");
        history->setAskDatabase([&answer](const QString &) { return answer; });
        auto *menu = window.findChild<QMenu *>("mnuFileHistory");
        QVERIFY(menu &&
                window.findChild<QMenu *>("mnuFile")->actions().contains(menu->menuAction()));
        window.findChild<QAction *>("mnuFileHistoryDatabase")->trigger();
        QCOMPARE(history->databaseSetting(), answer);

        window.findChild<QAction *>("mnuFileOpen")->trigger();
        QSignalSpy ended(&window.engine(), &UploadEngine::attemptEnded);
        const auto upload = [&](int attempts) {
            window.findChild<QPushButton *>("LoadStart")->click();
            return QTest::qWaitFor([&] { return ended.size() == attempts; }, 30000);
        };
        QVERIFY(upload(1));
        UnitFault refusal;
        refusal.kind = UnitFault::Kind::NakChecksum;
        refusal.packet = 10;
        unit.addFault(refusal);
        QVERIFY(upload(2));
        unit.clearFaults();

        HistoryStore store(HistoryLocation::parse(answer));
        QList<HistoryRow> rows;
        QCOMPARE(store.select({}, &rows), std::nullopt);
        QCOMPARE(rows.size(), 2);
        QFile file(dialog.answer);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray sha = QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
        QCOMPARE(rows[0].text("outcome"), "refused");
        QCOMPARE(rows[0].value("exit_code").toInt(), 1);
        QVERIFY(rows[0].value("records_sent").isNull());
        QCOMPARE(rows[1].text("outcome"), "finished");
        QCOMPARE(rows[1].value("records_sent"), rows[1].value("records"));
        QCOMPARE(rows[1].text("message"), "Done!  Unit is ready to use.");
        for (const HistoryRow &row : rows) {
            QCOMPARE(row.text("program"), "firmware-uploader");
            QCOMPARE(row.text("version"), "1.0.40");
            QCOMPARE(row.text("title"), kTitle);
            QCOMPARE(row.text("address"), "127.0.0.1");
            QCOMPARE(row.value("port").toInt(), unit.serverPort());
            QCOMPARE(row.text("firmware_path"), dialog.answer);
            QCOMPARE(row.text("firmware_sha256").toLatin1(), sha.toHex());
            QCOMPARE(row.text("signature_key_id"), keyId);
            QCOMPARE(row.text("signature_comment"), "version 2.4.1");
            QVERIFY(!row.text("host").isEmpty() && !row.text("operator").isEmpty());
        }

        // File > History > Show...: the same rows, the tool's filters, copy and CSV export.
        window.findChild<QAction *>("mnuFileHistoryShow")->trigger();
        auto *shown = window.findChild<HistoryDialog *>("historyDialog");
        QVERIFY(shown);
        QCOMPARE(shown->rowCount(), 2);
        shown->findChild<QComboBox *>("historyOutcome")->setCurrentText("refused");
        QVERIFY(shown->refresh());
        QCOMPARE(shown->rowCount(), 1);
        QCOMPARE(shown->copyText(false).count('\n'), 2);
        const QString csv = m_dir.filePath("export.csv");
        shown->setChooseSaveFile([&csv](const QString &) { return csv; });
        QVERIFY(shown->exportCsv());
        QFile exported(csv);
        QVERIFY(exported.open(QIODevice::ReadOnly));
        QVERIFY(exported.readAll().startsWith("id,attempt_id,run_id,started,"));
        shown->findChild<QLineEdit *>("historySha256")->setText("abc");
        QVERIFY(!shown->refresh());
        shown->close();

        // A setting that is no history is refused; one that cannot be written costs no upload.
        answer = "mysql://db/flashes";
        QVERIFY(history->setDatabaseSetting(answer).has_value());
        QVERIFY(history->setDatabaseSetting("sqlite://" + m_dir.path()) == std::nullopt);
        QVERIFY(upload(3));
        QCOMPARE(ended.last().first().value<UploadOutcome>(), UploadOutcome::Finished);
        QVERIFY(window.activityLog().lines().last().startsWith(
            "The attempt is not in the flash history"));
    }
};

QTEST_MAIN(tst_HistoryWindow)
#include "tst_historywindow.moc"
