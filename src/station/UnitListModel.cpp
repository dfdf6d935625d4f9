#include "UnitListModel.h"

#include "UnitCellText.h"
#include "UnitStateText.h"
#include "connection/PortNumber.h"
#include "platform/CoreText.h"
#include "platform/UnitSocket.h"

#include <QHash>
#include <QSet>

#include <chrono>

using namespace std::chrono_literals;

namespace {

// Fast enough that progress looks live, slow enough that 32 busy units cost little.
constexpr std::chrono::milliseconds kRefreshInterval = 100ms;

// What the uploader accepts, and never something that reads like an option.
bool isValidAddress(const QString &text)
{
    return UnitSocket::isAcceptableHost(text) && !text.startsWith(QLatin1Char('-'));
}

} // namespace

UnitListModel::UnitListModel(QObject *parent) : QAbstractTableModel(parent)
{
    m_refresh.setSingleShot(true);
    m_refresh.setInterval(kRefreshInterval);
    connect(&m_refresh, &QTimer::timeout, this, &UnitListModel::flushChanges);
}

int UnitListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_units.size());
}

int UnitListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : Count;
}

QVariant UnitListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    static const char *const names[Count] = {
        QT_TR_NOOP("Name"),     QT_TR_NOOP("Address"), QT_TR_NOOP("Port"),
        QT_TR_NOOP("Title"),    QT_TR_NOOP("Serial"),  QT_TR_NOOP("State"),
        QT_TR_NOOP("Progress"), QT_TR_NOOP("Records"), QT_TR_NOOP("Number"),
        QT_TR_NOOP("Elapsed"),  QT_TR_NOOP("Outcome"), QT_TR_NOOP("Last flash")};
    return section >= 0 && section < Count ? tr(names[section]) : QVariant();
}

Qt::ItemFlags UnitListModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() <= Serial && !m_locked)
        flags |= Qt::ItemIsEditable;
    return flags;
}

QVariant UnitListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_units.size())
        return {};
    const StationUnit &unit = m_units.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return displayText(index.row(), index.column());
    case Qt::EditRole:
        return index.column() <= Serial ? displayText(index.row(), index.column()) : QVariant();
    case Qt::BackgroundRole:
        return background(index.row(), index.column());
    case Qt::ForegroundRole:
        return foreground(index.row(), index.column());
    case Qt::DecorationRole:
        if (index.column() == Serial && !unit.serialSeen.isEmpty())
            return UnitStateText::icon(UnitState::Stopped);
        return index.column() == State ? QVariant(UnitStateText::icon(unit.state)) : QVariant();
    case Qt::ToolTipRole:
        if (!problem(index.row()).isEmpty())
            return problem(index.row());
        if (index.column() == Serial && !unit.serialSeen.isEmpty())
            return unit.serialSeen;
        return index.column() == Outcome ? QVariant(outcomeTip(index.row())) : QVariant();
    case PercentRole:
        // Only a unit under way gets a bar: one that has ended shows how far it got as text on
        // its row's colour, so a failed unit never looks like a running one.
        return unit.total > 0 && unit.isRunning() ? int(unit.percent) : -1;
    case ProblemRole:
        return problem(index.row());
    case StateRole:
        return int(unit.state);
    case SortRole:
        return sortValue(index.row(), index.column());
    default:
        return {};
    }
}

QVariant UnitListModel::displayText(int row, int column) const
{
    const StationUnit &unit = m_units.at(row);
    switch (column) {
    case Name:
        return unit.name;
    case Address:
        return unit.address;
    case Port:
        return unit.port;
    case Title:
        return unit.title;
    case Serial:
        return unit.serial;
    case State:
        if (unit.state == UnitState::Idle && !problem(row).isEmpty())
            return tr("cannot run");
        return UnitStateText::text(unit);
    case Progress:
        return UnitCellText::progress(unit);
    case Records:
        return unit.total > 0 ? QStringLiteral("%1 / %2").arg(unit.sent).arg(unit.total)
                              : QString();
    case Number:
        return UnitCellText::number(unit);
    case Elapsed:
        return unit.elapsed() < 0 ? QString() : UnitCellText::clock(unit.elapsed() / 1000);
    case Outcome:
        if (unit.isRunning() || unit.state == UnitState::Idle)
            return CoreText::shown(problem(row));
        return CoreText::shown(unit.verdict());
    case LastFlash:
        return unit.lastFlash;
    default:
        return {};
    }
}

// The whole row takes its unit's state, so that it reads across the screen.
// A serial that already finished is marked as a warning until the unit is flashed.
UnitState UnitListModel::cellState(int row, int column) const
{
    const StationUnit &unit = m_units.at(row);
    if (hasColumnProblem(row, column))
        return UnitState::Error;
    if (column == Serial && !unit.serialSeen.isEmpty() && unit.state == UnitState::Idle)
        return UnitState::Stopped;
    return unit.state;
}

QVariant UnitListModel::background(int row, int column) const
{
    const UnitState state = cellState(row, column);
    const QColor colour = UnitStateText::background(state, m_darkPalette);
    return colour.isValid() ? QVariant(colour) : QVariant();
}

QVariant UnitListModel::foreground(int row, int column) const
{
    const UnitState state = cellState(row, column);
    const QColor colour = UnitStateText::foreground(state, m_darkPalette);
    return colour.isValid() ? QVariant(colour) : QVariant();
}

QString UnitListModel::outcomeTip(int row) const
{
    const StationUnit &unit = m_units.at(row);
    const QString verdict = CoreText::shown(unit.verdict());
    if (unit.isRunning() || unit.state == UnitState::Idle || unit.exitCode < 0)
        return verdict;
    return tr("%1\nExit code %2").arg(verdict).arg(unit.exitCode);
}

QVariant UnitListModel::sortValue(int row, int column) const
{
    if (column == State || column == Port || column == Progress || column == Records ||
        column == Elapsed)
        return UnitCellText::sortKey(m_units.at(row), column);
    return displayText(row, column);
}

bool UnitListModel::hasColumnProblem(int row, int column) const
{
    const RowProblem &rowProblem = m_problems.at(row);
    if (rowProblem.text.isEmpty())
        return false;
    const StationUnit &unit = m_units.at(row);
    switch (column) {
    case Address:
        return !isValidAddress(unit.address) || rowProblem.sharesUnit;
    case Port:
        return !PortNumber::parse(unit.port) || rowProblem.sharesUnit;
    case Name:
        return rowProblem.sameName;
    case State:
        return true;
    default:
        return false;
    }
}

bool UnitListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || index.column() > Serial || m_locked)
        return false;
    StationUnit &unit = m_units[index.row()];
    QString *fields[] = {&unit.name, &unit.address, &unit.port, &unit.title, &unit.serial};
    *fields[index.column()] = value.toString();
    m_sameUnit.clear();
    recheck();
    Q_EMIT dataChanged(this->index(0, 0), this->index(rowCount() - 1, Count - 1));
    if (index.column() == Serial) {
        unit.serial = unit.serial.trimmed();
        unit.serialSeen.clear();
        Q_EMIT serialChanged(index.row());
    }
    return true;
}

bool UnitListModel::removeRows(int row, int count, const QModelIndex &parent)
{
    if (parent.isValid() || m_locked || row < 0 || count <= 0 || row + count > m_units.size())
        return false;
    beginRemoveRows({}, row, row + count - 1);
    m_units.remove(row, count);
    m_problems.remove(row, count);
    m_sameUnit.clear();
    endRemoveRows();
    m_firstDirty = m_lastDirty = -1;
    recheck();
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, Count - 1));
    Q_EMIT countsChanged();
    return true;
}

bool UnitListModel::moveRows(const QModelIndex &sourceParent, int sourceRow, int count,
                             const QModelIndex &destinationParent, int destinationChild)
{
    if (sourceParent.isValid() || destinationParent.isValid() || m_locked || count != 1 ||
        sourceRow < 0 || sourceRow >= m_units.size() || destinationChild < 0 ||
        destinationChild > m_units.size() || destinationChild == sourceRow ||
        destinationChild == sourceRow + 1)
        return false;
    beginMoveRows({}, sourceRow, sourceRow, {}, destinationChild);
    const int target = destinationChild > sourceRow ? destinationChild - 1 : destinationChild;
    m_units.move(sourceRow, target);
    m_problems.move(sourceRow, target);
    endMoveRows();
    m_firstDirty = m_lastDirty = -1;
    // The words name rows by number.
    if (!m_sameUnit.isEmpty()) {
        m_sameUnit.clear();
        recheck();
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, Count - 1));
    }
    return true;
}

void UnitListModel::setUnits(const QList<StationUnit> &units)
{
    beginResetModel();
    m_units.clear();
    m_sameUnit.clear();
    for (StationUnit unit : units) {
        unit.id = m_nextId++;
        m_units.append(unit);
    }
    m_firstDirty = m_lastDirty = -1;
    recheck();
    endResetModel();
    Q_EMIT countsChanged();
}

int UnitListModel::addUnit(const StationUnit &unit)
{
    const int row = rowCount();
    beginInsertRows({}, row, row);
    m_units.append(unit);
    m_units.last().id = m_nextId++;
    m_problems.append(RowProblem());
    endInsertRows();
    recheck();
    Q_EMIT dataChanged(index(0, 0), index(row, Count - 1));
    return row;
}

int UnitListModel::rowOf(quint64 id) const
{
    for (int row = 0; row < m_units.size(); ++row) {
        if (m_units.at(row).id == id)
            return row;
    }
    return -1;
}

bool UnitListModel::hasProblems() const
{
    for (const RowProblem &problem : m_problems) {
        if (!problem.text.isEmpty())
            return true;
    }
    return false;
}

// Two rows for one unit would flash it twice at once; two rows with one name make the report
// ambiguous. Both are refused before anything runs.
void UnitListModel::recheck()
{
    QHash<QString, int> firstByTarget;
    QHash<QString, int> firstByName;
    m_problems = QList<RowProblem>(m_units.size());
    for (int row = 0; row < m_units.size(); ++row) {
        const StationUnit &unit = m_units.at(row);
        RowProblem &found = m_problems[row];
        QStringList problems;
        if (!isValidAddress(unit.address))
            problems << tr("address \"%1\" is not valid").arg(unit.address);
        if (const QString problem = PortNumber::problem(unit.port); !problem.isEmpty())
            problems << problem;
        const QString target = unit.address.toLower() + QLatin1Char(':') + unit.port;
        if (firstByTarget.contains(target)) {
            problems << tr("same address and port as row %1").arg(firstByTarget.value(target) + 1);
            found.sharesUnit = true;
        } else {
            firstByTarget.insert(target, row);
        }
        if (!unit.name.isEmpty() && firstByName.contains(unit.name)) {
            problems << tr("same name as row %1").arg(firstByName.value(unit.name) + 1);
            found.sameName = true;
        } else if (!unit.name.isEmpty()) {
            firstByName.insert(unit.name, row);
        }
        if (m_sameUnit.contains(unit.id)) {
            problems << m_sameUnit.value(unit.id);
            found.sharesUnit = true;
        }
        //: Joins the reasons one row cannot run.
        found.text = problems.join(tr("; "));
    }
}

void UnitListModel::markSameUnits(const QHash<quint64, QString> &problems)
{
    if (problems.isEmpty() && m_sameUnit.isEmpty())
        return;
    m_sameUnit = problems;
    recheck();
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, Count - 1));
    Q_EMIT countsChanged();
}

StationUnit *UnitListModel::unitForUpdate(quint64 id)
{
    const int row = rowOf(id);
    if (row < 0)
        return nullptr;
    markChanged(row);
    return &m_units[row];
}

void UnitListModel::appendLog(quint64 id, const QString &line)
{
    StationUnit *unit = unitForUpdate(id);
    if (!unit)
        return;
    if (unit->log.size() >= kLogLineLimit)
        unit->log.removeFirst();
    unit->log.append(line);
}

void UnitListModel::clearRuns(const QList<int> &rows)
{
    for (int row : rows) {
        m_units[row].clearRun();
        markChanged(row);
    }
}

void UnitListModel::touchRunning()
{
    for (int row = 0; row < m_units.size(); ++row) {
        if (m_units.at(row).isRunning())
            markChanged(row);
    }
}

void UnitListModel::markChanged(int row)
{
    m_firstDirty = m_firstDirty < 0 ? row : qMin(m_firstDirty, row);
    m_lastDirty = qMax(m_lastDirty, row);
    if (!m_refresh.isActive())
        m_refresh.start();
}

void UnitListModel::flushChanges()
{
    m_refresh.stop();
    if (m_firstDirty < 0 || m_lastDirty >= m_units.size()) {
        m_firstDirty = m_lastDirty = -1;
        return;
    }
    const QModelIndex first = index(m_firstDirty, 0);
    const QModelIndex last = index(m_lastDirty, Count - 1);
    m_firstDirty = m_lastDirty = -1;
    Q_EMIT dataChanged(first, last);
    Q_EMIT countsChanged();
}

UnitListModel::Counts UnitListModel::counts() const
{
    Counts counts;
    for (const StationUnit &unit : m_units) {
        if (unit.state == UnitState::Finished)
            ++counts.finished;
        else if (unit.isFailed())
            ++counts.failed;
        else if (unit.state == UnitState::Waiting)
            ++counts.waiting;
        else if (unit.isRunning())
            ++counts.running;
    }
    return counts;
}

bool UnitListModel::setSerial(int row, const QString &serial)
{
    if (row < 0 || row >= m_units.size() || m_units.at(row).isRunning())
        return false;
    m_units[row].serial = serial.trimmed();
    m_units[row].serialSeen.clear();
    Q_EMIT dataChanged(index(row, Serial), index(row, Serial));
    Q_EMIT serialChanged(row);
    return true;
}

void UnitListModel::setSerialSeen(quint64 id, const QString &seen)
{
    const int row = rowOf(id);
    if (row < 0 || m_units.at(row).serialSeen == seen)
        return;
    m_units[row].serialSeen = seen;
    Q_EMIT dataChanged(index(row, 0), index(row, Count - 1));
}

QList<int> UnitListModel::failedRows() const
{
    QList<int> rows;
    for (int row = 0; row < m_units.size(); ++row) {
        if (m_units.at(row).isFailed())
            rows.append(row);
    }
    return rows;
}

QString UnitListModel::failedText(int failed)
{
    //: Part of the counts above the units, where it is a link to the failed units.
    return tr("%n failed", nullptr, failed);
}

QString UnitListModel::countsText() const
{
    const Counts current = counts();
    int cannotRun = 0;
    for (int row = 0; row < rowCount(); ++row)
        cannotRun += problem(row).isEmpty() ? 0 : 1;
    const QString failed = failedText(current.failed);
    if (cannotRun == 0) {
        //: The counts above the units; %2 is the failed count, e.g. "3 failed".
        return tr("%n units: %1 finished, %2, %3 running, %4 waiting", nullptr, rowCount())
            .arg(current.finished)
            .arg(failed)
            .arg(current.running)
            .arg(current.waiting);
    }
    //: The counts above the units; %2 is the failed count, e.g. "3 failed".
    return tr("%n units: %1 finished, %2, %3 running, %4 waiting (%5 cannot run: see the marked "
              "rows)",
              nullptr, rowCount())
        .arg(current.finished)
        .arg(failed)
        .arg(current.running)
        .arg(current.waiting)
        .arg(cannotRun);
}

void UnitListModel::setDarkPalette(bool dark)
{
    m_darkPalette = dark;
    if (!m_units.isEmpty())
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, Count - 1));
}
