#pragma once

#include "platform/Clock.h"
#include "platform/WaitableTimer.h"

#include <chrono>
#include <cmath>

// The engine's fixed pauses and units, shared by its start, streaming and completion steps.
namespace UploadPauses {

using namespace std::chrono_literals;

inline constexpr std::chrono::milliseconds kConnectionRound = 100ms;
inline constexpr double kConnectionLimitSeconds = 3.3;
inline constexpr std::chrono::milliseconds kSlowPause = 30ms;
inline constexpr std::chrono::milliseconds kBeforeFinish = 100ms;
// After the last record's answer the unit must say nothing more for this long (kBeforeFinish is
// part of it) before the connection closes: an answer taken for the wrong record shows only
// here, as the unit's own answer to the last record still coming. Real time under any time
// scale: it waits on the unit, whose pace no test clock changes.
inline constexpr std::chrono::milliseconds kQuietAfterLastAnswer = 400ms;
inline constexpr std::chrono::milliseconds kAfterElapsedLine = 1000ms;
inline constexpr std::chrono::milliseconds kWritingFirmware = 2333ms;
inline constexpr std::chrono::milliseconds kRebooting = 3333ms;
inline constexpr std::chrono::milliseconds kBeforeLoopRestart = 2000ms;
// The progress bar counts in units of this many bytes of the firmware file.
inline constexpr int kProgressUnit = 128;

inline void pause(std::chrono::milliseconds length)
{
    Wait(int(length.count()));
}

// A pause of this much real time, whatever the time scale.
inline void pauseRealTime(std::chrono::milliseconds length)
{
    Wait(int(std::lround(double(length.count()) / Clock::timeScale())));
}

} // namespace UploadPauses
