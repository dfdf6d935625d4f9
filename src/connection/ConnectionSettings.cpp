#include "ConnectionSettings.h"

#include "ConnectionView.h"
#include "ProductProfile.h"
#include "platform/CoreText.h"
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
        // Read together, so that a save by another program in between cannot mix the pair.
        const QStringList texts = m_store.read(
            m_title, section,
            {{QString::fromLatin1(kAddressKey), QString::fromLatin1(profile.defaultAddress)},
             {QString::fromLatin1(kPortKey), QString::fromLatin1(profile.defaultPort)}});
        view.setEthernetAddress(texts.at(0));
        view.setEthernetPort(texts.at(1));
    }
}

void ConnectionSettings::Forget(ConnectionView &view) const
{
    m_store.deleteSection(m_title, QString::fromLatin1(kSection));
    LoadConnectionSettings(view);
}

QString ConnectionSettings::save(const QString &address, const QString &port) const
{
    const bool saved = m_store.write(
        m_title, QString::fromLatin1(kSection),
        {{QString::fromLatin1(kAddressKey), address}, {QString::fromLatin1(kPortKey), port}});
    if (saved)
        return {};
    // Said out loud: the next start would otherwise show another unit's address without a word.
    //: %1 is the settings file
    return CoreText::english("Address and port not saved: cannot write %1")
        .arg(m_store.fileName(m_title));
}
