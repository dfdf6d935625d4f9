#include "FirmwareFile.h"

#include "platform/CoreText.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace {

// memchr looks at many bytes per step; this runs once for every record sent. The search goes
// in short stretches, so that a file with only one kind of line end is not scanned to its end
// for the other kind at every line.
const char *findLineEnd(const char *begin, const char *end)
{
    constexpr qsizetype kStretch = 256;
    for (const char *from = begin; from != end;) {
        const char *to = end - from > kStretch ? from + kStretch : end;
        const auto *lineFeed =
            static_cast<const char *>(std::memchr(from, '\n', size_t(to - from)));
        const char *stop = lineFeed ? lineFeed : to;
        if (const auto *carriageReturn =
                static_cast<const char *>(std::memchr(from, '\r', size_t(stop - from))))
            return carriageReturn;
        if (lineFeed)
            return lineFeed;
        from = to;
    }
    return end;
}

// Why a path names no file, in words that point at the fix.
QString missingReason(const QString &path)
{
    // A name that was not valid UTF-8 reaches us with replacement characters and can no
    // longer name the file on disk.
    if (path.contains(QChar::ReplacementCharacter))
        return CoreText::english(
            "its name is not valid UTF-8, so it cannot be opened by that name; "
            "rename the file");
    const QByteArray native = QFile::encodeName(path);
    struct stat status;
    if (::stat(native.constData(), &status) != 0) {
        if (errno == ELOOP)
            return CoreText::english("its symbolic links form a loop");
        if (errno == EACCES)
            return CoreText::english("a folder on its path cannot be searched (permission denied)");
        if (::lstat(native.constData(), &status) == 0 && S_ISLNK(status.st_mode))
            return CoreText::english("it is a symbolic link to a file that does not exist");
    }
    return CoreText::english("the file does not exist");
}

QString sizeText(qint64 bytes)
{
    return QLocale(QLocale::English).toString(bytes);
}

} // namespace

FirmwareFile::FirmwareFile(qsizetype bufferSize) : m_bufferSize(qMax<qsizetype>(1, bufferSize)) {}

bool FirmwareFile::open(const QString &path, QString *errorMessage)
{
    close();
    QString reason;
    if (!readWhole(path, &reason)) {
        if (errorMessage)
            *errorMessage = CoreText::english("Cannot open \"%1\": %2.").arg(path, reason);
        return false;
    }
    m_path = path;
    m_open = true;
    if (errorMessage)
        errorMessage->clear();
    return true;
}

bool FirmwareFile::stream(const QString &path, const std::function<void(QByteArrayView)> &take,
                          QString *errorMessage)
{
    close();
    QString reason;
    if (!readPieces(path, take, &reason)) {
        if (errorMessage)
            *errorMessage = CoreText::english("Cannot open \"%1\": %2.").arg(path, reason);
        return false;
    }
    if (errorMessage)
        errorMessage->clear();
    return true;
}

bool FirmwareFile::readWhole(const QString &path, QString *reason)
{
    QByteArray content;
    // The size seen now, and one piece more to see the end: no growing copies of a large file.
    content.reserve(qMin<qint64>(QFileInfo(path).size(), kMaxSize) + m_bufferSize);
    if (!readPieces(
            path, [&](QByteArrayView piece) { content.append(piece); }, reason))
        return false;
    m_content = content;
    return true;
}

bool FirmwareFile::readPieces(const QString &path, const std::function<void(QByteArrayView)> &take,
                              QString *reason)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) {
        *reason =
            path.isEmpty() ? CoreText::english("the file does not exist") : missingReason(path);
        return false;
    }
    if (info.isDir()) {
        *reason = CoreText::english("it is a folder, not a file");
        return false;
    }
    // Opening a pipe or a device could block or never end.
    if (!info.isFile()) {
        *reason = CoreText::english("it is not a regular file");
        return false;
    }
    const auto tooLarge = [&](qint64 size) {
        *reason = CoreText::english("the file is %1 bytes, more than any firmware image (at most "
                                    "%2 bytes)")
                      .arg(sizeText(size), sizeText(kMaxSize));
        return false;
    };
    if (info.size() > kMaxSize)
        return tooLarge(info.size());

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        *reason = file.errorString().toLower();
        return false;
    }
    // Read to the end rather than to the size seen above: the file may be growing.
    QByteArray buffer(m_bufferSize, Qt::Uninitialized);
    qint64 total = 0;
    for (;;) {
        const qint64 count = file.read(buffer.data(), m_bufferSize);
        if (count < 0) {
            *reason = file.errorString().toLower();
            return false;
        }
        if (count == 0)
            return true;
        total += count;
        if (total > kMaxSize)
            return tooLarge(total);
        take(QByteArrayView(buffer.constData(), count));
    }
}

void FirmwareFile::openContent(const QByteArray &content)
{
    close();
    m_content = content;
    m_open = true;
}

void FirmwareFile::close()
{
    m_path.clear();
    m_content.clear();
    m_position = 0;
    m_open = false;
}

QByteArray FirmwareFile::readLine(qsizetype maxLength)
{
    if (atEnd())
        return {};
    const char *begin = m_content.constData() + m_position;
    const char *end = m_content.constData() + m_content.size();
    const char *stop = findLineEnd(begin, end);
    const qsizetype length = stop - begin;
    const qsizetype kept = maxLength < 0 ? length : qMin(length, maxLength);
    QByteArray line(begin, kept);
    m_position += length;
    if (stop != end) {
        ++m_position;
        if (*stop == '\r' && m_position < m_content.size() && m_content.at(m_position) == '\n')
            ++m_position;
    }
    return line;
}
