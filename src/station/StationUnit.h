#pragma once

#include <QDateTime>
#include <QElapsedTimer>
#include <QString>
#include <QStringList>

// Where a unit's run stands. Every failure keeps its own state so that "Re-run failed" and the
// report can tell them apart.
enum class UnitState {
    Idle,
    Waiting,
    Connecting,
    Sending,
    Rebooting,
    Finished,
    Refused,
    ConnectFailed,
    Lost,
    Stopped,
    Error, // bad input, or a program that ended without a result
};

// One row of the station: the unit as the operator listed it, and its latest run.
struct StationUnit
{
    quint64 id = 0; // stable while rows move; given by the model
    QString name;
    QString address;
    QString port;  // as typed: checked, never coerced
    QString title; // empty: the build's title
    // The serial number on the unit's label, as scanned or listed; empty when none.
    QString serial;
    // When that serial already finished, as the flash history says: where and when; empty when
    // it never did (or nobody has looked yet).
    QString serialSeen;

    // The number the last run's uploader wrote into the unit's image, and what became of it in
    // the pool (used, burnt, returned); empty when no number was written.
    QString serialWritten;
    QString serialState;
    UnitState state = UnitState::Idle;
    int sent = 0;
    int total = 0;
    double percent = 0;
    double rate = 0; // records per second
    int exitCode = -1;
    QString outcome; // the program's word for its exit code
    QString reason;  // why it ended as it did, in the uploader's words; empty on success
    // The flash history's latest row for this unit: when, outcome, SHA-256's first 8 digits.
    QString lastFlash;
    qint64 recordsSent = 0;
    // Times of day, for the report; durations come from the monotonic clocks below, so a clock
    // stepped during a run cannot make them negative.
    QDateTime started;
    QDateTime ended;
    QElapsedTimer runClock;      // started with the uploader
    qint64 elapsedMs = -1;       // the run's length once it has ended
    QElapsedTimer sinceActivity; // restarted by every line the uploader writes
    QStringList log;             // the uploader's log, as it wrote it
    QStringList errors; // what the uploader said on standard error: its verdict, or why not

    // The unit as the list names it uniquely: its address (case aside) and port.
    QString key() const { return address.toLower() + QLatin1Char(':') + port; }
    bool isRunning() const
    {
        return state == UnitState::Waiting || state == UnitState::Connecting ||
               state == UnitState::Sending || state == UnitState::Rebooting;
    }
    bool isFailed() const
    {
        return state == UnitState::Refused || state == UnitState::ConnectFailed ||
               state == UnitState::Lost || state == UnitState::Stopped || state == UnitState::Error;
    }
    // The log's last line with words in it (the log ends with spacer lines); without a log,
    // the last thing said on standard error, e.g. why the arguments were refused.
    QString lastLogLine() const
    {
        for (auto it = log.crbegin(); it != log.crend(); ++it) {
            if (!it->trimmed().isEmpty())
                return *it;
        }
        return errors.isEmpty() ? QString() : errors.last();
    }
    // The outcome in one line: the uploader's own reason when it gave one.
    QString verdict() const
    {
        if (!reason.isEmpty())
            return reason;
        return errors.isEmpty() ? lastLogLine() : errors.last();
    }
    // Milliseconds since the uploader started, or the run's length once it has ended; -1 when
    // it has not run.
    qint64 elapsed() const
    {
        if (elapsedMs >= 0)
            return elapsedMs;
        return runClock.isValid() ? runClock.elapsed() : -1;
    }
    void clearRun()
    {
        StationUnit fresh = listed(name, address, port, title);
        fresh.id = id;
        fresh.serial = serial;
        fresh.serialSeen = serialSeen;
        *this = fresh;
    }
    static StationUnit listed(const QString &name, const QString &address, const QString &port,
                              const QString &title = QString())
    {
        StationUnit unit;
        unit.name = name;
        unit.address = address;
        unit.port = port;
        unit.title = title;
        return unit;
    }
};
