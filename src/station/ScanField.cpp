#include "ScanField.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>

ScanField::ScanField(QWidget *parent) : QWidget(parent), m_edit(new QLineEdit(this))
{
    m_edit->setObjectName(QStringLiteral("scanField"));
    m_edit->setPlaceholderText(tr("scan a unit's label"));
    m_edit->setClearButtonEnabled(true);
    m_edit->setMinimumWidth(180);
    auto *label = new QLabel(tr("S&erial:"), this);
    label->setBuddy(m_edit);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    layout->addWidget(m_edit);
    auto *shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_B), this);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, m_edit, [this] {
        m_edit->setFocus(Qt::ShortcutFocusReason);
        m_edit->selectAll();
    });
    connect(m_edit, &QLineEdit::returnPressed, this, [this] {
        const QString code = m_edit->text().trimmed();
        if (code.isEmpty())
            return;
        m_edit->clear();
        Q_EMIT scanned(code);
    });
}
