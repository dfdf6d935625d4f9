#include "ConnectionSummary.h"

namespace {

QString codeName(quint8 code)
{
    switch (code) {
    case 0x00:
        return QStringLiteral("Ack");
    case 0x01:
        return QStringLiteral("NakChecksum");
    case 0x02:
        return QStringLiteral("NakProductCode");
    case 0x03:
        return QStringLiteral("NakRecordType");
    case 0xFF:
        return QStringLiteral("Unknown");
    default:
        return QStringLiteral("code %1").arg(code, 2, 16, QLatin1Char('0')).toUpper();
    }
}

bool isRefusal(quint8 code)
{
    return code >= 0x01 && code <= 0x03;
}

} // namespace

QString ConnectionSummary::outcome() const
{
    QString text;
    if (end == End::UnitClosed)
        text = QStringLiteral("closed by unit");
    else if (end == End::UnitReset)
        text = QStringLiteral("reset by unit");
    else if (firstOtherAnswer && isRefusal(*firstOtherAnswer))
        text = QStringLiteral("refused: %1 at packet %2")
                   .arg(codeName(*firstOtherAnswer))
                   .arg(firstOtherAnswerPacket);
    else if (silentFromPacket >= 0)
        text = QStringLiteral("silent from packet %1").arg(silentFromPacket);
    else if (endRecordReceived && !firstOtherAnswer)
        text = QStringLiteral("complete");
    else if (requestedProfile.isEmpty())
        text = QStringLiteral("no programming request");
    else
        text = QStringLiteral("incomplete after %1 records").arg(records);

    if (firstOtherAnswer && !isRefusal(*firstOtherAnswer))
        text += QStringLiteral(" (answered %1 at packet %2)")
                    .arg(codeName(*firstOtherAnswer))
                    .arg(firstOtherAnswerPacket);
    if (end == End::Open)
        text += QStringLiteral(", still open");
    else if (end == End::Stopped)
        text += QStringLiteral(", simulator stopped");
    return text;
}

QString ConnectionSummary::toString() const
{
    QStringList quoted;
    for (const QString &text : displayTexts)
        quoted.append(QLatin1Char('"') + text + QLatin1Char('"'));
    const QString profile = requestedProfile.isEmpty() ? QStringLiteral("none")
                            : requestAccepted          ? requestedProfile
                                              : requestedProfile + QStringLiteral(" (refused)");
    return QStringLiteral("connection %1: profile %2, display [%3], records %4, bytes %5, "
                          "stray bytes %6, outcome: %7")
        .arg(number)
        .arg(profile, quoted.join(QStringLiteral(", ")))
        .arg(records)
        .arg(bytes)
        .arg(strayBytes)
        .arg(outcome());
}
