#include "StationRunner.h"

#include "CrashedAttemptRow.h"
#include "StationLogging.h"
#include "UnitListModel.h"
#include "UnitProcess.h"
#include "history/HistoryStore.h"
#include "platform/CoreText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHostInfo>
#include <QSet>
#include <QStandardPaths>
#include <QTimer>
#include <QUuid>

#include <memory>

namespace {

// How long a run waits for a row the station writes: the history's busy time-out and a little
// for the answer to come back, as an uploader waits for its own.
constexpr std::chrono::milliseconds kRowWaitLimit =
    std::chrono::milliseconds(HistoryStore::kBusyTimeoutMs) + std::chrono::seconds(1);

const QString kCliName = QStringLiteral("firmware-uploader-cli");

// IPv4 addresses written as IPv6 (::ffff:127.0.0.1) are the same unit as the IPv4 form.
QHostAddress plain(const QHostAddress &address)
{
    bool isIpv4 = false;
    const quint32 ipv4 = address.toIPv4Address(&isIpv4);
    return isIpv4 ? QHostAddress(ipv4) : address;
}

bool isExecutable(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

} // namespace

StationRunner::StationRunner(UnitListModel &model, QObject *parent)
    : QObject(parent), m_model(model), m_cliPath(findCli())
{}

// Every uploader is stopped at once, so that they end in order side by side, not one after
// another's grace.
StationRunner::~StationRunner()
{
    for (UnitProcess *process : std::as_const(m_processes))
        process->stop();
    qDeleteAll(m_processes);
}

QString StationRunner::findCli()
{
    const QString override = qEnvironmentVariable("FWU_STATION_CLI");
    if (!override.isEmpty())
        return override;
    const QDir here(QCoreApplication::applicationDirPath());
    for (const QString &candidate :
         {here.filePath(kCliName), here.filePath(QStringLiteral("../cli/") + kCliName)}) {
        if (isExecutable(candidate))
            return QDir::cleanPath(candidate);
    }
    const QString onPath = QStandardPaths::findExecutable(kCliName);
    return onPath.isEmpty() ? kCliName : onPath;
}

void StationRunner::setLimit(int limit)
{
    m_limit = qMax(0, limit);
    if (!m_resolving)
        launchNext();
}

void StationRunner::setUnitOptions(std::chrono::milliseconds responseTimeout, int retries)
{
    m_options.responseTimeout = responseTimeout;
    m_options.retries = retries;
}

bool StationRunner::start(const QList<int> &rows, const QString &firmwarePath, QString *error)
{
    if (isRunning()) {
        *error = CoreText::english("A run is on.");
        return false;
    }
    if (!checkRows(rows, error) || !m_snapshot.take(firmwarePath, error))
        return false;
    return launch(rows, error);
}

bool StationRunner::rerun(const QList<int> &rows, QString *error)
{
    if (isRunning()) {
        *error = CoreText::english("A run is on.");
        return false;
    }
    if (!m_snapshot.isValid()) {
        *error = CoreText::english("Nothing has run yet.");
        return false;
    }
    return checkRows(rows, error) && launch(rows, error);
}

// A row edited since it failed is checked again, like any other. Rows found to reach one unit
// under two names are looked up afresh by every run, as names may have moved meanwhile.
bool StationRunner::checkRows(const QList<int> &rows, QString *error)
{
    m_model.markSameUnits({});
    for (int row : rows) {
        if (!m_model.problem(row).isEmpty()) {
            *error = CoreText::english("Row %1: %2").arg(row + 1).arg(m_model.problem(row));
            return false;
        }
        const StationUnit &unit = m_model.unit(row);
        const QString serialProblem = m_serials.problemFor(unit, m_nextSerialValues.value(unit.id));
        if (!serialProblem.isEmpty()) {
            *error = CoreText::english("Row %1: %2").arg(row + 1).arg(serialProblem);
            return false;
        }
    }
    return true;
}

QList<int> StationRunner::failedRows() const
{
    QList<int> rows;
    for (int row = 0; row < m_model.rowCount(); ++row) {
        if (m_model.unit(row).isFailed())
            rows.append(row);
    }
    return rows;
}

bool StationRunner::launch(const QList<int> &rows, QString *error)
{
    if (rows.isEmpty()) {
        *error = CoreText::english("No units to flash.");
        return false;
    }
    m_model.clearRuns(rows);
    m_queue.clear();
    // Values given for a run are that run's: a re-run takes the source's again.
    m_serialValues = std::exchange(m_nextSerialValues, {});
    for (int row : rows) {
        m_model.unitForUpdate(m_model.unit(row).id)->state = UnitState::Waiting;
        m_queue.append(m_model.unit(row).id);
    }
    // Numeric addresses are known at once; only names wait for the resolver.
    m_resolved.clear();
    QSet<QString> names;
    for (int row : rows) {
        const QString address = m_model.unit(row).address.toLower();
        if (QHostAddress(address).isNull())
            names.insert(address);
    }
    m_options.firmwarePath = m_snapshot.copyPath();
    m_options.firmwareOrigin = m_snapshot.sourcePath();
    m_options.extraArguments = m_snapshot.uploaderArguments();
    m_model.setLocked(true);
    m_runStarted = QDateTime::currentDateTime();
    m_runEnded = QDateTime();
    m_runId = QUuid::createUuid().toString(QUuid::WithoutBraces);
    if (names.isEmpty()) {
        if (!checkSameUnits(error)) {
            abandonQueuedRun();
            return false;
        }
        Q_EMIT runStarted();
        launchNext();
        return true;
    }
    m_resolving = true;
    m_pendingLookups = int(names.size());
    ++m_lookupRound;
    Q_EMIT runStarted();
    for (const QString &name : std::as_const(names))
        lookUp(name);
    return true;
}

void StationRunner::lookUp(const QString &name)
{
    const quint64 round = m_lookupRound;
    QHostInfo::lookupHost(name, this, [this, name, round](const QHostInfo &info) {
        if (round != m_lookupRound || !m_resolving)
            return;
        if (info.error() != QHostInfo::NoError)
            qCInfo(lcStation) << "cannot look up" << name << ":" << info.errorString();
        m_resolved.insert(name, info.addresses());
        if (--m_pendingLookups > 0)
            return;
        m_resolving = false;
        QString error;
        if (checkSameUnits(&error)) {
            launchNext();
            return;
        }
        abandonQueuedRun();
        Q_EMIT runRefused(error);
    });
}

// A run refused before any unit started: its rows are as before it, and the list can be edited.
void StationRunner::abandonQueuedRun()
{
    const QList<quint64> queued = std::exchange(m_queue, {});
    for (quint64 id : queued) {
        if (const int row = m_model.rowOf(id); row >= 0)
            m_model.clearRuns({row});
    }
    m_model.setLocked(false);
    m_model.flushChanges();
}

// Two rows that reach one unit under two names would flash it twice at once. Each such row is
// marked with the other's number; names that could not be looked up are left to the uploader,
// which reports them.
bool StationRunner::checkSameUnits(QString *error)
{
    struct Target
    {
        int row;
        QList<QHostAddress> addresses;
    };
    QList<Target> targets;
    for (quint64 id : std::as_const(m_queue)) {
        const int row = m_model.rowOf(id);
        const QString address = m_model.unit(row).address.toLower();
        const QHostAddress numeric(address);
        targets.append(
            {row, numeric.isNull() ? m_resolved.value(address) : QList<QHostAddress>{numeric}});
    }
    QHash<quint64, QString> same;
    for (qsizetype i = 0; i < targets.size(); ++i) {
        for (qsizetype j = 0; j < targets.size(); ++j) {
            const StationUnit &a = m_model.unit(targets[i].row);
            const StationUnit &b = m_model.unit(targets[j].row);
            if (i == j || a.port.toInt() != b.port.toInt() || same.contains(a.id))
                continue;
            for (const QHostAddress &address : targets[i].addresses) {
                const bool shared = std::any_of(
                    targets[j].addresses.cbegin(), targets[j].addresses.cend(),
                    [&](const QHostAddress &other) { return plain(other) == plain(address); });
                if (!shared)
                    continue;
                same.insert(a.id, CoreText::english("same unit as row %1 (both reach %2 port %3)")
                                      .arg(targets[j].row + 1)
                                      .arg(plain(address).toString(), a.port));
                break;
            }
        }
    }
    if (same.isEmpty())
        return true;
    m_model.markSameUnits(same);
    for (const Target &target : std::as_const(targets)) {
        const quint64 id = m_model.unit(target.row).id;
        if (same.contains(id)) {
            *error = CoreText::english("Row %1: %2").arg(target.row + 1).arg(same.value(id));
            break;
        }
    }
    return false;
}

// Starting a process takes the event loop a few milliseconds; one start per turn of the loop
// keeps the window answering while 32 units start.
void StationRunner::launchNext()
{
    if (m_queue.isEmpty() || (m_limit > 0 && m_processes.size() >= m_limit))
        return;
    const quint64 id = m_queue.takeFirst();
    const int row = m_model.rowOf(id);
    if (row >= 0) {
        auto *process = new UnitProcess(m_model, id, this);
        m_processes.insert(id, process);
        connect(process, &UnitProcess::ended, this, &StationRunner::onProcessEnded,
                Qt::QueuedConnection);
        QStringList arguments = UnitProcess::arguments(m_model.unit(row), m_options);
        const QString firmware = arguments.takeLast();
        process->start(m_cliPath, arguments + historyArguments(m_model.unit(row)) << firmware,
                       m_history);
    }
    if (!m_queue.isEmpty())
        QTimer::singleShot(0, this, &StationRunner::launchNext);
}

// What ties the uploader's rows in the flash history to this run and unit.
QStringList StationRunner::historyArguments(const StationUnit &unit) const
{
    QStringList arguments{QStringLiteral("--run-id=") + m_runId};
    if (!unit.name.isEmpty())
        arguments << QStringLiteral("--unit-name=") + unit.name;
    if (!unit.serial.isEmpty())
        arguments << QStringLiteral("--unit-serial=") + unit.serial;
    arguments << m_serials.uploaderArguments(unit, m_serialValues.value(unit.id));
    if (!m_operator.isEmpty())
        arguments << QStringLiteral("--operator=") + m_operator;
    return arguments;
}

void StationRunner::stopAll()
{
    QList<int> rows;
    for (int row = 0; row < m_model.rowCount(); ++row)
        rows.append(row);
    stop(rows);
}

void StationRunner::stop(const QList<int> &rows)
{
    const bool wasRunning = isRunning();
    for (int row : rows) {
        const quint64 id = m_model.unit(row).id;
        if (m_queue.removeOne(id)) {
            StationUnit *unit = m_model.unitForUpdate(id);
            unit->state = UnitState::Stopped;
            unit->reason = CoreText::english("Stopped before it started.");
            unit->log.append(unit->reason);
        } else if (UnitProcess *process = m_processes.value(id)) {
            process->stop();
        }
    }
    if (m_queue.isEmpty() && m_resolving) {
        m_resolving = false;
        ++m_lookupRound;
    }
    if (wasRunning && !isRunning())
        endRunWhenDone();
}

QList<qint64> StationRunner::processIds() const
{
    QList<qint64> ids;
    for (const UnitProcess *process : m_processes)
        ids.append(process->processId());
    return ids;
}

void StationRunner::onProcessEnded(quint64 unitId)
{
    if (UnitProcess *process = m_processes.take(unitId)) {
        if (process->endedWithoutResult())
            writeCrashedAttempt(unitId, process->endingSignal());
        process->deleteLater();
        if (const int row = m_model.rowOf(unitId); row >= 0)
            Q_EMIT unitEnded(row);
    }
    launchNext();
    endRunWhenDone();
}

// The run ends once the row of every uploader that could not write its own is in the history
// (or known not to be), so that whoever reads it after the run finds them; a history that does
// not answer within the uploaders' own limit costs the row, never a run that does not end.
HistoryLocation StationRunner::historyLocation() const
{
    return HistoryLocation::resolve(m_history.isEmpty() ? std::nullopt
                                                        : std::optional<QString>(m_history));
}

void StationRunner::writeCrashedAttempt(quint64 unitId, int signalNumber)
{
    const HistoryLocation location = historyLocation();
    const StationUnit *unit = m_model.unitForUpdate(unitId);
    if (location.isOff() || !unit)
        return;
    ++m_rowsPending;
    auto answered = std::make_shared<bool>(false);
    const auto settle = [this, unitId, answered](const std::optional<QString> &problem) {
        if (std::exchange(*answered, true))
            return;
        --m_rowsPending;
        if (problem)
            m_model.appendLog(
                unitId,
                CoreText::english("The attempt is not in the flash history (%1).").arg(*problem));
        endRunWhenDone();
    };
    CrashedAttemptRow::write(location,
                             CrashedAttemptRow::record(*unit, m_snapshot, m_runId, signalNumber),
                             this, settle);
    QTimer::singleShot(kRowWaitLimit, this, [settle, location] {
        settle(CoreText::english("no answer from %1 within %2 s")
                   .arg(location.display())
                   .arg(std::chrono::duration_cast<std::chrono::seconds>(kRowWaitLimit).count()));
    });
}

void StationRunner::endRunWhenDone()
{
    if (isRunning())
        return;
    m_runEnded = QDateTime::currentDateTime();
    m_model.setLocked(false);
    m_model.flushChanges();
    Q_EMIT runFinished();
}
