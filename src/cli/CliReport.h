#pragma once

#include "JsonLines.h"

#include <QElapsedTimer>
#include <QJsonValue>
#include <QString>

#include <cstdio>
#include <optional>

// Where a run's output goes. As text: the log on stdout, messages on stderr. As JSON Lines: one
// object per line on stdout, messages still on stderr, and always exactly one result, last.
class CliReport
{
public:
    // The clock of the "t" and "duration_s" figures starts here.
    CliReport(std::FILE *out, std::FILE *err, bool json);
    // The serial on the unit's label, carried by the result as unit_serial (null when none).
    void setUnitSerial(const QString &serial) { m_unitSerial = serial; }

    bool isJson() const { return m_json; }
    double secondsSinceStart() const;

    // A line of the log, made in English: so it goes into the JSON, and as text it is shown in
    // the language in use.
    void logLine(const QString &line);
    // "firmware-uploader-cli: " + text on stderr, in both forms: text as the person reads it
    // (a record's text goes through CoreText::shown first).
    void message(const QString &text);
    // JSON only: the other events; each takes its fields after "event".
    void event(const QString &name, const JsonLines::Fields &fields);

    struct Result
    {
        int exitCode = 0;
        qint64 recordsSent = 0;
        bool settingsSaved = false;
        QJsonValue firmware = QJsonValue::Null;
        // Why the run failed, as on stderr; empty on success.
        QString message;
        // signature_key_id and signature_comment of a signed image; empty when unsigned.
        JsonLines::Fields signature;
        // Whether every attempt of the run is in the flash history.
        bool historySaved = false;
        // duration_s: the seconds until the run ended, before its last row was written; unset:
        // until now.
        std::optional<double> durationSeconds = std::nullopt;
        // Further fields of the run: the serial value written and what became of it.
        JsonLines::Fields extra = {};
    };
    // JSON only, and only the first time: later calls are dropped.
    void result(const Result &result);
    bool hasResult() const { return m_resultWritten; }

    // The error (errno) of the first write to standard output that failed, as on a full disk;
    // 0 when every write took. A reader that went away (EPIPE) is no such error: the output
    // then ends quietly, as nobody reads it.
    int outputError() const { return m_outputError; }

private:
    QString m_unitSerial;
    void write(std::FILE *stream, const QByteArray &bytes);

    std::FILE *m_out = nullptr;
    std::FILE *m_err = nullptr;
    bool m_json = false;
    bool m_resultWritten = false;
    int m_outputError = 0;
    QElapsedTimer m_clock;
};
