#include "FirmwareSnapshot.h"

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
    auto dir = std::make_unique<QTemporaryDir>();
    if (!dir->isValid()) {
        *error = QStringLiteral("Cannot make a private folder: %1").arg(dir->errorString());
        return false;
    }
    // The copy is checked, not the original, so the check and the upload see the same bytes.
    const QString copy = dir->filePath(QFileInfo(path).fileName());
    if (!writeFile(copy, content, error))
        return false;
    QString openError;
    std::optional<IntelHexCheck::Result> check = IntelHexCheck::inspect(copy, &openError);
    if (!check) {
        *error = openError;
        return false;
    }
    if (check->problem) {
        *error = QStringLiteral("%1 is not valid Intel HEX: %2").arg(path, check->problem->text);
        return false;
    }
    m_dir = std::move(dir);
    m_sourcePath = QFileInfo(path).absoluteFilePath();
    m_copyPath = copy;
    m_summary = std::move(check->summary);
    m_takenAt = QDateTime::currentDateTime();
    return true;
}

bool FirmwareSnapshot::inspect(const QString &path, FirmwareSummary *summary, QString *error)
{
    FirmwareSnapshot snapshot;
    if (!snapshot.take(path, error))
        return false;
    *summary = snapshot.summary();
    return true;
}
