#include "PortNumber.h"

std::optional<quint16> PortNumber::parse(const QString &text)
{
    // Five digits at most, so that the value cannot overflow and leading zeros stay few.
    if (text.isEmpty() || text.size() > 5)
        return std::nullopt;
    int port = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        port = port * 10 + (c.unicode() - '0');
    }
    if (port < kLowest || port > kHighest)
        return std::nullopt;
    return quint16(port);
}

QString PortNumber::problem(const QString &text)
{
    if (parse(text))
        return {};
    return QStringLiteral("port \"%1\" is not a whole number from %2 to %3")
        .arg(text)
        .arg(kLowest)
        .arg(kHighest);
}

QString PortNumber::problemSentence(const QString &text)
{
    QString sentence = problem(text);
    if (!sentence.isEmpty()) {
        sentence[0] = sentence.at(0).toUpper();
        sentence += QLatin1Char('.');
    }
    return sentence;
}
