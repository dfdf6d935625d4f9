#include "FirmwareFile.h"

#include <QFile>
#include <QFileInfo>

namespace {

const char *findLineEnd(const char *begin, const char *end)
{
    for (const char *p = begin; p != end; ++p) {
        if (*p == '\r' || *p == '\n')
            return p;
    }
    return end;
}

} // namespace

FirmwareFile::FirmwareFile(qsizetype bufferSize) : m_bufferSize(qMax<qsizetype>(1, bufferSize)) {}

FirmwareFile::~FirmwareFile() = default;

bool FirmwareFile::open(const QString &path, QString *errorMessage)
{
    close();

    const auto fail = [&](const QString &reason) {
        if (errorMessage)
            *errorMessage = QStringLiteral("Cannot open \"%1\": %2.").arg(path, reason);
        return false;
    };

    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return fail(QStringLiteral("the file does not exist"));
    if (info.isDir())
        return fail(QStringLiteral("it is a folder, not a file"));
    // Opening a pipe or a device could block or never end.
    if (!info.isFile())
        return fail(QStringLiteral("it is not a regular file"));

    // Our own buffer does the buffering; QFile's would only copy every byte once more.
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return fail(file->errorString().toLower());

    m_file = std::move(file);
    m_path = path;
    m_size = m_file->size();
    m_exhausted = false;
    m_buffer.resize(m_bufferSize);
    if (errorMessage)
        errorMessage->clear();
    return true;
}

bool FirmwareFile::isOpen() const
{
    return m_file != nullptr;
}

void FirmwareFile::close()
{
    m_file.reset();
    m_path.clear();
    m_buffer.clear();
    m_bufferPos = 0;
    m_bufferEnd = 0;
    m_position = 0;
    m_size = 0;
    m_exhausted = true;
}

bool FirmwareFile::atEnd() const
{
    return m_bufferPos == m_bufferEnd && (m_exhausted || m_position >= m_size);
}

bool FirmwareFile::fill()
{
    m_bufferPos = 0;
    m_bufferEnd = 0;
    if (m_exhausted)
        return false;
    const qint64 count = m_file->read(m_buffer.data(), m_buffer.size());
    if (count <= 0) {
        // A read error ends the file as well: nothing more can be sent from it.
        m_exhausted = true;
        return false;
    }
    m_bufferEnd = qsizetype(count);
    return true;
}

QByteArray FirmwareFile::readLine(qsizetype maxLength)
{
    QByteArray line;
    if (!m_file)
        return line;

    for (;;) {
        if (m_bufferPos == m_bufferEnd && !fill())
            return line;

        const char *begin = m_buffer.constData() + m_bufferPos;
        const char *end = m_buffer.constData() + m_bufferEnd;
        const char *stop = findLineEnd(begin, end);
        const qsizetype length = stop - begin;
        const qsizetype kept =
            maxLength < 0 ? length : qMin(length, qMax<qsizetype>(0, maxLength - line.size()));
        line.append(begin, kept);
        m_bufferPos += length;
        m_position += length;
        if (stop == end)
            continue;

        const char terminator = *stop;
        ++m_bufferPos;
        ++m_position;
        if (terminator == '\r') {
            // The LF of a CR LF may be the first byte of the next buffer.
            if (m_bufferPos == m_bufferEnd)
                fill();
            if (m_bufferPos < m_bufferEnd && m_buffer.at(m_bufferPos) == '\n') {
                ++m_bufferPos;
                ++m_position;
            }
        }
        return line;
    }
}
