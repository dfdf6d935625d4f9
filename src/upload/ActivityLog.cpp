#include "ActivityLog.h"

void ActivityLog::append(const QString &line)
{
    m_lines.push_back(line);
    Q_EMIT lineAppended(line);
}

void ActivityLog::clear()
{
    m_firstSequence += m_lines.size();
    m_lines.clear();
    m_selected = -1;
    ++m_generation;
    Q_EMIT cleared();
}

void ActivityLog::ScrollLog()
{
    while (count() > kCap) {
        m_lines.pop_front();
        ++m_firstSequence;
        // The selection stays on the same line while lines above it go.
        if (m_selected >= 0)
            --m_selected;
    }
    if (m_selected != count() - 1)
        m_selected = count() - 1;
}

void ActivityLog::selectLastLine()
{
    m_selected = count() - 1;
}

void ActivityLog::setSelectedIndex(int index)
{
    m_selected = (index >= 0 && index < count()) ? index : -1;
}

QStringList ActivityLog::lines() const
{
    return QStringList(m_lines.begin(), m_lines.end());
}

void ActivityLog::setBackColour(quint32 bgr)
{
    m_backColour = bgr;
    Q_EMIT backColourChanged(bgr);
}
