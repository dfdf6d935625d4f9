#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class SettingsStore;

// The language the programs speak. --language CODE wins, then the user's saved choice (the
// window programs), then the system's locale (LANGUAGE, LC_ALL, LANG). English is the language
// of the sources: choosing it installs nothing, so English output stays as it always was.
class Language
{
    Q_DECLARE_TR_FUNCTIONS(Language)

public:
    // What the command line asked for; code is empty when --language was not given.
    struct Request
    {
        QString code;
        QString error;
    };

    static inline const QString kEnglish = QStringLiteral("en");

    // The languages a catalog ships for, English first.
    static QStringList codes();
    // The language's name in itself ("Deutsch"); empty for an unknown code.
    static QString nativeName(const QString &code);
    // The code of a known language for text such as "de", "zh-CN" or "zh_cn"; empty if unknown.
    static QString known(const QString &text);
    // The first known language among the system's preferred ones, else English.
    static QString systemCode();

    // Takes --language CODE (or --language=CODE) out of the arguments.
    static Request take(QStringList *arguments);
    // The option's description for a program whose help Qt's parser writes.
    static QString optionDescription();
    // The option's line for a program's --help, in the column the program aligns to.
    static QString helpLine(int column);

    // The user's saved choice; empty means the system's.
    static QString saved(const SettingsStore &store);
    static bool save(SettingsStore &store, const QString &code);

    // Installs the programs' catalog and Qt's own for the language and makes its locale the
    // default for dates and numbers. Needs the application object.
    static void apply(const QString &code);
    // Applies the requested language, else the saved choice (when a store is given), else the
    // system's.
    static void applyChoice(const QString &requested, const SettingsStore *savedChoice);
    // Takes --language out of the arguments and applies it, else the saved choice (when a store
    // is given), else the system's. Returns the error for an unknown code, having applied none.
    static QString setUp(QStringList *arguments, const SettingsStore *savedChoice = nullptr);
};
