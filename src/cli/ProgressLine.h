#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>

// The transfer's progress as one line of text: records sent and total, percentage, rate and
// time left. The totals come from the bytes the upload sends, counted line by line as it reads
// them; the counts come from what actually went onto the wire.
class ProgressLine
{
    Q_DECLARE_TR_FUNCTIONS(ProgressLine)

public:
    // Counts the records the upload will send from the file's bytes.
    void countContent(const QByteArray &content);
    void setTotals(qint64 records, qint64 bytes);
    // A new attempt: nothing sent yet.
    void restart();
    // The clock starts at the first record.
    void recordSent(qint64 bytes);

    qint64 recordsSent() const { return m_records; }
    qint64 totalRecords() const { return m_totalRecords; }
    QString text() const;

    // e.g. "1024/2050 records  49%  38.2 kB/s  0:01 left"; the rate and the time left read
    // "--" until there is something to measure.
    static QString format(qint64 records, qint64 totalRecords, qint64 bytes, qint64 totalBytes,
                          double elapsedSeconds);
    static QString formatRate(double bytesPerSecond);
    static QString formatDuration(qint64 seconds);

private:
    qint64 m_totalRecords = 0;
    qint64 m_totalBytes = 0;
    qint64 m_records = 0;
    qint64 m_bytes = 0;
    QElapsedTimer m_sinceFirstRecord;
};
