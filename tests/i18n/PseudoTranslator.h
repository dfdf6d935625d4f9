#pragma once

#include <QTranslator>

// A language made up for layout checks: every text comes back about 40 % longer, its letters
// accented and bracketed ("[Ŝàvé ţĥé ļöĝ····]"), with placeholders (%1, %n, %L1), accelerators
// ("&S", "&&"), HTML tags and entities left as they were. Tight layouts show before real
// translations exist. File dialogs' filters stay as they are.
class PseudoTranslator : public QTranslator
{
public:
    using QTranslator::QTranslator;

    QString translate(const char *context, const char *sourceText, const char *disambiguation,
                      int n) const override;
    bool isEmpty() const override { return false; }

    static QString stretched(const QString &text);
};
