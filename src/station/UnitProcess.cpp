#include "UnitProcess.h"

#include "StationLogging.h"
#include "UnitListModel.h"
#include "UnitStateText.h"
#include "history/HistoryLocation.h"
#include "history/HistoryStore.h"
#include "platform/CoreText.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

// The uploader waits up to the history's busy time-out for its row; the margin covers the
// rest of its orderly end.
const std::chrono::milliseconds UnitProcess::kStopGrace =
    std::chrono::milliseconds(HistoryStore::kBusyTimeoutMs) + std::chrono::seconds(5);

namespace {

// No sound line comes near this; a longer one is cut rather than held without end.
constexpr qsizetype kLineLimit = 1024 * 1024;

// Takes the complete lines out of the buffer; an overlong unfinished line is given up.
QList<QByteArray> takeLines(QByteArray &pending)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype end = pending.indexOf('\n'); end >= 0; end = pending.indexOf('\n', start)) {
        lines.append(pending.mid(start, end - start));
        start = end + 1;
    }
    pending.remove(0, start);
    if (pending.size() > kLineLimit) {
        lines.append(pending);
        pending.clear();
    }
    return lines;
}

} // namespace

UnitProcess::UnitProcess(UnitListModel &model, quint64 unitId, QObject *parent)
    : QObject(parent), m_model(model), m_unitId(unitId)
{
    connect(&m_process, &QProcess::readyReadStandardOutput, this, &UnitProcess::readOutput);
    connect(&m_process, &QProcess::readyReadStandardError, this, &UnitProcess::readErrors);
    connect(&m_process, &QProcess::finished, this, &UnitProcess::onFinished);
    connect(&m_process, &QProcess::errorOccurred, this, &UnitProcess::onErrorOccurred);
    m_killTimer.setSingleShot(true);
    m_killTimer.setInterval(kStopGrace);
    connect(&m_killTimer, &QTimer::timeout, this, [this] {
        qCInfo(lcStation) << "uploader" << m_process.processId()
                          << "did not end after SIGTERM; killed";
        m_process.kill();
    });
    // If the station goes (closed, killed, crashed), each uploader gets SIGTERM and ends its
    // upload cleanly instead of flashing on with nobody to see the outcome. A station that died
    // before the request was made is seen by the parent having changed.
    // Each uploader has a process group of its own: a stop signal sent to the station's group (a
    // script's time-out signals the station and then its group; Ctrl-C in a terminal) reaches
    // the station, which stops every uploader with exactly one SIGTERM, instead of adding a
    // second signal to the station's that could end an uploader before its result and row.
    const pid_t station = ::getpid();
    m_process.setChildProcessModifier([station] {
        ::setpgid(0, 0);
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (::getppid() != station)
            ::_exit(128 + SIGTERM);
    });
}

QStringList UnitProcess::arguments(const StationUnit &unit, const Options &options)
{
    // "--option=value" in one argument: a value can never be read as an option of its own.
    QStringList arguments{
        QStringLiteral("--json"), QStringLiteral("--address=") + unit.address,
        QStringLiteral("--port=") + unit.port,
        QStringLiteral("--response-timeout=%1").arg(qint64(options.responseTimeout.count())),
        QStringLiteral("--retries=%1").arg(options.retries)};
    if (!unit.title.isEmpty())
        arguments << QStringLiteral("--title=") + unit.title;
    arguments << options.extraArguments;
    // The history names the file the operator chose, not the private copy that goes with the run.
    if (!options.firmwareOrigin.isEmpty())
        arguments << QStringLiteral("--firmware-origin=") + options.firmwareOrigin;
    arguments << options.firmwarePath; // absolute, so never read as an option
    return arguments;
}

// The station is going without an event loop to see the uploader out; it still gets SIGTERM
// and its grace first, so that it ends its upload in order and writes its row.
UnitProcess::~UnitProcess()
{
    if (!isRunning())
        return;
    disconnect(&m_process, nullptr, this, nullptr);
    stop();
    if (!m_process.waitForFinished(int(qMax<qint64>(0, m_killDeadline.remainingTime())))) {
        qCInfo(lcStation) << "uploader" << m_process.processId()
                          << "did not end after SIGTERM; killed";
        m_process.kill();
        m_process.waitForFinished();
    }
}

void UnitProcess::start(const QString &program, const QStringList &arguments,
                        const QString &history)
{
    if (StationUnit *unit = m_model.unitForUpdate(m_unitId)) {
        unit->state = UnitState::Connecting;
        unit->started = QDateTime::currentDateTime();
        unit->runClock.start();
        unit->sinceActivity.start();
    }
    if (!history.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(HistoryLocation::kEnvironmentVariable), history);
        m_process.setProcessEnvironment(environment);
    }
    m_process.start(program, arguments, QIODevice::ReadOnly);
}

void UnitProcess::stop()
{
    if (m_stopRequested || !isRunning())
        return;
    m_stopRequested = true;
    m_process.terminate();
    m_killTimer.start();
    m_killDeadline.setRemainingTime(kStopGrace);
}

void UnitProcess::readOutput()
{
    m_pendingOutput += m_process.readAllStandardOutput();
    for (const QByteArray &line : takeLines(m_pendingOutput))
        handleLine(line);
}

// The uploader reports argument errors and the like on standard error; they belong in the log.
void UnitProcess::readErrors()
{
    m_pendingErrors += m_process.readAllStandardError();
    for (const QByteArray &line : takeLines(m_pendingErrors)) {
        QString text = QString::fromUtf8(line).trimmed();
        // "firmware-uploader-cli: the unit refused the firmware." reads as "The unit refused..."
        const QString prefix = QFileInfo(m_process.program()).fileName() + QStringLiteral(": ");
        if (text.startsWith(prefix))
            text = text.mid(prefix.size());
        if (text.isEmpty())
            continue;
        text[0] = text.at(0).toUpper();
        if (StationUnit *unit = m_model.unitForUpdate(m_unitId)) {
            if (unit->errors.size() < UnitListModel::kLogLineLimit)
                unit->errors.append(text);
        }
    }
}

void UnitProcess::handleLine(const QByteArray &line)
{
    if (line.trimmed().isEmpty())
        return;
    if (StationUnit *unit = m_model.unitForUpdate(m_unitId))
        unit->sinceActivity.start();
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(line, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        log(QString::fromUtf8(line.left(200)).trimmed());
        return;
    }
    handleEvent(document.object());
}

void UnitProcess::handleEvent(const QJsonObject &event)
{
    const QString kind = event.value(QLatin1String("event")).toString();
    if (kind == QLatin1String("log")) {
        log(event.value(QLatin1String("text")).toString());
        return;
    }
    StationUnit *unit = m_model.unitForUpdate(m_unitId);
    if (!unit)
        return;
    if (kind == QLatin1String("start")) {
        const QJsonObject firmware = event.value(QLatin1String("firmware")).toObject();
        unit->total = firmware.value(QLatin1String("records")).toInt(unit->total);
        unit->serialWritten = event.value(QLatin1String("serial")).toString();
    } else if (kind == QLatin1String("phase") && !m_resultSeen) {
        const QString phase = event.value(QLatin1String("phase")).toString();
        if (phase == QLatin1String("connecting"))
            unit->state = UnitState::Connecting;
        else if (phase == QLatin1String("sending"))
            unit->state = UnitState::Sending;
        else if (phase == QLatin1String("rebooting"))
            unit->state = UnitState::Rebooting;
    } else if (kind == QLatin1String("progress")) {
        unit->sent = event.value(QLatin1String("sent")).toInt();
        unit->total = event.value(QLatin1String("total")).toInt(unit->total);
        unit->percent = event.value(QLatin1String("percent")).toDouble();
        unit->rate = event.value(QLatin1String("rate")).toDouble();
        unit->recordsSent = unit->sent;
    } else if (kind == QLatin1String("result") && !m_resultSeen) {
        takeResult(*unit, event);
    }
}

void UnitProcess::takeResult(StationUnit &unit, const QJsonObject &result)
{
    m_resultSeen = true;
    unit.outcome = result.value(QLatin1String("outcome")).toString();
    unit.exitCode = result.value(QLatin1String("exit_code")).toInt(-1);
    if (result.contains(QLatin1String("serial"))) {
        unit.serialWritten = result.value(QLatin1String("serial")).toString();
        unit.serialState = result.value(QLatin1String("serial_state")).toString();
    }
    unit.recordsSent =
        qint64(result.value(QLatin1String("records_sent")).toDouble(double(unit.sent)));
    m_resultFinished = unit.outcome == QLatin1String("finished") && unit.exitCode == 0;
    // Progress comes a few times a second; the result has the final count.
    if (unit.total > 0 && unit.recordsSent >= 0 && unit.recordsSent <= unit.total) {
        unit.sent = int(unit.recordsSent);
        unit.percent = 100.0 * unit.sent / unit.total;
    }
    unit.reason = UnitStateText::reason(unit, result.value(QLatin1String("message")).toString());
}

void UnitProcess::onFinished(int exitCode, QProcess::ExitStatus status)
{
    m_killTimer.stop();
    readOutput();
    if (!m_pendingOutput.isEmpty())
        handleLine(std::exchange(m_pendingOutput, {}));
    readErrors();
    // Qt gives the signal's number as the exit code of a process a signal ended.
    m_crashed = status != QProcess::NormalExit;
    m_endingSignal = m_crashed ? exitCode : 0;
    StationUnit *unit = m_model.unitForUpdate(m_unitId);
    if (unit && !m_ended) {
        unit->ended = QDateTime::currentDateTime();
        unit->elapsedMs = unit->runClock.isValid() ? unit->runClock.elapsed() : 0;
        const int code = status == QProcess::NormalExit ? exitCode : -1;
        // The process's own exit code has the last word: a result that claims success from a
        // program that then failed is not a success.
        if (m_resultSeen && code == unit->exitCode)
            unit->state = UnitStateText::fromOutcome(unit->outcome, m_stopRequested);
        else if (m_stopRequested)
            unit->state = UnitState::Stopped;
        else
            unit->state = UnitState::Error;
        if (m_crashed)
            log(CoreText::english("The uploader crashed (signal %1).").arg(exitCode));
        else if (!m_resultSeen)
            log(CoreText::english("The uploader ended with exit code %1 and no result.").arg(code));
        else if (code != unit->exitCode)
            log(CoreText::english("The uploader reported exit code %1 but ended with %2.")
                    .arg(unit->exitCode)
                    .arg(code));
        if (unit->state == UnitState::Finished && !m_resultFinished)
            unit->state = UnitState::Error;
        if (unit->state == UnitState::Error && (!m_resultSeen || code != unit->exitCode))
            unit->reason = unit->lastLogLine();
        unit->exitCode = code;
    }
    m_ended = true;
    Q_EMIT ended(m_unitId);
}

void UnitProcess::onErrorOccurred(QProcess::ProcessError error)
{
    if (error != QProcess::FailedToStart || m_ended)
        return;
    log(CoreText::english("Cannot start the uploader %1: %2")
            .arg(m_process.program(), m_process.errorString()));
    if (StationUnit *unit = m_model.unitForUpdate(m_unitId)) {
        unit->state = UnitState::Error;
        unit->ended = QDateTime::currentDateTime();
        unit->elapsedMs = 0;
        unit->reason = unit->lastLogLine();
    }
    m_ended = true;
    Q_EMIT ended(m_unitId);
}

void UnitProcess::log(const QString &line)
{
    m_model.appendLog(m_unitId, line);
}
