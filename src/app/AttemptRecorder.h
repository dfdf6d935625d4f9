#pragma once

#include "LogRecord.h"
#include "upload/UploadOutcome.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

class UploadEngine;
class UploadView;

// Keeps what the saved log says about the attempt the log shows: which file went to which
// unit, and how it ended. An attempt starts when the engine clears the log and ends when the
// engine reports its outcome.
class AttemptRecorder : public QObject
{
    Q_OBJECT

public:
    AttemptRecorder(UploadEngine &engine, UploadView &view, QObject *parent = nullptr);

    bool isRunning() const { return m_running; }
    std::optional<UploadOutcome> lastOutcome() const { return m_outcome; }

    // The log with its header, as of now.
    LogRecord record(const QString &program) const;

    // What the header says of an outcome.
    static QString outcomeText(std::optional<UploadOutcome> outcome, bool running);
    // The image's size and summary for a person, or nothing when the file cannot be read.
    static QStringList describeFirmware(const QString &path);
    static QStringList describeContent(const QByteArray &content);

Q_SIGNALS:
    void started();
    void ended(UploadOutcome outcome);

private:
    static QString sizeLine(qint64 bytes);

    void onStarted();
    void onEnded(UploadOutcome outcome);

    UploadEngine &m_engine;
    UploadView &m_view;
    bool m_running = false;
    std::optional<UploadOutcome> m_outcome;
    // Taken when the attempt starts: the operator may choose another file or unit meanwhile.
    QString m_path;
    QStringList m_firmware;
    QString m_address;
    QString m_port;
};
