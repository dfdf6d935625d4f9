// The station as an operator's production screen: the line view's room for a whole line, its
// zoom kept between sessions, verdicts that never rest on colour alone, and failures first.

#include "ColourContrast.h"
#include "FirmwarePanel.h"
#include "LineView.h"
#include "LockControls.h"
#include "OperatorDesk.h"
#include "OperatorSeat.h"
#include "ProductionLock.h"
#include "ShiftCounts.h"
#include "ShiftWatch.h"
#include "StationLook.h"
#include "StationWindow.h"
#include "TestSupport.h"
#include "UnitFilterModel.h"
#include "UnitListFile.h"
#include "UnitListModel.h"
#include "UnitStateText.h"
#include "UnitTable.h"
#include "UnitViews.h"
#include "history/HistoryStore.h"
#include "platform/SettingsStore.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QStyle>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QList<UnitState> kEnded{UnitState::Finished, UnitState::Refused, UnitState::ConnectFailed,
                              UnitState::Lost,     UnitState::Error,   UnitState::Stopped};

QList<StationUnit> benches(int count)
{
    QList<StationUnit> units;
    for (int i = 0; i < count; ++i)
        units.append(StationUnit::listed(QStringLiteral("Bench %1").arg(i + 1),
                                         QStringLiteral("127.0.0.1"), QString::number(5000 + i)));
    return units;
}

// A line mid-shift: most finished, some failed, some still going.
void setStates(UnitListModel &model)
{
    for (int row = 0; row < model.rowCount(); ++row) {
        StationUnit *unit = model.unitForUpdate(model.unit(row).id);
        unit->total = 2050;
        if (row % 7 == 3) {
            unit->state = UnitState::Refused;
            unit->exitCode = 1;
            unit->reason = QStringLiteral("The unit refused record 300, line 300: NAK - Incorrect "
                                          "Record Type");
        } else if (row % 5 == 4) {
            unit->state = UnitState::Sending;
            unit->sent = 700 + 40 * row;
            unit->percent = 100.0 * unit->sent / unit->total;
        } else {
            unit->state = UnitState::Finished;
            unit->exitCode = 0;
            unit->sent = unit->total;
            unit->percent = 100;
        }
    }
    model.flushChanges();
}

QAction *action(QWidget &window, const QString &name)
{
    return window.findChild<QAction *>(name);
}

} // namespace

class tst_LineView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // Settings of this test only: the others run at the same time.
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_config.path());
    }

    // 32 benches fit a 1280x800 screen without scrolling; 64 scroll.
    void wholeLineFitsTheScreen_data()
    {
        QTest::addColumn<int>("benches");
        QTest::addColumn<bool>("scrolls");
        QTest::newRow("32") << 32 << false;
        QTest::newRow("64") << 64 << true;
    }
    void wholeLineFitsTheScreen()
    {
        QFETCH(int, benches);
        QFETCH(bool, scrolls);
        StationWindow window;
        window.model().setUnits(::benches(benches));
        setStates(window.model());
        window.resize(1280, 800);
        window.show();
        window.findChild<UnitViews *>()->setLineView(true);
        LineView *view = window.findChild<LineView *>();
        QVERIFY(view->isVisible());
        QTRY_COMPARE(view->verticalScrollBar()->maximum() > 0, scrolls);
        QVERIFY(view->tileRect(0).width() >= 140);
        if (!scrolls) {
            QVERIFY(view->viewport()->rect().contains(view->tileRect(benches - 1)));
            saveScreenshot(window, "station-line-view-light.png");
            window.findChild<UnitViews *>()->setLineView(false);
            saveScreenshot(window, "station-table-light.png");
            window.findChild<UnitViews *>()->setLineView(true);
            if (!qEnvironmentVariableIsEmpty("FWU_SCREENSHOT_DIR")) {
                const QPalette light = QApplication::palette();
                const QString style = QApplication::style()->name();
                QApplication::setStyle(QStyleFactory::create("Fusion"));
                QApplication::setPalette(StationLook::darkPalette());
                QApplication::processEvents();
                saveScreenshot(window, "station-line-view-dark.png");
                QApplication::setPalette(light);
                QApplication::setStyle(style);
            }
        }
        QVERIFY(window.close());
    }

    // Ctrl++ grows the tiles, and the next session opens as this one was left.
    void zoomAndViewAreRemembered()
    {
        {
            StationWindow window;
            window.show();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            window.findChild<UnitViews *>()->setLineView(true);
            QVERIFY(action(window, "actionLineView")->isChecked());
            LineView *view = window.findChild<LineView *>();
            const int height = view->tileRect(0).height();
            QTest::keyClick(view, Qt::Key_Plus, Qt::ControlModifier);
            QTest::keyClick(view, Qt::Key_Plus, Qt::ControlModifier);
            QCOMPARE(view->zoom(), 120);
            QVERIFY(view->tileRect(0).height() > height);
            QVERIFY(window.close());
        }
        StationWindow again;
        QCOMPARE(again.findChild<LineView *>()->zoom(), 120);
        QVERIFY(again.findChild<UnitViews *>()->isLineView());
        action(again, "actionLineView")->trigger();
        again.findChild<UnitViews *>()->setZoom(100);
        QVERIFY(again.close());
    }

    // Pass and fail differ in lightness, not only in hue, and every text on them reads.
    void verdictColoursKeepTheirContrast()
    {
        for (bool dark : {false, true}) {
            const QColor pass = UnitStateText::background(UnitState::Finished, dark);
            const QColor fail = UnitStateText::background(UnitState::Refused, dark);
            QVERIFY2(ColourContrast::ratio(pass, fail) >= 3.0, dark ? "dark" : "light");
            for (UnitState state : kEnded + QList<UnitState>{UnitState::Sending}) {
                const double ratio = ColourContrast::ratio(UnitStateText::background(state, dark),
                                                           UnitStateText::foreground(state, dark));
                QVERIFY2(ratio >= ColourContrast::kReadable,
                         qPrintable(QStringLiteral("state %1, %2: %3")
                                        .arg(int(state))
                                        .arg(dark ? "dark" : "light")
                                        .arg(ratio)));
            }
        }
        QCOMPARE(UnitStateText::mark(UnitState::Finished), QString("PASS"));
        QCOMPARE(UnitStateText::mark(UnitState::Lost), QString("FAIL"));
        QVERIFY(UnitStateText::icon(UnitState::Finished).cacheKey() !=
                UnitStateText::icon(UnitState::Refused).cacheKey());
    }

    // The reason reads as words, failures sort first and can be shown alone, and the count of
    // failures selects them.
    void failuresComeFirst()
    {
        StationWindow window;
        UnitListModel &model = window.model();
        model.setUnits(::benches(12));
        setStates(model);
        const int failedRow = 3;
        const QModelIndex outcome = model.index(failedRow, UnitListModel::Outcome);
        QVERIFY(outcome.data().toString().startsWith("The unit refused record 300"));
        QVERIFY(outcome.data(Qt::ToolTipRole).toString().contains("Exit code 1"));
        QCOMPARE(model.index(failedRow, UnitListModel::Name).data(Qt::BackgroundRole),
                 model.index(failedRow, UnitListModel::State).data(Qt::BackgroundRole));
        QCOMPARE(model.index(failedRow, UnitListModel::Progress)
                     .data(UnitListModel::PercentRole)
                     .toInt(),
                 -1);
        QVERIFY(model.index(4, UnitListModel::Progress).data(UnitListModel::PercentRole).toInt() >
                0);

        UnitTable *table = window.findChild<UnitTable *>();
        table->sortByColumn(UnitListModel::State, Qt::AscendingOrder);
        QCOMPARE(table->listRow(table->model()->index(0, 0)), 3);
        QCOMPARE(table->listRow(table->model()->index(1, 0)), 10);
        QCOMPARE(table->listRow(table->model()->index(2, 0)), 4);

        action(window, "actionFailedOnly")->trigger();
        QCOMPARE(table->model()->rowCount(), 2);
        action(window, "actionFailedOnly")->trigger();
        QCOMPARE(table->model()->rowCount(), 12);

        QLabel *counts = nullptr;
        for (QLabel *label : window.findChildren<QLabel *>()) {
            if (label->text().contains("href=\"failed\""))
                counts = label;
        }
        QVERIFY(counts);
        QVERIFY(counts->text().contains(">2 failed</a>"));
        Q_EMIT counts->linkActivated("failed");
        QCOMPARE(table->selectedRows(), (QList<int>{3, 10}));
    }

    // The shift's counts and the last run's failures outlive the window; a new shift starts the
    // counts again.
    void shiftCountsSurviveARestart()
    {
        {
            StationWindow window;
            window.findChild<ShiftWatch *>()->counts().startNew();
            window.model().setUnits(::benches(7));
            setStates(window.model());
            for (int row = 0; row < 7; ++row) {
                if (!window.model().unit(row).isRunning())
                    Q_EMIT window.runner().unitEnded(row);
            }
            Q_EMIT window.runner().runFinished();
            QCOMPARE(window.findChild<ShiftWatch *>()->counts().text(),
                     QString("Pass 5  Fail 1  Total 6  Yield 83.3 %"));
            QVERIFY(window.close());
        }
        StationWindow again;
        ShiftWatch *shift = again.findChild<ShiftWatch *>();
        QCOMPARE(shift->counts().total(), 6);
        QCOMPARE(shift->counts().passed(), 5);
        QCOMPARE(shift->rememberedFailedRows(), QList<int>{3});
        QVERIFY(again.findChild<QLabel *>("shiftCounts")->text().contains("Yield 83.3 %"));
        shift->counts().startNew();
        QCOMPARE(shift->counts().total(), 0);
        QVERIFY(again.close());
    }

    // Locked: the operator flashes; the firmware, the list and the uploaders' options need the
    // supervisor, whose password is kept only as a hash in a file for its owner alone.
    void lockedModeGuardsChanges()
    {
        QTemporaryDir dir;
        const QString firmware = dir.filePath("firmware.hex");
        const QString history = "sqlite://" + dir.filePath("history.sqlite");
        QVERIFY(TestSupport::writeFile(firmware, ":0400000001020304F2\r\n:00000001FF\r\n"));
        {
            StationWindow window;
            window.runner().setHistory(history);
            window.desk().operatorSeat().setName("anna");
            LockControls &lock = window.desk().lock();
            QVERIFY(lock.lockForProduction().has_value()); // no password yet
            QVERIFY(!lock.lock().setPassword("secret-1"));
            window.model().setUnits(::benches(2));
            QVERIFY(window.firmwarePanel().setPath(firmware));
            QVERIFY(!lock.lockForProduction());
            QVERIFY(lock.isLocked());
            QVERIFY(!window.model().setData(window.model().index(0, UnitListModel::Port), "6000",
                                            Qt::EditRole));
            for (QPushButton *button : window.findChildren<QPushButton *>()) {
                if (button->text().contains("Choose") || button->text().contains("dd unit"))
                    QVERIFY2(!button->isEnabled(), qPrintable(button->text()));
                if (button->text() == "Flash &all")
                    QVERIFY(button->isEnabled());
            }
            QFile settings(SettingsStore().fileName("Station"));
            QCOMPARE(settings.permissions() & (QFile::ReadGroup | QFile::ReadOther), 0);
            QVERIFY(settings.open(QIODevice::ReadOnly));
            const QByteArray stored = settings.readAll();
            QVERIFY(!stored.contains("secret-1"));
            QVERIFY(stored.contains("argon2"));

            // A wrong password is refused (after its delay), a right one unlocks.
            lock.lock().setRefusalDelay(50);
            QSignalSpy refused(&lock.lock(), &ProductionLock::refused);
            QSignalSpy changed(&lock.lock(), &ProductionLock::lockedChanged);
            lock.setAskPassword([](const QString &, const QString &) { return "wrong-1"; });
            bool allowed = false;
            lock.whenSupervisorAllows("test", [&] { allowed = true; });
            QVERIFY(refused.wait());
            QVERIFY(!allowed);
            QVERIFY(lock.isLocked());
            lock.setAskPassword([](const QString &, const QString &) { return "secret-1"; });
            lock.whenSupervisorAllows("test", [&] { allowed = true; });
            QTRY_VERIFY(allowed);
            QVERIFY(lock.isLocked()); // locked again once the supervised change is done
            QVERIFY(window.close());
        }
        // The supervisor's audit: every lock, unlock and refused unlock, with who ran the station.
        HistoryStore store(HistoryLocation::parse(history));
        QList<QVariantList> events;
        const qsizetype event = StationEvent::fields().indexOf("event");
        QTRY_VERIFY((store.selectEvents(0, &events), events.size() == 4));
        QStringList words;
        for (const QVariantList &values : std::as_const(events))
            words.prepend(values.value(event).toString());
        QCOMPARE(words, (QStringList{"lock", "refused_unlock", "unlock", "lock"}));
        QCOMPARE(events[0].value(StationEvent::fields().indexOf("operator")).toString(), "anna");
        StationWindow again;
        QVERIFY(again.desk().lock().isLocked());
        QSignalSpy unlocked(&again.desk().lock().lock(), &ProductionLock::lockedChanged);
        again.desk().lock().lock().tryUnlock("secret-1");
        QVERIFY(unlocked.wait());
        QVERIFY(!again.desk().lock().isLocked());
        QVERIFY(again.model().setData(again.model().index(0, UnitListModel::Port), "6000",
                                      Qt::EditRole));
        QVERIFY(again.close());
    }

    // A scanner types the label and Enter: the selected bench takes it, the next one is selected
    // for the next scan, and the list keeps the serials in its own column.
    void scannedSerialsFillTheBenches()
    {
        // SN-0042 already finished for this title; SN-0043 only for another.
        QTemporaryDir dir;
        const QString history = "sqlite://" + dir.filePath("history.sqlite");
        HistoryStore store(HistoryLocation::parse(history));
        for (const char *title : {FWU_APP_TITLE, "Other Product"}) {
            HistoryRecord earlier;
            earlier.started = earlier.ended = QDateTime::currentDateTime();
            earlier.title = title;
            earlier.unitSerial = title == QString(FWU_APP_TITLE) ? "SN-0042" : "SN-0043";
            earlier.unitName = "bench 9";
            earlier.outcome = "finished";
            QCOMPARE(store.append(earlier), std::nullopt);
        }
        StationWindow window;
        window.runner().setHistory(history);
        window.model().setUnits(::benches(3));
        window.show();
        UnitTable *table = window.findChild<UnitTable *>();
        table->selectRows({1});
        QLineEdit *scan = window.findChild<QLineEdit *>("scanField");
        QTest::keyClicks(scan, "SN-0042");
        QTest::keyClick(scan, Qt::Key_Return);
        QCOMPARE(window.model().unit(1).serial, QString("SN-0042"));
        QCOMPARE(table->selectedRows(), QList<int>{2});
        QVERIFY(scan->text().isEmpty());
        QTest::keyClicks(scan, "SN-0043");
        QTest::keyClick(scan, Qt::Key_Return);
        // The one that finished before is flagged on its row before any run.
        QTRY_VERIFY(!window.model().unit(1).serialSeen.isEmpty());
        QVERIFY(window.model().unit(1).serialSeen.contains("bench 9"));
        QCOMPARE(window.model().index(1, UnitListModel::Serial).data(Qt::ToolTipRole).toString(),
                 window.model().unit(1).serialSeen);
        QTest::qWait(200);
        QVERIFY(window.model().unit(2).serialSeen.isEmpty());
        const QString text = UnitListFile::toText(window.model().units());
        QVERIFY(text.startsWith("name,address,port,title,serial\r\n"));
        QString error;
        QCOMPARE(UnitListFile::fromText(text, &error).at(1).serial, QString("SN-0042"));
        QVERIFY(UnitListFile::toText(::benches(1)).startsWith("name,address,port,title\r\n"));
        QVERIFY(window.close());
    }

private:
    // For README: FWU_SCREENSHOT_DIR=docs makes the test save what the operator sees.
    void saveScreenshot(QWidget &window, const char *name)
    {
        const QString folder = qEnvironmentVariable("FWU_SCREENSHOT_DIR");
        if (!folder.isEmpty())
            QVERIFY(window.grab().save(QDir(folder).filePath(QLatin1String(name))));
    }

    QTemporaryDir m_config;
};

QTEST_MAIN(tst_LineView)
#include "tst_lineview.moc"
