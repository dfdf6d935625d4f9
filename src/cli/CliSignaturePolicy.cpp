#include "CliSignaturePolicy.h"

#include "CliOptions.h"
#include "firmware/TrustedKeySettings.h"
#include "platform/SettingsStore.h"

#include <QCoreApplication>

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
    const QString where =
        QCoreApplication::translate("CliSignaturePolicy",
                                    "\"Flash only signed firmware\" is on for \"%1\" (the window's "
                                    "File > Trusted Keys, kept in \"%2\")")
            .arg(options.title, settings.fileName(options.title));
    if (policy.keys.isEmpty()) {
        policy.problem =
            where + QCoreApplication::translate("CliSignaturePolicy",
                                                ", but no key is trusted there: add one, or give "
                                                "--public-key.");
        return policy;
    }
    policy.refusalPrefix = where + QStringLiteral(": ");
    return policy;
}
