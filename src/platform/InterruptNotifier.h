#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGINT, SIGTERM and SIGHUP into a Qt signal, except those the program was started with
// ignored (nohup, a shell's background job): they stay ignored. The handler only writes a byte into
// a pipe; the event loop reads it, so nothing but async-signal-safe calls run inside the handler.
// Every later signal takes the same way, to the end of the program: the orderly end that the
// first one started writes the run's result and its history row, and a second Ctrl-C, or a
// time-out that signals the process and then its group, must not cut that short.
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
    QSocketNotifier *m_notifier = nullptr;
};
