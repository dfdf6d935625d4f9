#pragma once

#include "SerialRegion.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The regions a signed image lets per-unit data go to, declared in its signature's trusted
// comment by words "serial-at=ADDRESS:LENGTH" (any number of them, among other words: "version
// 2.4.1 serial-at=0x7FF0:4"). A patch outside them would change bytes the signer vouched for.
class SignedRegions
{
public:
    static SignedRegions fromTrustedComment(const QByteArray &comment);

    const QList<SerialRegion> &regions() const { return m_regions; }
    // The serial-at words whose region does not read, as written.
    const QStringList &unreadable() const { return m_unreadable; }
    // Whether region lies wholly inside one declared region.
    bool allows(const SerialRegion &region) const;
    // "0x7FF0:4, 0x8000:6", or a sentence saying that none is declared.
    QString describe() const;

private:
    QList<SerialRegion> m_regions;
    QStringList m_unreadable;
};
