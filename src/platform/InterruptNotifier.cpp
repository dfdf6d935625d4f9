#include "InterruptNotifier.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <pthread.h>
#include <unistd.h>

namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

volatile sig_atomic_t g_writeEnd = -1;
// The thread whose event loop reads the pipe; set before any handler is installed.
pthread_t g_readingThread;

void setHandler(int signalNumber, void (*handler)(int), int flags)
{
    struct sigaction action = {};
    action.sa_handler = handler;
    action.sa_flags = flags;
    sigemptyset(&action.sa_mask);
    sigaction(signalNumber, &action, nullptr);
}

// A signal ignored by whoever started the program (nohup, a shell's background job) is meant
// to leave the upload alone.
bool inheritedAsIgnored(int signalNumber)
{
    struct sigaction current = {};
    return sigaction(signalNumber, nullptr, &current) == 0 && current.sa_handler == SIG_IGN;
}

} // namespace

InterruptNotifier::InterruptNotifier(QObject *parent) : QObject(parent)
{
    if (pipe2(m_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    g_writeEnd = m_pipe[1];
    g_readingThread = pthread_self();
    m_notifier = new QSocketNotifier(qintptr(m_pipe[0]), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &InterruptNotifier::readPipe);
    for (int signalNumber : kSignals) {
        if (inheritedAsIgnored(signalNumber))
            continue;
        setHandler(signalNumber, &InterruptNotifier::handle, SA_RESTART);
    }
}

// The handlers stay: a signal that comes now, while the program ends, finds no pipe and is
// dropped rather than ending the program by its default action after its record is written
// (the exit code would then be the signal's, not the one the result line gives).
InterruptNotifier::~InterruptNotifier()
{
    g_writeEnd = -1;
    for (int fd : m_pipe) {
        if (fd >= 0)
            ::close(fd);
    }
}

// A signal for the process may be taken by any of its threads, and two threads' handlers race:
// SIGHUP taken by one that is then preempted could reach the pipe after a SIGINT sent later. So
// every signal is handed to the reading thread, where they are handled one after the other in the
// order they were taken (a signal handed on is taken before those still pending for the process).
void InterruptNotifier::handle(int signalNumber)
{
    const int savedErrno = errno;
    if (!pthread_equal(pthread_self(), g_readingThread)) {
        pthread_kill(g_readingThread, signalNumber);
        errno = savedErrno;
        return;
    }
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    if (g_writeEnd >= 0) {
        // A full pipe already holds an interrupt that is yet to be read.
        [[maybe_unused]] const ssize_t written = ::write(g_writeEnd, &byte, 1);
    }
    errno = savedErrno;
}

// Signals that came together count as the first of them: it started the end, and its number is
// the one the exit code and the record give, whatever followed it.
void InterruptNotifier::readPipe()
{
    unsigned char byte = 0;
    int first = 0;
    while (::read(m_pipe[0], &byte, 1) == 1) {
        if (first == 0)
            first = byte;
    }
    if (first != 0)
        Q_EMIT interrupted(first);
}
