#include "CliSignaturePolicy.h"

#include "CliOptions.h"
#include "firmware/TrustedKeySettings.h"
#include "platform/CoreText.h"
#include "platform/SettingsStore.h"

CliSignaturePolicy CliSignaturePolicy::forRun(const CliOptions &options,
                                              const SettingsStore &settings)
{
    CliSignaturePolicy policy;
    if (!options.publicKeys.isEmpty()) {
        policy.required = true;
        for (const QString &text : options.publicKeys) {
            const std::optional<PublicKey> key = PublicKey::fromPathOrText(text, &policy.problem);
            if (!key)
                return policy;
            policy.keys.append(*key);
        }
        return policy;
    }
    const TrustedKeySettings trusted = TrustedKeySettings::load(options.title, settings);
    if (!trusted.requireSigned)
        return policy;
    policy.required = true;
    policy.keys = trusted.keys;
    policy.m_settingTitle = options.title;
    policy.m_settingsFile = settings.fileName(options.title);
    if (policy.keys.isEmpty())
        policy.problem = CoreText::english("\"Flash only signed firmware\" is on for \"%1\" (the "
                                           "window's File > Trusted Keys, kept in \"%2\"), but no "
                                           "key is trusted there: add one, or give --public-key.")
                             .arg(policy.m_settingTitle, policy.m_settingsFile);
    return policy;
}

QString CliSignaturePolicy::refusal(const QString &reason) const
{
    if (m_settingTitle.isEmpty())
        return reason;
    return CoreText::english("\"Flash only signed firmware\" is on for \"%1\" (the window's File > "
                             "Trusted Keys, kept in \"%2\"): %3")
        .arg(m_settingTitle, m_settingsFile, reason);
}
