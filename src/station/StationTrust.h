#pragma once

#include "firmware/PublicKey.h"
#include "firmware/SignatureCheck.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Which signatures the station accepts: the trusted keys and "flash only signed firmware" of the
// build's title (File > Trusted Keys in the window), plus any --public-key of the station's
// command line, which makes signing required. Read afresh for each check, so that a change in
// the window's settings applies to the next firmware chosen.
class StationTrust
{
    Q_DECLARE_TR_FUNCTIONS(StationTrust)

public:
    // The station's --public-key values; false and the reason when one cannot be used.
    static bool setCommandLineKeys(const QStringList &keys, QString *error);
    static StationTrust current();

    bool isRequired() const { return m_required; }
    const QList<PublicKey> &keys() const { return m_keys; }
    // Nothing when no key is trusted and signing is not required.
    std::optional<SignatureCheck> verify(const QByteArray &content,
                                         const QString &firmwarePath) const;
    // The reason to refuse an image with this verdict, or nothing.
    std::optional<QString> refusal(const std::optional<SignatureCheck> &verdict) const;

private:
    QList<PublicKey> m_keys;
    bool m_required = false;
};
