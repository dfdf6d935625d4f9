#include "ApiEventLog.h"

qint64 ApiEventLog::append(QJsonObject event)
{
    event.insert(QStringLiteral("seq"), m_next);
    m_events.push_back(std::move(event));
    if (qsizetype(m_events.size()) > kCapacity)
        m_events.pop_front();
    return m_next++;
}

QJsonArray ApiEventLog::after(qint64 seq, qsizetype limit) const
{
    QJsonArray result;
    const qint64 first = m_next - qint64(m_events.size());
    const qint64 start = qMax(seq + 1, first);
    for (qint64 i = start; i < m_next && result.size() < limit; ++i)
        result.append(m_events[size_t(i - first)]);
    return result;
}
