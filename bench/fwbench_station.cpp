// fwbench-station: the station's window flashing every unit of a list at once, as the operator
// starts it ("Flash all"), with the event loop's longest stall watched throughout. One run per
// process; the platform plugin decides whether the window is visible (xcb under Xvfb) or
// offscreen. Prints one line: ok, units, finished, records, seconds, rate, stall_ms.
//
//   fwbench-station UNITS.csv FIRMWARE.hex   (FWU_STATION_CLI names the uploader; with
//                                             FWU_BENCH_SERVE_TOKEN=FILE the station also answers
//                                             its HTTP interface on a free port of 127.0.0.1 and
//                                             prints "Control interface: URL ..." first)
//   fwbench-station --idle STOPFILE          (the baseline: an idle Qt process's stall, watched
//                                             beside the same load until STOPFILE exists)

#include "FirmwarePanel.h"
#include "StallMonitor.h"
#include "StationWindow.h"
#include "http/StationServe.h"
#include "platform/EventDispatcher.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTextStream>

namespace {

constexpr int kRunLimitMs = 600000;
constexpr int kStopFilePollMs = 100;

// An event loop with nothing to do but be watched: how late its timer fires beside the load is
// what the machine alone costs any process, the yardstick for the station's own stall.
int watchIdle(const QString &stopFile, QTextStream &out)
{
    StallMonitor stalls;
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (QFileInfo::exists(stopFile))
            loop.quit();
    });
    QTimer::singleShot(kRunLimitMs, &loop, &QEventLoop::quit);
    poll.start(kStopFilePollMs);
    stalls.start();
    loop.exec();
    stalls.stop();
    out << "ok=1 stall_ms=" << QString::number(stalls.worstLatenessMs(), 'f', 1)
        << " stall_cpu_ms=" << QString::number(stalls.worstCpuMs(), 'f', 1)
        << " stall_queued_ms=" << QString::number(stalls.worstQueuedMs(), 'f', 1) << '\n';
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    EventDispatcher::preferQtDispatcher();
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() == 3 && arguments.at(1) == QLatin1String("--idle"))
        return watchIdle(arguments.at(2), out);
    if (arguments.size() != 3) {
        out << "ok=0 failure=usage\n";
        return 2;
    }
    StationWindow window;
    if (!window.openList(arguments.at(1)) || !window.firmwarePanel().setPath(arguments.at(2))) {
        out << "ok=0 failure=bad_list_or_firmware\n";
        return 1;
    }
    window.setLimit(0);
    StationServe serve(window);
    if (const QString tokenFile = qEnvironmentVariable("FWU_BENCH_SERVE_TOKEN");
        !tokenFile.isEmpty()) {
        if (const std::optional<QString> problem = serve.start(QStringLiteral("0"), tokenFile)) {
            out << "ok=0 failure=serve\n";
            return 1;
        }
    }
    window.show();
    QApplication::processEvents();

    StallMonitor stalls;
    QEventLoop finished;
    QObject::connect(&window.runner(), &StationRunner::runFinished, &finished, &QEventLoop::quit);
    QTimer::singleShot(kRunLimitMs, &finished, &QEventLoop::quit);
    QElapsedTimer clock;
    stalls.start();
    clock.start();
    window.flashAll();
    finished.exec();
    const double seconds = clock.nsecsElapsed() / 1e9;
    stalls.stop();

    qint64 records = 0;
    int done = 0;
    for (const StationUnit &unit : window.model().units()) {
        records += unit.recordsSent;
        done += unit.state == UnitState::Finished ? 1 : 0;
    }
    const int units = window.model().rowCount();
    out << "ok=" << (done == units ? 1 : 0) << " units=" << units << " finished=" << done
        << " records=" << records << " seconds=" << QString::number(seconds, 'f', 3)
        << " rate=" << QString::number(records / seconds, 'f', 0)
        << " stall_ms=" << QString::number(stalls.worstLatenessMs(), 'f', 1)
        << " stall_cpu_ms=" << QString::number(stalls.worstCpuMs(), 'f', 1)
        << " stall_queued_ms=" << QString::number(stalls.worstQueuedMs(), 'f', 1)
        << " stall_at_s=" << QString::number(stalls.worstAtMs() / 1000, 'f', 2) << '\n';
    return done == units ? 0 : 1;
}
