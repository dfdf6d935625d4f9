#include "LockControls.h"

#include "ProductionLock.h"

#include <QAction>
#include <QInputDialog>
#include <QMenu>
#include <QWidget>

LockControls::LockControls(SettingsStore &store, QWidget *window)
    : QObject(window), m_lock(new ProductionLock(store, this)), m_window(window)
{
    m_ask = [this](const QString &title, const QString &label) {
        return QInputDialog::getText(m_window, title, label, QLineEdit::Password);
    };
    connect(m_lock, &ProductionLock::lockedChanged, this, &LockControls::updateActions);
    connect(m_lock, &ProductionLock::refused, this, [this] {
        Q_EMIT happened(QStringLiteral("refused_unlock"));
        Q_EMIT problem(tr("Wrong supervisor password: the station stays locked."));
    });
}

bool LockControls::isLocked() const
{
    return m_lock->isLocked();
}

void LockControls::addActions(QMenu *file)
{
    m_lockAction = file->addAction(tr("&Lock for production"), this, [this] {
        if (const std::optional<QString> why = lockForProduction())
            Q_EMIT problem(*why);
    });
    m_lockAction->setObjectName(QStringLiteral("actionLock"));
    m_unlockAction = file->addAction(tr("&Unlock..."), this, &LockControls::unlock);
    m_unlockAction->setObjectName(QStringLiteral("actionUnlock"));
    m_passwordAction =
        file->addAction(tr("Supervisor &password..."), this, &LockControls::choosePassword);
    updateActions();
}

std::optional<QString> LockControls::lockForProduction()
{
    if (m_lock->isLocked())
        return std::nullopt;
    if (std::optional<QString> why = m_lock->lock())
        return why;
    Q_EMIT happened(QStringLiteral("lock"));
    return std::nullopt;
}

void LockControls::unlock()
{
    const QString password = m_ask(tr("Unlock"), tr("Supervisor password:"));
    if (password.isEmpty())
        return;
    m_unlockAction->setEnabled(false);
    m_lock->tryUnlock(password, [this](bool right) {
        if (right)
            Q_EMIT happened(QStringLiteral("unlock"));
        updateActions();
    });
}

void LockControls::whenSupervisorAllows(const QString &what, std::function<void()> action)
{
    if (!m_lock->isLocked()) {
        action();
        return;
    }
    const QString password = m_ask(what, tr("The station is locked. Supervisor password:"));
    if (password.isEmpty())
        return;
    // A right password unlocks; the station locks again once the action is done.
    m_lock->tryUnlock(password, [this, action](bool right) {
        if (!right)
            return;
        action();
        m_lock->lock();
    });
}

void LockControls::choosePassword()
{
    const QString password = m_ask(tr("Supervisor password"), tr("New supervisor password:"));
    if (password.isEmpty())
        return;
    if (m_ask(tr("Supervisor password"), tr("The same password again:")) != password) {
        Q_EMIT problem(tr("The two passwords differ: nothing was changed."));
        return;
    }
    if (const std::optional<QString> why = m_lock->setPassword(password))
        Q_EMIT problem(*why);
    updateActions();
}

void LockControls::updateActions()
{
    if (!m_lockAction)
        return;
    const bool locked = m_lock->isLocked();
    m_lockAction->setEnabled(!locked);
    m_unlockAction->setEnabled(locked && !m_lock->isChecking());
    m_passwordAction->setEnabled(!locked);
}
