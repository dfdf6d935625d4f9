#pragma once

#include "platform/SettingsStore.h"

#include <QDateTime>
#include <QObject>
#include <QStringList>

// Pass, Fail, Total and Yield since the shift began: each ended attempt counted once, kept beside
// the station's settings after every count so that a restart (or a crash) loses none of them.
// With the counts go the units that failed in the last run, so that "Re-run failed" still knows
// them after a restart.
class ShiftCounts : public QObject
{
    Q_OBJECT

public:
    explicit ShiftCounts(SettingsStore &store, QObject *parent = nullptr);

    int passed() const { return m_passed; }
    int failed() const { return m_failed; }
    int total() const { return m_passed + m_failed; }
    // Percent of the attempts that passed; 0 before the first.
    double yield() const;
    QDateTime started() const { return m_started; }

    void count(bool passed);
    // A new shift: the counts start again from now.
    void startNew();
    // "Pass 120  Fail 3  Total 123  Yield 97.6 %"
    QString text() const;

    // The units (their keys: name, address and port) that failed in the last run.
    QStringList lastFailed() const { return m_lastFailed; }
    void setLastFailed(const QStringList &keys);

Q_SIGNALS:
    void changed();

private:
    void save();

    SettingsStore &m_store;
    int m_passed = 0;
    int m_failed = 0;
    QDateTime m_started;
    QStringList m_lastFailed;
};
