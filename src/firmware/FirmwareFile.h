#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

class QFile;

// The open firmware file, read one line at a time as the upload sends it. A line ends at CR LF,
// at a lone CR or at a lone LF; the terminator is consumed but not returned. Bytes are taken as
// they are (NUL bytes and invalid UTF-8 included): a record is sent byte for byte.
class FirmwareFile
{
public:
    // Large enough that a whole firmware image usually takes a handful of reads.
    static constexpr qsizetype kBufferSize = 64 * 1024;

    // A small buffer lets tests put a line end across the boundary between two reads.
    explicit FirmwareFile(qsizetype bufferSize = kBufferSize);
    ~FirmwareFile();
    FirmwareFile(const FirmwareFile &) = delete;
    FirmwareFile &operator=(const FirmwareFile &) = delete;

    // Opens the file for reading at its start, closing any file opened before (also when this
    // open fails). On failure errorMessage, when given, says why in a sentence for the operator.
    bool open(const QString &path, QString *errorMessage = nullptr);
    bool isOpen() const;
    void close();

    // The next line without its terminator; empty at the end of the file. With maxLength >= 0
    // at most that many bytes are returned, and the rest of the line is passed over.
    QByteArray readLine(qsizetype maxLength = -1);

    // Bytes consumed so far, terminators included.
    qint64 position() const { return m_position; }
    // The file's length when it was opened.
    qint64 size() const { return m_size; }
    // True when every byte of the file has been consumed.
    bool atEnd() const;

    QString path() const { return m_path; }

private:
    bool fill();

    std::unique_ptr<QFile> m_file;
    QString m_path;
    qsizetype m_bufferSize = kBufferSize;
    QByteArray m_buffer;
    qsizetype m_bufferPos = 0;
    qsizetype m_bufferEnd = 0;
    qint64 m_position = 0;
    qint64 m_size = 0;
    bool m_exhausted = true;
};
