#include "OperatorSeat.h"

#include "history/HistoryRecord.h"
#include "platform/SettingsStore.h"

#include <QAction>
#include <QInputDialog>
#include <QLabel>

namespace {

const QString kApplication = QStringLiteral("Station");
const QString kSection = QStringLiteral("Station");
const QString kAskOperator = QStringLiteral("AskOperator");

} // namespace

OperatorSeat::OperatorSeat(SettingsStore &store, QWidget *window)
    : QObject(window), m_store(store), m_window(window), m_label(new QLabel(window))
{
    m_askAtStart = m_store.read(kApplication, kSection, kAskOperator, QStringLiteral("false")) ==
                   QLatin1String("true");
    m_askAction = new QAction(tr("Ask for the operator at s&tart"), this);
    m_askAction->setCheckable(true);
    m_askAction->setChecked(m_askAtStart);
    connect(m_askAction, &QAction::toggled, this, [this](bool on) {
        m_askAtStart = on;
        m_store.write(kApplication, kSection, kAskOperator,
                      on ? QStringLiteral("true") : QStringLiteral("false"));
    });
    setName(QString());
}

QString OperatorSeat::name() const
{
    return m_name.isEmpty() ? HistoryRecord::loginName() : m_name;
}

void OperatorSeat::setName(const QString &name)
{
    m_name = name.trimmed();
    m_label->setText(tr("Operator: %1").arg(this->name()));
    Q_EMIT nameChanged(m_name);
}

void OperatorSeat::askIfWanted()
{
    if (!m_askAtStart)
        return;
    bool ok = false;
    const QString answer = QInputDialog::getText(
        m_window, tr("Operator"), tr("Who runs the station?"), QLineEdit::Normal, name(), &ok);
    if (ok && !answer.trimmed().isEmpty())
        setName(answer);
}
