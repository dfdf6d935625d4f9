#include "ApiToken.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sodium.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr size_t kTokenBytes = 32;
const QByteArray kScheme = QByteArrayLiteral("Bearer ");

// A folder that another user owns or can enter would hand the token to them.
std::optional<QString> privateFolder(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
        return ApiToken::tr("Cannot make the folder %1: %2")
            .arg(path, QString::fromLocal8Bit(strerror(errno)));
    struct stat info
    {};
    if (::lstat(native.constData(), &info) != 0 || !S_ISDIR(info.st_mode) ||
        info.st_uid != ::getuid() || (info.st_mode & 077) != 0)
        return ApiToken::tr("%1 must be a folder of this user's that nobody else can enter.")
            .arg(path);
    return std::nullopt;
}

} // namespace

ApiToken::ApiToken()
{
    if (sodium_init() < 0)
        qFatal("libsodium cannot start");
    QByteArray raw(kTokenBytes, Qt::Uninitialized);
    randombytes_buf(raw.data(), size_t(raw.size()));
    m_value = raw.toHex();
    sodium_memzero(raw.data(), size_t(raw.size()));
}

ApiToken::~ApiToken()
{
    if (!m_path.isEmpty())
        QFile::remove(m_path);
}

bool ApiToken::accepts(const QByteArray &authorization) const
{
    if (!authorization.startsWith(kScheme))
        return false;
    const QByteArray given = authorization.mid(kScheme.size()).trimmed();
    // The length is no secret: every token is as long.
    return given.size() == m_value.size() &&
           sodium_memcmp(given.constData(), m_value.constData(), size_t(m_value.size())) == 0;
}

QString ApiToken::defaultPath(quint16 port)
{
    return QDir(baseFolder())
        .filePath(QStringLiteral("FirmwareUploader/station-%1.token").arg(port));
}

QString ApiToken::baseFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return runtime.isEmpty() ? QDir(QDir::tempPath())
                                   .filePath(QStringLiteral("FirmwareUploader-%1").arg(::getuid()))
                             : runtime;
}

std::optional<QString> ApiToken::writeTo(const QString &path, bool makeFolders)
{
    if (makeFolders) {
        // The runtime folder is the system's, already private; the fallback in the shared
        // temporary folder is checked as the folder inside it is.
        const QString base = baseFolder();
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
            if (const std::optional<QString> problem = privateFolder(base))
                return problem;
        }
        if (const std::optional<QString> problem =
                privateFolder(QDir(base).filePath(QStringLiteral("FirmwareUploader"))))
            return problem;
    }
    const QByteArray native = QFile::encodeName(path);
    // One left by a station that was killed on this port goes; a new file is made, never one
    // that exists opened.
    ::unlink(native.constData());
    const int fd =
        ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    const QByteArray line = m_value + '\n';
    const bool written = fd >= 0 && ::fchmod(fd, 0600) == 0 &&
                         ::write(fd, line.constData(), size_t(line.size())) == line.size();
    const int error = errno;
    if (fd >= 0)
        ::close(fd);
    if (!written) {
        ::unlink(native.constData());
        return tr("Cannot write the token file %1: %2")
            .arg(path, QString::fromLocal8Bit(strerror(error)));
    }
    m_path = path;
    return std::nullopt;
}
