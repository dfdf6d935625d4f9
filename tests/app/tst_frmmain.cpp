#include "ActivityLogListModel.h"
#include "ActivityLogView.h"
#include "ColourContrast.h"
#include "FakeUnitSocket.h"
#include "HelpDialogs.h"
#include "MinisignTool.h"
#include "ProgressCaption.h"
#include "TrustedKeysDialog.h"
#include "connection/ConnectionSettings.h"
#include "connection/ConnectionStatusMonitor.h"
#include "connection/ProductProfile.h"
#include "firmware/OpenFileDialog.h"
#include "frmMain.h"
#include "platform/SettingsStore.h"
#include "platform/WaitableTimer.h"
#include "upload/ActivityLog.h"
#include "upload/UploadEngine.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QtTest>

#include <memory>

namespace {

const QString kKestrel = QStringLiteral("Kestrel Max Firmware Uploader");

// Answers like an operator who cancels, unless told a file; counts how often it was shown.
class NoFileDialog : public OpenFileDialog
{
public:
    QString show(const OpenFileDialogSettings &settings, const QString &) override
    {
        ++shown;
        lastFolder = settings.initialFolder;
        return answer;
    }
    int shown = 0;
    QString answer;
    QString lastFolder;
};

} // namespace

class tst_frmMain : public QObject
{
    Q_OBJECT

    FakeUnitSocket m_socket;
    std::unique_ptr<QTemporaryDir> m_settingsFolder;
    std::unique_ptr<SettingsStore> m_settings;
    NoFileDialog m_dialog;

    std::unique_ptr<frmMain> makeWindow(const QString &title = kKestrel,
                                        AppVersion version = {1, 0, 40})
    {
        WindowServices services;
        services.socket = &m_socket;
        services.settings = m_settings.get();
        services.fileDialog = &m_dialog;
        return std::make_unique<frmMain>(title, version, services);
    }

    template <typename W> static W *control(frmMain &window, const char *name)
    {
        auto *widget = window.findChild<W *>(QLatin1String(name));
        if (!widget)
            qFatal("no control named %s", name);
        return widget;
    }

    static QAction *menuItem(frmMain &window, const char *name)
    {
        return control<QAction>(window, name);
    }

private Q_SLOTS:
    void init()
    {
        // Closing a window ends every pause of the process; each test starts with them working.
        WaitableTimer::resume();
        m_settingsFolder = std::make_unique<QTemporaryDir>();
        QVERIFY(m_settingsFolder->isValid());
        m_settings = std::make_unique<SettingsStore>(m_settingsFolder->path());
        m_dialog.shown = 0;
        m_dialog.answer.clear();
    }

    void captionShowsTitleAndVersion_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("majorNumber");
        QTest::addColumn<int>("minorNumber");
        QTest::addColumn<int>("revision");
        QTest::addColumn<QString>("caption");
        QTest::newRow("default build")
            << kKestrel << 1 << 0 << 40 << "Kestrel Max Firmware Uploader v1.0.40";
        QTest::newRow("no leading zeros")
            << "Corvus Debug" << 10 << 2 << 3 << "Corvus Debug v10.2.3";
        QTest::newRow("all zero") << "X" << 0 << 0 << 0 << "X v0.0.0";
    }

    void captionShowsTitleAndVersion()
    {
        QFETCH(QString, title);
        QFETCH(int, majorNumber);
        QFETCH(int, minorNumber);
        QFETCH(int, revision);
        QFETCH(QString, caption);
        auto window = makeWindow(title, {majorNumber, minorNumber, revision});
        QCOMPARE(window->windowTitle(), caption);
    }

    void startUpState()
    {
        auto window = makeWindow();
        QCOMPARE(control<QLabel>(*window, "FirmwareFile")->text(),
                 QStringLiteral("Select file..."));
        QVERIFY(!window->isControlEnabled(StartControl::LoadStart));
        QVERIFY(!control<QPushButton>(*window, "LoadStart")->isEnabled());
        for (StartControl other : {StartControl::FirmwareFile, StartControl::EthernetAddress,
                                   StartControl::EthernetPort})
            QVERIFY(window->isControlEnabled(other));
        QVERIFY(!window->isChecked(Tool::Slow));
        QVERIFY(!window->isChecked(Tool::Loop));
        QVERIFY(!window->isChecked(Tool::Debug));
        QCOMPARE(control<QGroupBox>(*window, "frmFirmwareFile")->title(),
                 QStringLiteral("Firmware File"));
        QCOMPARE(control<QGroupBox>(*window, "frmConnectionSettings")->title(),
                 QStringLiteral("Connection Settings"));
        QCOMPARE(control<QPushButton>(*window, "LoadStart")->text(),
                 QStringLiteral("Load and Start"));
        QCOMPARE(control<QLabel>(*window, "lblAddress")->text(), QStringLiteral("Address"));
        QCOMPARE(control<QLabel>(*window, "lblPort")->text(), QStringLiteral("Port"));
        auto *progress = control<QProgressBar>(*window, "ProgressBar");
        QCOMPARE(progress->minimum(), 0);
        QCOMPARE(progress->maximum(), 100);
        QCOMPARE(progress->value(), 0);
        QCOMPARE(window->activityLog().count(), 0);
        const QList<QSize> iconSizes = window->windowIcon().availableSizes();
        for (int size : {16, 24, 32, 48})
            QVERIFY2(iconSizes.contains(QSize(size, size)), qPrintable(QString::number(size)));

        // The status timer runs from start-up; its first tick comes about a second later.
        QVERIFY(window->statusText().isEmpty());
        QVERIFY(window->statusMonitor().EthernetStatusTimer().isActive());
        QCOMPARE(window->statusMonitor().EthernetStatusTimer().interval(), 1000);
        QTRY_COMPARE_WITH_TIMEOUT(window->statusText(), QStringLiteral("Not connected"), 5000);
    }

    void startUpFillsTheConnectionBoxes_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("savedAddress");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("port");
        const ProductProfile *kestrel = ProductProfile::named("Kestrel Max");
        const ProductProfile *corvus = ProductProfile::named("Corvus");
        QTest::newRow("profile defaults")
            << kKestrel << QString() << QString::fromLatin1(kestrel->defaultAddress)
            << QString::fromLatin1(kestrel->defaultPort);
        QTest::newRow("debug title, same profile") << "Corvus Firmware Uploader Debug" << QString()
                                                   << QString::fromLatin1(corvus->defaultAddress)
                                                   << QString::fromLatin1(corvus->defaultPort);
        QTest::newRow("saved values win") << kKestrel << "127.0.0.1"
                                          << "127.0.0.1"
                                          << "5000";
        QTest::newRow("profile without defaults")
            << "TAPdeck Uploader" << QString() << QString() << QString();
        QTest::newRow("no profile") << "Firmware Uploader" << QString() << QString() << QString();
    }

    void startUpFillsTheConnectionBoxes()
    {
        QFETCH(QString, title);
        QFETCH(QString, savedAddress);
        QFETCH(QString, address);
        QFETCH(QString, port);
        if (!savedAddress.isEmpty())
            ConnectionSettings(title, *m_settings).save(savedAddress, port);
        auto window = makeWindow(title);
        QCOMPARE(window->ethernetAddress(), address);
        QCOMPARE(window->ethernetPort(), port);
        QCOMPARE(control<QLineEdit>(*window, "EthernetAddress")->text(), address);
    }

    void forgetBringsBackTheDefaults()
    {
        const QString title = QStringLiteral("Kestrel Max Firmware Uploader Debug");
        ConnectionSettings(title, *m_settings)
            .save(QStringLiteral("127.0.0.1"), QStringLiteral("40123"));
        auto window = makeWindow(title);
        QCOMPARE(window->ethernetPort(), QStringLiteral("40123"));
        menuItem(*window, "mnuForget")->trigger();
        QCOMPARE(window->ethernetPort(), QStringLiteral("5000"));
        QCOMPARE(m_settings->read(title, QStringLiteral("Settings"), QStringLiteral("EthernetPort"),
                                  QStringLiteral("none")),
                 QStringLiteral("none"));
    }

    void toolsMenuOnlyForDebugTitles_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("shown");
        QTest::newRow("ends in Debug") << "Kestrel Max Firmware Uploader Debug" << true;
        QTest::newRow("only Debug") << "Debug" << true;
        QTest::newRow("glued Debug") << "CorvusDebug" << true;
        QTest::newRow("lower case") << "Kestrel Max Firmware Uploader debug" << false;
        QTest::newRow("trailing space") << "Kestrel Max Firmware Uploader Debug " << false;
        QTest::newRow("plain title") << kKestrel << false;
        QTest::newRow("short") << "Deb" << false;
    }

    void toolsMenuOnlyForDebugTitles()
    {
        QFETCH(QString, title);
        QFETCH(bool, shown);
        auto window = makeWindow(title);
        auto *tools = control<QMenu>(*window, "mnuTools");
        QCOMPARE(tools->menuAction()->isVisible(), shown);
        QVERIFY(control<QMenu>(*window, "mnuFile")->menuAction()->isVisible());
        // File, Tools and Help.
        QCOMPARE(window->menuBar()->actions().size(), 3);
    }

    void menuTree()
    {
        auto window = makeWindow(QStringLiteral("Corvus Debug"));
        struct Item
        {
            const char *name;
            const char *caption;
            const char *parent;
            bool checkable;
        };
        const Item items[] = {
            {"mnuFileOpen", "&Open", "mnuFile", false}, {"mnuFileExit", "E&xit", "mnuFile", false},
            {"mnuLoop", "&Loop", "mnuTools", true},     {"mnuSlow", "&Slow", "mnuTools", true},
            {"mnuDebug", "&Debug", "mnuTools", true},   {"mnuForget", "Forget", "mnuTools", false},
        };
        QStringList order;
        for (const Item &item : items) {
            QAction *action = menuItem(*window, item.name);
            QCOMPARE(action->text(), QLatin1String(item.caption));
            QVERIFY(control<QMenu>(*window, item.parent)->actions().contains(action));
            QCOMPARE(action->isCheckable(), item.checkable);
            QVERIFY(!action->isChecked());
            QVERIFY(action->isEnabled());
            if (action != menuItem(*window, "mnuFileOpen"))
                QVERIFY(action->shortcut().isEmpty());
        }
        QCOMPARE(control<QMenu>(*window, "mnuFile")->title(), QStringLiteral("&File"));
        QCOMPARE(control<QMenu>(*window, "mnuTools")->title(), QStringLiteral("&Tools"));
        QCOMPARE(control<QMenu>(*window, "mnuTools")->actions().size(), 4);

        // Added around the drawn items: Open stays first and Exit last in File.
        const QList<QAction *> file = control<QMenu>(*window, "mnuFile")->actions();
        QCOMPARE(file.first(), menuItem(*window, "mnuFileOpen"));
        QCOMPARE(file.last(), menuItem(*window, "mnuFileExit"));
        QCOMPARE(menuItem(*window, "mnuFileOpen")->shortcut(), QKeySequence(QKeySequence::Open));
        QCOMPARE(menuItem(*window, "mnuFileSaveLog")->shortcut(), QKeySequence(QKeySequence::Save));
        QCOMPARE(menuItem(*window, "mnuFileStop")->shortcut(), QKeySequence(Qt::Key_Escape));
        QVERIFY(!menuItem(*window, "mnuFileStop")->isEnabled());
        const QList<QAction *> help = control<QMenu>(*window, "mnuHelp")->actions();
        QCOMPARE(help.size(), 3); // Keyboard Shortcuts, About, Language
        QCOMPARE(window->menuBar()->actions().last()->menu(), control<QMenu>(*window, "mnuHelp"));
        const QString about = HelpDialogs::aboutText(kKestrel, QStringLiteral("1.0.40"));
        for (const QString &part :
             {kKestrel, QStringLiteral("1.0.40"), QString::fromLatin1(qVersion()),
              QStringLiteral("Licensed under the MIT licence.")})
            QVERIFY2(about.contains(part), qPrintable(part));
    }

    void layoutMatchesTheDrawing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<int>("tab");
        // Pixels at 15 twips each; the window's controls are placed in its client area, below
        // the menu bar.
        QTest::newRow("sbStatusBar") << "sbStatusBar"
                                     << "" << QRect(0, 269, 385, 18) << 0;
        QTest::newRow("ListBox") << "ListBox"
                                 << "" << QRect(16, 208, 353, 49) << 1;
        QTest::newRow("ProgressBar") << "ProgressBar"
                                     << "" << QRect(16, 176, 353, 17) << 2;
        QTest::newRow("frmFirmwareFile") << "frmFirmwareFile"
                                         << "" << QRect(16, 8, 353, 57) << 3;
        QTest::newRow("frmConnectionSettings") << "frmConnectionSettings"
                                               << "" << QRect(16, 80, 353, 81) << 4;
        QTest::newRow("EthernetAddress") << "EthernetAddress"
                                         << "frmConnectionSettings" << QRect(88, 24, 97, 19) << 5;
        QTest::newRow("EthernetPort") << "EthernetPort"
                                      << "frmConnectionSettings" << QRect(88, 48, 97, 19) << 6;
        QTest::newRow("lblAddress") << "lblAddress"
                                    << "frmConnectionSettings" << QRect(32, 24, 41, 17) << 7;
        QTest::newRow("lblPort") << "lblPort"
                                 << "frmConnectionSettings" << QRect(32, 48, 41, 17) << 8;
        QTest::newRow("LoadStart") << "LoadStart"
                                   << "frmConnectionSettings" << QRect(224, 24, 97, 41) << 9;
        QTest::newRow("FirmwareFile") << "FirmwareFile"
                                      << "frmFirmwareFile" << QRect(8, 24, 337, 25) << 10;
    }

    void layoutMatchesTheDrawing()
    {
        QFETCH(QString, name);
        QFETCH(QString, container);
        QFETCH(QRect, geometry);
        QFETCH(int, tab);

        auto window = makeWindow();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const QPoint clientOrigin = window->centralWidget()->pos();

        auto *widget = control<QWidget>(*window, qPrintable(name));
        QRect actual = widget->geometry();
        if (container.isEmpty()) {
            // Directly on the window: relative to the client area, whatever holds it inside.
            actual.moveTopLeft(widget->mapTo(window.get(), QPoint(0, 0)) - clientOrigin);
        } else {
            QCOMPARE(widget->parentWidget()->objectName(), container);
        }
        QCOMPARE(actual, geometry);
        QVERIFY(widget->isVisible());

        // Tab order: every control comes after all controls with a lower tab index.
        static const char *const order[] = {"sbStatusBar",
                                            "ListBox",
                                            "ProgressBar",
                                            "frmFirmwareFile",
                                            "frmConnectionSettings",
                                            "EthernetAddress",
                                            "EthernetPort",
                                            "lblAddress",
                                            "lblPort",
                                            "LoadStart",
                                            "FirmwareFile"};
        if (tab > 0) {
            auto *previous = control<QWidget>(*window, order[tab - 1]);
            // The focus chain runs on from the previous control to this one before it meets
            // any control of a lower tab index.
            QWidget *w = previous->nextInFocusChain();
            for (int guard = 0; w != widget && guard < 1000; ++guard) {
                for (int earlier = 0; earlier < tab; ++earlier)
                    QVERIFY2(w->objectName() != QLatin1String(order[earlier]),
                             qPrintable(w->objectName() + " between " + order[tab - 1] + " and " +
                                        name));
                w = w->nextInFocusChain();
            }
            QCOMPARE(w, widget);
        }
    }

    void windowOpensAtTheDrawnSizeAndGrows()
    {
        auto window = makeWindow();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const int menuHeight = window->centralWidget()->y();
        QVERIFY(menuHeight > 0);
        const QSize drawn(385, 287 + menuHeight);
        QCOMPARE(window->size(), drawn);
        QCOMPARE(window->minimumSize(), drawn);
        QVERIFY(window->windowFlags() & Qt::WindowMaximizeButtonHint);

        auto rectOf = [&](const char *name) {
            auto *widget = control<QWidget>(*window, name);
            return QRect(widget->mapTo(window.get(), QPoint(0, 0)), widget->size());
        };
        const char *const names[] = {"ListBox",         "ProgressBar",           "frmFirmwareFile",
                                     "FirmwareFile",    "frmConnectionSettings", "LoadStart",
                                     "EthernetAddress", "EthernetPort",          "lblAddress",
                                     "lblPort"};
        QHash<QString, QRect> before;
        for (const char *name : names)
            before.insert(QLatin1String(name), rectOf(name));

        window->resize(900, 700);
        QTRY_COMPARE(window->size(), QSize(900, 700));
        const int dw = 900 - drawn.width();
        const int dh = 700 - drawn.height();
        auto grown = [&](const char *name, int width, int height) {
            QRect rect = before.value(QLatin1String(name));
            rect.setSize(rect.size() + QSize(width, height));
            return rect;
        };
        QCOMPARE(rectOf("ListBox"), grown("ListBox", dw, dh));
        for (const char *name :
             {"ProgressBar", "frmFirmwareFile", "FirmwareFile", "frmConnectionSettings"})
            QCOMPARE(rectOf(name), grown(name, dw, 0));
        QCOMPARE(rectOf("LoadStart"), before.value(QStringLiteral("LoadStart")).translated(dw, 0));
        for (const char *name : {"EthernetAddress", "EthernetPort", "lblAddress", "lblPort"})
            QCOMPARE(rectOf(name), before.value(QLatin1String(name)));
        auto *status = control<QStatusBar>(*window, "sbStatusBar");
        QCOMPARE(status->geometry(), QRect(0, 700 - 18, 900, 18));

        // Smaller than drawn is refused.
        window->resize(200, 100);
        QCOMPARE(window->size(), drawn);
    }

    void geometryAndFirmwareFolderRememberedPerTitle()
    {
        QTemporaryDir firmwareFolder;
        const QString chosen = firmwareFolder.filePath(QStringLiteral("a.hex"));
        QFile file(chosen);
        QVERIFY(file.open(QIODevice::WriteOnly) &&
                file.write(":0100000000FF\n:00000001FF\n") == 26);
        file.close();
        m_dialog.answer = chosen;
        {
            auto window = makeWindow();
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window.get()));
            window->resize(520, 400);
            QTRY_COMPARE(window->size(), QSize(520, 400));
            menuItem(*window, "mnuFileOpen")->trigger();
            QCOMPARE(m_dialog.lastFolder, QStringLiteral("%__CD__%"));
            window->close();
        }
        auto again = makeWindow();
        QCOMPARE(again->size(), QSize(520, 400));
        menuItem(*again, "mnuFileOpen")->trigger();
        QCOMPARE(m_dialog.lastFolder, QDir::cleanPath(firmwareFolder.path()));

        // Another title keeps its own.
        auto other = makeWindow(QStringLiteral("Corvus Firmware Uploader"));
        QCOMPARE(other->size().width(), 385);
        menuItem(*other, "mnuFileOpen")->trigger();
        QCOMPARE(m_dialog.lastFolder, QStringLiteral("%__CD__%"));
    }

    void tabKeyWalksTheInputs()
    {
        auto window = makeWindow();
        window->setControlEnabled(StartControl::LoadStart, true);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        auto *list = control<QListView>(*window, "ListBox");
        list->setFocus();
        QTRY_VERIFY(list->hasFocus());
        for (const char *next :
             {"EthernetAddress", "EthernetPort", "LoadStart", "FirmwareFile", "ListBox"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(next));
        }
    }

    void loopToggleResetsTheCount()
    {
        auto window = makeWindow(QStringLiteral("Meridian 8 Debug"));
        QAction *loop = menuItem(*window, "mnuLoop");
        window->engine().state().LoopCount = 5;
        window->setStatusText(QStringLiteral("Connected to 127.0.0.1"));
        loop->trigger();
        QVERIFY(window->isChecked(Tool::Loop));
        QCOMPARE(window->statusText(), QStringLiteral("Loops: 0"));
        QCOMPARE(window->engine().state().LoopCount, 0);

        window->engine().state().LoopCount = 7;
        window->setStatusText(QStringLiteral("Loops: 7"));
        loop->trigger();
        QVERIFY(!window->isChecked(Tool::Loop));
        QCOMPARE(window->statusText(), QStringLiteral("Loops: 0"));
        QCOMPARE(window->engine().state().LoopCount, 0);
    }

    void togglesFlipTheirMarksOnly()
    {
        auto window = makeWindow(QStringLiteral("Meridian 8 Debug"));
        window->setStatusText(QStringLiteral("Not connected"));
        for (auto [name, tool] : {std::pair{"mnuSlow", Tool::Slow}, {"mnuDebug", Tool::Debug}}) {
            menuItem(*window, name)->trigger();
            QVERIFY(window->isChecked(tool));
            menuItem(*window, name)->trigger();
            QVERIFY(!window->isChecked(tool));
        }
        QCOMPARE(window->statusText(), QStringLiteral("Not connected"));
        window->setChecked(Tool::Debug, true);
        QVERIFY(menuItem(*window, "mnuDebug")->isChecked());
    }

    void threeWaysToTheFileDialog()
    {
        auto window = makeWindow();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        auto click = [](QWidget *widget, QPoint at) {
            QTest::mouseClick(widget, Qt::LeftButton, {}, at);
        };
        auto *label = control<QLabel>(*window, "FirmwareFile");
        auto *frame = control<QGroupBox>(*window, "frmFirmwareFile");

        click(label, label->rect().center());
        QCOMPARE(m_dialog.shown, 1);
        // On the frame's border, away from the label.
        click(frame, QPoint(frame->width() - 3, frame->height() - 3));
        QCOMPARE(m_dialog.shown, 2);
        menuItem(*window, "mnuFileOpen")->trigger();
        QCOMPARE(m_dialog.shown, 3);
        // Cancelled with nothing chosen before: still nothing to start.
        QVERIFY(!window->isControlEnabled(StartControl::LoadStart));

        // While an upload runs the label is disabled, but its frame still answers.
        window->setControlEnabled(StartControl::FirmwareFile, false);
        click(label, label->rect().center());
        QCOMPARE(m_dialog.shown, 4);

        // Other buttons and presses that leave the control are no clicks.
        window->setControlEnabled(StartControl::FirmwareFile, true);
        QTest::mouseClick(label, Qt::RightButton, {}, label->rect().center());
        QTest::mousePress(label, Qt::LeftButton, {}, label->rect().center());
        QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(-20, -20));
        QCOMPARE(m_dialog.shown, 4);
    }

    void fileExitClosesTheWindow()
    {
        auto window = makeWindow();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        menuItem(*window, "mnuFileExit")->trigger();
        QVERIFY(!window->isVisible());
    }

    void logViewShowsTheModel()
    {
        auto window = makeWindow();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        auto *list = control<QListView>(*window, "ListBox");
        const QColor initialBase = list->palette().color(QPalette::Base);
        ActivityLog &log = window->activityLog();

        auto viewMatchesLog = [&] {
            QAbstractItemModel *model = list->model();
            if (model->rowCount() != log.count())
                return false;
            for (int row = 0; row < log.count(); ++row)
                if (model->index(row, 0).data().toString() != log.line(row))
                    return false;
            const QModelIndexList selected = list->selectionModel()->selectedRows();
            if (log.selectedIndex() < 0)
                return selected.isEmpty();
            return selected.size() == 1 && selected.first().row() == log.selectedIndex();
        };

        // Well past the cap in one go, then more between two refreshes: every batch must leave
        // the view equal to the log.
        for (int i = 0; i < 25010; ++i)
            log.append(QStringLiteral("line %1").arg(i));
        log.ScrollLog();
        window->refreshView();
        QVERIFY(viewMatchesLog());
        QCOMPARE(list->model()->index(0, 0).data().toString(), QStringLiteral("line 10"));
        QCOMPARE(list->currentIndex().row(), 24999);
        QVERIFY(list->viewport()->rect().intersects(list->visualRect(list->currentIndex())));
        QCOMPARE(list->palette().color(QPalette::Base), initialBase);

        for (int i = 0; i < 40000; ++i) {
            log.append(QStringLiteral("more %1").arg(i));
            if (i % 1000 == 999)
                log.ScrollLog();
        }
        log.setBackColour(ActivityLog::kGreen);
        window->refreshView();
        QVERIFY(viewMatchesLog());
        QCOMPARE(list->model()->index(24999, 0).data().toString(), QStringLiteral("more 39999"));
        QCOMPARE(list->palette().color(QPalette::Base), QColor(0, 255, 0));

        // Appending alone neither selects nor scrolls.
        const int scroll = list->verticalScrollBar()->value();
        log.append(QStringLiteral("unscrolled"));
        window->refreshView();
        QVERIFY(viewMatchesLog());
        QCOMPARE(list->verticalScrollBar()->value(), scroll);
        QCOMPARE(list->currentIndex().row(), 24999);

        // A clear between refreshes, then new lines: the view starts over.
        log.setBackColour(ActivityLog::kWhite);
        log.clear();
        for (const char *line : {"Connecting to 127.0.0.1", " ", "Unit not responding!",
                                 "Could not establish connection to 127.0.0.1"})
            log.append(QLatin1String(line));
        log.setBackColour(ActivityLog::kRed);
        log.ScrollLog();
        window->refreshView();
        QVERIFY(viewMatchesLog());
        QCOMPARE(list->palette().color(QPalette::Base), QColor(255, 0, 0));
        QCOMPARE(log.selectedIndex(), 3);

        // The operator clicks an earlier line: the model follows.
        list->scrollToTop();
        const QRect second = list->visualRect(list->model()->index(1, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
        QCOMPARE(log.selectedIndex(), 1);
        window->refreshView();
        QVERIFY(viewMatchesLog());

        // The next ScrollLog takes the selection back to the end.
        log.append(QStringLiteral("Disconnecting from 127.0.0.1"));
        log.ScrollLog();
        window->refreshView();
        QVERIFY(viewMatchesLog());
        QCOMPARE(list->currentIndex().row(), 4);

        // A clear with nothing after it leaves an empty, unselected list.
        log.clear();
        window->refreshView();
        QVERIFY(viewMatchesLog());
        QCOMPARE(list->model()->rowCount(), 0);
    }

    void mirrorMapsRowsThroughSequenceNumbers()
    {
        ActivityLog log;
        for (int i = 0; i < 10; ++i)
            log.append(QString::number(i));
        ActivityLogListModel model(log);
        QCOMPARE(model.rowCount(), 10);
        // The log moves on before the mirror catches up.
        for (int i = 10; i < 25005; ++i)
            log.append(QString::number(i));
        log.ScrollLog();
        QCOMPARE(model.logIndexForRow(2), -1);
        QCOMPARE(model.logIndexForRow(7), 2);
        QCOMPARE(model.rowForLogIndex(0), 5);
        QCOMPARE(model.rowForLogIndex(5), -1);
        model.refresh();
        QCOMPARE(model.rowCount(), 25000);
        QCOMPARE(model.logIndexForRow(2), 2);
        QCOMPARE(model.rowForLogIndex(24999), 24999);
        QCOMPARE(model.index(0).data().toString(), QStringLiteral("5"));
        log.clear();
        QCOMPARE(model.logIndexForRow(0), -1);
    }

    void progressIsExactAndShownOnRefresh()
    {
        auto window = makeWindow();
        auto *bar = control<QProgressBar>(*window, "ProgressBar");
        window->setProgressMaximum(65536);
        window->setProgressValue(1234);
        QCOMPARE(window->progressMaximum(), 65536);
        QCOMPARE(window->progressValue(), 1234);
        window->refreshView();
        QCOMPARE(bar->maximum(), 65536);
        QCOMPARE(bar->value(), 1234);

        // Shown without being asked, from the window's own timer.
        window->setProgressValue(65536);
        QTRY_COMPARE(bar->value(), 65536);
        window->setProgressValue(0);
        QTRY_COMPARE(bar->value(), 0);
    }

    void statusTextSurvivesMenuHover()
    {
        auto window = makeWindow(QStringLiteral("Corvus Debug"));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->setStatusText(QStringLiteral("Loops: 0"));
        menuItem(*window, "mnuLoop")->hover();
        QCOMPARE(window->statusText(), QStringLiteral("Loops: 0"));
    }

    void firmwareInOneMoveChosenOrRefused()
    {
        QTemporaryDir folder;
        auto write = [&](const char *name, const QByteArray &content) {
            QFile file(folder.filePath(QLatin1String(name)));
            if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
                qFatal("cannot write %s", name);
            return file.fileName();
        };
        const QString good = write("good.hex", ":0100000000FF\n:00000001FF\n");
        const QString notes = write("notes.hex", "not firmware\n");
        auto window = makeWindow();
        auto *label = control<QLabel>(*window, "FirmwareFile");
        ActivityLog &log = window->activityLog();

        // Dropped anywhere on the window: only one local file is a choice.
        auto dropped = [&](const QList<QUrl> &urls) {
            QMimeData data;
            data.setUrls(urls);
            QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(window.get(), &enter);
            if (!enter.isAccepted())
                return false;
            QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(window.get(), &drop);
            return true;
        };
        QVERIFY(!dropped({QUrl::fromLocalFile(good), QUrl::fromLocalFile(notes)}));
        QVERIFY(!dropped({QUrl(QStringLiteral("http://127.0.0.1/a.hex"))}));
        QVERIFY(dropped({QUrl::fromLocalFile(good)}));
        QCOMPARE(label->text(), QStringLiteral("good.hex"));
        QCOMPARE(window->engine().state().FirmwarePath, good);
        QVERIFY(window->isControlEnabled(StartControl::LoadStart));
        QVERIFY(label->toolTip().contains(good + QStringLiteral("<br>")));
        for (const char *part : {"Size: 26 bytes", "Records to send: 2", "Data bytes: 1",
                                 "0x00000000-0x00000000", "SHA-256: "})
            QVERIFY2(label->toolTip().contains(QLatin1String(part)), part);
        QCOMPARE(log.count(), 0);

        // Refused at once, with the reason; the earlier choice stands.
        struct Refusal
        {
            QString path;
            QString reason;
        };
        for (const Refusal &refusal :
             {Refusal{notes, QStringLiteral("not valid Intel HEX: line 1")},
              Refusal{folder.path(), QStringLiteral("it is a folder, not a file")},
              Refusal{folder.filePath(QStringLiteral("gone.hex")),
                      QStringLiteral("there is no such file")}}) {
            QVERIFY(!window->chooseFirmwareFile(refusal.path));
            QCOMPARE(log.line(log.count() - 2),
                     QStringLiteral("Cannot use \"%1\" as the firmware file:")
                         .arg(QFileInfo(refusal.path).fileName()));
            QVERIFY2(log.lastLine().startsWith(QStringLiteral("  ") + refusal.reason),
                     qPrintable(log.lastLine()));
            QCOMPARE(log.backColour(), std::optional<quint32>(ActivityLog::kRed));
            QCOMPARE(window->engine().state().FirmwarePath, good);
            QCOMPARE(label->text(), QStringLiteral("good.hex"));
        }

        // The dialog proposes the dropped file next time and opens in its folder.
        m_dialog.answer.clear();
        menuItem(*window, "mnuFileOpen")->trigger();
        QCOMPARE(window->engine().state().FirmwarePath, good);
        QCOMPARE(m_dialog.lastFolder, QDir::cleanPath(folder.path()));

        // A name that looks like markup is shown as it is.
        QVERIFY(window->chooseFirmwareFile(write("<b>bold.hex", ":0100000000FF\n:00000001FF\n")));
        QVERIFY(label->toolTip().contains(QStringLiteral("&lt;b&gt;bold.hex")));

        // An address written twice with different bytes is chosen, and the log and the tooltip
        // say which line the unit keeps.
        QVERIFY(window->chooseFirmwareFile(
            write("stamped.hex", ":0100000000FF\n:0100000001FE\n:00000001FF\n")));
        const QString overlap = QStringLiteral("0x00000000-0x00000000: line 1, then line 2");
        QCOMPARE(log.lastLine(), QStringLiteral("  ") + overlap);
        QVERIFY(label->toolTip().contains(overlap));

        // From the dialog, checked as it returns: nothing to start until a sound file comes.
        auto fresh = makeWindow();
        m_dialog.answer = notes;
        menuItem(*fresh, "mnuFileOpen")->trigger();
        QVERIFY(!fresh->isControlEnabled(StartControl::LoadStart));
        QVERIFY(fresh->engine().state().FirmwarePath.isEmpty());
        QCOMPARE(control<QLabel>(*fresh, "FirmwareFile")->text(), QStringLiteral("Select file..."));
        QVERIFY(
            fresh->activityLog().lastLine().startsWith(QStringLiteral("  not valid Intel HEX")));
        m_dialog.answer = good;
        menuItem(*fresh, "mnuFileOpen")->trigger();
        QVERIFY(fresh->isControlEnabled(StartControl::LoadStart));
        m_dialog.answer = notes;
        menuItem(*fresh, "mnuFileOpen")->trigger();
        QCOMPARE(fresh->engine().state().FirmwarePath, good);
    }

    // Keys are added from key files, each once, shown by key ID, kept through the settings; only
    // signed firmware is flashed only while a key is trusted.
    void trustedKeysDialog()
    {
        QTemporaryDir folder;
        QVERIFY(MinisignTool::makeKey(folder.path(), "release"));
        const QString keyFile = folder.filePath("release.pub");
        TrustedKeysDialog dialog(TrustedKeySettings::load(kKestrel, *m_settings));
        auto *required = dialog.findChild<QCheckBox *>();
        auto *hint = dialog.findChild<QLabel *>("requiredHint");
        QVERIFY(!required->isEnabled() && !hint->isHidden());
        QVERIFY(hint->text().contains("Add a trusted key first"));
        QString problem;
        QVERIFY(dialog.addKeyFile(keyFile, &problem));
        QVERIFY(required->isEnabled() && hint->isHidden());
        QVERIFY(!dialog.addKeyFile(keyFile, &problem));
        QVERIFY2(problem.contains("trusted already"), qPrintable(problem));
        QVERIFY(!dialog.addKeyFile(folder.filePath("missing.pub"), &problem));
        // A signature in place of the key.
        QVERIFY(MinisignTool::sign(folder.path(), "release", keyFile, folder.filePath("k.sig")));
        QVERIFY(!dialog.addKeyFile(folder.filePath("k.sig"), &problem));
        auto *list = dialog.findChild<QListWidget *>("keyList");
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->item(0)->text(), "Key ID " + MinisignTool::keyId(folder.path(), "release"));
        required->setChecked(true);
        QVERIFY(dialog.settings().save(kKestrel, *m_settings));

        const TrustedKeySettings saved = TrustedKeySettings::load(kKestrel, *m_settings);
        QCOMPARE(saved.keys, dialog.settings().keys);
        QVERIFY(saved.requireSigned);
        QVERIFY(!TrustedKeySettings::load("Corvus", *m_settings).checksSignatures());

        // Removing the last key takes the setting with it, before anything is saved.
        list->setCurrentRow(0);
        for (QPushButton *button : dialog.findChildren<QPushButton *>()) {
            if (button->text() == "&Remove")
                button->click();
        }
        QCOMPARE(list->count(), 0);
        QVERIFY(!dialog.settings().requireSigned && !required->isEnabled());
    }

    void logCopiedAndReadableInADarkTheme()
    {
        const QPalette original = QApplication::palette();
        QPalette dark = original;
        for (auto [role, colour] : {std::pair{QPalette::Window, QColor(0x30, 0x30, 0x30)},
                                    {QPalette::Base, QColor(0x20, 0x20, 0x20)},
                                    {QPalette::Text, QColor(0xEE, 0xEE, 0xEE)},
                                    {QPalette::WindowText, QColor(0xEE, 0xEE, 0xEE)},
                                    {QPalette::Highlight, QColor(0x2A, 0x82, 0xDA)},
                                    {QPalette::HighlightedText, QColor(Qt::white)}})
            dark.setColor(role, colour);
        dark.setColor(QPalette::Inactive, QPalette::Highlight, QColor(0x40, 0x40, 0x40));
        QApplication::setPalette(dark);
        auto restore = qScopeGuard([&] { QApplication::setPalette(original); });

        auto window = makeWindow();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        auto *list = control<QListView>(*window, "ListBox");
        ActivityLog &log = window->activityLog();
        for (const char *line : {"Connecting to 127.0.0.1", "Sending firmware...", " "})
            log.append(QLatin1String(line));
        log.ScrollLog();
        for (quint32 colour : {ActivityLog::kWhite, ActivityLog::kGreen, ActivityLog::kRed}) {
            log.setBackColour(colour);
            window->refreshView();
            for (auto group : {QPalette::Active, QPalette::Inactive}) {
                const QPalette &p = list->palette();
                QVERIFY(ColourContrast::ratio(p.color(group, QPalette::Text),
                                              p.color(group, QPalette::Base)) >= 4.5);
                QVERIFY(ColourContrast::ratio(p.color(group, QPalette::HighlightedText),
                                              p.color(group, QPalette::Highlight)) >= 4.5);
                // The selected line stands out from the outcome colour.
                QVERIFY(p.color(group, QPalette::Highlight) != p.color(group, QPalette::Base));
            }
        }

        // Ctrl+C copies the log's selected line; the context menu copies all.
        QApplication::clipboard()->clear();
        list->setFocus();
        QTest::keySequence(list, QKeySequence::Copy);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral(" "));
        log.setSelectedIndex(1);
        QTest::keySequence(list, QKeySequence::Copy);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Sending firmware..."));
        std::unique_ptr<QMenu> menu(qobject_cast<ActivityLogView *>(list)->createContextMenu(
            menuItem(*window, "mnuFileSaveLog")));
        QStringList captions;
        for (QAction *action : menu->actions())
            captions << action->text();
        QCOMPARE(captions, QStringList({QStringLiteral("&Copy line"), QStringLiteral("Copy &all"),
                                        QString(), QStringLiteral("Save Log &As\u2026")}));
        menu->actions().at(1)->trigger();
        QCOMPARE(QApplication::clipboard()->text(),
                 QStringLiteral("Connecting to 127.0.0.1\nSending firmware...\n \n"));
    }

    void progressCaptionShowsPercentAndTimeLeft()
    {
        ProgressCaption caption;
        QCOMPARE(caption.text(0, 100, false, 0), QString());
        caption.restart();
        QCOMPARE(caption.text(0, 200, true, 0), QStringLiteral("0%"));
        // Measured from the first progress, not from the connect.
        QCOMPARE(caption.text(20, 200, true, 10000), QStringLiteral("10%"));
        QCOMPARE(caption.text(40, 200, true, 12000), QStringLiteral("20% - 16 s left"));
        QCOMPARE(caption.text(199, 200, true, 12000), QStringLiteral("99% - 1 s left"));
        QCOMPARE(caption.text(200, 200, true, 13000), QStringLiteral("100%"));
        QCOMPARE(ProgressCaption::formatDuration(65), QStringLiteral("1:05"));
        QCOMPARE(caption.text(50, 200, false, 14000), QStringLiteral("25%"));
    }
};

QTEST_MAIN(tst_frmMain)
#include "tst_frmmain.moc"
