// fwbench-window: the real window uploading, driven as the operator drives it (file chosen
// through the Open menu, Debug ticked, "Load and Start" pressed), one measured run per process.
// The platform plugin decides whether the window is visible (xcb under Xvfb) or offscreen.

#include "BenchOptions.h"
#include "BenchReport.h"
#include "RawClient.h"
#include "SoakRun.h"
#include "UploadRun.h"
#include "platform/EventDispatcher.h"

#include "WindowHistory.h"
#include "firmware/OpenFileDialog.h"
#include "frmMain.h"
#include "history/HistoryStore.h"
#include "history/HistoryWorker.h"
#include "platform/Clock.h"
#include "platform/SettingsStore.h"
#include "upload/ActivityLog.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QListView>
#include <QProcess>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <cstdio>

namespace {

// Answers the file-open dialog with the benchmark's firmware file.
class ChosenFile : public OpenFileDialog
{
public:
    explicit ChosenFile(QString path) : m_path(std::move(path)) {}
    QString show(const OpenFileDialogSettings &, const QString &) override { return m_path; }

private:
    QString m_path;
};

// The Tools menu, and with it Debug, is offered by titles that end in "Debug".
QString windowTitle()
{
    return QString::fromLatin1(UploadRun::kTitle) + QStringLiteral(" Debug");
}

struct WindowBench
{
    explicit WindowBench(const BenchOptions &options)
        : settings(scratch.path()), dialog(options.file),
          window(windowTitle(), frmMain::buildVersion(), services())
    {
        window.setEthernetAddress(QStringLiteral("127.0.0.1"));
        window.setEthernetPort(QString::number(options.port));
        window.setChecked(Tool::Debug, options.debug);
        window.show();
        window.findChild<QAction *>(QStringLiteral("mnuFileOpen"))->trigger();
    }

    frmMain::Services services()
    {
        frmMain::Services chosen;
        chosen.settings = &settings;
        chosen.fileDialog = &dialog;
        return chosen;
    }

    void pressLoadStart() { window.findChild<QPushButton *>(QStringLiteral("LoadStart"))->click(); }

    QTemporaryDir scratch;
    SettingsStore settings;
    ChosenFile dialog;
    frmMain window;
};

int runWindow(const BenchOptions &options)
{
    const qint64 records = RawClient::countRecordsToSend(options.file);
    WindowBench bench(options);
    UploadRun run(
        bench.window.activityLog(), [&] { bench.pressLoadStart(); }, options.run);
    const QListView *list = bench.window.findChild<QListView *>(QStringLiteral("ListBox"));
    int rowsShownAtStart = -1;
    run.onTransferStart = [&] { rowsShownAtStart = list->model()->rowCount(); };
    const UploadRun::Result result = run.exec();
    BenchReport report;
    report.addRun(result, records);
    report.add(QStringLiteral("rows_shown_at_start"), qint64(rowsShownAtStart));
    report.add(QStringLiteral("platform"), QGuiApplication::platformName());
    report.print();
    return result.ok ? 0 : 1;
}

// The history row: the attempt's row goes to an SQLite history whose write lock another process
// (this program, as "lock") holds past the store's own time-out. The longest stall counts from
// the click until the row has been answered (given up, here), the row's wait included.
int runLockedHistory(const BenchOptions &options)
{
    constexpr int kLockMs = 20000;
    const qint64 records = RawClient::countRecordsToSend(options.file);
    WindowBench bench(options);
    const QString path = bench.scratch.filePath(QStringLiteral("history.sqlite"));
    auto *history = bench.window.findChild<WindowHistory *>();
    auto *worker = history->findChild<HistoryWorker *>();
    if (history->setDatabaseSetting(QStringLiteral("sqlite://") + path) ||
        HistoryStore(history->location()).open(HistoryStore::Access::Write))
        return 1;
    QProcess locker;
    locker.start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("lock"), path, QString::number(kLockMs)});
    if (!locker.waitForReadyRead(10000))
        return 1;
    StallMonitor stalls;
    UploadRun run(
        bench.window.activityLog(),
        [&] {
            stalls.start();
            bench.pressLoadStart();
        },
        options.run);
    UploadRun::Result result = run.exec();
    QElapsedTimer rowWait;
    rowWait.start();
    while (result.ok && worker->pending() > 0 && rowWait.elapsed() < kLockMs)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    stalls.stop();
    result.worstStallMs = std::max(result.worstStallMs, stalls.worstLatenessMs());
    locker.kill();
    locker.waitForFinished();
    BenchReport report;
    report.addRun(result, records);
    report.add(QStringLiteral("row_wait_ms"), rowWait.elapsed());
    report.add(QStringLiteral("platform"), QGuiApplication::platformName());
    report.print();
    return result.ok ? 0 : 1;
}

// "lock FILE MS": holds the history's write lock, as another writer that takes its time.
int holdLock(const QString &path, int milliseconds)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    db.setDatabaseName(path);
    QSqlQuery query(db);
    if (!db.open() || !query.exec(QStringLiteral("BEGIN EXCLUSIVE")))
        return 1;
    std::printf("locked\n");
    std::fflush(stdout);
    QThread::msleep(ulong(milliseconds));
    return 0;
}

int runSoak(const BenchOptions &options)
{
    Clock::setTimeScale(options.timeScale);
    WindowBench bench(options);
    SoakRun soak(
        bench.window, [&] { bench.pressLoadStart(); }, options.uploads);
    const int finished = soak.exec();
    QTextStream(stdout) << "finished " << finished << " of " << options.uploads << Qt::endl;
    return finished == options.uploads ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    EventDispatcher::preferQtDispatcher();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("fwbench-window"));
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 4 && arguments.at(1) == QLatin1String("lock"))
        return holdLock(arguments.at(2), arguments.at(3).toInt());
    BenchOptions options;
    if (!options.parse(arguments, {QStringLiteral("window"), QStringLiteral("soak"),
                                   QStringLiteral("history-locked")}))
        return 2;
    if (options.mode == QLatin1String("window"))
        return runWindow(options);
    if (options.mode == QLatin1String("history-locked"))
        return runLockedHistory(options);
    return runSoak(options);
}
