#include "TrustedKeysDialog.h"

#include "platform/CoreText.h"
#include "platform/SettingsStore.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

TrustedKeysDialog::TrustedKeysDialog(const TrustedKeySettings &settings, QWidget *parent)
    : QDialog(parent), m_settings(settings)
{
    setWindowTitle(tr("Trusted Keys"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Firmware signed with one of these keys is trusted:"), this));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("keyList"));
    layout->addWidget(m_list);

    auto *buttons = new QHBoxLayout;
    auto *add = new QPushButton(tr("&Add Key File\u2026"), this);
    m_remove = new QPushButton(tr("&Remove"), this);
    buttons->addWidget(add);
    buttons->addWidget(m_remove);
    buttons->addStretch();
    layout->addLayout(buttons);

    m_required = new QCheckBox(tr("Flash only signed firmware"), this);
    m_required->setChecked(m_settings.requireSigned);
    layout->addWidget(m_required);
    m_requiredHint =
        new QLabel(tr("Add a trusted key first: with none, every file would be refused."), this);
    m_requiredHint->setObjectName(QStringLiteral("requiredHint"));
    layout->addWidget(m_requiredHint);

    auto *box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(box);

    connect(add, &QPushButton::clicked, this, &TrustedKeysDialog::onAdd);
    connect(m_remove, &QPushButton::clicked, this, &TrustedKeysDialog::onRemove);
    connect(m_list, &QListWidget::currentRowChanged, this,
            [this](int row) { m_remove->setEnabled(row >= 0); });
    connect(m_required, &QCheckBox::toggled, this,
            [this](bool on) { m_settings.requireSigned = on; });
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    showKeys();
}

bool TrustedKeysDialog::edit(QWidget *parent, const QString &title, SettingsStore &store)
{
    TrustedKeysDialog dialog(TrustedKeySettings::load(title, store), parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (!dialog.settings().save(title, store)) {
        QMessageBox::warning(
            parent, dialog.windowTitle(),
            tr("The trusted keys could not be saved in \"%1\".").arg(store.fileName(title)));
        return false;
    }
    return true;
}

bool TrustedKeysDialog::addKeyFile(const QString &path, QString *problem)
{
    const std::optional<PublicKey> key = PublicKey::fromPathOrText(path, problem);
    if (!key)
        return false;
    if (m_settings.keys.contains(*key)) {
        *problem = tr("The key %1 is trusted already.").arg(key->keyIdText());
        return false;
    }
    m_settings.keys.append(*key);
    showKeys();
    return true;
}

void TrustedKeysDialog::onAdd()
{
    const QString path =
        QFileDialog::getOpenFileName(this, tr("Add Trusted Key"), QString(),
                                     tr("Public keys") + QStringLiteral(" (*.pub);;") +
                                         tr("All files") + QStringLiteral(" (*)"));
    QString problem;
    if (!path.isEmpty() && !addKeyFile(path, &problem))
        QMessageBox::warning(this, windowTitle(), CoreText::shown(problem));
}

void TrustedKeysDialog::onRemove()
{
    const int row = m_list->currentRow();
    if (row < 0 || row >= m_settings.keys.size())
        return;
    m_settings.keys.removeAt(row);
    showKeys();
}

void TrustedKeysDialog::showKeys()
{
    m_list->clear();
    for (const PublicKey &key : std::as_const(m_settings.keys))
        m_list->addItem(tr("Key ID %1").arg(key.keyIdText()));
    m_remove->setEnabled(m_list->currentRow() >= 0);
    // The setting with no key would refuse every file, in the window and in every script.
    const bool anyKey = !m_settings.keys.isEmpty();
    if (!anyKey)
        m_required->setChecked(false);
    m_required->setEnabled(anyKey);
    m_requiredHint->setVisible(!anyKey);
}
