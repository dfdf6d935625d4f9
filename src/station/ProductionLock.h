#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class SettingsStore;

// Locked production mode: the operator may flash, re-run, stop, scan serials and read logs, and
// everything that changes what is flashed or how (the firmware, the list, time-outs, retries, the
// report folder, a new shift) waits for the supervisor's password. The password is kept only as
// a libsodium password hash, in the station's settings file, which is then readable by its owner
// only; the lock itself survives a restart. Checking a password takes a deliberate fraction of a
// second, so it runs on a thread of its own and answers through a signal; a wrong one is refused
// after a further delay.
class ProductionLock : public QObject
{
    Q_OBJECT

public:
    explicit ProductionLock(SettingsStore &store, QObject *parent = nullptr);

    bool isLocked() const { return m_locked; }
    bool hasPassword() const { return !m_hash.isEmpty(); }
    bool isChecking() const { return m_checking; }

    // Sets the supervisor's password (only while unlocked); the reason when it is refused.
    std::optional<QString> setPassword(const QString &password);
    // Locks; the reason when there is no password to unlock with.
    std::optional<QString> lock();
    // Checks the password off the GUI thread; answered by unlocked() or refused(). done, when
    // given, runs once the check has ended, whatever its answer.
    void tryUnlock(const QString &password, std::function<void(bool)> done = {});

    // For the time being of a check; tests set a shorter refusal delay.
    void setRefusalDelay(int milliseconds) { m_refusalDelayMs = milliseconds; }

    static constexpr int kMinPasswordLength = 6;

Q_SIGNALS:
    void lockedChanged(bool locked);
    // A wrong password, after the refusal delay.
    void refused();

private:
    void save();

    SettingsStore &m_store;
    QString m_hash;
    bool m_locked = false;
    bool m_checking = false;
    int m_refusalDelayMs = 2000;
};
