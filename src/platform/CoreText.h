#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The core's texts are records before they are messages: one line goes into the flash history,
// the command line's JSON and onto a person's screen. They are made in English, always, with
// english() (which lupdate takes into the catalogs under "CoreText"), and translated only where a
// person reads them, with shown(). shown() works from the English text alone, so that a reason
// read back from the history or from an uploader's JSON is translated just as one made here.
class CoreText
{
    Q_DECLARE_TR_FUNCTIONS(CoreText)

public:
    // The text as the record keeps it. Fill %1..%9 with arg() as usual; no %n (English has no
    // catalog to make its plurals).
    static QString english(const char *text) { return QString::fromUtf8(text); }

    // The text in the language in use: the catalog's translation of the whole text, else of the
    // first of its texts with placeholders that it matches (longest fixed part first), the values
    // in the placeholders translated too. Unknown text, and any text in English, comes back as it
    // is.
    static QString shown(const QString &english);
    // Each line shown().
    static QStringList shown(const QStringList &english);

    // Learns the core's texts with placeholders from the catalog file just installed (a .qm file).
    // Language::apply does this; false when the file cannot be read.
    static bool useCatalog(const QString &qmPath);
    // Forgets them again: shown() gives back its argument.
    static void forgetCatalog();
};
