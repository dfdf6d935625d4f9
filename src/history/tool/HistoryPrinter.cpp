#include "HistoryPrinter.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>

namespace {

// What a table shows of an attempt; JSON and CSV carry every field.
QStringList tableLine(const HistoryRow &row)
{
    const QString port = row.text(QStringLiteral("port"));
    const QString records = row.text(QStringLiteral("records"));
    return {
        row.text(QStringLiteral("id")),
        row.text(QStringLiteral("started")).left(19).replace(QLatin1Char('T'), QLatin1Char(' ')),
        row.text(QStringLiteral("unit_name")),
        row.text(QStringLiteral("address")) +
            (port.isEmpty() ? QString() : QLatin1Char(':') + port),
        row.text(QStringLiteral("outcome")),
        row.text(QStringLiteral("records_sent")) +
            (records.isEmpty() ? QString() : QLatin1Char('/') + records),
        row.text(QStringLiteral("firmware_sha256")).left(8),
        row.text(QStringLiteral("host")),
        row.text(QStringLiteral("operator")),
        row.text(QStringLiteral("message"))};
}

// A table cell on one line: a message with line ends or control characters must not break
// the layout or steer the terminal.
QString cell(QString text)
{
    for (QChar &c : text) {
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    }
    return text;
}

} // namespace

QString HistoryPrinter::csvField(const QString &value)
{
    static const QString formulaStart = QStringLiteral("=+-@\t\r");
    QString text = value;
    if (!text.isEmpty() && formulaStart.contains(text.front()))
        text.prepend(QLatin1Char('\''));
    static const QString special = QStringLiteral(",\"\r\n");
    bool needsQuotes = text.startsWith(QLatin1Char(' ')) || text.endsWith(QLatin1Char(' '));
    for (QChar c : text)
        needsQuotes = needsQuotes || special.contains(c);
    if (!needsQuotes)
        return text;
    text.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString HistoryPrinter::csv(const QStringList &header, const QList<QStringList> &lines)
{
    QString out;
    for (const QStringList &line : QList<QStringList>{header} + lines) {
        QStringList fields;
        for (const QString &value : line)
            fields.append(csvField(value));
        out += fields.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return out;
}

QString HistoryPrinter::table(const QList<QStringList> &lines)
{
    QList<qsizetype> widths;
    for (const QStringList &line : lines) {
        for (qsizetype i = 0; i < line.size(); ++i) {
            if (widths.size() <= i)
                widths.append(0);
            widths[i] = qMax(widths[i], cell(line[i]).size());
        }
    }
    QString out;
    for (const QStringList &line : lines) {
        QString text;
        for (qsizetype i = 0; i < line.size(); ++i)
            text +=
                i + 1 < line.size() ? cell(line[i]).leftJustified(widths[i] + 2) : cell(line[i]);
        out += text.trimmed() + QLatin1Char('\n');
    }
    return out;
}

QString HistoryPrinter::rows(const QList<HistoryRow> &rows) const
{
    QList<QStringList> lines;
    switch (m_format) {
    case HistoryToolOptions::Format::Json: {
        QString out;
        for (const HistoryRow &row : rows)
            out += QString::fromUtf8(QJsonDocument(row.toJson()).toJson(QJsonDocument::Compact)) +
                   QLatin1Char('\n');
        return out;
    }
    case HistoryToolOptions::Format::Csv:
        for (const HistoryRow &row : rows) {
            QStringList line;
            for (const QString &field : HistoryRecord::fields())
                line.append(row.text(field));
            lines.append(line);
        }
        return csv(HistoryRecord::fields(), lines);
    case HistoryToolOptions::Format::Table:
        break;
    }
    lines.append({QStringLiteral("ID"), QStringLiteral("STARTED"), QStringLiteral("NAME"),
                  QStringLiteral("UNIT"), QStringLiteral("OUTCOME"), QStringLiteral("RECORDS"),
                  QStringLiteral("SHA-256"), QStringLiteral("HOST"), QStringLiteral("OPERATOR"),
                  QStringLiteral("MESSAGE")});
    for (const HistoryRow &row : rows)
        lines.append(tableLine(row));
    return table(lines);
}

QString HistoryPrinter::summary(const QList<HistoryStore::Count> &counts) const
{
    QList<QStringList> lines;
    if (m_format == HistoryToolOptions::Format::Csv) {
        for (const HistoryStore::Count &count : counts)
            lines.append({count.group, count.key, count.outcome, QString::number(count.attempts)});
        return csv({QStringLiteral("group"), QStringLiteral("key"), QStringLiteral("outcome"),
                    QStringLiteral("attempts")},
                   lines);
    }
    // One entry per group and key, its outcomes in the order the counts came.
    QList<QPair<QString, QString>> keys;
    QMap<QPair<QString, QString>, QList<const HistoryStore::Count *>> byKey;
    for (const HistoryStore::Count &count : counts) {
        const QPair<QString, QString> key{count.group, count.key};
        if (!byKey.contains(key))
            keys.append(key);
        byKey[key].append(&count);
    }
    QString out;
    if (m_format == HistoryToolOptions::Format::Table)
        lines.append({QStringLiteral("GROUP"), QStringLiteral("KEY"), QStringLiteral("ATTEMPTS"),
                      QStringLiteral("OUTCOMES")});
    for (const auto &key : keys) {
        qint64 total = 0;
        QJsonObject outcomes;
        QStringList words;
        for (const HistoryStore::Count *count : byKey.value(key)) {
            total += count->attempts;
            outcomes.insert(count->outcome, count->attempts);
            words.append(count->outcome + QLatin1Char(' ') + QString::number(count->attempts));
        }
        if (m_format == HistoryToolOptions::Format::Json) {
            const QJsonObject object{{QStringLiteral("group"), key.first},
                                     {QStringLiteral("key"), key.second},
                                     {QStringLiteral("attempts"), total},
                                     {QStringLiteral("outcomes"), outcomes}};
            out += QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)) +
                   QLatin1Char('\n');
        } else {
            lines.append(
                {key.first, key.second, QString::number(total), words.join(QStringLiteral(", "))});
        }
    }
    return m_format == HistoryToolOptions::Format::Json ? out : table(lines);
}
