#pragma once

#include "FirmwareSnapshot.h"
#include "SerialSettings.h"
#include "UnitProcess.h"
#include "history/HistoryLocation.h"

#include <QDateTime>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QObject>

class UnitListModel;

// Runs the uploads of a set of rows: one command-line uploader process per unit, at most a
// limited number at once, all sent one frozen copy of the firmware. Holds no protocol or upload
// logic: each unit's process does the work and reports in JSON Lines.
class StationRunner : public QObject
{
    Q_OBJECT

public:
    explicit StationRunner(UnitListModel &model, QObject *parent = nullptr);
    ~StationRunner() override;

    // The uploader program: FWU_STATION_CLI, else next to this program, else the build tree's,
    // else the one on PATH.
    static QString findCli();
    void setCliPath(const QString &path) { m_cliPath = path; }
    // The flash history the uploaders write to (handed over in their environment, never on
    // their command lines); empty: their own default.
    void setHistory(const QString &url) { m_history = url; }
    QString history() const { return m_history; }
    // Where the rows go: the URL given, else FWU_HISTORY, else the default file.
    HistoryLocation historyLocation() const;
    // Who runs the station, for every uploader's rows; empty: each uploader's login name.
    void setOperator(const QString &name) { m_operator = name; }
    QString operatorName() const { return m_operator; }
    // Names the rows of the current run's uploads in the flash history; new with each run.
    QString runId() const { return m_runId; }
    QString cliPath() const { return m_cliPath; }

    // Each unit's own number, as every later run's uploaders are to write it.
    void setSerialSettings(const SerialSettings &settings) { m_serials = settings; }
    const SerialSettings &serialSettings() const { return m_serials; }
    // Values for some units of the next run only (by unit id), written in place of the source's.
    void setSerialValues(const QHash<quint64, QString> &values) { m_nextSerialValues = values; }
    // Units at once; 0 for all.
    void setLimit(int limit);
    int limit() const { return m_limit; }

    // Response time-out and further connection tries handed to every uploader.
    void setUnitOptions(std::chrono::milliseconds responseTimeout, int retries);
    const UnitProcess::Options &unitOptions() const { return m_options; }

    // Flash these rows with a fresh snapshot of the firmware file. False, with the reason, when
    // the rows have problems, the file is bad, or a run is on. Addresses given as names are
    // looked up first (the run is on meanwhile); rows found to reach one unit under two names
    // are then marked and the run is refused with runRefused().
    bool start(const QList<int> &rows, const QString &firmwarePath, QString *error);
    // These rows again, with the last run's snapshot.
    bool rerun(const QList<int> &rows, QString *error);
    // The failed rows of the last run, again, with that run's snapshot.
    bool rerunFailed(QString *error) { return rerun(failedRows(), error); }
    QList<int> failedRows() const;
    // Waiting units do not start; running ones are sent SIGTERM (and killed if they linger).
    void stopAll();
    void stop(const QList<int> &rows);

    // Until every unit has ended and the rows the station writes for uploaders that could not
    // are in the history.
    bool isRunning() const
    {
        return m_resolving || !m_processes.isEmpty() || !m_queue.isEmpty() || m_rowsPending > 0;
    }
    int activeCount() const { return int(m_processes.size()); }
    QList<qint64> processIds() const;
    const FirmwareSnapshot &firmware() const { return m_snapshot; }
    QDateTime runStartTime() const { return m_runStarted; }
    QDateTime runEndTime() const { return m_runEnded; }

Q_SIGNALS:
    void runStarted();
    void runFinished();
    // One unit's uploader has ended; its row holds the outcome.
    void unitEnded(int row);
    // A run that had started looking up names did not go ahead; the reason is for the operator.
    void runRefused(const QString &reason);

private:
    bool checkRows(const QList<int> &rows, QString *error);
    bool launch(const QList<int> &rows, QString *error);
    void lookUp(const QString &name);
    bool checkSameUnits(QString *error);
    void abandonQueuedRun();
    void launchNext();
    void onProcessEnded(quint64 unitId);
    void writeCrashedAttempt(quint64 unitId, int signalNumber);
    void endRunWhenDone();
    QStringList historyArguments(const StationUnit &unit) const;

    UnitListModel &m_model;
    FirmwareSnapshot m_snapshot;
    UnitProcess::Options m_options;
    QString m_cliPath;
    QString m_history;
    QString m_operator;
    SerialSettings m_serials;
    QHash<quint64, QString> m_nextSerialValues;
    QHash<quint64, QString> m_serialValues; // this run's
    QString m_runId;
    int m_limit = 0;
    QList<quint64> m_queue;
    QHash<quint64, UnitProcess *> m_processes;
    // Names looked up before a run, and what they gave (lower case; empty when unknown).
    QHash<QString, QList<QHostAddress>> m_resolved;
    int m_pendingLookups = 0;
    int m_rowsPending = 0;
    quint64 m_lookupRound = 0; // answers from a round that was stopped are ignored
    bool m_resolving = false;
    QDateTime m_runStarted;
    QDateTime m_runEnded;
};
