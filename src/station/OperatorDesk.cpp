#include "OperatorDesk.h"

#include "LockControls.h"
#include "OperatorSeat.h"
#include "ScanField.h"
#include "SerialCheck.h"
#include "ShiftWatch.h"
#include "StationEventLog.h"
#include "StationRunner.h"
#include "UnitListModel.h"
#include "UnitViews.h"

#include <QLabel>
#include <QMenu>

OperatorDesk::OperatorDesk(SettingsStore &store, StationRunner &runner, UnitListModel &model,
                           UnitViews &views, QWidget *window)
    : QObject(window), m_runner(runner), m_views(views),
      m_shift(new ShiftWatch(store, runner, model, window)),
      m_operator(new OperatorSeat(store, window)), m_lock(new LockControls(store, window)),
      m_events(new StationEventLog(this)), m_scan(new ScanField(window)),
      m_serials(new SerialCheck(model, runner, this))
{
    connect(&model, &UnitListModel::serialChanged, m_serials,
            [this](int row) { m_serials->check({row}); });
    connect(&model, &QAbstractItemModel::modelReset, m_serials, [this, &model] {
        QList<int> rows;
        for (int row = 0; row < model.rowCount(); ++row)
            rows.append(row);
        m_serials->check(rows);
    });
    connect(m_operator, &OperatorSeat::nameChanged, &m_runner, &StationRunner::setOperator);
    connect(m_operator, &OperatorSeat::nameChanged, m_events, &StationEventLog::setOperator);
    connect(m_events, &StationEventLog::problem, this, &OperatorDesk::note);
    connect(m_lock, &LockControls::problem, this, &OperatorDesk::problem);
    connect(m_lock, &LockControls::happened, this, [this](const QString &event) { record(event); });
    connect(m_shift, &ShiftWatch::newShiftStarted, this,
            [this](const QString &closed) { record(QStringLiteral("new_shift"), closed); });
    connect(m_scan, &ScanField::scanned, this, [this](const QString &code) {
        if (!m_views.assignSerial(code))
            Q_EMIT problem(tr("No unit can take the serial %1 now: select one that is not running.")
                               .arg(code));
    });
}

QList<QWidget *> OperatorDesk::statusWidgets() const
{
    return {m_shift->statusLabel(), m_operator->label()};
}

QList<QAction *> OperatorDesk::addFileActions(QMenu *file)
{
    file->addAction(tr("New &shift..."), this, [this] {
        m_lock->whenSupervisorAllows(tr("New shift"), [this] { m_shift->askNewShift(); });
    });
    file->addSeparator();
    m_lock->addActions(file);
    file->addAction(m_operator->askAction());
    return {m_operator->askAction()};
}

// The events go where the uploaders write their rows.
void OperatorDesk::record(const QString &event, const QString &detail)
{
    m_events->record(m_runner.historyLocation(), event, detail);
}
