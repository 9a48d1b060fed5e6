#pragma once
// How far a front spreading from a point must go before none of it can show
// on a picture any more.
#include "canvas/canvas.h"

#include <algorithm>
#include <cmath>

namespace sonrel {

// The distance (canvas units) from (x, y) to the farthest corner of the
// canvas's user rectangle. A front whose every point lies farther from its
// emission point than this has the whole picture inside it: it has left the
// picture, and as it only grows, for good.
inline double farthestPictureCorner(const Canvas& c, double x, double y) {
    const double dx = std::max(std::fabs(c.scaleLeft() - x), std::fabs(c.scaleRight() - x));
    const double dy = std::max(std::fabs(c.scaleTop() - y), std::fabs(c.scaleBottom() - y));
    return std::hypot(dx, dy);
}

// True when (x, y) lies on the canvas's user rectangle (either direction of the axes).
inline bool onPicture(const Canvas& c, double x, double y) {
    const auto within = [](double v, double a, double b) {
        return v >= std::min(a, b) && v <= std::max(a, b);
    };
    return within(x, c.scaleLeft(), c.scaleRight()) && within(y, c.scaleTop(), c.scaleBottom());
}

} // namespace sonrel
