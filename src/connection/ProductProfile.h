#pragma once

#include <QByteArray>
#include <QString>

#include <span>

// A product line served by this build. The application title selects it: a profile applies when
// the title begins with the profile's name, compared exactly and case-sensitively.
struct ProductProfile
{
    const char *name;
    // The 7-byte request that puts the unit into programming mode; the checksum is its last byte.
    const char *programmingRequest;
    // Whether the unit has a display that is told about the update before the transfer.
    bool hasDisplay;
    // Connection defaults; a profile without them leaves the boxes as they are.
    const char *defaultAddress;
    const char *defaultPort;

    QString displayName() const { return QString::fromLatin1(name); }
    QByteArray requestBytes() const { return QByteArray(programmingRequest, 7); }
    bool hasConnectionDefaults() const { return defaultAddress != nullptr; }
    bool matches(const QString &title) const;

    static std::span<const ProductProfile> all();
    // The profile the title selects, or nullptr. Every profile is tested in table order and the
    // last match stands; no name is a prefix of another, so at most one matches.
    static const ProductProfile *forTitle(const QString &title);
    static const ProductProfile *named(const char *name);
};
