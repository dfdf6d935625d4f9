#include "AttemptOutcome.h"

#include <QCoreApplication>

namespace {

struct Entry
{
    AttemptOutcome::Kind kind;
    const char *word;
    int exitCode;
    const char *text;
};

// The one table behind every mapping.
constexpr Entry kEntries[] = {
    {AttemptOutcome::Finished, "finished", AttemptOutcome::kExitFinished,
     QT_TRANSLATE_NOOP("AttemptOutcome", "Finished")},
    {AttemptOutcome::Refused, "refused", AttemptOutcome::kExitRefused,
     QT_TRANSLATE_NOOP("AttemptOutcome", "Refused by the unit")},
    {AttemptOutcome::ConnectFailed, "connect_failed", AttemptOutcome::kExitConnectFailed,
     QT_TRANSLATE_NOOP("AttemptOutcome", "Could not connect")},
    {AttemptOutcome::ConnectionLost, "connection_lost", AttemptOutcome::kExitConnectionLost,
     QT_TRANSLATE_NOOP("AttemptOutcome", "Connection lost")},
    {AttemptOutcome::BadInput, "bad_input", AttemptOutcome::kExitBadInput,
     QT_TRANSLATE_NOOP("AttemptOutcome", "Unusable input")},
    {AttemptOutcome::OutputFailed, "output_failed", AttemptOutcome::kExitOutputFailed,
     QT_TRANSLATE_NOOP("AttemptOutcome", "Output not written")},
    {AttemptOutcome::Hangup, "hangup", AttemptOutcome::kExitHangup,
     QT_TRANSLATE_NOOP("AttemptOutcome", "Hung up")},
    {AttemptOutcome::Interrupted, "interrupted", AttemptOutcome::kExitInterrupted,
     QT_TRANSLATE_NOOP("AttemptOutcome", "Stopped")},
    {AttemptOutcome::Crashed, "crashed", AttemptOutcome::kExitCrashed,
     QT_TRANSLATE_NOOP("AttemptOutcome", "Uploader crashed")},
};

const Entry &entryOf(AttemptOutcome::Kind kind)
{
    for (const Entry &entry : kEntries) {
        if (entry.kind == kind)
            return entry;
    }
    return kEntries[AttemptOutcome::BadInput];
}

} // namespace

AttemptOutcome AttemptOutcome::fromUpload(UploadOutcome outcome)
{
    switch (outcome) {
    case UploadOutcome::Finished:
        return Finished;
    case UploadOutcome::Refused:
        return Refused;
    case UploadOutcome::ConnectFailed:
        return ConnectFailed;
    case UploadOutcome::ConnectionLost:
    case UploadOutcome::UnitSilent:
        return ConnectionLost;
    case UploadOutcome::BadInput:
        return BadInput;
    case UploadOutcome::Cancelled:
    case UploadOutcome::Stopped:
        return Interrupted;
    }
    return BadInput;
}

AttemptOutcome AttemptOutcome::fromExitCode(int exitCode)
{
    for (const Entry &entry : kEntries) {
        if (entry.exitCode == exitCode)
            return entry.kind;
    }
    return BadInput;
}

std::optional<AttemptOutcome> AttemptOutcome::fromWord(QStringView word)
{
    for (const Entry &entry : kEntries) {
        if (word == QLatin1String(entry.word))
            return AttemptOutcome(entry.kind);
    }
    return std::nullopt;
}

const QList<AttemptOutcome> &AttemptOutcome::all()
{
    static const QList<AttemptOutcome> outcomes = [] {
        QList<AttemptOutcome> list;
        for (const Entry &entry : kEntries)
            list.append(entry.kind);
        return list;
    }();
    return outcomes;
}

QStringList AttemptOutcome::words()
{
    QStringList list;
    for (const Entry &entry : kEntries)
        list.append(QLatin1String(entry.word));
    return list;
}

int AttemptOutcome::exitCode() const
{
    return entryOf(m_kind).exitCode;
}

QString AttemptOutcome::word() const
{
    return QLatin1String(entryOf(m_kind).word);
}

QString AttemptOutcome::text() const
{
    return QCoreApplication::translate("AttemptOutcome", entryOf(m_kind).text);
}
