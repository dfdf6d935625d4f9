#include "UploadRun.h"

#include "platform/Clock.h"
#include "upload/ActivityLog.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace {

using namespace std::chrono_literals;

// Scale that squeezes the 6.7 s reboot timeline into a few milliseconds when it is not measured.
constexpr double kHurriedTimeScale = 0.001;

const QString kTransferStart = QStringLiteral("Sending firmware...");
const QString kTransferEnd = QStringLiteral("Upload complete.");
const QString kTimelineEnd = QStringLiteral("Done!  Unit is ready to use.");
const QString kFailure = QStringLiteral("Disconnecting from ");

} // namespace

UploadRun::UploadRun(ActivityLog &log, std::function<void()> start, Options options,
                     QObject *parent)
    : QObject(parent), m_log(log), m_start(std::move(start)), m_options(options)
{
    connect(&m_log, &ActivityLog::lineAppended, this, &UploadRun::onLine);
    if (m_options.logAtCap) {
        // The start clears the log; the connection watch that follows gives the view time to
        // show the refilled log before the first record goes out.
        connect(&m_log, &ActivityLog::cleared, this, [this] { fillLog(m_log, ActivityLog::kCap); });
    }
}

void UploadRun::fillLog(ActivityLog &log, int lines)
{
    for (int i = 0; i < lines; ++i)
        log.append(QStringLiteral("From Unit  FD 55 AA 00 00 00 00 00 (earlier line %1)").arg(i));
    log.ScrollLog();
}

UploadRun::Result UploadRun::exec(double timeoutSeconds)
{
    QEventLoop loop;
    if (m_options.idleLogLines > 0) {
        m_filling = true;
        fillLog(m_log, m_options.idleLogLines);
        m_filling = false;
    }
    // Let the window settle (first paint, first refresh) before idling is measured.
    QTimer::singleShot(500ms, &loop, &QEventLoop::quit);
    loop.exec();
    if (m_options.idleSeconds > 0) {
        ProcessProbe::CpuMeter idle;
        QTimer::singleShot(std::chrono::milliseconds(qint64(m_options.idleSeconds * 1000)), &loop,
                           &QEventLoop::quit);
        loop.exec();
        m_result.idleCpuPercent = idle.percent();
    }

    QTimer timeout;
    timeout.setSingleShot(true);
    connect(&timeout, &QTimer::timeout, this,
            [this] { finish(QStringLiteral("no end of the upload within the time limit")); });
    timeout.start(std::chrono::milliseconds(qint64(timeoutSeconds * 1000)));

    m_start();
    while (!m_done)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    Clock::setTimeScale(1);
    return m_result;
}

void UploadRun::onLine(const QString &line)
{
    if (m_done || m_filling)
        return;
    if (line == kTransferStart) {
        m_result.logLinesAtStart = m_log.count();
        if (onTransferStart)
            onTransferStart();
        m_inTransfer = true;
        m_cpu.restart();
        m_stalls.start();
        m_transfer.start();
    } else if (line == kTransferEnd && m_inTransfer) {
        m_result.transferSeconds = double(m_transfer.nsecsElapsed()) / 1e9;
        m_result.transferCpuPercent = m_cpu.percent();
        m_stalls.stop();
        m_result.worstStallMs = m_stalls.worstLatenessMs();
        m_inTransfer = false;
        m_cpu.restart();
        if (!m_options.realTimeline)
            Clock::setTimeScale(kHurriedTimeScale);
    } else if (line == kTimelineEnd) {
        if (m_options.realTimeline) {
            m_result.timelineCpuPercent = m_cpu.percent();
            m_result.timelineSeconds = m_cpu.seconds();
        }
        finish();
    } else if (line.startsWith(kFailure)) {
        finish(QStringLiteral("the upload failed; last lines: ") +
               m_log.lines().mid(std::max(0, m_log.count() - 6)).join(QStringLiteral(" | ")));
    }
}

void UploadRun::finish(const QString &failure)
{
    if (m_done)
        return;
    m_done = true;
    m_result.ok = failure.isEmpty();
    m_result.failure = failure;
    if (m_inTransfer)
        m_stalls.stop();
}
