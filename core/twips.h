#pragma once

#include <QRect>

#include <cmath>

// Window and report geometry is given in twips: 1440 to the inch, 15 to a pixel at 96 DPI.
namespace Tavo::Twips {

constexpr double kPerInch = 1440.0;

inline int toPixels(double twips, double dpi)
{
    return int(std::lround(twips * dpi / kPerInch));
}

// A rectangle of left, top, width and height in twips as pixels at dpi.
inline QRect toPixels(int left, int top, int width, int height, double dpi)
{
    return QRect(toPixels(left, dpi), toPixels(top, dpi), toPixels(width, dpi),
                 toPixels(height, dpi));
}

} // namespace Tavo::Twips
