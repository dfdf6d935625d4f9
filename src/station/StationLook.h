#pragma once

#include <QPalette>

// The station's own looks: the dark scheme of --dark, for screens in dim production halls.
class StationLook
{
public:
    static QPalette darkPalette();
};
