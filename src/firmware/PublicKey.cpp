#include "PublicKey.h"

#include "MinisignText.h"
#include "platform/CoreText.h"

#include <QFileInfo>

namespace {

// The algorithm tag in front of an Ed25519 key.
const QByteArray kAlgorithm = QByteArrayLiteral("Ed");
const QByteArray kCommentPrefix = QByteArrayLiteral("untrusted comment:");

} // namespace

std::optional<PublicKey> PublicKey::parse(const QByteArray &text, QString *problem)
{
    QList<QByteArray> lines = MinisignText::lines(text);
    if (lines.size() == 2 && lines.constFirst().startsWith(kCommentPrefix))
        lines.removeFirst();
    if (lines.size() != 1) {
        *problem = CoreText::english("a public key is one base64 line, after an optional "
                                     "\"untrusted comment:\" line.");
        return std::nullopt;
    }
    const QString what = CoreText::english("the public key");
    const auto bytes = MinisignText::decode(lines.constFirst().trimmed(),
                                            kAlgorithm.size() + MinisignText::kKeyIdSize + kKeySize,
                                            what, problem);
    if (!bytes)
        return std::nullopt;
    if (!bytes->startsWith(kAlgorithm)) {
        *problem = CoreText::english("the public key is not an Ed25519 key (algorithm \"%1\").")
                       .arg(QString::fromLatin1(bytes->left(2).toHex()));
        return std::nullopt;
    }
    PublicKey key;
    key.m_keyId = bytes->mid(kAlgorithm.size(), MinisignText::kKeyIdSize);
    key.m_key = bytes->mid(kAlgorithm.size() + MinisignText::kKeyIdSize);
    return key;
}

std::optional<PublicKey> PublicKey::fromPathOrText(const QString &pathOrKey, QString *problem)
{
    std::optional<PublicKey> key;
    QString reason;
    if (QFileInfo::exists(pathOrKey)) {
        const QString what = CoreText::english("the public key file");
        if (const auto text = MinisignText::readSmallFile(pathOrKey, what, &reason))
            key = parse(*text, &reason);
    } else {
        key = parse(pathOrKey.toLatin1(), &reason);
        if (!key)
            reason = CoreText::english("no file by that name, and %1").arg(reason);
    }
    if (!key)
        *problem =
            CoreText::english("the public key \"%1\" cannot be used: %2").arg(pathOrKey, reason);
    return key;
}

QString PublicKey::keyIdText() const
{
    return MinisignText::keyIdText(m_keyId);
}

QByteArray PublicKey::toBase64() const
{
    return QByteArray(kAlgorithm + m_keyId + m_key).toBase64();
}
