#pragma once

#include <QJsonArray>
#include <QJsonObject>

#include <deque>

// The events a line system reads with GET /events: numbered from 1 in the order they happened,
// the last kCapacity of them kept. A reader names the last number it has seen and gets those
// after it.
class ApiEventLog
{
public:
    static constexpr qsizetype kCapacity = 10000;

    // Adds the event with the next number (its "seq") and returns that number.
    qint64 append(QJsonObject event);
    // The events after this number, at most limit of them; those that have left the ring are
    // gone.
    QJsonArray after(qint64 seq, qsizetype limit = kCapacity) const;
    qint64 last() const { return m_next - 1; }

private:
    std::deque<QJsonObject> m_events;
    qint64 m_next = 1;
};
