#include "experiments/membrane/membrane_geometry.h"

#include "base/checked_math.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace sonrel {

Segment membraneEnds(Point c, double L, double normalDir) {
    const double hx = L * std::sin(normalDir) / 2;
    const double hy = L * std::cos(normalDir) / 2;
    return {{c.x - hx, c.y + hy}, {c.x + hx, c.y - hy}};
}

double signedDistanceFromLine(Point p, const Segment& line, double L) {
    const Point& e1 = line.a;
    const Point& e2 = line.b;
    const double cross = (e2.y - e1.y) * p.x - (e2.x - e1.x) * p.y + e2.x * e1.y - e2.y * e1.x;
    return safeDiv(cross, L);
}

double distanceFromLine(Point p, const Segment& line, double L) {
    return std::fabs(signedDistanceFromLine(p, line, L));
}

double rateAcrossLine(Point w, const Segment& line, double L) {
    return safeDiv((line.b.y - line.a.y) * w.x - (line.b.x - line.a.x) * w.y, L);
}

Point rayToEdge(Point from, double dir, const Box& box) {
    const double dx = std::cos(dir), dy = std::sin(dir);
    // The first edge the ray meets in each direction it moves; a ray that
    // starts outside and moves away from the box ends where it starts.
    double t = std::numeric_limits<double>::infinity();
    if (dx > 1e-12) t = std::min(t, (box.right - from.x) / dx);
    if (dx < -1e-12) t = std::min(t, (box.left - from.x) / dx);
    if (dy > 1e-12) t = std::min(t, (box.top - from.y) / dy);
    if (dy < -1e-12) t = std::min(t, (box.bottom - from.y) / dy);
    if (!(t > 0) || !std::isfinite(t)) return from;
    return {from.x + t * dx, from.y + t * dy};
}

} // namespace sonrel
