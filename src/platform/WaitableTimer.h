#pragma once

// Pauses the calling handler while the event loop goes on handling window and socket events.
//
// All waits of the process share one timer, as nested handlers must: a wait started by a handler
// that runs inside another wait re-arms the shared timer, and when it ends the outer wait ends
// with it. The timer belongs to this process alone, so another running uploader can never cut
// short or stretch our pauses.
class WaitableTimer
{
public:
    static void Wait(int milliseconds);

    // Ends every wait in progress at once and makes later waits return immediately; used when
    // the program shuts down in the middle of an upload.
    static void cancelAll();
    // Lets waits pause again after cancelAll (tests, and a new front-end in the same process).
    static void resume();
    static bool isCancelled();
    // How many waits are in progress (nested ones counted).
    static int depth();
};

inline void Wait(int milliseconds)
{
    WaitableTimer::Wait(milliseconds);
}
