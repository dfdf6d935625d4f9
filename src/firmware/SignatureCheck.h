#pragma once

#include "PublicKey.h"

#include <QByteArray>
#include <QList>
#include <QString>

class FirmwareSignature;
class QJsonObject;

// Whether an image in memory was signed by one of the trusted keys: the key IDs must match, the
// signature must cover exactly these bytes, and the global signature must cover the signature
// and its trusted comment, so that the comment (typically the version) can be shown as
// authentic. Verified with libsodium.
class SignatureCheck
{
public:
    // Where the signature of a firmware file is looked for when no other path is given.
    static QString defaultSignaturePath(const QString &firmwarePath);

    static SignatureCheck verify(const QByteArray &content, const QByteArray &signatureText,
                                 const QList<PublicKey> &trustedKeys);
    // Reads the signature file once and verifies its bytes against the image in memory; the
    // firmware path itself is never read again.
    static SignatureCheck verifyFile(const QByteArray &content, const QString &signaturePath,
                                     const QList<PublicKey> &trustedKeys);

    bool isValid() const { return m_problem.isEmpty(); }
    // Why the image is refused, as a sentence; empty when the signature verifies.
    QString problem() const { return m_problem; }
    // The ID of the key that signed, also when it is not trusted; empty when unreadable.
    QString keyId() const { return m_keyId; }
    // The authentic trusted comment, with control characters made visible; empty unless valid.
    QString trustedComment() const { return m_trustedComment; }
    // The signature file's bytes as they were verified, for a private copy beside the image.
    const QByteArray &signatureText() const { return m_signatureText; }
    // "Signed by key 56C0CE58276364E6: version 2.4.1", or the reason it is refused.
    QString describe() const;
    // {"valid":..,"key_id":..,"trusted_comment":..,"problem":..}
    QJsonObject toJson() const;

private:
    // Why the signature does not verify with the key; empty when it does.
    static QString problemWith(const QByteArray &content, const FirmwareSignature &signature,
                               const PublicKey &key);
    static QString shownComment(const QByteArray &comment);
    static QString keyList(const QList<PublicKey> &keys);

    QString m_problem;
    QString m_keyId;
    QString m_trustedComment;
    QByteArray m_signatureText;
};
