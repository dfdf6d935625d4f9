#include "SerialRegion.h"

#include "SerialNumberText.h"
#include "platform/CoreText.h"

namespace {

constexpr quint64 kAddressSpace = quint64(1) << 32;

void setProblem(QString *problem, const QString &text)
{
    if (problem)
        *problem = text;
}

} // namespace

std::optional<SerialRegion> SerialRegion::parse(QStringView text, QString *problem)
{
    const qsizetype colon = text.indexOf(u':');
    if (colon < 0 || text.indexOf(u':', colon + 1) >= 0) {
        setProblem(problem, CoreText::english("'%1' is not ADDRESS:LENGTH (e.g. 0x7FF0:4)")
                                .arg(SerialNumberText::shown(text)));
        return std::nullopt;
    }
    const auto address =
        SerialNumberText::parse(text.first(colon), SerialNumberText::Bases::DecimalOrHex,
                                CoreText::english("the address"), problem);
    if (!address)
        return std::nullopt;
    const auto length =
        SerialNumberText::parse(text.mid(colon + 1), SerialNumberText::Bases::DecimalOrHex,
                                CoreText::english("the length"), problem);
    if (!length)
        return std::nullopt;
    if (*length < 1 || *length > quint64(kMaxLength)) {
        setProblem(problem, CoreText::english("the length is %1 bytes; it must be 1 to %2")
                                .arg(*length)
                                .arg(kMaxLength));
        return std::nullopt;
    }
    if (*address >= kAddressSpace || *address + *length > kAddressSpace) {
        setProblem(problem,
                   CoreText::english("the region %1 reaches past 0xFFFFFFFF, the highest address")
                       .arg(SerialNumberText::shown(text)));
        return std::nullopt;
    }
    return SerialRegion{quint32(*address), int(*length)};
}

QString SerialRegion::text() const
{
    return QStringLiteral("%1:%2").arg(SerialNumberText::hex(address)).arg(length);
}

bool SerialRegion::contains(const SerialRegion &other) const
{
    return other.address >= address && other.end() <= end();
}
