#include "ProductProfile.h"

#include <array>
#include <cstring>

namespace {

// Default addresses are private-range addresses of the units as they leave the factory.
constexpr std::array<ProductProfile, 4> kProfiles{{
    {"TAPdeck", "\xFE\x55\xAA\x01\x01\x2D\xD4", false, nullptr, nullptr},
    {"Meridian 8", "\xFE\x55\xAA\x01\x02\x2D\xD3", true, "192.168.0.80", "23"},
    {"Kestrel Max", "\xFE\x55\xAA\x01\x01\x31\xD0", false, "192.168.0.50", "5000"},
    {"Corvus", "\xFE\x55\xAA\x01\x00\x36\xCC", false, "192.168.0.90", "23"},
}};

} // namespace

bool ProductProfile::matches(const QString &title) const
{
    return title.startsWith(QLatin1StringView(name), Qt::CaseSensitive);
}

std::span<const ProductProfile> ProductProfile::all()
{
    return kProfiles;
}

const ProductProfile *ProductProfile::forTitle(const QString &title)
{
    const ProductProfile *match = nullptr;
    for (const ProductProfile &profile : kProfiles) {
        if (profile.matches(title))
            match = &profile;
    }
    return match;
}

const ProductProfile *ProductProfile::named(const char *name)
{
    for (const ProductProfile &profile : kProfiles) {
        if (std::strcmp(profile.name, name) == 0)
            return &profile;
    }
    return nullptr;
}
