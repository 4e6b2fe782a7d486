// Placing controls by the window's design coordinates, given in twips.
//
// At 100 % a pixel is 15 twips. Where the platform's controls need more room
// than that (a larger fallback font, roomier control chrome), the whole
// window grows by one factor, so the proportions of the design always hold
// and no caption is cut.
#pragma once

#include <QRect>
#include <cmath>

namespace zkc::app {

class TwipsScale {
  public:
    explicit TwipsScale(double growth = 1.0) : pixelsPerTwip_(growth / 15.0) {}

    int operator()(int twips) const {
        return static_cast<int>(std::lround(twips * pixelsPerTwip_));
    }

    QRect operator()(int left, int top, int width, int height) const {
        const int x = (*this)(left);
        const int y = (*this)(top);
        return {x, y, (*this)(left + width) - x, (*this)(top + height) - y};
    }

  private:
    double pixelsPerTwip_;
};

}  // namespace zkc::app
