#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// A detached signature of the signed-file format, as read from its four lines: an untrusted
// comment, the signature (algorithm, key ID, Ed25519 signature), the trusted comment, and the
// global signature over the signature and the trusted comment. Parsing checks the layout only;
// SignatureCheck verifies it.
class FirmwareSignature
{
public:
    enum class Algorithm {
        // The signature covers the file itself.
        Legacy,
        // The signature covers the BLAKE2b-512 hash of the file; what the tool makes by default.
        Prehashed,
    };
    static constexpr qsizetype kSignatureSize = 64;

    static std::optional<FirmwareSignature> parse(const QByteArray &text, QString *problem);

    Algorithm algorithm() const { return m_algorithm; }
    const QByteArray &keyId() const { return m_keyId; }
    QString keyIdText() const;
    const QByteArray &signature() const { return m_signature; }
    // The bytes after "trusted comment: ", as signed.
    const QByteArray &trustedComment() const { return m_trustedComment; }
    const QByteArray &globalSignature() const { return m_globalSignature; }

private:
    Algorithm m_algorithm = Algorithm::Prehashed;
    QByteArray m_keyId;
    QByteArray m_signature;
    QByteArray m_trustedComment;
    QByteArray m_globalSignature;
};
