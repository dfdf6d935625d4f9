#pragma once

#include <QColor>

// Luminance contrast of two colours as accessibility guidelines measure it: 1 for equal colours,
// 21 for black on white; 4.5 is the least that normal-size text needs.
class ColourContrast
{
public:
    static constexpr double kReadable = 4.5;

    static double relativeLuminance(const QColor &colour);
    static double ratio(const QColor &a, const QColor &b);
    // Black or white, whichever stands out more from the background.
    static QColor readableTextOn(const QColor &background);
};
