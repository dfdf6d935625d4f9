#pragma once

// The command line's exit codes; scripts and production lines key on them, so they never change.
enum CliExitCode : int {
    ExitFinished = 0,
    ExitRefused = 1,
    ExitConnectFailed = 2,
    ExitConnectionLost = 3,
    ExitBadInput = 4,
    ExitInterrupted = 130,
};
