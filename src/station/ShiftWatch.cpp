#include "ShiftWatch.h"

#include "ShiftCounts.h"
#include "StationRunner.h"
#include "UnitListModel.h"

#include <QLabel>
#include <QMessageBox>

ShiftWatch::ShiftWatch(SettingsStore &store, StationRunner &runner, UnitListModel &model,
                       QWidget *window)
    : QObject(window), m_model(model), m_window(window), m_counts(new ShiftCounts(store, this)),
      m_header(new QLabel(window)), m_status(new QLabel(window))
{
    m_header->setObjectName(QStringLiteral("shiftCounts"));
    QFont bold = m_header->font();
    bold.setBold(true);
    m_header->setFont(bold);
    connect(m_counts, &ShiftCounts::changed, this, &ShiftWatch::show);
    show();
    connect(&runner, &StationRunner::unitEnded, this,
            [this](int row) { m_counts->count(m_model.unit(row).state == UnitState::Finished); });
    connect(&runner, &StationRunner::runFinished, this, [this, &runner] {
        QStringList keys;
        for (int row : runner.failedRows())
            keys.append(m_model.unit(row).key());
        m_counts->setLastFailed(keys);
    });
}

void ShiftWatch::show()
{
    m_header->setText(tr("Shift: %1").arg(m_counts->text()));
    m_status->setText(m_header->text());
}

QList<int> ShiftWatch::rememberedFailedRows() const
{
    QList<int> rows;
    const QStringList keys = m_counts->lastFailed();
    for (int row = 0; row < m_model.rowCount(); ++row) {
        if (keys.contains(m_model.unit(row).key()))
            rows.append(row);
    }
    return rows;
}

void ShiftWatch::askNewShift()
{
    const auto answer = QMessageBox::question(
        m_window, tr("New shift"),
        tr("Start a new shift? Pass, Fail, Total and Yield start again from zero.\n\nNow: %1")
            .arg(m_counts->text()),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer == QMessageBox::Yes)
        m_counts->startNew();
}
