#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// An Ed25519 public key of the signed-file format: an 8-byte key ID and the 32-byte key. It is
// given as a key file (a comment line, then the base64 line) or as the base64 line alone.
class PublicKey
{
public:
    static constexpr qsizetype kKeySize = 32;

    // The key in the text of a key file, or the base64 line by itself.
    static std::optional<PublicKey> parse(const QByteArray &text, QString *problem);
    // A path to a key file when one exists there, else the base64 key itself: what an operator
    // types after --public-key.
    static std::optional<PublicKey> fromPathOrText(const QString &pathOrKey, QString *problem);

    const QByteArray &keyId() const { return m_keyId; }
    // 16 hex digits, as the signing tool prints the key ID.
    QString keyIdText() const;
    const QByteArray &key() const { return m_key; }
    // The base64 line, as it can be given back to --public-key or saved in the settings.
    QByteArray toBase64() const;

    friend bool operator==(const PublicKey &, const PublicKey &) = default;

private:
    QByteArray m_keyId;
    QByteArray m_key;
};
