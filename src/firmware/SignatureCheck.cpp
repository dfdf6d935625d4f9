#include "SignatureCheck.h"

#include "FirmwareSignature.h"
#include "MinisignText.h"
#include "platform/CoreText.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QStringList>

#include <sodium.h>

namespace {

bool verifies(const QByteArray &signature, const QByteArray &message, const PublicKey &key)
{
    return crypto_sign_verify_detached(
               reinterpret_cast<const unsigned char *>(signature.constData()),
               reinterpret_cast<const unsigned char *>(message.constData()),
               static_cast<unsigned long long>(message.size()),
               reinterpret_cast<const unsigned char *>(key.key().constData())) == 0;
}

QByteArray blake2b512(const QByteArray &content)
{
    QByteArray hash(crypto_generichash_BYTES_MAX, '\0');
    crypto_generichash(reinterpret_cast<unsigned char *>(hash.data()), size_t(hash.size()),
                       reinterpret_cast<const unsigned char *>(content.constData()),
                       static_cast<unsigned long long>(content.size()), nullptr, 0);
    return hash;
}

} // namespace

QString SignatureCheck::defaultSignaturePath(const QString &firmwarePath)
{
    return firmwarePath + QStringLiteral(".minisig");
}

SignatureCheck SignatureCheck::verifyFile(const QByteArray &content, const QString &signaturePath,
                                          const QList<PublicKey> &trustedKeys)
{
    QString problem;
    const auto text = MinisignText::readSmallFile(
        signaturePath, CoreText::english("the signature file"), &problem);
    if (!text) {
        SignatureCheck result;
        result.m_problem = CoreText::english("the firmware is not signed: %1").arg(problem);
        return result;
    }
    SignatureCheck result = verify(content, *text, trustedKeys);
    if (!result.isValid())
        result.m_problem = CoreText::english("the signature \"%1\" is refused: %2")
                               .arg(signaturePath, result.m_problem);
    return result;
}

SignatureCheck SignatureCheck::verify(const QByteArray &content, const QByteArray &signatureText,
                                      const QList<PublicKey> &trustedKeys)
{
    SignatureCheck result;
    result.m_signatureText = signatureText;
    if (sodium_init() < 0) {
        result.m_problem = CoreText::english("the signature library could not start.");
        return result;
    }
    const auto signature = FirmwareSignature::parse(signatureText, &result.m_problem);
    if (!signature)
        return result;
    result.m_keyId = signature->keyIdText();
    result.m_problem = CoreText::english("it was made with key %1, which is not trusted here "
                                         "(trusted: %2).")
                           .arg(result.m_keyId, keyList(trustedKeys));
    // Key IDs are chosen at random, not derived from the key: two trusted keys may share one.
    for (const PublicKey &key : trustedKeys) {
        if (key.keyId() != signature->keyId())
            continue;
        result.m_problem = problemWith(content, *signature, key);
        if (result.m_problem.isEmpty()) {
            result.m_trustedComment = shownComment(signature->trustedComment());
            break;
        }
    }
    return result;
}

QString SignatureCheck::problemWith(const QByteArray &content, const FirmwareSignature &signature,
                                    const PublicKey &key)
{
    const QString keyId = signature.keyIdText();
    const bool prehashed = signature.algorithm() == FirmwareSignature::Algorithm::Prehashed;
    if (!verifies(signature.signature(), prehashed ? blake2b512(content) : content, key))
        return CoreText::english("it does not match the firmware: the image is not the one key %1 "
                                 "signed.")
            .arg(keyId);
    if (!verifies(signature.globalSignature(), signature.signature() + signature.trustedComment(),
                  key))
        return CoreText::english("its trusted comment is not the one key %1 signed.").arg(keyId);
    return {};
}

QString SignatureCheck::describe() const
{
    if (!isValid())
        return m_problem;
    return CoreText::english("Signed by key %1: %2").arg(m_keyId, m_trustedComment);
}

QJsonObject SignatureCheck::toJson() const
{
    const auto textOrNull = [](const QString &text) {
        return text.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(text);
    };
    return {{QStringLiteral("valid"), isValid()},
            {QStringLiteral("key_id"), textOrNull(m_keyId)},
            {QStringLiteral("trusted_comment"),
             isValid() ? QJsonValue(m_trustedComment) : QJsonValue(QJsonValue::Null)},
            {QStringLiteral("problem"), textOrNull(m_problem)}};
}

// A comment is shown in logs, labels and terminals: no control character may act there.
QString SignatureCheck::shownComment(const QByteArray &comment)
{
    QString text = QString::fromUtf8(comment);
    for (QChar &c : text) {
        const QChar::Category category = c.category();
        if (c != QLatin1Char('\t') &&
            (category == QChar::Other_Control || category == QChar::Other_Format))
            c = QChar::ReplacementCharacter;
    }
    return text;
}

QString SignatureCheck::keyList(const QList<PublicKey> &keys)
{
    QStringList ids;
    for (const PublicKey &key : keys)
        ids.append(key.keyIdText());
    return ids.isEmpty() ? CoreText::english("none") : ids.join(QStringLiteral(", "));
}
