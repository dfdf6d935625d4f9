#include "FirmwareInspection.h"

#include "firmware/FirmwareFile.h"
#include "firmware/IntelHexCheck.h"
#include "platform/CoreText.h"

#include <QFileInfo>
#include <QJsonObject>
#include <QStringList>

FirmwareInspection FirmwareInspection::inspect(const QString &path,
                                               const QByteArray &expectedSha256, Keep keep)
{
    FirmwareInspection result;
    result.m_absolutePath = QFileInfo(path).absoluteFilePath();

    // One read of the file: its size limit and the reasons it gives (missing, a folder, not a
    // regular file) are the window's, and the bytes it read are the ones checked and summed.
    QString error;
    std::optional<IntelHexCheck::Result> check;
    if (keep == Keep::Content) {
        FirmwareFile file;
        if (file.open(path, &error)) {
            result.m_content = file.content();
            check = IntelHexCheck::inspectContent(result.m_content);
        }
    } else {
        check = IntelHexCheck::inspect(path, &error);
    }
    if (!check) {
        result.m_problem =
            CoreText::english("cannot open the firmware file \"%1\": %2").arg(path, error);
        return result;
    }
    result.m_summary = std::move(check->summary);

    if (const auto &problem = check->problem) {
        result.m_problem = CoreText::english("the firmware file \"%1\" is not valid Intel HEX: %2")
                               .arg(path, problem->text);
        return result;
    }
    if (!expectedSha256.isEmpty() && result.m_summary->sha256 != expectedSha256) {
        result.m_problem = CoreText::english("the firmware file \"%1\" is not the expected image: "
                                             "its SHA-256 is %2, expected %3.")
                               .arg(path, QString::fromLatin1(result.m_summary->sha256),
                                    QString::fromLatin1(expectedSha256));
    }
    return result;
}

void FirmwareInspection::nameOrigin(const QString &path)
{
    m_absolutePath = QFileInfo(path).absoluteFilePath();
}

void FirmwareInspection::requireSignature(const CliSignaturePolicy &policy,
                                          const QString &signaturePath)
{
    if (!policy.required || !m_summary)
        return;
    if (!policy.problem.isEmpty()) {
        m_problem = policy.problem;
        return;
    }
    m_signature = SignatureCheck::verifyFile(m_content, signaturePath, policy.keys);
    if (m_problem.isEmpty() && !m_signature->isValid())
        m_problem = policy.refusal(m_signature->problem());
}

QJsonValue FirmwareInspection::toJson() const
{
    if (!m_summary)
        return QJsonValue::Null;
    QJsonObject object = m_summary->toJson();
    object.insert(QStringLiteral("path"), m_absolutePath);
    return object;
}
