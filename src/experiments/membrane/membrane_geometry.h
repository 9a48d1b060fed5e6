#pragma once
// Flat membranes and plane fronts as segments in the model plane.
#include "app/shared_state.h"

namespace sonrel {

struct Point {
    double x = 0, y = 0;
};

struct Segment {
    Point a, b;
};

// Ends of a membrane of length L centred at c whose normal points along
// normalDir (the membrane angle minus π/2): the segment lies across the normal.
Segment membraneEnds(Point c, double L, double normalDir);

// Distance of p from the line through the receiver membrane's ends; the
// cross product is divided by the membrane length L (zero L throws MathError).
double distanceFromLine(Point p, const Segment& line, double L);

// Positions kept in the shared body arrays under the system's point indices.
inline Point pointAt(const SharedState& s, int k) {
    return {s.X(k), s.Y(k)};
}
inline void putPoint(SharedState& s, int k, Point p) {
    s.X(k) = p.x;
    s.Y(k) = p.y;
}

} // namespace sonrel
