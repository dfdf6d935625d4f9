#include "FirmwareSignature.h"

#include "MinisignText.h"
#include "PublicKey.h"
#include "platform/CoreText.h"

namespace {

const QByteArray kUntrustedPrefix = QByteArrayLiteral("untrusted comment:");
const QByteArray kTrustedPrefix = QByteArrayLiteral("trusted comment: ");
constexpr qsizetype kAlgorithmSize = 2;

} // namespace

std::optional<FirmwareSignature> FirmwareSignature::parse(const QByteArray &text, QString *problem)
{
    const QList<QByteArray> lines = MinisignText::lines(text);
    QString notKey;
    if (lines.size() == 2 && PublicKey::parse(text, &notKey)) {
        *problem = CoreText::english("the file holds a public key, not a signature.");
        return std::nullopt;
    }
    if (lines.size() != 4) {
        *problem =
            CoreText::english("a signature file has 4 lines, this one has %1.").arg(lines.size());
        return std::nullopt;
    }
    if (!lines.at(0).startsWith(kUntrustedPrefix)) {
        *problem =
            CoreText::english("the signature file does not begin with \"untrusted comment:\".");
        return std::nullopt;
    }
    if (!lines.at(2).startsWith(kTrustedPrefix)) {
        *problem = CoreText::english("the third line of the signature file is not a "
                                     "\"trusted comment: \".");
        return std::nullopt;
    }
    const auto signature = MinisignText::decode(
        lines.at(1), kAlgorithmSize + MinisignText::kKeyIdSize + kSignatureSize,
        CoreText::english("the signature"), problem);
    if (!signature)
        return std::nullopt;
    const auto global = MinisignText::decode(lines.at(3), kSignatureSize,
                                             CoreText::english("the global signature"), problem);
    if (!global)
        return std::nullopt;

    FirmwareSignature result;
    const QByteArray algorithm = signature->left(kAlgorithmSize);
    if (algorithm == "ED") {
        result.m_algorithm = Algorithm::Prehashed;
    } else if (algorithm == "Ed") {
        result.m_algorithm = Algorithm::Legacy;
    } else {
        *problem = CoreText::english("the signature algorithm \"%1\" is unknown (hex %2).")
                       .arg(QString::fromLatin1(algorithm.toPercentEncoding()),
                            QString::fromLatin1(algorithm.toHex()));
        return std::nullopt;
    }
    result.m_keyId = signature->mid(kAlgorithmSize, MinisignText::kKeyIdSize);
    result.m_signature = signature->mid(kAlgorithmSize + MinisignText::kKeyIdSize);
    result.m_trustedComment = lines.at(2).mid(kTrustedPrefix.size());
    result.m_globalSignature = *global;
    return result;
}

QString FirmwareSignature::keyIdText() const
{
    return MinisignText::keyIdText(m_keyId);
}
