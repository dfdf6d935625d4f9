#pragma once

#include <QByteArray>
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
        QString firmwarePath; // the run's private copy
        std::chrono::milliseconds responseTimeout{60000};
        int retries = 0;
        QStringList extraArguments; // e.g. the trusted keys that signed the copy
    };

    UnitProcess(UnitListModel &model, quint64 unitId, QObject *parent = nullptr);
    ~UnitProcess() override;

    // The uploader's command line for one unit.
    static QStringList arguments(const StationUnit &unit, const Options &options);
    void start(const QString &program, const QStringList &arguments);
    // SIGTERM: the uploader closes its connection and file and reports "interrupted"; one that
    // lingers is killed.
    void stop();
    bool isRunning() const { return m_process.state() != QProcess::NotRunning; }
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
    bool m_resultSeen = false;
    bool m_resultFinished = false;
    bool m_stopRequested = false;
    bool m_ended = false;
};
