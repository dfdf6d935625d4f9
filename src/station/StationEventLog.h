#pragma once

#include <QObject>
#include <QString>

class HistoryLocation;
class HistoryWorker;

// The station's events for the supervisor's audit of a shift (lock, unlock, refused unlock, new
// shift), written to the flash history the uploaders write to, off the GUI thread. One that
// cannot be written is said once in the status bar; the station goes on.
class StationEventLog : public QObject
{
    Q_OBJECT

public:
    explicit StationEventLog(QObject *parent = nullptr);

    // Who runs the station.
    void setOperator(const QString &name) { m_operator = name; }
    void record(const HistoryLocation &location, const QString &event,
                const QString &detail = QString());

Q_SIGNALS:
    void problem(const QString &text);

private:
    HistoryWorker *m_worker = nullptr;
    QString m_operator;
};
