#pragma once

#include <QCoreApplication>
#include <QString>

class QWidget;

// The Help menu's two boxes: what the station is, and its keyboard shortcuts.
class StationHelp
{
    Q_DECLARE_TR_FUNCTIONS(StationHelp)

public:
    static QString aboutText();
    static QString shortcutsText();
    static void showAbout(QWidget *parent);
    static void showShortcuts(QWidget *parent);
};
