#include "PseudoTranslator.h"

#include <QRegularExpression>

namespace {

const QString kPlain = QStringLiteral("abcdeghijklnorstuyzACEGHIJLNORSUYZ");
const QString kAccented = QStringLiteral("àƀçđéĝĥíĵķļñöŕšţüýžÀÇÉĜĤÍĴĻÑÖŔŜÜÝŽ");

QChar accented(QChar letter)
{
    const qsizetype at = kPlain.indexOf(letter);
    return at < 0 ? letter : kAccented.at(at);
}

// How many characters at `at` must be kept as they are: a tag, an entity, a placeholder or an
// accelerator; 0 for a letter that may change.
qsizetype keptRun(const QString &text, qsizetype at)
{
    static const QRegularExpression kept(
        QStringLiteral("<[^<>]*>|&[a-zA-Z]+;|&#\\d+;|%L?\\d+|%n|&&|&.|%%"));
    const QRegularExpressionMatch match = kept.match(text, at, QRegularExpression::NormalMatch,
                                                     QRegularExpression::AnchorAtOffsetMatchOption);
    return match.hasMatch() ? match.capturedLength() : 0;
}

} // namespace

QString PseudoTranslator::translate(const char *, const char *sourceText, const char *, int) const
{
    return sourceText ? stretched(QString::fromUtf8(sourceText)) : QString();
}

QString PseudoTranslator::stretched(const QString &text)
{
    // File dialogs' filters ("HEX files (*.hex)") are read by the dialog: they stay as they are.
    if (text.trimmed().isEmpty() || text.contains(QLatin1String("(*")))
        return text;
    QString result;
    qsizetype visible = 0;
    for (qsizetype at = 0; at < text.size();) {
        if (const qsizetype run = keptRun(text, at); run > 0) {
            result += text.mid(at, run);
            at += run;
            ++visible;
            continue;
        }
        result += accented(text.at(at++));
        ++visible;
    }
    // Rich text is told by its first tag: the bracket goes after it.
    const qsizetype opening = result.startsWith(QLatin1Char('<')) ? result.indexOf('>') + 1 : 0;
    const qsizetype padding = qMax<qsizetype>(1, (visible * 4 + 9) / 10 - 2);
    return result.left(opening) + QLatin1Char('[') + result.mid(opening) +
           QString(padding, QChar(0x00B7)) + QLatin1Char(']');
}
