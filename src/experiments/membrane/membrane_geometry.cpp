#include "experiments/membrane/membrane_geometry.h"

#include "app/checked_math.h"

#include <cmath>

namespace sonrel {

Segment membraneEnds(Point c, double L, double normalDir) {
    const double hx = L * std::sin(normalDir) / 2;
    const double hy = L * std::cos(normalDir) / 2;
    return {{c.x - hx, c.y + hy}, {c.x + hx, c.y - hy}};
}

double distanceFromLine(Point p, const Segment& line, double L) {
    const Point& e1 = line.a;
    const Point& e2 = line.b;
    const double cross = (e2.y - e1.y) * p.x - (e2.x - e1.x) * p.y + e2.x * e1.y - e2.y * e1.x;
    return safeDiv(std::fabs(cross), L);
}

} // namespace sonrel
