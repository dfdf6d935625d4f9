#pragma once

#include "PublicKey.h"

#include <QList>
#include <QString>

#include <optional>

class SettingsStore;

// The keys a line trusts and whether it flashes signed firmware only, kept per application
// title beside the window's other settings, so that the window and the station agree.
struct TrustedKeySettings
{
    static constexpr const char *kSection = "TrustedKeys";

    QList<PublicKey> keys;
    bool requireSigned = false;

    // A key that cannot be read back is left out rather than trusted in some other form.
    static TrustedKeySettings load(const QString &title, const SettingsStore &store);
    bool save(const QString &title, SettingsStore &store) const;

    // Whether the chosen image's signature is checked at all.
    bool checksSignatures() const { return requireSigned || !keys.isEmpty(); }
};
