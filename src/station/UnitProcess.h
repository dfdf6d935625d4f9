#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QObject>
#include <QProcess>
#include <QTimer>

#include <chrono>

class QJsonObject;
class UnitListModel;
struct StationUnit;

// One unit's upload: a command-line uploader process whose JSON Lines are read into the unit's
// row. The process is the unit's own, so a fault, hang or crash in one never reaches another.
class UnitProcess : public QObject
{
    Q_OBJECT

public:
    // What every unit of a run is told beyond its own address; defaults as the uploader's.
    struct Options
    {
        QString firmwarePath;   // the run's private copy
        QString firmwareOrigin; // the file the operator chose, which the history names
        std::chrono::milliseconds responseTimeout{60000};
        int retries = 0;
        QStringList extraArguments; // e.g. the trusted keys that signed the copy
    };

    UnitProcess(UnitListModel &model, quint64 unitId, QObject *parent = nullptr);
    ~UnitProcess() override;

    // How long a stopped uploader has to end before it is killed: longer than its own wait for
    // a busy flash history, so that an uploader stopped while the history is slow still writes
    // its row instead of being killed in the middle of it.
    static const std::chrono::milliseconds kStopGrace;

    // The uploader's command line for one unit.
    static QStringList arguments(const StationUnit &unit, const Options &options);
    // history: the flash history the uploader writes to, handed over in its environment (not on
    // its command line, which every user of the machine can read); empty: its own default.
    void start(const QString &program, const QStringList &arguments, const QString &history);
    // SIGTERM: the uploader closes its connection and file, writes its row and reports
    // "interrupted"; one that lingers past kStopGrace is killed.
    void stop();
    bool isRunning() const { return m_process.state() != QProcess::NotRunning; }
    // The uploader ended without a result: it crashed or was killed, so it wrote no row.
    bool endedWithoutResult() const { return m_ended && m_crashed && !m_resultSeen; }
    // The signal that ended it, when endedWithoutResult().
    int endingSignal() const { return m_endingSignal; }
    qint64 processId() const { return m_process.processId(); }
    quint64 unitId() const { return m_unitId; }

Q_SIGNALS:
    void ended(quint64 unitId);

private:
    void readOutput();
    void readErrors();
    void handleLine(const QByteArray &line);
    void handleEvent(const QJsonObject &event);
    void takeResult(StationUnit &unit, const QJsonObject &result);
    void onFinished(int exitCode, QProcess::ExitStatus status);
    void onErrorOccurred(QProcess::ProcessError error);
    void log(const QString &line);

    UnitListModel &m_model;
    quint64 m_unitId;
    QProcess m_process;
    QByteArray m_pendingOutput;
    QByteArray m_pendingErrors;
    QTimer m_killTimer;
    QDeadlineTimer m_killDeadline;
    bool m_resultSeen = false;
    bool m_resultFinished = false;
    bool m_stopRequested = false;
    bool m_ended = false;
    bool m_crashed = false;
    int m_endingSignal = 0;
};
