#include "BasicUploadView.h"

void BasicUploadView::setProgressValue(int value)
{
    m_progressValue = value;
    Q_EMIT progressChanged(m_progressValue, m_progressMaximum);
}

void BasicUploadView::setStatusText(const QString &text)
{
    m_statusText = text;
    Q_EMIT statusTextChanged(text);
}

void BasicUploadView::setControlEnabled(StartControl control, bool enabled)
{
    m_enabled[std::size_t(control)] = enabled;
}

bool BasicUploadView::isControlEnabled(StartControl control) const
{
    return m_enabled[std::size_t(control)];
}
