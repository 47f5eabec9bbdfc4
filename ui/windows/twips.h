#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <algorithm>
#include <cmath>

namespace ui {

// Layouts are kept in twips, as they were designed: 15 twips make one pixel at 96 dots per inch.
// Conversion rounds to the nearest pixel, halves away from zero (725 twips are 48 pixels, 480 are
// 32). Values far off any screen are held at ±1,000,000 pixels so no conversion overflows.
constexpr int twipsPerPixel = 15;

inline int px(double twips)
{
    const double pixels = std::clamp(twips / twipsPerPixel, -1e6, 1e6);
    return static_cast<int>(std::lround(pixels));
}

inline QRect pxRect(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
}

} // namespace ui
