#include "StationRunner.h"

#include "UnitListModel.h"
#include "UnitProcess.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <chrono>

using namespace std::chrono_literals;

namespace {

const QString kCliName = QStringLiteral("firmware-uploader-cli");
// An uploader that has not gone this long after SIGTERM is killed.
constexpr std::chrono::milliseconds kStopGrace = 5s;

bool isExecutable(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

} // namespace

StationRunner::StationRunner(UnitListModel &model, QObject *parent)
    : QObject(parent), m_model(model), m_cliPath(findCli())
{
    m_killTimer.setSingleShot(true);
    m_killTimer.setInterval(kStopGrace);
    connect(&m_killTimer, &QTimer::timeout, this, [this] {
        for (UnitProcess *process : std::as_const(m_processes))
            process->kill();
    });
}

StationRunner::~StationRunner()
{
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
    launchNext();
}

bool StationRunner::start(const QList<int> &rows, const QString &firmwarePath, QString *error)
{
    if (isRunning()) {
        *error = QStringLiteral("A run is on.");
        return false;
    }
    if (!checkRows(rows, error) || !m_snapshot.take(firmwarePath, error))
        return false;
    return launch(rows, error);
}

bool StationRunner::rerunFailed(QString *error)
{
    if (isRunning()) {
        *error = QStringLiteral("A run is on.");
        return false;
    }
    if (!m_snapshot.isValid()) {
        *error = QStringLiteral("Nothing has run yet.");
        return false;
    }
    const QList<int> rows = failedRows();
    return checkRows(rows, error) && launch(rows, error);
}

// A row edited since it failed is checked again, like any other.
bool StationRunner::checkRows(const QList<int> &rows, QString *error) const
{
    for (int row : rows) {
        if (!m_model.problem(row).isEmpty()) {
            *error = QStringLiteral("Row %1: %2").arg(row + 1).arg(m_model.problem(row));
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
        *error = QStringLiteral("No units to flash.");
        return false;
    }
    m_model.clearRuns(rows);
    m_queue.clear();
    for (int row : rows) {
        m_model.unitForUpdate(m_model.unit(row).id)->state = UnitState::Waiting;
        m_queue.append(m_model.unit(row).id);
    }
    m_model.setLocked(true);
    m_runStarted = QDateTime::currentDateTime();
    m_runEnded = QDateTime();
    Q_EMIT runStarted();
    launchNext();
    return true;
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
        process->start(m_cliPath, argumentsFor(row));
    }
    if (!m_queue.isEmpty())
        QTimer::singleShot(0, this, &StationRunner::launchNext);
}

QStringList StationRunner::argumentsFor(int row) const
{
    const StationUnit &unit = m_model.unit(row);
    // "--option=value" in one argument: a value can never be read as an option of its own.
    QStringList arguments{QStringLiteral("--json"), QStringLiteral("--address=") + unit.address,
                          QStringLiteral("--port=") + unit.port};
    if (!unit.title.isEmpty())
        arguments << QStringLiteral("--title=") + unit.title;
    arguments << m_snapshot.uploaderArguments();
    arguments << m_snapshot.copyPath(); // absolute, so never read as an option
    return arguments;
}

void StationRunner::stopAll()
{
    const bool wasRunning = isRunning();
    for (quint64 id : std::as_const(m_queue)) {
        if (StationUnit *unit = m_model.unitForUpdate(id)) {
            unit->state = UnitState::Stopped;
            unit->log.append(QStringLiteral("Stopped before it started."));
        }
    }
    m_queue.clear();
    for (UnitProcess *process : std::as_const(m_processes))
        process->terminate();
    if (!m_processes.isEmpty())
        m_killTimer.start();
    else if (wasRunning)
        onProcessEnded(0);
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
    if (UnitProcess *process = m_processes.take(unitId))
        process->deleteLater();
    launchNext();
    if (isRunning())
        return;
    m_killTimer.stop();
    m_runEnded = QDateTime::currentDateTime();
    m_model.setLocked(false);
    m_model.flushChanges();
    Q_EMIT runFinished();
}
