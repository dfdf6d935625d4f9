#include "FirmwareInspection.h"

#include "firmware/FirmwareFile.h"
#include "firmware/IntelHexCheck.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonObject>

FirmwareInspection FirmwareInspection::inspect(const QString &path,
                                               const QByteArray &expectedSha256)
{
    FirmwareInspection result;
    result.m_absolutePath = QFileInfo(path).absoluteFilePath();

    // FirmwareFile's reasons are the ones the window gives: missing, a folder, not a regular file.
    QString error;
    FirmwareFile probe;
    if (!probe.open(path, &error)) {
        result.m_problem =
            QStringLiteral("cannot open the firmware file \"%1\": %2").arg(path, error);
        return result;
    }
    if (probe.size() > kMaxFileBytes) {
        result.m_problem = QStringLiteral("the firmware file \"%1\" is %2 bytes, more than any "
                                          "firmware image can be (at most %3 MiB).")
                               .arg(path)
                               .arg(probe.size())
                               .arg(kMaxFileBytes / (1024 * 1024));
        return result;
    }
    probe.close();

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.m_problem = QStringLiteral("cannot open the firmware file \"%1\": %2.")
                               .arg(path, file.errorString().toLower());
        return result;
    }
    // A file that grows while it is read is cut at the limit and then refused by the check.
    result.m_summary = FirmwareSummary::fromContent(file.read(kMaxFileBytes + 1));

    if (const std::optional<QString> problem = IntelHexCheck::firstProblem(path)) {
        result.m_problem = QStringLiteral("the firmware file \"%1\" is not valid Intel HEX: %2")
                               .arg(path, *problem);
        return result;
    }
    if (!expectedSha256.isEmpty() && result.m_summary->sha256 != expectedSha256) {
        result.m_problem = QStringLiteral("the firmware file \"%1\" is not the expected image: "
                                          "its SHA-256 is %2, expected %3.")
                               .arg(path, QString::fromLatin1(result.m_summary->sha256),
                                    QString::fromLatin1(expectedSha256));
    }
    return result;
}

QJsonValue FirmwareInspection::toJson() const
{
    if (!m_summary)
        return QJsonValue::Null;
    QJsonObject object = m_summary->toJson();
    object.insert(QStringLiteral("path"), m_absolutePath);
    return object;
}
