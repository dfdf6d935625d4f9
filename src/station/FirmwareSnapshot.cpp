#include "FirmwareSnapshot.h"

#include "StationTrust.h"
#include "firmware/IntelHexCheck.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

// Far above any firmware image a unit can hold; guards against choosing the wrong file.
constexpr qint64 kFileSizeLimit = 512LL * 1024 * 1024;

bool readFile(const QString &path, QByteArray *content, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("Cannot open %1: %2").arg(path, file.errorString());
        return false;
    }
    if (file.size() > kFileSizeLimit) {
        *error = QStringLiteral("%1 is too large to be firmware.").arg(path);
        return false;
    }
    *content = file.readAll();
    return true;
}

bool writeFile(const QString &path, const QByteArray &content, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() ||
        !file.flush()) {
        *error = QStringLiteral("Cannot write the run's copy of the firmware: %1")
                     .arg(file.errorString());
        return false;
    }
    return true;
}

} // namespace

FirmwareSnapshot::FirmwareSnapshot() = default;
FirmwareSnapshot::~FirmwareSnapshot() = default;

bool FirmwareSnapshot::take(const QString &path, QString *error)
{
    QByteArray content;
    if (!readFile(path, &content, error))
        return false;
    const StationTrust trust = StationTrust::current();
    std::optional<SignatureCheck> signature = trust.verify(content, path);
    if (const std::optional<QString> refused = trust.refusal(signature)) {
        *error = *refused;
        return false;
    }
    auto dir = std::make_unique<QTemporaryDir>();
    if (!dir->isValid()) {
        *error = QStringLiteral("Cannot make a private folder: %1").arg(dir->errorString());
        return false;
    }
    // The copy is checked, not the original, so the check and the upload see the same bytes.
    const QString copy = dir->filePath(QFileInfo(path).fileName());
    if (!writeFile(copy, content, error))
        return false;
    if (const std::optional<QString> problem = IntelHexCheck::firstProblem(copy)) {
        *error = QStringLiteral("%1 is not valid Intel HEX: %2").arg(path, *problem);
        return false;
    }
    const bool signedCopy = signature && signature->isValid();
    if (signedCopy &&
        !writeFile(SignatureCheck::defaultSignaturePath(copy), signature->signatureText(), error))
        return false;
    m_signature = signature;
    m_keyArguments.clear();
    for (const PublicKey &key : signedCopy ? trust.keys() : QList<PublicKey>())
        m_keyArguments << QStringLiteral("--public-key=") + QString::fromLatin1(key.toBase64());
    m_dir = std::move(dir);
    m_sourcePath = QFileInfo(path).absoluteFilePath();
    m_copyPath = copy;
    m_summary = FirmwareSummary::fromContent(content);
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
                         ? QStringLiteral("Signature: key %1, trusted comment: %2")
                               .arg(m_signature->keyId(), m_signature->trustedComment())
                         : QStringLiteral("Not signed by a trusted key: ") +
                               m_signature->problem());
    return lines;
}
