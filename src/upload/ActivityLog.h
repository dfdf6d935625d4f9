#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <deque>
#include <optional>

// The operator's running account of the upload: an append-only list of lines, the selected line,
// the 25000-line cap and a background colour that shows the outcome of the last upload.
//
// The model is exact after every call; views show it from a timer and use the sequence numbers
// to catch up in one batch: every line ever appended has a number, and clear() starts a new
// generation.
class ActivityLog : public QObject
{
    Q_OBJECT

public:
    static constexpr int kCap = 25000;

    // Background colours as 0x00BBGGRR.
    static constexpr quint32 kWhite = 0xFFFFFF;
    static constexpr quint32 kGreen = 0x00FF00;
    static constexpr quint32 kRed = 0x0000FF;

    using QObject::QObject;

    void append(const QString &line);
    void clear();

    // Trims the log to the cap, oldest lines first, then selects the last line.
    void ScrollLog();
    // Selects the last line without trimming.
    void selectLastLine();
    // -1 selects nothing.
    void setSelectedIndex(int index);

    int count() const { return int(m_lines.size()); }
    int selectedIndex() const { return m_selected; }
    const QString &line(int index) const { return m_lines[std::size_t(index)]; }
    QStringList lines() const;
    QString lastLine() const { return m_lines.empty() ? QString() : m_lines.back(); }

    // Unset until an upload or an error first colours the log.
    std::optional<quint32> backColour() const { return m_backColour; }
    void setBackColour(quint32 bgr);

    // Sequence number of line 0, and of the line that will be appended next.
    quint64 firstSequence() const { return m_firstSequence; }
    quint64 endSequence() const { return m_firstSequence + m_lines.size(); }
    // Changes with every clear().
    quint64 generation() const { return m_generation; }

Q_SIGNALS:
    // Emitted for every appended line, before any trimming (the command line prints them all).
    void lineAppended(const QString &line);
    void cleared();
    void backColourChanged(quint32 bgr);

private:
    std::deque<QString> m_lines;
    int m_selected = -1;
    quint64 m_firstSequence = 0;
    quint64 m_generation = 0;
    std::optional<quint32> m_backColour;
};
