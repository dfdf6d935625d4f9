#include "StationTrust.h"

#include "firmware/TrustedKeySettings.h"
#include "platform/CoreText.h"
#include "platform/SettingsStore.h"

namespace {

QList<PublicKey> &commandLineKeys()
{
    static QList<PublicKey> keys;
    return keys;
}

} // namespace

bool StationTrust::setCommandLineKeys(const QStringList &keys, QString *error)
{
    QList<PublicKey> parsed;
    for (const QString &text : keys) {
        const std::optional<PublicKey> key = PublicKey::fromPathOrText(text, error);
        if (!key)
            return false;
        parsed.append(*key);
    }
    commandLineKeys() = parsed;
    return true;
}

StationTrust StationTrust::current()
{
    const TrustedKeySettings settings =
        TrustedKeySettings::load(QStringLiteral(FWU_APP_TITLE), SettingsStore());
    StationTrust trust;
    trust.m_keys = settings.keys + commandLineKeys();
    trust.m_required = settings.requireSigned || !commandLineKeys().isEmpty();
    return trust;
}

std::optional<SignatureCheck> StationTrust::verify(const QByteArray &content,
                                                   const QString &firmwarePath) const
{
    if (m_keys.isEmpty() && !m_required)
        return std::nullopt;
    return SignatureCheck::verifyFile(content, SignatureCheck::defaultSignaturePath(firmwarePath),
                                      m_keys);
}

std::optional<QString> StationTrust::refusal(const std::optional<SignatureCheck> &verdict) const
{
    if (!verdict || verdict->isValid() || !m_required)
        return std::nullopt;
    return CoreText::english("Only signed firmware is flashed here: %1").arg(verdict->problem());
}
