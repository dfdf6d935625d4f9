#pragma once

#include <QCoreApplication>
#include <QString>

class QWidget;

// The Help menu's two windows: what this program is, and the keys it answers to.
class HelpDialogs
{
    Q_DECLARE_TR_FUNCTIONS(HelpDialogs)

public:
    // Title, version, the Qt it runs on, the licence and, when the build names one, the web page.
    static QString aboutText(const QString &title, const QString &version);
    static QString shortcutsText();

    static void showAbout(QWidget *parent, const QString &title, const QString &version);
    static void showShortcuts(QWidget *parent);
};
