// The catalogs: every finished translation keeps its source's placeholders and accelerator count,
// and translated accelerators that stood apart in one context still do.

#include "platform/CoreText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

struct Message
{
    QString source;
    QStringList forms; // the finished translation; several for a count form
};

struct Context
{
    QString name;
    QList<Message> messages;
};

// The forms of a finished translation; none for an unfinished, vanished or empty one.
QStringList finishedForms(QXmlStreamReader &xml)
{
    if (!xml.attributes().value(QLatin1String("type")).isEmpty()) {
        xml.skipCurrentElement();
        return {};
    }
    QStringList forms;
    QString text;
    while (xml.readNext() != QXmlStreamReader::EndElement || xml.name() != u"translation") {
        if (xml.hasError())
            return {};
        if (xml.isStartElement() && xml.name() == u"numerusform")
            forms.append(xml.readElementText());
        else if (xml.isCharacters())
            text += xml.text();
    }
    if (forms.isEmpty() && !text.trimmed().isEmpty())
        forms.append(text);
    return forms;
}

QList<Context> readCatalog(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return {};
    }
    QList<Context> contexts;
    QXmlStreamReader xml(&file);
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == u"message" && !contexts.isEmpty())
            contexts.last().messages.append(message);
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == u"context")
            contexts.append(Context());
        else if (name == u"name" && !contexts.isEmpty())
            contexts.last().name = xml.readElementText();
        else if (name == u"message")
            message = {};
        else if (name == u"source")
            message.source = xml.readElementText();
        else if (name == u"translation")
            message.forms = finishedForms(xml);
    }
    if (xml.hasError())
        *error = xml.errorString();
    return contexts;
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("%(?:[1-9]|n)"));
    QStringList found;
    for (const QRegularExpressionMatch &match : pattern.globalMatch(text))
        found.append(match.captured());
    found.sort();
    found.removeDuplicates();
    return found;
}

// The letters after single '&'s ("&&" is a literal ampersand), in lower case.
QString accelerators(const QString &text)
{
    QString letters;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&'))
            continue;
        if (text.at(i + 1) != QLatin1Char('&'))
            letters.append(text.at(i + 1).toLower());
        ++i;
    }
    return letters;
}

QStringList problems(const QString &path)
{
    QString error;
    const QList<Context> contexts = readCatalog(path, &error);
    if (!error.isEmpty())
        return {error};
    QStringList found;
    for (const Context &context : contexts) {
        // Which source letters each translated accelerator letter stands for.
        QHash<QChar, QSet<QChar>> sourcesOfLetter;
        for (const Message &message : context.messages) {
            const QString sourceKeys = accelerators(message.source);
            for (const QString &form : message.forms) {
                const QString where = context.name + QStringLiteral(": \"") + form + u'"';
                if (placeholders(form) != placeholders(message.source))
                    found.append(QStringLiteral("placeholders differ in ") + where);
                const QString keys = accelerators(form);
                if (keys.size() != sourceKeys.size())
                    found.append(QStringLiteral("accelerators differ in ") + where);
                else if (!keys.isEmpty())
                    sourcesOfLetter[keys.front()].insert(sourceKeys.front());
            }
        }
        for (auto it = sourcesOfLetter.cbegin(); it != sourcesOfLetter.cend(); ++it) {
            if (it->size() > 1)
                found.append(context.name + QStringLiteral(": accelerator '") + it.key() +
                             QStringLiteral("' is given to entries that had different ones"));
        }
    }
    return found;
}

// The text with %1..%9 replaced by stand-ins that no catalog holds.
QString withStandIns(const QString &text)
{
    QString filled = text;
    for (int number = 9; number >= 1; --number)
        filled.replace(QStringLiteral("%%1").arg(number), QStringLiteral("<v%1>").arg(number));
    return filled;
}

QByteArray catalog(const QByteArray &messages)
{
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n"
           "<TS version=\"2.1\" language=\"de\">\n<context>\n<name>Menus</name>\n" +
           messages + "</context>\n</TS>\n";
}

QByteArray message(const char *source, const char *translation)
{
    const auto escaped = [](const char *text) {
        return QString::fromUtf8(text).toHtmlEscaped().toUtf8();
    };
    return "<message><source>" + escaped(source) + "</source><translation>" + escaped(translation) +
           "</translation></message>\n";
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void catalogsAreSound_data()
    {
        QTest::addColumn<QString>("path");
        const QDir folder(QStringLiteral(FWU_SOURCE_DIR "/translations"));
        const QStringList files = folder.entryList({QStringLiteral("*.ts")}, QDir::Files);
        QVERIFY(files.size() >= 4);
        for (const QString &file : files)
            QTest::newRow(qPrintable(file)) << folder.filePath(file);
    }

    void catalogsAreSound()
    {
        QFETCH(QString, path);
        const QStringList found = problems(path);
        QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
    }

    // The core's records are translated from their English alone: each text, its placeholders
    // filled, must come back as its own translation, not as one of a look-alike text.
    void coreTextsAreShownFromTheirEnglish_data() { catalogsAreSound_data(); }

    void coreTextsAreShownFromTheirEnglish()
    {
        QFETCH(QString, path);
        QString error;
        const QList<Context> contexts = readCatalog(path, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        const QString qm = QStringLiteral(":/i18n/%1.qm").arg(QFileInfo(path).completeBaseName());
        QTranslator translator;
        QVERIFY(translator.load(qm));
        QCoreApplication::installTranslator(&translator);
        QVERIFY(CoreText::useCatalog(qm));
        QStringList wrong;
        int checked = 0;
        for (const Context &context : contexts) {
            if (context.name != u"CoreText")
                continue;
            for (const Message &message : context.messages) {
                const QString shown = CoreText::shown(withStandIns(message.source));
                if (!message.forms.isEmpty() && shown != withStandIns(message.forms.first()))
                    wrong.append(message.source + QStringLiteral(" -> ") + shown);
                ++checked;
            }
        }
        CoreText::forgetCatalog();
        QCoreApplication::removeTranslator(&translator);
        QVERIFY(checked > 0);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
        // Nothing is shown translated once the catalog is gone: English stays as it is.
        QCOMPARE(CoreText::shown(withStandIns(contexts.first().messages.first().source)),
                 withStandIns(contexts.first().messages.first().source));
    }

    // The check itself, on hand-made catalogs.
    void badTranslationsAreFound_data()
    {
        QTest::addColumn<QByteArray>("messages");
        QTest::addColumn<QString>("problem"); // what the check says; empty: nothing
        QTest::newRow("sound") << message("&Open %1", "&\xc3\x96"
                                                      "ffnen %1") +
                                      message("&Save", "&Speichern") +
                                      QByteArray("<message><source>Un&amp;finished %1</source>"
                                                 "<translation type=\"unfinished\"></translation>"
                                                 "</message>\n") +
                                      message("A &&B", "A &&B")
                               << QString();
        QTest::newRow("placeholder lost")
            << message("%1 of %2", "%1 von") << QStringLiteral("placeholders differ");
        QTest::newRow("accelerator lost") << message("&Open", "\xc3\x96"
                                                              "ffnen")
                                          << QStringLiteral("accelerators differ");
        QTest::newRow("accelerators clash") << message("&Open", "&Datei \xc3\xb6"
                                                                "ffnen") +
                                                   message("&File", "&Datei")
                                            << QStringLiteral("accelerator 'd'");
        QTest::newRow("count form without %n")
            << QByteArray("<message numerus=\"yes\"><source>%n unit(s)</source><translation>"
                          "<numerusform>%n Ger\xc3\xa4t</numerusform><numerusform>Ger\xc3\xa4te"
                          "</numerusform></translation></message>\n")
            << QStringLiteral("placeholders differ");
    }

    void badTranslationsAreFound()
    {
        QFETCH(QByteArray, messages);
        QFETCH(QString, problem);
        QTemporaryDir scratch;
        QFile file(scratch.filePath(QStringLiteral("scratch_de.ts")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(catalog(messages));
        file.close();
        const QStringList found = problems(file.fileName());
        const QString said = found.join(u'\n');
        QVERIFY2(problem.isEmpty() ? said.isEmpty() : said.contains(problem), qPrintable(said));
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
