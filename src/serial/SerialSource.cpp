#include "SerialSource.h"

#include "SerialNumberText.h"
#include "firmware/IntelHexCheck.h"
#include "platform/CoreText.h"

#include <QCryptographicHash>
#include <QFile>
#include <QHash>

#include <limits>

namespace {

constexpr qint64 kLargestSize = std::numeric_limits<qint64>::max();
constexpr quint64 kLargestNumber = std::numeric_limits<quint64>::max();

void setProblem(QString *problem, const QString &text)
{
    if (problem)
        *problem = text;
}

// last - first + 1, capped at the largest qint64.
qint64 countFromTo(quint64 first, quint64 last)
{
    if (last < first)
        return 0;
    const quint64 span = last - first;
    return span >= quint64(kLargestSize) ? kLargestSize : qint64(span + 1);
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\f' || c == '\v';
}

QByteArrayView trimmed(QByteArrayView line)
{
    while (!line.isEmpty() && isBlank(line.front()))
        line = line.sliced(1);
    while (!line.isEmpty() && isBlank(line.back()))
        line.chop(1);
    return line;
}

QString sourceName(SerialSource::Kind kind)
{
    return kind == SerialSource::Kind::List ? QStringLiteral("list") : QStringLiteral("hexlist");
}

} // namespace

std::optional<SerialSource> SerialSource::parse(QStringView spec, QString *problem)
{
    const qsizetype colon = spec.indexOf(u':');
    const QStringView kind = colon < 0 ? spec : spec.first(colon);
    const QStringView rest = colon < 0 ? QStringView() : spec.mid(colon + 1);
    if (kind == u"counter")
        return parseCounter(rest, problem);
    if (kind != u"list" && kind != u"hexlist") {
        setProblem(problem,
                   CoreText::english("'%1' is no source; the sources are counter:START[:END], "
                                     "list:FILE and hexlist:FILE")
                       .arg(SerialNumberText::shown(spec)));
        return std::nullopt;
    }
    const QString path = rest.toString();
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        setProblem(problem, CoreText::english("cannot read the %1 file '%2': %3")
                                .arg(kind, SerialNumberText::shown(path, -1),
                                     path.isEmpty() ? CoreText::english("no file named")
                                                    : file.errorString()));
        return std::nullopt;
    }
    if (file.size() > kMaxFileSize) {
        setProblem(problem, CoreText::english("the %1 file '%2' is larger than %3 MiB")
                                .arg(kind, SerialNumberText::shown(path, -1))
                                .arg(kMaxFileSize / 1024 / 1024));
        return std::nullopt;
    }
    const QByteArray content = file.read(kMaxFileSize + 1);
    QString reason;
    auto source = fromContent(kind == u"list" ? Kind::List : Kind::HexList, content, &reason);
    if (!source)
        setProblem(problem, CoreText::english("the %1 file '%2': %3")
                                .arg(kind, SerialNumberText::shown(path, -1), reason));
    return source;
}

std::optional<SerialSource> SerialSource::parseCounter(QStringView numbers, QString *problem)
{
    const qsizetype colon = numbers.indexOf(u':');
    SerialSource source;
    const auto start = SerialNumberText::parse(colon < 0 ? numbers : numbers.first(colon),
                                               SerialNumberText::Bases::DecimalOrHex,
                                               CoreText::english("the counter's START"), problem);
    if (!start)
        return std::nullopt;
    source.m_start = *start;
    if (colon >= 0) {
        source.m_end =
            SerialNumberText::parse(numbers.mid(colon + 1), SerialNumberText::Bases::DecimalOrHex,
                                    CoreText::english("the counter's END"), problem);
        if (!source.m_end)
            return std::nullopt;
        if (*source.m_end < *start) {
            setProblem(problem, CoreText::english("the counter's END %1 is below its START %2")
                                    .arg(*source.m_end)
                                    .arg(*start));
            return std::nullopt;
        }
    }
    source.m_identity = QStringLiteral("counter:%1").arg(*start);
    if (source.m_end)
        source.m_identity += QStringLiteral(":%1").arg(*source.m_end);
    return source;
}

std::optional<SerialSource> SerialSource::fromContent(Kind kind, const QByteArray &content,
                                                      QString *problem)
{
    SerialSource source;
    source.m_kind = kind;
    if (content.size() > kMaxFileSize) {
        setProblem(problem,
                   CoreText::english("larger than %1 MiB").arg(kMaxFileSize / 1024 / 1024));
        return std::nullopt;
    }
    qint64 line = 0;
    for (qsizetype at = 0; at < content.size();) {
        qsizetype end = at;
        while (end < content.size() && content.at(end) != '\n' && content.at(end) != '\r')
            ++end;
        ++line;
        if (end - at > kMaxLineLength) {
            setProblem(
                problem,
                CoreText::english("line %1 is longer than %2 bytes").arg(line).arg(kMaxLineLength));
            return std::nullopt;
        }
        const QByteArrayView entry = trimmed(QByteArrayView(content).sliced(at, end - at));
        if (!entry.isEmpty() && !source.takeEntry(entry, line, problem))
            return std::nullopt;
        at = end + 1;
        if (end + 1 < content.size() && content.at(end) == '\r' && content.at(end + 1) == '\n')
            ++at;
    }
    if (source.m_entries.isEmpty()) {
        setProblem(problem, CoreText::english("holds no values"));
        return std::nullopt;
    }
    source.m_identity =
        sourceName(kind) + QStringLiteral(":sha256:") +
        QString::fromLatin1(
            QCryptographicHash::hash(source.m_text.toUtf8(), QCryptographicHash::Sha256).toHex());
    return source;
}

bool SerialSource::takeEntry(QByteArrayView entry, qint64 line, QString *problem)
{
    QString text = QString::fromUtf8(entry);
    if (m_kind == Kind::HexList) {
        if (const QString wrong = IntelHexCheck::lineProblem(entry, line); !wrong.isEmpty()) {
            setProblem(problem, CoreText::english("line %1: %2").arg(line).arg(wrong));
            return false;
        }
        const int type =
            IntelHexText::digitValue(entry.at(7)) * 16 + IntelHexText::digitValue(entry.at(8));
        const qsizetype count = (entry.size() - 11) / 2;
        if (type != 0) {
            setProblem(problem,
                       CoreText::english("line %1: a record of type %2, not a data record (00)")
                           .arg(line)
                           .arg(type, 2, 16, QLatin1Char('0')));
            return false;
        }
        if (count < 1 || count > SerialRegion::kMaxLength) {
            setProblem(problem, CoreText::english(
                                    "line %1: the record carries %2 data bytes; it must carry 1 "
                                    "to %3")
                                    .arg(line)
                                    .arg(count)
                                    .arg(SerialRegion::kMaxLength));
            return false;
        }
        text = text.toUpper();
    }
    m_entries.append(Entry{qint32(m_text.size()), qint32(text.size()), line});
    m_text += text;
    m_text += u'\n';
    return true;
}

qint64 SerialSource::size() const
{
    if (m_kind != Kind::Counter)
        return m_entries.size();
    return countFromTo(m_start, m_end.value_or(kLargestNumber));
}

qint64 SerialSource::sizeFor(const SerialFormat &format, int length) const
{
    if (m_kind != Kind::Counter)
        return size();
    return countFromTo(m_start, std::min(m_end.value_or(kLargestNumber), format.largest(length)));
}

QStringView SerialSource::entryText(qint64 index) const
{
    const Entry &entry = m_entries.at(index);
    return QStringView(m_text).sliced(entry.offset, entry.length);
}

SerialSource::Record SerialSource::recordAt(qint64 index) const
{
    const QByteArray bytes = QByteArray::fromHex(entryText(index).sliced(1).toLatin1());
    const auto byteAt = [&](int i) { return quint16(static_cast<unsigned char>(bytes.at(i))); };
    return Record{quint16(byteAt(1) << 8 | byteAt(2)), bytes.sliced(4, bytes.size() - 5)};
}

qint64 SerialSource::lineAt(qint64 index) const
{
    if (m_kind == Kind::Counter || index < 0 || index >= m_entries.size())
        return 0;
    return m_entries.at(index).line;
}

bool SerialSource::check(const SerialFormat &format, const std::optional<SerialRegion> &region,
                         QString *problem) const
{
    if (m_kind == Kind::HexList) {
        QHash<QStringView, qint64> seen;
        for (qint64 i = 0; i < m_entries.size(); ++i) {
            if (!regionAt(i, region, problem))
                return false;
            if (const qint64 earlier = seen.value(entryText(i)); earlier != 0) {
                setProblem(problem, CoreText::english("line %1 repeats the record of line %2")
                                        .arg(lineAt(i))
                                        .arg(earlier));
                return false;
            }
            seen.insert(entryText(i), lineAt(i));
        }
        return true;
    }
    if (!region) {
        setProblem(problem,
                   CoreText::english("the values need a region (ADDRESS:LENGTH) to go to"));
        return false;
    }
    if (m_kind == Kind::Counter)
        return checkCounter(format, region->length, problem);
    return checkList(format, region->length, problem);
}

bool SerialSource::checkCounter(const SerialFormat &format, int length, QString *problem) const
{
    QString reason;
    if (!format.fromNumber(m_start, length, &reason)) {
        setProblem(problem, CoreText::english("the counter's START: %1").arg(reason));
        return false;
    }
    if (m_end && !format.fromNumber(*m_end, length, &reason)) {
        setProblem(problem, CoreText::english("the counter's END: %1").arg(reason));
        return false;
    }
    return true;
}

bool SerialSource::checkList(const SerialFormat &format, int length, QString *problem) const
{
    QHash<QString, qint64> seen;
    for (qint64 i = 0; i < m_entries.size(); ++i) {
        const auto value = valueAt(i, format, length, problem);
        if (!value)
            return false;
        if (const qint64 earlier = seen.value(value->text); earlier != 0) {
            setProblem(problem, CoreText::english("line %1 repeats the value %2 of line %3")
                                    .arg(lineAt(i))
                                    .arg(value->text)
                                    .arg(earlier));
            return false;
        }
        seen.insert(value->text, lineAt(i));
    }
    return true;
}

QString SerialSource::outOfRange(qint64 index) const
{
    // 1-based for a person; an index at the very top of qint64 still has a next number.
    const QString number = index < 0 ? QString::number(index) : QString::number(quint64(index) + 1);
    return CoreText::english("the source holds %1 values, none numbered %2")
        .arg(size())
        .arg(number);
}

std::optional<SerialValue> SerialSource::valueAt(qint64 index, const SerialFormat &format,
                                                 int length, QString *problem) const
{
    if (index < 0 || index >= size()) {
        setProblem(problem, outOfRange(index));
        return std::nullopt;
    }
    if (m_kind == Kind::Counter)
        return format.fromNumber(m_start + quint64(index), length, problem);
    if (m_kind == Kind::HexList)
        return SerialValue{entryText(index).toString(), recordAt(index).data};
    QString reason;
    auto value = format.fromText(entryText(index), length, &reason);
    if (!value)
        setProblem(problem, CoreText::english("line %1: %2").arg(lineAt(index)).arg(reason));
    return value;
}

std::optional<SerialRegion> SerialSource::regionAt(qint64 index,
                                                   const std::optional<SerialRegion> &given,
                                                   QString *problem) const
{
    if (m_kind != Kind::HexList) {
        if (!given)
            setProblem(problem,
                       CoreText::english("the values need a region (ADDRESS:LENGTH) to go to"));
        return given;
    }
    if (index < 0 || index >= size()) {
        setProblem(problem, outOfRange(index));
        return std::nullopt;
    }
    const Record record = recordAt(index);
    const SerialRegion own{record.address, int(record.data.size())};
    if (!given)
        return own;
    if ((given->address & 0xFFFF) != record.address || given->length != own.length) {
        setProblem(problem,
                   CoreText::english("line %1: the record writes %2 bytes at %3, which is not the "
                                     "region %4")
                       .arg(lineAt(index))
                       .arg(own.length)
                       .arg(SerialNumberText::hex(record.address))
                       .arg(given->text()));
        return std::nullopt;
    }
    return given;
}

QString SerialSource::identity() const
{
    return m_identity;
}
