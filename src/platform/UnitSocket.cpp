#include "UnitSocket.h"

#include "CoreText.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

// Parts that a system resolver reads as a number (decimal, octal or hexadecimal), so that text
// made only of them is an address, never a name to look up.
bool looksNumeric(const QString &part)
{
    static const QRegularExpression numeric(QStringLiteral("^([0-9]+|0[xX][0-9a-fA-F]*)$"));
    return numeric.match(part).hasMatch();
}

QString addressProblem(const QStringList &parts)
{
    //: Said after "Address "…" is not valid:", as the rest of that sentence
    const QString form = CoreText::english(
        "an IPv4 address is four numbers from 0 to 255 separated by dots, such as 192.168.1.50");
    if (parts.size() != 4)
        return form;
    QStringList plain;
    bool leadingZeros = false;
    for (const QString &part : parts) {
        static const QRegularExpression decimal(QStringLiteral("^[0-9]{1,3}$"));
        if (!decimal.match(part).hasMatch() || part.toInt() > 255)
            return form;
        leadingZeros = leadingZeros || (part.size() > 1 && part.startsWith(QLatin1Char('0')));
        plain << QString::number(part.toInt());
    }
    // Never guessed: some tools read a leading zero as octal, and either guess could be a
    // different unit than the operator meant.
    if (leadingZeros)
        //: Said after "Address "…" is not valid:"; %1 is the address as it should be written
        return CoreText::english("write the numbers without leading zeros, as %1")
            .arg(plain.join(QLatin1Char('.')));
    return {};
}

QString nameProblem(const QString &host)
{
    //: Said after "Address "…" is not valid:", as the rest of that sentence
    const QString form =
        CoreText::english("a host name is letters, digits and hyphens, in parts separated by dots");
    QString name = host;
    if (name.endsWith(QLatin1Char('.')))
        name.chop(1);
    if (name.isEmpty() || name.size() > 253)
        return form;
    static const QRegularExpression label(
        QStringLiteral("^[A-Za-z0-9_]([A-Za-z0-9_-]{0,61}[A-Za-z0-9_])?$"));
    for (const QString &part : name.split(QLatin1Char('.'))) {
        if (!label.match(part).hasMatch())
            return form;
    }
    return {};
}

} // namespace

QString UnitSocket::hostProblem(const QString &host)
{
    if (host.isEmpty())
        //: Said after "Address "…" is not valid:", as the rest of that sentence
        return CoreText::english("enter the unit's IPv4 address or host name");
    QStringList parts = host.split(QLatin1Char('.'));
    // A resolver reads "127.0.0.1." as a name to look up; the operator meant the address.
    const bool trailingDot = parts.size() > 1 && parts.last().isEmpty();
    if (trailingDot)
        parts.removeLast();
    if (std::all_of(parts.begin(), parts.end(), looksNumeric)) {
        const QString problem = addressProblem(parts);
        if (problem.isEmpty() && trailingDot)
            //: Said after "Address "…" is not valid:"; %1 is the address as it should be written
            return CoreText::english("write the address without the dot at its end, as %1")
                .arg(parts.join(QLatin1Char('.')));
        return problem;
    }
    return nameProblem(host);
}

bool UnitSocket::isAcceptableHost(const QString &host)
{
    return hostProblem(host).isEmpty();
}
