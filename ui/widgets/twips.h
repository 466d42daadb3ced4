#pragma once

#include <QRect>

#include "widgets/designed_geometry.h"

namespace dicewright {

// Window and control geometry is written in twips (1/1440 inch); at 96 dots per inch 15 twips
// make one device-independent pixel, and Qt's high-DPI scaling handles other densities.
constexpr int kTwipsPerPixel = 15;

constexpr int FromTwips(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

constexpr QRect TwipsRect(int left, int top, int width, int height) {
    return {FromTwips(left), FromTwips(top), FromTwips(width), FromTwips(height)};
}

constexpr QRect TwipsRect(const design::Box& box) {
    return TwipsRect(box.left, box.top, box.width, box.height);
}

}  // namespace dicewright
