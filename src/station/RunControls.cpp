#include "RunControls.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

namespace {

QLabel *labelFor(const QString &text, QWidget *buddy)
{
    auto *label = new QLabel(text, buddy->parentWidget());
    label->setBuddy(buddy);
    return label;
}

} // namespace

RunControls::RunControls(QWidget *parent) : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto addButton = [&](const QString &text) {
        auto *button = new QPushButton(text, this);
        layout->addWidget(button);
        return button;
    };
    m_flashAll = addButton(tr("Flash &all"));
    m_flashSelected = addButton(tr("Flash &selected"));
    m_rerunFailed = addButton(tr("&Re-run failed"));
    m_stopSelected = addButton(tr("Sto&p selected"));
    m_stopAll = addButton(tr("S&top all"));
    layout->addStretch(1);
    m_limit = new QSpinBox(this);
    m_limit->setRange(0, 999);
    //: Units at once: no limit.
    m_limit->setSpecialValueText(tr("all"));
    m_limit->setToolTip(tr("How many units are flashed at the same time"));
    connect(m_limit, &QSpinBox::valueChanged, this, &RunControls::limitChanged);
    layout->addWidget(labelFor(tr("U&nits at once:"), m_limit));
    layout->addWidget(m_limit);
    layout->addWidget(buildUnitOptions());
}

QWidget *RunControls::buildUnitOptions()
{
    m_unitOptions = new QWidget(this);
    auto *layout = new QHBoxLayout(m_unitOptions);
    layout->setContentsMargins(0, 0, 0, 0);
    m_responseTimeout = new QSpinBox(m_unitOptions);
    m_responseTimeout->setRange(1, 3600 * 1000);
    m_responseTimeout->setSingleStep(1000);
    //: Milliseconds, after the number.
    m_responseTimeout->setSuffix(tr(" ms"));
    m_responseTimeout->setToolTip(
        tr("An upload ends when the unit is silent this long during the transfer"));
    m_retries = new QSpinBox(m_unitOptions);
    m_retries->setRange(0, 1000);
    m_retries->setToolTip(tr("Further tries of a connection that never came about"));
    connect(m_responseTimeout, &QSpinBox::valueChanged, this, &RunControls::emitUnitOptions);
    connect(m_retries, &QSpinBox::valueChanged, this, &RunControls::emitUnitOptions);
    layout->addWidget(labelFor(tr("Response time-&out:"), m_responseTimeout));
    layout->addWidget(m_responseTimeout);
    layout->addWidget(labelFor(tr("Retr&ies:"), m_retries));
    layout->addWidget(m_retries);
    return m_unitOptions;
}

void RunControls::emitUnitOptions()
{
    Q_EMIT unitOptionsChanged(std::chrono::milliseconds(m_responseTimeout->value()),
                              m_retries->value());
}

void RunControls::showLimit(int limit)
{
    const QSignalBlocker block(m_limit);
    m_limit->setValue(limit);
}

void RunControls::showUnitOptions(std::chrono::milliseconds responseTimeout, int retries)
{
    const QSignalBlocker blockTimeout(m_responseTimeout);
    const QSignalBlocker blockRetries(m_retries);
    m_responseTimeout->setValue(int(responseTimeout.count()));
    m_retries->setValue(retries);
}
