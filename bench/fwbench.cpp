// fwbench: the baseline client and the engine behind a plain view, one measured run per process
// so that each figure of peak memory belongs to one row.

#include "BenchOptions.h"
#include "BenchReport.h"
#include "RawClient.h"
#include "SoakRun.h"
#include "UploadRun.h"
#include "platform/EventDispatcher.h"

#include "platform/Clock.h"
#include "platform/SettingsStore.h"
#include "platform/TcpUnitSocket.h"
#include "protocol/UnitProtocol.h"
#include "upload/BasicUploadView.h"
#include "upload/UploadEngine.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

int runBaseline(const BenchOptions &options)
{
    QFile file(options.file);
    if (!file.open(QIODevice::ReadOnly)) {
        QTextStream(stderr) << "cannot read " << options.file << Qt::endl;
        return 2;
    }
    const QByteArrayList records = RawClient::recordsToSend(file.readAll());
    const ProcessProbe::CpuMeter cpu;
    const RawClient::Result result = RawClient::run(
        options.port, UnitProtocol::programmingRequest(QString::fromLatin1(UploadRun::kTitle)),
        records);
    BenchReport report;
    report.add(QStringLiteral("ok"), QString::number(result.ok ? 1 : 0));
    if (!result.ok)
        report.add(QStringLiteral("failure"), result.error);
    report.add(QStringLiteral("records"), qint64(records.size()));
    report.add(QStringLiteral("seconds"), result.seconds, 4);
    report.add(QStringLiteral("rate"), result.seconds > 0 ? records.size() / result.seconds : 0, 0);
    report.add(QStringLiteral("transfer_cpu"), cpu.percent(), 1);
    report.print();
    return result.ok ? 0 : 1;
}

// The engine with a plain view, a real socket and scratch settings, set up as an operator would
// leave the window: the unit's address and port typed in, the file chosen.
struct EngineBench
{
    explicit EngineBench(const BenchOptions &options)
        : settings(scratch.path()),
          engine(QString::fromLatin1(UploadRun::kTitle), view, socket, settings)
    {
        // As the command line runs it: no window, so the replies are waited for in the read.
        socket.setQuickWaits(true);
        view.setEthernetAddress(QStringLiteral("127.0.0.1"));
        view.setEthernetPort(QString::number(options.port));
        view.setChecked(Tool::Debug, options.debug);
        engine.state().FirmwarePath = options.file;
    }

    QTemporaryDir scratch;
    BasicUploadView view;
    TcpUnitSocket socket;
    SettingsStore settings;
    UploadEngine engine;
};

int runEngine(const BenchOptions &options)
{
    const qint64 records = RawClient::countRecordsToSend(options.file);
    EngineBench bench(options);
    UploadRun run(
        bench.view.activityLog(), [&] { bench.engine.LoadStart_Click(); }, options.run);
    const UploadRun::Result result = run.exec();
    BenchReport report;
    report.addRun(result, records);
    report.print();
    return result.ok ? 0 : 1;
}

int runSoak(const BenchOptions &options)
{
    Clock::setTimeScale(options.timeScale);
    EngineBench bench(options);
    SoakRun soak(
        bench.view, [&] { bench.engine.LoadStart_Click(); }, options.uploads);
    const int finished = soak.exec();
    QTextStream(stdout) << "finished " << finished << " of " << options.uploads << Qt::endl;
    return finished == options.uploads ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    EventDispatcher::preferQtDispatcher();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("fwbench"));
    BenchOptions options;
    if (!options.parse(
            QCoreApplication::arguments(),
            {QStringLiteral("baseline"), QStringLiteral("engine"), QStringLiteral("soak")}))
        return 2;
    if (options.mode == QLatin1String("baseline"))
        return runBaseline(options);
    if (options.mode == QLatin1String("engine"))
        return runEngine(options);
    return runSoak(options);
}
