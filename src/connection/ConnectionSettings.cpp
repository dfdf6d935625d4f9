#include "ConnectionSettings.h"

#include "ConnectionView.h"
#include "ProductProfile.h"
#include "platform/SettingsStore.h"

ConnectionSettings::ConnectionSettings(const QString &title, SettingsStore &store)
    : m_title(title), m_store(store)
{}

void ConnectionSettings::LoadConnectionSettings(ConnectionView &view) const
{
    const QString section = QString::fromLatin1(kSection);
    // Every profile is tested on its own; were two to match, the later one's values would stand.
    // A profile without connection defaults still gets back what a finished upload saved for it,
    // with empty boxes when nothing is saved.
    for (const ProductProfile &profile : ProductProfile::all()) {
        if (!profile.matches(m_title))
            continue;
        view.setEthernetAddress(m_store.read(m_title, section, QString::fromLatin1(kAddressKey),
                                             QString::fromLatin1(profile.defaultAddress)));
        view.setEthernetPort(m_store.read(m_title, section, QString::fromLatin1(kPortKey),
                                          QString::fromLatin1(profile.defaultPort)));
    }
}

void ConnectionSettings::Forget(ConnectionView &view) const
{
    m_store.deleteSection(m_title, QString::fromLatin1(kSection));
    LoadConnectionSettings(view);
}

void ConnectionSettings::save(const QString &address, const QString &port) const
{
    const QString section = QString::fromLatin1(kSection);
    m_store.write(m_title, section, QString::fromLatin1(kAddressKey), address);
    m_store.write(m_title, section, QString::fromLatin1(kPortKey), port);
}
