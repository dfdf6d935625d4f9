#include "WaitableTimer.h"

#include "Clock.h"

#include <QEventLoop>
#include <QList>
#include <QTimer>

#include <algorithm>

namespace {

// The one timer of the process. Like a manual-reset timer it stays signalled once it has fired,
// until it is armed again.
struct SharedTimer
{
    QTimer timer;
    bool signalled = true;
    bool cancelled = false;
    QList<QEventLoop *> loops;

    SharedTimer()
    {
        timer.setSingleShot(true);
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, [this] { fire(); });
    }

    void fire()
    {
        signalled = true;
        for (QEventLoop *loop : std::as_const(loops))
            loop->quit();
    }
};

SharedTimer &shared()
{
    // Never destroyed: it must outlive every wait, including one left at program exit.
    static SharedTimer *timer = new SharedTimer;
    return *timer;
}

} // namespace

void WaitableTimer::Wait(int milliseconds)
{
    SharedTimer &t = shared();
    if (t.cancelled)
        return;
    t.signalled = false;
    t.timer.start(std::max(0, Clock::realMilliseconds(milliseconds)));

    QEventLoop loop;
    t.loops.append(&loop);
    while (!t.signalled && !t.cancelled) {
        // A negative result means the application is quitting and no loop will run again.
        if (loop.exec() < 0)
            break;
    }
    t.loops.removeOne(&loop);
}

void WaitableTimer::cancelAll()
{
    SharedTimer &t = shared();
    t.cancelled = true;
    t.timer.stop();
    for (QEventLoop *loop : std::as_const(t.loops))
        loop->quit();
}

void WaitableTimer::resume()
{
    shared().cancelled = false;
}

bool WaitableTimer::isCancelled()
{
    return shared().cancelled;
}

int WaitableTimer::depth()
{
    return int(shared().loops.size());
}
