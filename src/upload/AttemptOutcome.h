#pragma once

#include "UploadOutcome.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// How an upload attempt ended, in the one vocabulary of every output: the command line's JSON and
// exit status, the flash history (all writers), the station's reports and columns and the
// window's rows. The words and the exit codes are a published interface: scripts and production
// lines key on them, so they never change.
class AttemptOutcome
{
public:
    enum Kind {
        Finished,       // the whole file was sent and the reboot wait sat out
        Refused,        // the unit answered with a refusal
        ConnectFailed,  // no connection within the watch
        ConnectionLost, // the connection broke or the unit fell silent during the transfer
        BadInput,       // port, address, firmware file or product profile unusable
        OutputFailed,   // the upload went through, but standard output could not be written
        Hangup,         // ended by SIGHUP
        Interrupted,    // stopped on request: SIGINT, SIGTERM, the operator's Stop
        Crashed,        // the uploader process ended without a result
    };

    // Exit codes of the command line, 128 + the signal's number as a shell reports it.
    static constexpr int kExitFinished = 0;
    static constexpr int kExitRefused = 1;
    static constexpr int kExitConnectFailed = 2;
    static constexpr int kExitConnectionLost = 3;
    static constexpr int kExitBadInput = 4;
    static constexpr int kExitOutputFailed = 5;
    static constexpr int kExitHangup = 129;
    static constexpr int kExitInterrupted = 130;
    // No process exit status: the uploader never reported one.
    static constexpr int kExitCrashed = -1;

    constexpr AttemptOutcome(Kind kind = BadInput) : m_kind(kind) {}

    // An attempt stopped on request and one cut short by the program's end both count as
    // interrupted; a unit that fell silent lost the connection.
    static AttemptOutcome fromUpload(UploadOutcome outcome);
    // Any exit code that is not one of ours counts as bad input, as the command line never
    // gives another.
    static AttemptOutcome fromExitCode(int exitCode);
    static std::optional<AttemptOutcome> fromWord(QStringView word);
    static const QList<AttemptOutcome> &all();
    // Every word, in the order of all().
    static QStringList words();

    constexpr Kind kind() const { return m_kind; }
    int exitCode() const;
    // The machine word: "finished", "connect_failed", ...
    QString word() const;
    // What an operator reads, translated: "Finished", "Could not connect", ...
    QString text() const;
    bool isFinished() const { return m_kind == Finished; }

    friend constexpr bool operator==(AttemptOutcome a, AttemptOutcome b)
    {
        return a.m_kind == b.m_kind;
    }

private:
    Kind m_kind;
};
