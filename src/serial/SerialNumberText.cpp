#include "SerialNumberText.h"

#include "platform/CoreText.h"

#include <limits>

namespace {

constexpr quint64 kLargest = std::numeric_limits<quint64>::max();

int digitIn(QChar c, int base)
{
    const char16_t u = c.unicode();
    int value = -1;
    if (u >= u'0' && u <= u'9')
        value = u - u'0';
    else if (u >= u'a' && u <= u'f')
        value = u - u'a' + 10;
    else if (u >= u'A' && u <= u'F')
        value = u - u'A' + 10;
    return value < base ? value : -1;
}

void setProblem(QString *problem, const QString &text)
{
    if (problem)
        *problem = text;
}

// Digits of one base, with overflow refused; nothing on an empty text or a foreign character.
std::optional<quint64> parseDigits(QStringView digits, int base, const QString &what,
                                   QString *problem)
{
    if (digits.isEmpty()) {
        setProblem(problem, CoreText::english("%1 has no digits").arg(what));
        return std::nullopt;
    }
    quint64 value = 0;
    for (const QChar c : digits) {
        const int digit = digitIn(c, base);
        if (digit < 0) {
            setProblem(problem, base == 16
                                    ? CoreText::english("%1 holds '%2', not a hexadecimal digit")
                                          .arg(what, SerialNumberText::shown(QStringView(&c, 1)))
                                    : CoreText::english("%1 holds '%2', not a decimal digit")
                                          .arg(what, SerialNumberText::shown(QStringView(&c, 1))));
            return std::nullopt;
        }
        if (value > (kLargest - quint64(digit)) / quint64(base)) {
            setProblem(problem, CoreText::english("%1 is larger than %2, the largest number "
                                                  "taken")
                                    .arg(what)
                                    .arg(kLargest));
            return std::nullopt;
        }
        value = value * quint64(base) + quint64(digit);
    }
    return value;
}

} // namespace

std::optional<quint64> SerialNumberText::parse(QStringView text, Bases bases, const QString &what,
                                               QString *problem)
{
    const bool hexPrefix = text.startsWith(u"0x", Qt::CaseInsensitive);
    if (hexPrefix && bases == Bases::DecimalOrHex)
        return parseDigits(text.mid(2), 16, what, problem);
    return parseDigits(text, 10, what, problem);
}

std::optional<quint64> SerialNumberText::parseHexDigits(QStringView digits, const QString &what,
                                                        QString *problem)
{
    return parseDigits(digits, 16, what, problem);
}

QString SerialNumberText::shown(QStringView text, qsizetype longest)
{
    QString shown = longest >= 0 && text.size() > longest
                        ? text.first(longest).toString() + QChar(0x2026)
                        : text.toString();
    for (QChar &c : shown) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            c = QChar::ReplacementCharacter;
    }
    return shown;
}

QString SerialNumberText::hex(quint64 value)
{
    return QStringLiteral("0x") + QString::number(value, 16).toUpper();
}
