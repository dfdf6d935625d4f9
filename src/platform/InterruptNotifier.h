#pragma once

#include <QList>
#include <QObject>

class QSocketNotifier;

// Turns SIGINT, SIGTERM and SIGHUP into a Qt signal, except those the program was started with
// ignored (nohup, a shell's background job): they stay ignored. The handler only writes a byte into
// a pipe; the event loop reads it, so nothing but async-signal-safe calls run inside the handler.
// After the first signal the default action is back in place: a second Ctrl-C ends a program that
// no longer responds.
class InterruptNotifier : public QObject
{
    Q_OBJECT

public:
    // Only one may exist at a time: the handler writes to the one pipe.
    explicit InterruptNotifier(QObject *parent = nullptr);
    ~InterruptNotifier() override;

    bool isValid() const { return m_notifier != nullptr; }

Q_SIGNALS:
    void interrupted(int signalNumber);

private:
    static void handle(int signalNumber);
    void readPipe();

    int m_pipe[2] = {-1, -1};
    QList<int> m_handled;
    QSocketNotifier *m_notifier = nullptr;
};
