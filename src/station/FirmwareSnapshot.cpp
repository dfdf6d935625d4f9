#include "FirmwareSnapshot.h"

#include "StationLogging.h"
#include "StationTrust.h"
#include "firmware/FirmwareFile.h"
#include "firmware/IntelHexCheck.h"
#include "platform/CoreText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace {

// The private folders are named after the station that made them, so that a later station can
// tell the leftovers of one that was killed from those of one that still runs.
const QString kFolderPrefix = QStringLiteral("firmware-uploader-station-");

bool writeFile(const QString &path, const QByteArray &content, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() ||
        !file.flush()) {
        *error = CoreText::english("Cannot write the run's copy of the firmware: %1")
                     .arg(file.errorString());
        return false;
    }
    return true;
}

bool isOwnersProcessGone(const QFileInfo &folder)
{
    const QString rest = folder.fileName().mid(kFolderPrefix.size());
    bool ok = false;
    const qint64 pid = rest.section(QLatin1Char('-'), 0, 0).toLongLong(&ok);
    if (!ok || pid <= 0 || folder.ownerId() != ::getuid())
        return false;
    return ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
}

} // namespace

FirmwareSnapshot::FirmwareSnapshot() = default;
FirmwareSnapshot::~FirmwareSnapshot() = default;

bool FirmwareSnapshot::copySignature(const QString &path, const QString &copy, QString *error)
{
    QFile signature(SignatureCheck::defaultSignaturePath(path));
    if (!signature.exists())
        return true;
    if (signature.size() > kMaxSignatureSize || !signature.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("Cannot read the signature %1").arg(signature.fileName());
        return false;
    }
    return writeFile(SignatureCheck::defaultSignaturePath(copy), signature.readAll(), error);
}

bool FirmwareSnapshot::take(const QString &path, QString *error)
{
    FirmwareFile file;
    if (!file.open(path, error))
        return false;
    const QByteArray content = file.content();
    // What is wrong with the file itself comes first: a file that is not firmware at all is not
    // worth a word about its signature.
    IntelHexCheck::Result check = IntelHexCheck::inspectContent(content);
    if (check.problem) {
        *error = CoreText::english("%1 is not valid Intel HEX: %2").arg(path, check.problem->text);
        return false;
    }
    const StationTrust trust = StationTrust::current();
    std::optional<SignatureCheck> signature = trust.verify(content, path);
    if (const std::optional<QString> refused = trust.refusal(signature)) {
        *error = *refused;
        return false;
    }
    auto dir = std::make_unique<QTemporaryDir>(
        QDir(QDir::tempPath())
            .filePath(kFolderPrefix + QString::number(::getpid()) + QStringLiteral("-XXXXXX")));
    if (!dir->isValid()) {
        *error = CoreText::english("Cannot make a private folder: %1").arg(dir->errorString());
        return false;
    }
    // The copy is checked, not the original, so the check and the upload see the same bytes.
    const QString copy = dir->filePath(QFileInfo(path).fileName());
    if (!writeFile(copy, content, error))
        return false;
    const bool signedCopy = signature && signature->isValid();
    if (signedCopy &&
        !writeFile(SignatureCheck::defaultSignaturePath(copy), signature->signatureText(), error))
        return false;
    // A signature nobody here verifies still says where its signer lets each unit's own data
    // go: the uploaders see it beside their copy too.
    if (!signedCopy && !copySignature(path, copy, error))
        return false;
    m_signature = signature;
    m_keyArguments.clear();
    for (const PublicKey &key : signedCopy ? trust.keys() : QList<PublicKey>())
        m_keyArguments << QStringLiteral("--public-key=") + QString::fromLatin1(key.toBase64());
    m_dir = std::move(dir);
    m_sourcePath = QFileInfo(path).absoluteFilePath();
    m_copyPath = copy;
    m_summary = std::move(check.summary);
    m_takenAt = QDateTime::currentDateTime();
    return true;
}

bool FirmwareSnapshot::inspect(const QString &path, QStringList *description, QString *error)
{
    FirmwareSnapshot snapshot;
    if (!snapshot.take(path, error))
        return false;
    *description = snapshot.describe();
    return true;
}

QStringList FirmwareSnapshot::uploaderArguments() const
{
    return m_keyArguments;
}

QStringList FirmwareSnapshot::describe() const
{
    QStringList lines = m_summary.describe();
    if (m_signature)
        lines.append(m_signature->isValid()
                         ? tr("Signature: key %1, trusted comment: %2")
                               .arg(m_signature->keyId(), m_signature->trustedComment())
                         : tr("Not signed by a trusted key: %1")
                               .arg(CoreText::shown(m_signature->problem())));
    return lines;
}

int FirmwareSnapshot::sweepLeftovers()
{
    int removed = 0;
    const QFileInfoList folders =
        QDir(QDir::tempPath())
            .entryInfoList({kFolderPrefix + QLatin1Char('*')},
                           QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks);
    for (const QFileInfo &folder : folders) {
        if (!isOwnersProcessGone(folder))
            continue;
        if (QDir(folder.absoluteFilePath()).removeRecursively()) {
            qCInfo(lcStation) << "removed the leftover copy" << folder.absoluteFilePath();
            ++removed;
        } else
            qCWarning(lcStation) << "cannot remove the leftover folder"
                                 << folder.absoluteFilePath();
    }
    return removed;
}
