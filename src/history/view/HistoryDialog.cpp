#include "HistoryDialog.h"

#include "HistoryPrinter.h"
#include "HistoryToolOptions.h"
#include "history/HistoryWorker.h"
#include "upload/AttemptOutcome.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include <tuple>

namespace {

QLineEdit *filterField(QFormLayout *form, const QString &label, const char *name,
                       const QString &placeholder)
{
    auto *field = new QLineEdit;
    field->setObjectName(QLatin1String(name));
    field->setPlaceholderText(placeholder);
    form->addRow(label, field);
    return field;
}

} // namespace

HistoryDialog::HistoryDialog(const HistoryLocation &location, QWidget *parent)
    : QDialog(parent), m_location(location), m_worker(new HistoryWorker(this))
{
    connect(m_worker, &HistoryWorker::selected, this, &HistoryDialog::showRows);
    setWindowTitle(tr("Flash History"));
    auto *form = new QFormLayout;
    m_unit = filterField(form, tr("Unit:"), "historyUnit", tr("address or address:port"));
    //: The unit's name.
    m_name = filterField(form, tr("Name:"), "historyName", QString());
    m_sha256 = filterField(form, tr("SHA-256:"), "historySha256", tr("8 hex digits or more"));
    m_outcome = new QComboBox;
    m_outcome->setObjectName(QStringLiteral("historyOutcome"));
    m_outcome->addItem(tr("any"));
    m_outcome->addItems(AttemptOutcome::words());
    form->addRow(tr("Outcome:"), m_outcome);
    m_since = filterField(form, tr("Since:"), "historySince", tr("2026-03-01 or 2026-03-01T14:30"));
    m_until = filterField(form, tr("Until:"), "historyUntil", tr("2026-03-31"));
    //: The station run an attempt belongs to.
    m_runId = filterField(form, tr("Run:"), "historyRunId", QString());
    m_limit = filterField(form, tr("At most:"), "historyLimit", tr("0 for all"));
    m_limit->setText(QString::number(HistoryFilter::kDefaultLimit));

    m_model = new QStandardItemModel(this);
    m_model->setHorizontalHeaderLabels(HistoryRecord::fields());
    m_table = new QTableView;
    m_table->setObjectName(QStringLiteral("historyTable"));
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_status = new QLabel;

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QPushButton *show = buttons->addButton(tr("&Show"), QDialogButtonBox::ActionRole);
    QPushButton *copy = buttons->addButton(tr("&Copy"), QDialogButtonBox::ActionRole);
    QPushButton *csv = buttons->addButton(tr("&Export CSV\u2026"), QDialogButtonBox::ActionRole);
    show->setDefault(true);
    connect(show, &QPushButton::clicked, this, &HistoryDialog::refresh);
    connect(copy, &QPushButton::clicked, this, [this] {
        QApplication::clipboard()->setText(copyText(m_table->selectionModel()->hasSelection()));
    });
    connect(csv, &QPushButton::clicked, this, &HistoryDialog::exportCsv);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_status);
    layout->addWidget(buttons);
    resize(900, 600);

    m_chooseSaveFile = [this](const QString &suggested) {
        return QFileDialog::getSaveFileName(this, tr("Export History"), suggested,
                                            tr("CSV files") + QStringLiteral(" (*.csv)"));
    };
}

void HistoryDialog::setUnitFilter(const QString &unit)
{
    m_unit->setText(unit);
}

void HistoryDialog::setUnits(const QList<QPair<QString, int>> &units, const QStringList &names)
{
    m_units = units;
    setWindowTitle(tr("Flash History: %1").arg(names.join(QStringLiteral(", "))));
}

std::optional<QString> HistoryDialog::readFilter(HistoryFilter *filter) const
{
    // The same filters, checked the same way, as the history tool's.
    using Setter = std::optional<QString> (HistoryFilter::*)(const QString &);
    const QList<std::tuple<QString, QLineEdit *, Setter>> checked{
        {tr("Unit"), m_unit, &HistoryFilter::setUnit},
        {tr("SHA-256"), m_sha256, &HistoryFilter::setSha256},
        {tr("Since"), m_since, &HistoryFilter::setSince},
        {tr("Until"), m_until, &HistoryFilter::setUntil},
        {tr("At most"), m_limit, &HistoryFilter::setLimit}};
    for (const auto &[label, field, set] : checked) {
        const QString text = field->text().trimmed();
        if (text.isEmpty())
            continue;
        if (std::optional<QString> problem = (filter->*set)(text))
            return tr("%1: %2.").arg(label, *problem);
    }
    filter->unitName = m_name->text().trimmed();
    filter->runId = m_runId->text().trimmed();
    if (m_outcome->currentIndex() > 0)
        filter->outcome = m_outcome->currentText();
    filter->units = m_units;
    return std::nullopt;
}

bool HistoryDialog::refresh()
{
    HistoryFilter filter;
    const std::optional<QString> refused = readFilter(&filter);
    m_rows.clear();
    m_model->removeRows(0, m_model->rowCount());
    m_reading = 0;
    if (refused) {
        m_status->setText(*refused);
        return false;
    }
    m_status->setText(tr("Reading the history\u2026"));
    m_reading = m_worker->select(m_location, {filter});
    return true;
}

void HistoryDialog::showRows(quint64 id, const QList<QList<HistoryRow>> &rows,
                             const std::optional<QString> &problem)
{
    if (id != m_reading)
        return;
    if (problem) {
        m_status->setText(*problem);
        Q_EMIT refreshed(false);
        return;
    }
    m_rows = rows.value(0);
    for (const HistoryRow &row : std::as_const(m_rows)) {
        QList<QStandardItem *> items;
        for (const QString &field : HistoryRecord::fields())
            items.append(new QStandardItem(row.text(field)));
        m_model->appendRow(items);
    }
    m_status->setText(m_rows.isEmpty()
                          ? tr("No attempts match.")
                          : tr("%n attempt(s), newest first.", nullptr, int(m_rows.size())));
    Q_EMIT refreshed(true);
}

int HistoryDialog::rowCount() const
{
    return int(m_rows.size());
}

QString HistoryDialog::copyText(bool selectedOnly) const
{
    QStringList lines{HistoryRecord::fields().join(QLatin1Char('\t'))};
    for (int i = 0; i < m_rows.size(); ++i) {
        if (selectedOnly && !m_table->selectionModel()->isRowSelected(i, {}))
            continue;
        QStringList cells;
        for (const QString &field : HistoryRecord::fields()) {
            QString text = m_rows[i].text(field);
            text.replace(QLatin1Char('\t'), QLatin1Char(' '))
                .replace(QLatin1Char('\n'), QLatin1Char(' '));
            cells.append(text);
        }
        lines.append(cells.join(QLatin1Char('\t')));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

bool HistoryDialog::exportCsv()
{
    const QString path = m_chooseSaveFile(QStringLiteral("flash-history.csv"));
    if (path.isEmpty())
        return false;
    QFile file(path);
    const QByteArray text = HistoryPrinter(HistoryToolOptions::Format::Csv).rows(m_rows).toUtf8();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text) != text.size()) {
        m_status->setText(tr("Cannot write %1: %2").arg(path, file.errorString()));
        return false;
    }
    m_status->setText(tr("Exported to %1.").arg(path));
    return true;
}
