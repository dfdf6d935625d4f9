#include "UnitProcess.h"

#include "UnitListModel.h"
#include "UnitStateText.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include <csignal>
#include <sys/prctl.h>

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
    // If the station goes (closed, killed, crashed), each uploader gets SIGTERM and ends its
    // upload cleanly instead of flashing on with nobody to see the outcome.
    m_process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
}

UnitProcess::~UnitProcess()
{
    if (isRunning()) {
        m_process.kill();
        m_process.waitForFinished();
    }
}

void UnitProcess::start(const QString &program, const QStringList &arguments)
{
    if (StationUnit *unit = m_model.unitForUpdate(m_unitId)) {
        unit->state = UnitState::Connecting;
        unit->started = QDateTime::currentDateTime();
    }
    m_process.start(program, arguments, QIODevice::ReadOnly);
}

void UnitProcess::terminate()
{
    m_stopRequested = true;
    if (isRunning())
        m_process.terminate();
}

void UnitProcess::kill()
{
    m_stopRequested = true;
    if (isRunning())
        m_process.kill();
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
        m_resultSeen = true;
        unit->outcome = event.value(QLatin1String("outcome")).toString();
        unit->exitCode = event.value(QLatin1String("exit_code")).toInt(-1);
        unit->recordsSent =
            qint64(event.value(QLatin1String("records_sent")).toDouble(double(unit->sent)));
        m_resultFinished = unit->outcome == QLatin1String("finished") && unit->exitCode == 0;
    }
}

void UnitProcess::onFinished(int exitCode, QProcess::ExitStatus status)
{
    readOutput();
    if (!m_pendingOutput.isEmpty())
        handleLine(std::exchange(m_pendingOutput, {}));
    readErrors();
    StationUnit *unit = m_model.unitForUpdate(m_unitId);
    if (unit && !m_ended) {
        unit->ended = QDateTime::currentDateTime();
        const int code = status == QProcess::NormalExit ? exitCode : -1;
        // The process's own exit code has the last word: a result that claims success from a
        // program that then failed is not a success.
        if (m_resultSeen && code == unit->exitCode)
            unit->state = UnitStateText::fromOutcome(unit->outcome, m_stopRequested);
        else if (m_stopRequested)
            unit->state = UnitState::Stopped;
        else
            unit->state = UnitState::Error;
        if (status != QProcess::NormalExit)
            log(QStringLiteral("The uploader crashed."));
        else if (!m_resultSeen)
            log(QStringLiteral("The uploader ended with exit code %1 and no result.").arg(code));
        else if (code != unit->exitCode)
            log(QStringLiteral("The uploader reported exit code %1 but ended with %2.")
                    .arg(unit->exitCode)
                    .arg(code));
        if (unit->state == UnitState::Finished && !m_resultFinished)
            unit->state = UnitState::Error;
        unit->exitCode = code;
    }
    m_ended = true;
    Q_EMIT ended(m_unitId);
}

void UnitProcess::onErrorOccurred(QProcess::ProcessError error)
{
    if (error != QProcess::FailedToStart || m_ended)
        return;
    log(QStringLiteral("Cannot start the uploader %1: %2")
            .arg(m_process.program(), m_process.errorString()));
    if (StationUnit *unit = m_model.unitForUpdate(m_unitId)) {
        unit->state = UnitState::Error;
        unit->ended = QDateTime::currentDateTime();
    }
    m_ended = true;
    Q_EMIT ended(m_unitId);
}

void UnitProcess::log(const QString &line)
{
    m_model.appendLog(m_unitId, line);
}
