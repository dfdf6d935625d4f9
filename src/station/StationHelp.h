#pragma once

#include <QString>

class QWidget;

// The Help menu's two boxes: what the station is, and its keyboard shortcuts.
class StationHelp
{
public:
    static QString aboutText();
    static QString shortcutsText();
    static void showAbout(QWidget *parent);
    static void showShortcuts(QWidget *parent);
};
