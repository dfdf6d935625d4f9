// No text is cut in any language the programs speak: the window, the station and the dialogs
// the operator opens, in English, in every catalog shipped and in a made-up language longer
// than any of them.

#include "CutTextFinder.h"
#include "FakeUnitSocket.h"
#include "HelpDialogs.h"
#include "PseudoTranslator.h"
#include "SerialDialog.h"
#include "StationHelp.h"
#include "StationWindow.h"
#include "TrustedKeysDialog.h"
#include "UnitLogDialog.h"
#include "frmMain.h"
#include "platform/CoreText.h"
#include "platform/SettingsStore.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLibraryInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <functional>
#include <memory>
#include <vector>

namespace {

const QString kPseudo = QStringLiteral("pseudo");

// The catalogs of a language, installed for the life of the object.
class InstalledLanguage
{
public:
    explicit InstalledLanguage(const QString &code)
    {
        if (code == kPseudo) {
            install(std::make_unique<PseudoTranslator>());
            // The records' texts are the same in every catalog; the made-up language stretches
            // them like any other.
            CoreText::useCatalog(QStringLiteral(":/i18n/firmware-uploader_de.qm"));
        } else if (code != QLatin1String("en")) {
            load(QStringLiteral("qtbase_") + code,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            load(QStringLiteral("firmware-uploader_") + code, QStringLiteral(":/i18n"));
            CoreText::useCatalog(QStringLiteral(":/i18n/firmware-uploader_%1.qm").arg(code));
        }
    }
    ~InstalledLanguage()
    {
        CoreText::forgetCatalog();
        for (const auto &translator : m_translators)
            QCoreApplication::removeTranslator(translator.get());
    }
    InstalledLanguage(const InstalledLanguage &) = delete;
    InstalledLanguage &operator=(const InstalledLanguage &) = delete;

private:
    void load(const QString &file, const QString &folder)
    {
        // A catalog with nothing translated yet is not installed: it speaks English.
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(file, folder) && !translator->isEmpty())
            install(std::move(translator));
    }
    void install(std::unique_ptr<QTranslator> translator)
    {
        QVERIFY(QCoreApplication::installTranslator(translator.get()));
        m_translators.push_back(std::move(translator));
    }

    std::vector<std::unique_ptr<QTranslator>> m_translators;
};

// A line mid-run: finished, refused and still sending, as the operator sees it most.
QList<StationUnit> unitsMidRun()
{
    QList<StationUnit> units;
    for (int i = 0; i < 6; ++i)
        units.append(StationUnit::listed(QStringLiteral("Bench %1").arg(i + 1),
                                         QStringLiteral("127.0.0.1"), QString::number(5000 + i)));
    return units;
}

void showStates(UnitListModel &model)
{
    for (int row = 0; row < model.rowCount(); ++row) {
        StationUnit *unit = model.unitForUpdate(model.unit(row).id);
        unit->total = 2050;
        unit->sent = row == 2 ? 900 : unit->total;
        unit->percent = 100.0 * unit->sent / unit->total;
        unit->state = row == 2   ? UnitState::Sending
                      : row == 4 ? UnitState::Refused
                                 : UnitState::Finished;
        if (row == 4) {
            unit->exitCode = 1;
            unit->reason = QStringLiteral(
                "The unit refused record 300, line 301 of the file: NAK - Incorrect Checksum.");
        } else if (row != 2) {
            unit->exitCode = 0;
        }
    }
    model.flushChanges();
}

} // namespace

class tst_Layout : public QObject
{
    Q_OBJECT

    QTemporaryDir m_config;
    FakeUnitSocket m_socket;

    // Shows the widget at its opening size, lets its layouts settle and reports its cut texts,
    // each named by language and window.
    static QStringList cutTexts(QWidget &widget, const QString &language, const QString &name)
    {
        widget.show();
        if (!QTest::qWaitForWindowExposed(&widget))
            return {QStringLiteral("%1, %2: never shown").arg(language, name)};
        QCoreApplication::processEvents();
        QStringList found;
        for (const QString &problem : CutTextFinder::problems(widget))
            found.append(QStringLiteral("%1, %2: %3").arg(language, name, problem));
        return found;
    }

    // The same for a dialog that runs its own event loop: open() returns once it is closed, which
    // happens as soon as its texts have been looked at.
    static QStringList cutTextsOfModal(const std::function<void()> &open, const QString &language,
                                       const QString &name)
    {
        QStringList found;
        bool seen = false;
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog || seen || !dialog->isVisible())
                return;
            seen = true;
            QCoreApplication::processEvents();
            for (const QString &problem : CutTextFinder::problems(*dialog))
                found.append(QStringLiteral("%1, %2: %3").arg(language, name, problem));
            dialog->done(QDialog::Rejected);
        });
        poll.start();
        open();
        if (!seen)
            found.append(QStringLiteral("%1, %2: never shown").arg(language, name));
        return found;
    }

    static QAction *actionNamed(QWidget &window, const QString &text)
    {
        for (QAction *action : window.findChildren<QAction *>()) {
            if (action->text() == text)
                return action;
        }
        return nullptr;
    }

    // For README: FWU_SCREENSHOT_DIR=docs saves the window and the station in some languages.
    static void saveScreenshot(QWidget &window, const QString &name, const QString &language)
    {
        const QString folder = qEnvironmentVariable("FWU_SCREENSHOT_DIR");
        if (folder.isEmpty() || !QStringList{"de", "zh_CN"}.contains(language))
            return;
        const QString file = QStringLiteral("%1-%2.png").arg(name, language);
        QVERIFY(window.grab().save(QDir(folder).filePath(file)));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_config.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_config.path());
    }

    void nothingIsCut_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("en") << QStringLiteral("en");
        const QStringList catalogs =
            QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("firmware-uploader_*.qm")});
        QVERIFY(!catalogs.isEmpty());
        for (const QString &file : catalogs) {
            const QString code = file.section(QLatin1Char('_'), 1).section(QLatin1Char('.'), 0, 0);
            QTest::newRow(qPrintable(code)) << code;
        }
        QTest::newRow("pseudo") << kPseudo;
    }

    void nothingIsCut()
    {
        QFETCH(QString, language);
        InstalledLanguage installed(language);
        QStringList cut;

        QTemporaryDir windowSettings;
        SettingsStore settings(windowSettings.path());
        WindowServices services;
        services.socket = &m_socket;
        services.settings = &settings;
        frmMain window(QStringLiteral("Kestrel Max Firmware Uploader"), {1, 0, 40}, services);
        cut += cutTexts(window, language, QStringLiteral("window"));
        saveScreenshot(window, QStringLiteral("window"), language);
        TrustedKeysDialog keys(TrustedKeySettings{}, &window);
        cut += cutTexts(keys, language, QStringLiteral("trusted keys"));
        keys.close();
        cut += cutTextsOfModal(
            [&] { HelpDialogs::showAbout(&window, window.windowTitle(), "1.0.40"); }, language,
            QStringLiteral("about"));
        cut += cutTextsOfModal([&] { HelpDialogs::showShortcuts(&window); }, language,
                               QStringLiteral("keyboard shortcuts"));
        QAction *database =
            actionNamed(window, QCoreApplication::translate("WindowHistory", "&Database\u2026"));
        QVERIFY(database);
        cut += cutTextsOfModal([&] { database->trigger(); }, language,
                               QStringLiteral("history database"));
        QVERIFY(window.close());

        StationWindow station;
        station.setUnattended(true);
        station.model().setUnits(unitsMidRun());
        showStates(station.model());
        cut += cutTexts(station, language, QStringLiteral("station"));
        saveScreenshot(station, QStringLiteral("station"), language);
        SerialDialog serials(SerialSettings{}, &station);
        cut += cutTexts(serials, language, QStringLiteral("serial numbers"));
        serials.close();
        UnitLogDialog log(station.model().unit(4), &station);
        cut += cutTexts(log, language, QStringLiteral("unit log"));
        log.close();
        cut += cutTextsOfModal([&] { StationHelp::showAbout(&station); }, language,
                               QStringLiteral("station about"));
        cut += cutTextsOfModal([&] { StationHelp::showShortcuts(&station); }, language,
                               QStringLiteral("station keyboard shortcuts"));
        QVERIFY(station.close());

        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
    }

    // The made-up language keeps what the programs rely on: placeholders, accelerators, tags.
    void pseudoLanguageKeepsMarkup()
    {
        const QString text = PseudoTranslator::stretched(QStringLiteral("<b>Save &log</b> %1 %n"));
        QVERIFY(text.startsWith(QStringLiteral("<b>[")));
        for (const char *kept : {"&l", "</b>", "%1", "%n"})
            QVERIFY2(text.contains(QLatin1String(kept)), kept);
        QVERIFY(PseudoTranslator::stretched(QStringLiteral("Save the log")).size() >= 1.4 * 12);
        QCOMPARE(CutTextFinder::shownText(QStringLiteral("Load && &Start")),
                 QStringLiteral("Load & Start"));
    }
};

QTEST_MAIN(tst_Layout)
#include "tst_layout.moc"
