#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>

// The firmware file, read whole into memory when it is opened and then handed out one line at a
// time as the upload sends it. The bytes that are checked are the bytes that are sent: a file
// that changes on disk during an upload changes nothing of what goes to the unit.
//
// A line ends at CR LF, at a lone CR or at a lone LF; the terminator is consumed but not
// returned. Bytes are taken as they are (NUL bytes and invalid UTF-8 included): a record is
// sent byte for byte.
class FirmwareFile
{
public:
    // Large enough that a whole firmware image usually takes a handful of reads.
    static constexpr qsizetype kBufferSize = 64 * 1024;
    // Far above any firmware image a unit can hold; a larger file is refused by its size at
    // once instead of being read for seconds first.
    static constexpr qint64 kMaxSize = 64 * 1024 * 1024;

    // The file is read in pieces of bufferSize bytes; a small one lets tests put a line end
    // across the boundary between two reads.
    explicit FirmwareFile(qsizetype bufferSize = kBufferSize);

    // Reads the whole file, closing any file opened before (also when this open fails). On
    // failure errorMessage, when given, says why in a sentence for the operator.
    bool open(const QString &path, QString *errorMessage = nullptr);
    // Reads the file as open() does, with the same checks and reasons, but hands each piece
    // read to take and keeps nothing: for a look at a file that needs no copy of it.
    bool stream(const QString &path, const std::function<void(QByteArrayView)> &take,
                QString *errorMessage = nullptr);
    // Reads lines from bytes already in memory.
    void openContent(const QByteArray &content);
    bool isOpen() const { return m_open; }
    void close();

    // The next line without its terminator; empty at the end of the file. With maxLength >= 0
    // at most that many bytes are returned, and the rest of the line is passed over.
    QByteArray readLine(qsizetype maxLength = -1);

    // Bytes consumed so far, terminators included.
    qint64 position() const { return m_position; }
    // The length of the bytes read at open.
    qint64 size() const { return m_content.size(); }
    // True when every byte has been consumed.
    bool atEnd() const { return m_position >= m_content.size(); }
    // Every byte read at open.
    const QByteArray &content() const { return m_content; }

    QString path() const { return m_path; }

private:
    bool readWhole(const QString &path, QString *reason);
    bool readPieces(const QString &path, const std::function<void(QByteArrayView)> &take,
                    QString *reason);

    QString m_path;
    qsizetype m_bufferSize = kBufferSize;
    QByteArray m_content;
    qsizetype m_position = 0;
    bool m_open = false;
};
