#include "TrustedKeySettings.h"

#include "platform/SettingsStore.h"

#include <QStringList>

namespace {

const QString kKeysKey = QStringLiteral("Keys");
const QString kRequireKey = QStringLiteral("RequireSigned");

} // namespace

TrustedKeySettings TrustedKeySettings::load(const QString &title, const SettingsStore &store)
{
    const QString section = QString::fromLatin1(kSection);
    const QStringList values =
        store.read(title, section, {{kKeysKey, QString()}, {kRequireKey, QStringLiteral("0")}});
    TrustedKeySettings settings;
    for (const QString &text : values.at(0).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        QString problem;
        if (const auto key = PublicKey::parse(text.toLatin1(), &problem))
            settings.keys.append(*key);
    }
    // Anything but an explicit "0" keeps the requirement: a damaged value must not open the gate.
    settings.requireSigned = values.at(1) != QLatin1String("0");
    return settings;
}

bool TrustedKeySettings::save(const QString &title, SettingsStore &store) const
{
    QStringList texts;
    for (const PublicKey &key : keys)
        texts.append(QString::fromLatin1(key.toBase64()));
    return store.write(title, QString::fromLatin1(kSection),
                       {{kKeysKey, texts.join(QLatin1Char(' '))},
                        {kRequireKey, requireSigned ? QStringLiteral("1") : QStringLiteral("0")}});
}
