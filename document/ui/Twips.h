#pragma once

// Positions and sizes of the window's controls are given in twips (1/1440 inch);
// on screen they follow the screen's logical DPI (15 twips a pixel at 96 DPI).

#include <QRect>
#include <QWidget>

#include <cmath>

namespace pelmora {

inline double twipsPerPixel(const QWidget *widget)
{
    const int dpi = widget ? widget->logicalDpiY() : 96;
    return 1440.0 / (dpi > 0 ? dpi : 96);
}

inline int twipsToPixels(double twips, const QWidget *widget)
{
    return int(std::lround(twips / twipsPerPixel(widget)));
}

inline int pixelsToTwips(int pixels, const QWidget *widget)
{
    return int(std::lround(pixels * twipsPerPixel(widget)));
}

inline QRect twipsRect(double left, double top, double width, double height, const QWidget *widget)
{
    return QRect(twipsToPixels(left, widget), twipsToPixels(top, widget), twipsToPixels(width, widget),
                 twipsToPixels(height, widget));
}

} // namespace pelmora
