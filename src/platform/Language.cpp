#include "Language.h"

#include "CoreText.h"
#include "SettingsStore.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

const QString kOption = QStringLiteral("--language");
const QString kSettingsApplication = QStringLiteral("Language");
const QString kSettingsSection = QStringLiteral("Language");
const QString kSettingsKey = QStringLiteral("code");

struct Known
{
    const char *code;
    const char *name;
};

// The names are the languages' own: a person looks for theirs in a menu of all of them.
constexpr Known kKnown[] = {{"en", "English"},
                            {"de", "Deutsch"},
                            {"fr", "Fran\u00e7ais"},
                            {"es", "Espa\u00f1ol"},
                            {"zh_CN", "\u4e2d\u6587(\u7b80\u4f53)"}};

QString codeOfLocale(const QLocale &locale)
{
    switch (locale.language()) {
    case QLocale::English:
        return Language::kEnglish;
    case QLocale::German:
        return QStringLiteral("de");
    case QLocale::French:
        return QStringLiteral("fr");
    case QLocale::Spanish:
        return QStringLiteral("es");
    case QLocale::Chinese:
        // The catalog is in simplified characters: traditional readers go on to their next choice.
        if (locale.script() == QLocale::SimplifiedHanScript)
            return QStringLiteral("zh_CN");
        return {};
    default:
        return {};
    }
}

bool installTranslator(const QString &file, const QString &folder)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(file, folder) && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

QStringList Language::codes()
{
    QStringList list;
    for (const Known &language : kKnown)
        list.append(QLatin1String(language.code));
    return list;
}

QString Language::nativeName(const QString &code)
{
    for (const Known &language : kKnown) {
        if (code == QLatin1String(language.code))
            return QString::fromUtf8(language.name);
    }
    return {};
}

QString Language::known(const QString &text)
{
    const QString wanted = QString(text).replace(QLatin1Char('-'), QLatin1Char('_'));
    for (const QString &code : codes()) {
        if (wanted.compare(code, Qt::CaseInsensitive) == 0)
            return code;
    }
    return {};
}

QString Language::systemCode()
{
    for (const QString &name : QLocale::system().uiLanguages()) {
        if (const QString code = codeOfLocale(QLocale(name)); !code.isEmpty())
            return code;
    }
    return kEnglish;
}

Language::Request Language::take(QStringList *arguments)
{
    const QString prefix = kOption + QLatin1Char('=');
    for (qsizetype i = 1; i < arguments->size(); ++i) {
        const QString argument = arguments->at(i);
        if (argument == QLatin1String("--"))
            break;
        QString given;
        if (argument == kOption) {
            if (i + 1 >= arguments->size())
                return {{}, tr("--language needs a language code")};
            given = arguments->takeAt(i + 1);
        } else if (argument.startsWith(prefix)) {
            given = argument.mid(prefix.size());
        } else {
            continue;
        }
        arguments->removeAt(i);
        const QString code = known(given);
        if (code.isEmpty())
            return {{},
                    tr("unknown language \"%1\"; known: %2")
                        .arg(given, codes().join(QStringLiteral(", ")))};
        return {code, {}};
    }
    return {};
}

QString Language::optionDescription()
{
    return tr("The language to speak: %1 (default: the system's).")
        .arg(codes().join(QStringLiteral(", ")));
}

QString Language::helpLine(int column)
{
    const QString option = QStringLiteral("  --language CODE");
    const QString indent(column, QLatin1Char(' '));
    return option.leftJustified(column - 1) + QLatin1Char(' ') +
           tr("the language to speak: %1").arg(codes().join(QStringLiteral(", "))) +
           QLatin1Char('\n') + indent + tr("(default: the system's)") + QLatin1Char('\n');
}

QString Language::saved(const SettingsStore &store)
{
    return known(store.read(kSettingsApplication, kSettingsSection, kSettingsKey, QString()));
}

bool Language::save(SettingsStore &store, const QString &code)
{
    return store.write(kSettingsApplication, kSettingsSection, kSettingsKey, code);
}

void Language::apply(const QString &code)
{
    if (code == kEnglish || known(code).isEmpty() || !QCoreApplication::instance())
        return;
    installTranslator(QStringLiteral("qtbase_") + code,
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    const QString catalog = QStringLiteral("firmware-uploader_") + code;
    if (installTranslator(catalog, QStringLiteral(":/i18n")))
        CoreText::useCatalog(QStringLiteral(":/i18n/%1.qm").arg(catalog));
    QLocale::setDefault(QLocale(code));
}

QString Language::setUp(QStringList *arguments, const SettingsStore *savedChoice)
{
    const Request request = take(arguments);
    if (!request.error.isEmpty())
        return request.error;
    applyChoice(request.code, savedChoice);
    return {};
}

void Language::applyChoice(const QString &requested, const SettingsStore *savedChoice)
{
    QString code = requested;
    if (code.isEmpty() && savedChoice)
        code = saved(*savedChoice);
    apply(code.isEmpty() ? systemCode() : code);
}
