#pragma once
// Flat membranes and plane fronts as segments in the model plane.
#include "base/shared_state.h"

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
// The same with its sign: positive on the right of the line from a to b.
double signedDistanceFromLine(Point p, const Segment& line, double L);
// How fast a point moving with velocity w relative to the line changes its
// signed distance from it.
double rateAcrossLine(Point w, const Segment& line, double L);

// A rectangle of the model plane: x from left to right, y from bottom to top.
struct Box {
    double left = 0, bottom = 0, right = 0, top = 0;
};

// Where a ray from `from` along the direction `dir` (radians from the X
// axis) leaves the box.
Point rayToEdge(Point from, double dir, const Box& box);

// Positions kept in the shared body arrays under the system's point indices.
inline Point pointAt(const SharedState& s, int k) {
    return {s.X(k), s.Y(k)};
}
inline void putPoint(SharedState& s, int k, Point p) {
    s.X(k) = p.x;
    s.Y(k) = p.y;
}

} // namespace sonrel
