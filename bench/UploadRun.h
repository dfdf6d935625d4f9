#pragma once

#include "ProcessProbe.h"
#include "StallMonitor.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class ActivityLog;

// One measured upload, seen through the activity log alone so that it measures the engine
// behind a plain view and behind the real window alike: the transfer runs from the line that
// announces the programming request to the line that follows the last record.
class UploadRun : public QObject
{
    Q_OBJECT

public:
    static constexpr const char *kTitle = "Kestrel Max Firmware Uploader";

    struct Options
    {
        // Fill the log to its cap as the upload clears it, so that the whole transfer runs
        // against a full log and its view.
        bool logAtCap = false;
        // Seconds of idling, measured, before the upload starts.
        double idleSeconds = 0;
        // Sit out the reboot timeline in real time and measure it; otherwise it is hurried.
        bool realTimeline = false;
        // Lines handed to the log before the idle measurement, to idle with a full view.
        int idleLogLines = 0;
    };

    struct Result
    {
        bool ok = false;
        QString failure;
        double transferSeconds = 0;
        double worstStallMs = 0;
        double transferCpuPercent = 0;
        std::optional<double> idleCpuPercent;
        std::optional<double> timelineCpuPercent;
        double timelineSeconds = 0;
        qint64 logLinesAtStart = 0;
    };

    // start presses the start button (or calls the engine's handler directly).
    UploadRun(ActivityLog &log, std::function<void()> start, Options options,
              QObject *parent = nullptr);

    // Runs the event loop until the upload has finished or failed, or timeoutSeconds passed.
    Result exec(double timeoutSeconds = 600);

    // Called when the transfer begins, to let the caller note what the view shows then.
    std::function<void()> onTransferStart;

    static void fillLog(ActivityLog &log, int lines);

private:
    void onLine(const QString &line);
    void finish(const QString &failure = {});

    ActivityLog &m_log;
    std::function<void()> m_start;
    Options m_options;
    Result m_result;
    StallMonitor m_stalls;
    QElapsedTimer m_transfer;
    ProcessProbe::CpuMeter m_cpu;
    bool m_inTransfer = false;
    bool m_done = false;
    bool m_filling = false;
};
