#include "UnitCellText.h"

#include "UnitListModel.h"

#include <chrono>
#include <cmath>

using namespace std::chrono_literals;

namespace {

// An uploader says something several times a second while its unit answers; this long without a
// word means the unit has stopped answering (the uploader gives up only at its time-out).
constexpr std::chrono::milliseconds kSilenceShown = 3s;

} // namespace

QString UnitCellText::clock(qint64 seconds)
{
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString UnitCellText::percent(const StationUnit &unit)
{
    //: A unit's progress in percent.
    return tr("%1 %").arg(int(unit.percent));
}

// The rebooting unit is silent by design; connecting and sending are not.
QString UnitCellText::silence(const StationUnit &unit)
{
    if ((unit.state != UnitState::Connecting && unit.state != UnitState::Sending) ||
        !unit.sinceActivity.isValid() || unit.sinceActivity.elapsed() < kSilenceShown.count())
        return QString();
    return tr("no answer for %1 s").arg(unit.sinceActivity.elapsed() / 1000);
}

QString UnitCellText::progress(const StationUnit &unit)
{
    const QString silent = silence(unit);
    if (unit.total <= 0)
        return silent;
    QString text = percent(unit);
    if (!silent.isEmpty())
        //: How far a unit has got, then how long it has been silent.
        return tr("%1, %2").arg(text, silent);
    if (unit.state == UnitState::Sending && unit.rate > 0 && unit.sent < unit.total)
        text += tr(", %1 left").arg(clock(qint64(std::ceil((unit.total - unit.sent) / unit.rate))));
    return text;
}

QString UnitCellText::number(const StationUnit &unit)
{
    if (unit.serialWritten.isEmpty() || unit.serialState.isEmpty() ||
        unit.serialState == QLatin1String("used"))
        return unit.serialWritten;
    //: The number written into a unit and what became of it: burnt (never handed out again),
    //: returned (handed out again) or allocated.
    return tr("%1 (%2)").arg(unit.serialWritten, unit.serialState);
}

int UnitCellText::stateOrder(const StationUnit &unit)
{
    if (unit.isFailed())
        return 0;
    if (unit.state == UnitState::Waiting)
        return 2;
    if (unit.isRunning())
        return 1;
    return unit.state == UnitState::Finished ? 3 : 4;
}

QVariant UnitCellText::sortKey(const StationUnit &unit, int column)
{
    switch (column) {
    case UnitListModel::State:
        return stateOrder(unit);
    case UnitListModel::Port:
        return unit.port.toInt();
    case UnitListModel::Progress:
        return unit.percent;
    case UnitListModel::Records:
        return unit.sent;
    case UnitListModel::Elapsed:
        return unit.elapsed();
    default:
        return QVariant();
    }
}
