#include "SignedRegions.h"

#include "platform/CoreText.h"

namespace {

constexpr QByteArrayView kWord = "serial-at=";

} // namespace

SignedRegions SignedRegions::fromTrustedComment(const QByteArray &comment)
{
    SignedRegions signedRegions;
    for (const QByteArray &word : comment.simplified().split(' ')) {
        if (!word.startsWith(kWord))
            continue;
        const QString text = QString::fromUtf8(word.sliced(kWord.size()));
        if (const auto region = SerialRegion::parse(text, nullptr))
            signedRegions.m_regions.append(*region);
        else
            signedRegions.m_unreadable.append(QString::fromUtf8(word));
    }
    return signedRegions;
}

bool SignedRegions::allows(const SerialRegion &region) const
{
    for (const SerialRegion &declared : m_regions) {
        if (declared.contains(region))
            return true;
    }
    return false;
}

QString SignedRegions::describe() const
{
    if (m_regions.isEmpty())
        return CoreText::english(
            "the signature declares no region for per-unit data (serial-at=ADDRESS:LENGTH)");
    QStringList texts;
    for (const SerialRegion &region : m_regions)
        texts.append(region.text());
    return texts.join(QStringLiteral(", "));
}
