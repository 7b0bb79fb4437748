#pragma once

#include <cmath>

namespace suite::twips {

// Window positions and sizes are kept in twips (1/1440 inch) where the programs were laid
// out that way; they convert at the screen's logical DPI (15 twips per pixel at 96 dpi).
inline double perPixel(double dpi)
{
    return 1440.0 / dpi;
}

inline int toPixels(int twips, double dpi)
{
    return static_cast<int>(std::lround(twips / perPixel(dpi)));
}

inline int fromPixels(int pixels, double dpi)
{
    return static_cast<int>(std::lround(pixels * perPixel(dpi)));
}

} // namespace suite::twips
