#include "CliReport.h"

#include "CliOptions.h"
#include "platform/CoreText.h"
#include "platform/LogCategories.h"
#include "upload/AttemptOutcome.h"

#include <cerrno>
#include <cmath>
#include <cstring>

namespace {

// Milliseconds are all a reader of these figures can use.
double roundedSeconds(double seconds)
{
    return std::round(seconds * 1000.0) / 1000.0;
}

} // namespace

CliReport::CliReport(std::FILE *out, std::FILE *err, bool json)
    : m_out(out), m_err(err), m_json(json)
{
    m_clock.start();
}

double CliReport::secondsSinceStart() const
{
    return double(m_clock.nsecsElapsed()) / 1e9;
}

void CliReport::write(std::FILE *stream, const QByteArray &bytes)
{
    errno = 0;
    const bool written = std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream) ==
                             std::size_t(bytes.size()) &&
                         std::fflush(stream) == 0;
    if (written || stream != m_out)
        return;
    const int error = errno != 0 ? errno : EIO;
    // Later lines are still tried: the upload goes on whatever becomes of its record.
    std::clearerr(stream);
    if (error != EPIPE && m_outputError == 0)
        m_outputError = error;
}

void CliReport::logLine(const QString &line)
{
    if (!m_json) {
        write(m_out, (CoreText::shown(line) + QLatin1Char('\n')).toUtf8());
        return;
    }
    event(QStringLiteral("log"), {{QStringLiteral("t"), roundedSeconds(secondsSinceStart())},
                                  {QStringLiteral("text"), line}});
}

void CliReport::message(const QString &text)
{
    write(m_err, (QString::fromLatin1(CliOptions::kProgramName) + QStringLiteral(": ") + text +
                  QLatin1Char('\n'))
                     .toUtf8());
}

void CliReport::event(const QString &name, const JsonLines::Fields &fields)
{
    if (m_json && !m_resultWritten)
        write(m_out, JsonLines::encode(name, fields));
}

void CliReport::result(const Result &result)
{
    if (!m_json || m_resultWritten)
        return;
    JsonLines::Fields fields{
        {QStringLiteral("exit_code"), result.exitCode},
        {QStringLiteral("outcome"), AttemptOutcome::fromExitCode(result.exitCode).word()},
        {QStringLiteral("duration_s"),
         roundedSeconds(result.durationSeconds.value_or(secondsSinceStart()))},
        {QStringLiteral("records_sent"), result.recordsSent},
        {QStringLiteral("settings_saved"), result.settingsSaved},
        {QStringLiteral("history_saved"), result.historySaved},
        {QStringLiteral("firmware"), result.firmware},
        {QStringLiteral("message"), result.message},
        {QStringLiteral("unit_serial"),
         m_unitSerial.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(m_unitSerial)}};
    fields.append(result.signature);
    fields.append(result.extra);
    event(QStringLiteral("result"), fields);
    m_resultWritten = true;
}
