#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <cmath>

// Positions and sizes are given in twips, 1/1440 inch: 15 twips to one of Qt's
// device-independent pixels (a pixel at 96 dots per inch).
namespace platform {

inline constexpr int kTwipsPerPixel = 15;

inline int TwipsToPixels(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }
inline double PixelsToTwips(int pixels) { return static_cast<double>(pixels) * kTwipsPerPixel; }

inline QRect TwipsRect(double left, double top, double width, double height) {
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
                 TwipsToPixels(height));
}

inline QSize TwipsSize(double width, double height) {
    return QSize(TwipsToPixels(width), TwipsToPixels(height));
}

}  // namespace platform
