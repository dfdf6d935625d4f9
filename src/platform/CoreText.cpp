#include "CoreText.h"

#include <QFile>
#include <QHash>
#include <QMutex>
#include <QRegularExpression>
#include <QtEndian>

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

namespace {

constexpr char kContext[] = "CoreText";
// A value in a placeholder may itself be a core text ("The unit refused %1: %2." holds a refusal's
// text), and a file problem sits inside a line problem inside a refusal of the file.
constexpr int kMaxDepth = 5;
// Lines repeat (every upload says the same things), so the translations are remembered, up to a
// bound that a long day's log of distinct addresses and numbers cannot outgrow.
constexpr qsizetype kCacheLimit = 4096;

struct Pattern
{
    QByteArray source;
    QString prefix; // the fixed text before the first placeholder: a cheap first test
    QRegularExpression expression;
    qsizetype fixedLength = 0;
};

struct Catalog
{
    std::vector<Pattern> patterns;
    QHash<QString, QString> cache;
};

QMutex g_mutex;
Catalog *g_catalog = nullptr;

const QRegularExpression &placeholder()
{
    static const QRegularExpression expression(QStringLiteral("%([1-9])"));
    return expression;
}

// The English text of a source as a whole-line pattern: each placeholder a group, a repeated one
// the same text again.
std::optional<Pattern> patternOf(const QByteArray &source)
{
    const QString text = QString::fromUtf8(source);
    Pattern pattern{source, {}, {}, 0};
    QString expression = QStringLiteral("\\A");
    QList<int> seen;
    qsizetype at = 0;
    auto it = placeholder().globalMatch(text);
    while (it.hasNext()) {
        const auto match = it.next();
        const QString fixed = text.mid(at, match.capturedStart() - at);
        if (seen.isEmpty())
            pattern.prefix = fixed;
        pattern.fixedLength += fixed.size();
        expression += QRegularExpression::escape(fixed);
        const int number = match.captured(1).toInt();
        expression += seen.contains(number) ? QStringLiteral("\\g{p%1}").arg(number)
                                            : QStringLiteral("(?<p%1>.*?)").arg(number);
        seen.append(number);
        at = match.capturedEnd();
    }
    if (seen.isEmpty())
        return std::nullopt;
    pattern.fixedLength += text.size() - at;
    if (pattern.fixedLength == 0)
        return std::nullopt; // "%1" alone would claim every line
    expression += QRegularExpression::escape(text.mid(at)) + QStringLiteral("\\z");
    pattern.expression.setPattern(expression);
    pattern.expression.setPatternOptions(QRegularExpression::DotMatchesEverythingOption);
    return pattern;
}

quint32 read32(const uchar *at)
{
    return qFromBigEndian<quint32>(at);
}

// The sources of one context in a compiled catalog. Its messages block is a run of messages, each
// a run of tagged fields up to an end tag; lengths are big-endian 32-bit counts of bytes.
QList<QByteArray> sourcesIn(const QByteArray &qm, const QByteArray &context)
{
    static const uchar kMagic[16] = {0x3C, 0xB8, 0x64, 0x18, 0xCA, 0xEF, 0x9C, 0x95,
                                     0xCD, 0x21, 0x1C, 0xBF, 0x60, 0xA1, 0xBD, 0xDD};
    enum : uchar { kMessages = 0x69 };
    enum : uchar { kEnd = 1, kTranslation = 3, kObsolete1 = 5, kSource = 6, kContext = 7 };
    QList<QByteArray> sources;
    const auto *data = reinterpret_cast<const uchar *>(qm.constData());
    const qsizetype size = qm.size();
    if (size < 16 || !std::equal(kMagic, kMagic + 16, data))
        return sources;
    for (qsizetype at = 16; at + 5 <= size;) {
        const uchar tag = data[at];
        const qsizetype length = read32(data + at + 1);
        const qsizetype begin = at + 5, end = begin + length;
        if (end > size)
            break;
        at = end;
        if (tag != kMessages)
            continue;
        QByteArray source, sourceContext;
        for (qsizetype m = begin; m < end;) {
            const uchar field = data[m++];
            if (field == kEnd) {
                if (sourceContext == context && !source.isEmpty())
                    sources.append(source);
                source.clear();
                sourceContext.clear();
                continue;
            }
            if (field == kObsolete1) {
                m += 4;
                continue;
            }
            if (m + 4 > end)
                break;
            const quint32 fieldLength = read32(data + m);
            m += 4;
            if (field == kTranslation && fieldLength == 0xFFFFFFFF)
                continue;
            if (qsizetype(fieldLength) > end - m)
                break;
            const QByteArray value(reinterpret_cast<const char *>(data + m), fieldLength);
            if (field == kSource)
                source = value;
            else if (field == kContext)
                sourceContext = value;
            m += fieldLength;
        }
    }
    return sources;
}

// The translation with each %N replaced by its value, in one pass, so that a value holding "%2"
// stays as it is.
QString filled(const QString &translation, const QStringList &values)
{
    QString out;
    qsizetype at = 0;
    auto it = placeholder().globalMatch(translation);
    while (it.hasNext()) {
        const auto match = it.next();
        out += translation.mid(at, match.capturedStart() - at);
        const int index = match.captured(1).toInt() - 1;
        out += index < values.size() ? values[index] : match.captured(0);
        at = match.capturedEnd();
    }
    return out + translation.mid(at);
}

QString translated(const Catalog &catalog, const QString &english, int depth)
{
    // A placeholder the text does not use matches nothing, and nothing is to be said of it.
    if (english.isEmpty())
        return english;
    const QByteArray source = english.toUtf8();
    const QString whole = QCoreApplication::translate(kContext, source.constData());
    if (whole != english || depth >= kMaxDepth)
        return whole;
    for (const Pattern &pattern : catalog.patterns) {
        if (!english.startsWith(pattern.prefix))
            continue;
        const auto match = pattern.expression.match(english);
        if (!match.hasMatch())
            continue;
        QStringList values;
        for (int number = 1; number <= 9; ++number) {
            const QString value = match.captured(QStringLiteral("p%1").arg(number));
            values.append(translated(catalog, value, depth + 1));
        }
        return filled(QCoreApplication::translate(kContext, pattern.source.constData()), values);
    }
    return english;
}

} // namespace

QString CoreText::shown(const QString &english)
{
    QMutexLocker lock(&g_mutex);
    if (!g_catalog)
        return english;
    if (const auto known = g_catalog->cache.constFind(english); known != g_catalog->cache.cend())
        return *known;
    const QString text = translated(*g_catalog, english, 0);
    if (g_catalog->cache.size() >= kCacheLimit)
        g_catalog->cache.clear();
    g_catalog->cache.insert(english, text);
    return text;
}

QStringList CoreText::shown(const QStringList &english)
{
    QStringList lines;
    lines.reserve(english.size());
    for (const QString &line : english)
        lines.append(shown(line));
    return lines;
}

bool CoreText::useCatalog(const QString &qmPath)
{
    QFile file(qmPath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    auto catalog = std::make_unique<Catalog>();
    for (const QByteArray &source : sourcesIn(file.readAll(), kContext)) {
        if (auto pattern = patternOf(source))
            catalog->patterns.push_back(std::move(*pattern));
    }
    std::stable_sort(
        catalog->patterns.begin(), catalog->patterns.end(),
        [](const Pattern &a, const Pattern &b) { return a.fixedLength > b.fixedLength; });
    QMutexLocker lock(&g_mutex);
    delete g_catalog;
    g_catalog = catalog.release();
    return true;
}

void CoreText::forgetCatalog()
{
    QMutexLocker lock(&g_mutex);
    delete g_catalog;
    g_catalog = nullptr;
}
