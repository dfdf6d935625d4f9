#include "HistoryPrinter.h"

#include "history/SerialLedger.h"
#include "history/StationEvent.h"
#include "platform/CoreText.h"

#include <QCoreApplication>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace {

constexpr QChar kReplacement(0xFFFD);

bool isControl(QChar c)
{
    const char16_t u = c.unicode();
    return u < 0x20 || (u >= 0x7f && u <= 0x9f);
}

// What a table shows of an attempt; JSON and CSV carry every field.
QStringList tableLine(const HistoryRow &row)
{
    const QString port = row.text(QStringLiteral("port"));
    const QString records = row.text(QStringLiteral("records"));
    return {row.text(QStringLiteral("id")),
            HistoryPrinter::localTime(row, QStringLiteral("started")),
            row.text(QStringLiteral("unit_name")),
            row.text(QStringLiteral("unit_serial")),
            row.text(QStringLiteral("address")) +
                (port.isEmpty() ? QString() : QLatin1Char(':') + port),
            row.text(QStringLiteral("outcome")),
            row.text(QStringLiteral("records_sent")) +
                (records.isEmpty() ? QString() : QLatin1Char('/') + records),
            row.text(QStringLiteral("firmware_sha256")).left(8),
            row.text(QStringLiteral("host")),
            row.text(QStringLiteral("operator")),
            CoreText::shown(row.text(QStringLiteral("message")))};
}

QString line(const QJsonObject &object)
{
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)) +
           QLatin1Char('\n');
}

double roundedPercent(double value)
{
    return std::round(value * 10.0) / 10.0;
}

QString percentText(double value)
{
    return QString::number(roundedPercent(value), 'f', 1) + QLatin1Char('%');
}

} // namespace

QString HistoryPrinter::localTime(const HistoryRow &row, const QString &field)
{
    const QDateTime time = row.time(field);
    return time.isValid() ? localTime(time) : row.text(field);
}

QString HistoryPrinter::localTime(const QDateTime &time)
{
    const QDateTime local = time.toLocalTime();
    const int offset = local.offsetFromUtc();
    const QString zone = offset == 0 ? QStringLiteral(" UTC")
                                     : QStringLiteral("%1%2:%3")
                                           .arg(offset < 0 ? QLatin1Char('-') : QLatin1Char('+'))
                                           .arg(qAbs(offset) / 3600, 2, 10, QLatin1Char('0'))
                                           .arg(qAbs(offset) % 3600 / 60, 2, 10, QLatin1Char('0'));
    return local.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + zone;
}

QString HistoryPrinter::tableCell(const QString &value)
{
    QString text = value;
    for (QChar &c : text) {
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r') ||
            c.category() == QChar::Separator_Line || c.category() == QChar::Separator_Paragraph)
            c = QLatin1Char(' ');
        else if (isControl(c) || c.category() == QChar::Other_Format)
            c = kReplacement;
    }
    if (text.size() <= kMaxCellLength)
        return text;
    qsizetype keep = kMaxCellLength - 1;
    if (text.at(keep - 1).isHighSurrogate())
        --keep;
    return text.left(keep) + QChar(0x2026);
}

QString HistoryPrinter::csvField(const QString &value)
{
    static const QString formulaStart = QStringLiteral("=+-@\t\r");
    QString text = value;
    for (QChar &c : text) {
        if (isControl(c) && c != QLatin1Char('\t') && c != QLatin1Char('\n') &&
            c != QLatin1Char('\r'))
            c = kReplacement;
    }
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
    QList<QStringList> cells;
    QList<qsizetype> widths;
    for (const QStringList &line : lines) {
        QStringList shown;
        for (qsizetype i = 0; i < line.size(); ++i) {
            shown.append(tableCell(line[i]));
            if (widths.size() <= i)
                widths.append(0);
            widths[i] = qMax(widths[i], shown.back().size());
        }
        cells.append(shown);
    }
    QString out;
    for (const QStringList &line : std::as_const(cells)) {
        QString text;
        for (qsizetype i = 0; i < line.size(); ++i)
            text += i + 1 < line.size() ? line[i].leftJustified(widths[i] + 2) : line[i];
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
            out += line(row.toJson());
        return out;
    }
    case HistoryToolOptions::Format::Csv:
        for (const HistoryRow &row : rows) {
            QStringList fields;
            for (const QString &field : HistoryRecord::fields())
                fields.append(row.text(field));
            lines.append(fields);
        }
        return csv(HistoryRecord::fields(), lines);
    case HistoryToolOptions::Format::Table:
        break;
    }
    lines.append({QStringLiteral("ID"), QStringLiteral("STARTED"), QStringLiteral("NAME"),
                  QStringLiteral("SERIAL"), QStringLiteral("UNIT"), QStringLiteral("OUTCOME"),
                  QStringLiteral("RECORDS"), QStringLiteral("SHA-256"), QStringLiteral("HOST"),
                  QStringLiteral("OPERATOR"), QStringLiteral("MESSAGE")});
    for (const HistoryRow &row : rows)
        lines.append(tableLine(row));
    return table(lines);
}

QString HistoryPrinter::events(const QList<QVariantList> &events) const
{
    const QStringList &fields = StationEvent::fields();
    QList<QStringList> lines;
    for (const QVariantList &event : events) {
        QStringList texts;
        for (const QVariant &value : event)
            texts.append(value.isNull() ? QString() : value.toString());
        lines.append(texts);
    }
    switch (m_format) {
    case HistoryToolOptions::Format::Json: {
        QString out;
        for (const QVariantList &event : events) {
            QJsonObject object;
            for (int i = 0; i < fields.size(); ++i)
                object.insert(fields.at(i), event.value(i).isNull() ? QJsonValue(QJsonValue::Null)
                                            : i == 0 ? QJsonValue(event.value(i).toLongLong())
                                                     : QJsonValue(event.value(i).toString()));
            out += line(object);
        }
        return out;
    }
    case HistoryToolOptions::Format::Csv:
        return csv(fields, lines);
    case HistoryToolOptions::Format::Table:
        break;
    }
    QList<QStringList> shown{{QStringLiteral("ID"), QStringLiteral("TIME"), QStringLiteral("HOST"),
                              QStringLiteral("OPERATOR"), QStringLiteral("PROGRAM"),
                              QStringLiteral("TITLE"), QStringLiteral("EVENT"),
                              QStringLiteral("DETAIL")}};
    for (QStringList texts : std::as_const(lines)) {
        const QDateTime time = QDateTime::fromString(texts.at(1), Qt::ISODateWithMs);
        if (time.isValid())
            texts[1] = localTime(time);
        texts.removeAt(5); // the version
        texts.last() = CoreText::shown(texts.last());
        shown.append(texts);
    }
    return table(shown);
}

QString HistoryPrinter::serials(const QList<QVariantList> &numbers) const
{
    const QStringList &fields = SerialLedger::fields();
    const qsizetype port = fields.indexOf(QStringLiteral("port"));
    const qsizetype changed = fields.indexOf(QStringLiteral("changed"));
    QList<QStringList> lines;
    QString json;
    for (const QVariantList &number : numbers) {
        QStringList texts;
        QJsonObject object;
        for (qsizetype i = 0; i < fields.size(); ++i) {
            const QVariant value = number.value(i);
            texts.append(value.isNull() ? QString() : value.toString());
            object.insert(fields.at(i), value.isNull() ? QJsonValue(QJsonValue::Null)
                                        : i == port    ? QJsonValue(value.toLongLong())
                                                       : QJsonValue(value.toString()));
        }
        lines.append(texts);
        json += line(object);
    }
    switch (m_format) {
    case HistoryToolOptions::Format::Json:
        return json;
    case HistoryToolOptions::Format::Csv:
        return csv(fields, lines);
    case HistoryToolOptions::Format::Table:
        break;
    }
    // As the attempts' table: the field names for people, the same in every language.
    const QStringList header{
        QStringLiteral("POOL"),    QStringLiteral("SERIAL"), QStringLiteral("STATE"),
        QStringLiteral("ATTEMPT"), QStringLiteral("UNIT"),   QStringLiteral("ADDRESS"),
        QStringLiteral("PORT"),    QStringLiteral("HOST"),   QStringLiteral("CHANGED")};
    QList<QStringList> shown{header};
    for (QStringList texts : std::as_const(lines)) {
        const QDateTime time = QDateTime::fromString(texts.at(changed), Qt::ISODateWithMs);
        if (time.isValid())
            texts[changed] = localTime(time);
        shown.append(texts);
    }
    return table(shown);
}

QString HistoryPrinter::summary(const QList<HistorySummary::Group> &groups,
                                const QList<HistorySummary::Dimension> &by) const
{
    using Dimension = HistorySummary::Dimension;
    const bool forPeople = m_format == HistoryToolOptions::Format::Table;
    // Programs get the whole SHA-256 and the version apart; people the prefix with the version.
    QStringList header;
    for (Dimension dimension : by) {
        if (dimension == Dimension::Firmware && !forPeople)
            header << QStringLiteral("firmware_sha256") << QStringLiteral("firmware_version");
        else
            header << HistorySummary::name(dimension);
    }
    header << QStringLiteral("units") << QStringLiteral("attempts") << QStringLiteral("finished")
           << QStringLiteral("first_pass_yield") << QStringLiteral("final_yield");

    QString out;
    QList<QStringList> lines;
    for (const HistorySummary::Group &group : groups) {
        QJsonObject object;
        QStringList cells;
        for (qsizetype i = 0; i < by.size(); ++i) {
            const QString &key = group.key.at(i);
            if (by[i] != Dimension::Firmware) {
                object.insert(HistorySummary::name(by[i]), key);
                cells.append(key);
            } else if (forPeople) {
                cells.append(key.left(8) +
                             (group.firmwareVersion.isEmpty()
                                  ? QString()
                                  : QStringLiteral(" (%1)").arg(group.firmwareVersion)));
            } else {
                object.insert(QStringLiteral("firmware_sha256"), key);
                object.insert(QStringLiteral("firmware_version"),
                              group.firmwareVersion.isEmpty() ? QJsonValue()
                                                              : QJsonValue(group.firmwareVersion));
                cells << key << group.firmwareVersion;
            }
        }
        object.insert(QStringLiteral("units"), group.units);
        object.insert(QStringLiteral("attempts"), group.attempts);
        object.insert(QStringLiteral("finished"), group.finished);
        object.insert(QStringLiteral("first_pass_yield"), roundedPercent(group.firstPassYield));
        object.insert(QStringLiteral("final_yield"), roundedPercent(group.finalYield));
        cells << QString::number(group.units) << QString::number(group.attempts)
              << QString::number(group.finished);
        if (forPeople)
            cells << percentText(group.firstPassYield) << percentText(group.finalYield);
        else
            cells << QString::number(roundedPercent(group.firstPassYield))
                  << QString::number(roundedPercent(group.finalYield));
        if (m_format == HistoryToolOptions::Format::Json)
            out += line(object);
        lines.append(cells);
    }
    switch (m_format) {
    case HistoryToolOptions::Format::Json:
        return out;
    case HistoryToolOptions::Format::Csv:
        return csv(header, lines);
    case HistoryToolOptions::Format::Table:
        break;
    }
    for (QString &name : header)
        name = name.toUpper().replace(QLatin1Char('_'), QLatin1Char('-'));
    lines.prepend(header);
    return HistoryPrinter::table(lines);
}
