#include "StopRequests.h"

#include "OperatorQuestions.h"
#include "upload/UploadEngine.h"

#include <QScopedValueRollback>

StopRequests::StopRequests(UploadEngine &engine, QWidget &window,
                           std::function<bool(const QString &)> confirm)
    : m_engine(engine), m_window(window), m_confirm(std::move(confirm))
{}

void StopRequests::stop()
{
    if (!m_engine.canStop() || !operatorAgrees())
        return;
    // The attempt went on while the operator read the question; if it has reached the reboot
    // wait meanwhile, stopAttempt() leaves it alone.
    m_engine.stopAttempt();
}

bool StopRequests::mayClose()
{
    // Idle, connecting or in the reboot wait, the window closes at once; shutting down ends the
    // attempt.
    if (!m_engine.canStop() || m_engine.state().TransferIdle)
        return true;
    if (!operatorAgrees())
        return false;
    m_engine.stopAttempt();
    return true;
}

bool StopRequests::operatorAgrees()
{
    if (m_asking)
        return false;
    if (m_engine.state().TransferIdle)
        return true;
    const QScopedValueRollback asking(m_asking, true);
    const QString question = OperatorQuestions::stopQuestion();
    return m_confirm ? m_confirm(question) : OperatorQuestions::stopTransfer(&m_window, question);
}
