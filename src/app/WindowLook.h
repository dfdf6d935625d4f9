#pragma once

#include <QFont>
#include <QIcon>

// How the window looks apart from its layout: the face it was drawn for and its icon.
class WindowLook
{
public:
    // The drawn face at its drawn size, or the nearest the system has.
    static QFont font();
    // The icon in the sizes it carries: 16, 24, 32 and 48 pixels.
    static QIcon icon();
};
