#include "PortNumber.h"

#include "platform/CoreText.h"

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
    //: Part of a sentence that says what is wrong; %1 is the text given as the port
    return CoreText::english("port \"%1\" is not a whole number from %2 to %3")
        .arg(text, QString::number(kLowest), QString::number(kHighest));
}

// A sentence of its own rather than the clause capitalised, so that it has its own translation.
QString PortNumber::problemSentence(const QString &text)
{
    if (parse(text))
        return {};
    //: %1 is the text given as the port
    return CoreText::english("Port \"%1\" is not a whole number from %2 to %3.")
        .arg(text, QString::number(kLowest), QString::number(kHighest));
}
