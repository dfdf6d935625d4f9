#pragma once

#include <QObject>

#include <functional>

class ProductionLock;
class QAction;
class QMenu;
class QWidget;
class SettingsStore;

// The locked production mode as the operator and the supervisor meet it: File > Lock for
// production, Unlock... and Supervisor password..., and the password asked for before a change
// that the lock guards.
class LockControls : public QObject
{
    Q_OBJECT

public:
    // Asks for a password; empty when the operator cancelled. Tests answer instead of a person.
    using AskPassword = std::function<QString(const QString &title, const QString &label)>;

    LockControls(SettingsStore &store, QWidget *window);

    ProductionLock &lock() { return *m_lock; }
    bool isLocked() const;
    void addActions(QMenu *file);
    void setAskPassword(AskPassword ask) { m_ask = std::move(ask); }

    // Locks; the reason when it cannot be (no supervisor password).
    std::optional<QString> lockForProduction();
    // Runs action at once when unlocked; when locked, once the supervisor's password has been
    // given (the lock stays on).
    void whenSupervisorAllows(const QString &what, std::function<void()> action);

Q_SIGNALS:
    // lock, unlock, refused_unlock: for the record of the shift.
    void happened(const QString &event);
    void problem(const QString &text);

private:
    void unlock();
    void choosePassword();
    void updateActions();

    ProductionLock *m_lock = nullptr;
    QWidget *m_window = nullptr;
    AskPassword m_ask;
    QAction *m_lockAction = nullptr;
    QAction *m_unlockAction = nullptr;
    QAction *m_passwordAction = nullptr;
};
