#include "CsvText.h"

#include <QRegularExpression>

namespace {

const QString kFormulaStarts = QStringLiteral("=+-@\t\r");
constexpr QChar kTextMark = QLatin1Char('\'');

bool isPlainNumber(const QString &value)
{
    static const QRegularExpression number(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?$"));
    return number.match(value).hasMatch();
}

bool needsTextMark(const QString &value)
{
    if (value.isEmpty())
        return false;
    return value.front() == kTextMark ||
           (kFormulaStarts.contains(value.front()) && !isPlainNumber(value));
}

} // namespace

bool CsvText::parse(const QString &text, QList<QStringList> *rows)
{
    rows->clear();
    QStringList row;
    QString field;
    bool quoted = false;
    bool fieldStarted = false;
    qsizetype i = text.startsWith(QChar(0xFEFF)) ? 1 : 0;
    const auto endRow = [&] {
        if (fieldStarted || !row.isEmpty() || !field.isEmpty()) {
            row.append(field);
            rows->append(row);
        }
        row.clear();
        field.clear();
        fieldStarted = false;
    };
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c != QLatin1Char('"')) {
                field.append(c);
            } else if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                field.append(c);
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
            fieldStarted = true;
        } else if (c == QLatin1Char(',')) {
            row.append(field);
            field.clear();
            fieldStarted = true;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            endRow();
        } else {
            field.append(c);
        }
    }
    if (quoted)
        return false;
    endRow();
    return true;
}

QString CsvText::plain(const QString &value)
{
    if (value.size() < 2 || value.front() != kTextMark)
        return value;
    const QString rest = value.mid(1);
    return needsTextMark(rest) ? rest : value;
}

QString CsvText::field(const QString &given)
{
    return quoted(needsTextMark(given) ? kTextMark + given : given);
}

QString CsvText::quoted(const QString &value)
{
    static const QString special = QStringLiteral(",\"\r\n");
    bool needsQuotes = value.startsWith(QLatin1Char(' ')) || value.endsWith(QLatin1Char(' '));
    for (QChar c : value)
        needsQuotes = needsQuotes || special.contains(c);
    if (!needsQuotes)
        return value;
    QString escaped = value;
    escaped.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

QString CsvText::line(const QStringList &fields)
{
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString &value : fields)
        quoted.append(field(value));
    return quoted.join(QLatin1Char(','));
}

QString CsvText::printable(const QString &value)
{
    QString text = value;
    for (QChar &c : text) {
        if (c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            c = QLatin1Char(' ');
        else if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            c = QChar::ReplacementCharacter;
    }
    return text;
}

QString CsvText::reportLine(const QStringList &fields)
{
    QStringList cells;
    cells.reserve(fields.size());
    // The mark is decided on the value as given: a leading tab stays marked as a formula's start
    // once it has become a space.
    for (const QString &value : fields)
        cells.append(quoted(printable(needsTextMark(value) ? kTextMark + value : value)));
    return cells.join(QLatin1Char(','));
}
