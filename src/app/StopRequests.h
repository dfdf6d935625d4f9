#pragma once

#include <QString>

#include <functional>

class QWidget;
class UploadEngine;

// The operator's two ways to end an attempt early: File > Stop (Esc) and closing the window.
// Both ask first while records are going out, since the unit then stays in programming mode with
// part of an image; Continue is the default. Connecting is stopped without a question, and the
// reboot wait is never stopped (a window closed then closes at once).
class StopRequests
{
public:
    // confirm asks the question and says whether the operator chose Stop; empty for the
    // window's own message box.
    StopRequests(UploadEngine &engine, QWidget &window,
                 std::function<bool(const QString &question)> confirm);

    // File > Stop.
    void stop();
    // Whether the window may close now. A transfer the operator lets go is stopped first, as
    // Stop does; one the operator keeps keeps the window open.
    bool mayClose();

private:
    // Whether the running attempt may be let go: at once while no records are going out.
    bool operatorAgrees();

    UploadEngine &m_engine;
    QWidget &m_window;
    std::function<bool(const QString &)> m_confirm;
    // The question is open: a second request (another close) waits for its answer.
    bool m_asking = false;
};
