#pragma once

#include "upload/UploadOutcome.h"

// The command line's exit codes; scripts and production lines key on them, so they never change.
// The window's flash history rows carry the same codes.
enum CliExitCode : int {
    ExitFinished = 0,
    ExitRefused = 1,
    ExitConnectFailed = 2,
    ExitConnectionLost = 3,
    ExitBadInput = 4,
    // The upload (or --check) went through, but standard output could not be written.
    ExitOutputFailed = 5,
    // 128 + the signal's number, as a shell reports a program that a signal ended.
    ExitHangup = 129,
    ExitInterrupted = 130,
};

// The fixed word the JSON Lines use for each exit code.
constexpr const char *outcomeWord(int exitCode)
{
    switch (exitCode) {
    case ExitFinished:
        return "finished";
    case ExitRefused:
        return "refused";
    case ExitConnectFailed:
        return "connect_failed";
    case ExitConnectionLost:
        return "connection_lost";
    case ExitOutputFailed:
        return "output_failed";
    case ExitHangup:
        return "hangup";
    case ExitInterrupted:
        return "interrupted";
    default:
        return "bad_input";
    }
}

// The exit code of an attempt that ended so; an attempt stopped on request counts as interrupted.
constexpr int exitCodeFor(UploadOutcome outcome)
{
    switch (outcome) {
    case UploadOutcome::Finished:
        return ExitFinished;
    case UploadOutcome::Refused:
        return ExitRefused;
    case UploadOutcome::ConnectFailed:
        return ExitConnectFailed;
    case UploadOutcome::ConnectionLost:
    case UploadOutcome::UnitSilent:
        return ExitConnectionLost;
    case UploadOutcome::BadInput:
        return ExitBadInput;
    case UploadOutcome::Cancelled:
    case UploadOutcome::Stopped:
        return ExitInterrupted;
    }
    return ExitBadInput;
}
