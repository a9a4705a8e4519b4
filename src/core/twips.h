#pragma once

#include <QRect>
#include <cmath>

namespace trelvo {

// Screen geometry is written in twips; one rule turns it into pixels: 15 twips per pixel, rounded
// to the nearest pixel.
inline constexpr double twips_per_pixel = 15.0;

inline int px(double twips) {
    return static_cast<int>(std::lround(twips / twips_per_pixel));
}
inline double twips(double pixels) {
    return pixels * twips_per_pixel;
}

inline QRect twips_rect(double left, double top, double width, double height) {
    return QRect(px(left), px(top), px(width), px(height));
}

}  // namespace trelvo
