#include "base/signal_delay.h"

#include "base/checked_math.h"

#include <cmath>

namespace sonrel {

namespace {

struct Roots {
    double t1, t2;
};

Roots solveMeeting(double Vs, double dx, double dy, double vx, double vy) {
    const double a = vx * vx + vy * vy - Vs * Vs;
    const double b = 2 * (dx * vx + dy * vy);
    const double c = dx * dx + dy * dy;
    const double d = finite(b * b - 4 * a * c);
    const double root = safeSqrt(d);
    const double den = 2 * a;
    return {safeDiv(-b - root, den), safeDiv(-b + root, den)};
}

Roots solveMeeting(SharedState& s, double px, double py, double cx, double cy, double vx,
                   double vy) {
    s.dx = px - cx;
    s.dy = py - cy;
    return solveMeeting(s.Vs, s.dx, s.dy, vx, vy);
}

} // namespace

double arrivalTimeMinusFirst(SharedState& s, double px, double py, double cx, double cy, double vx,
                             double vy) {
    const Roots r = solveMeeting(s, px, py, cx, cy, vx, vy);
    return r.t1 >= 0 ? r.t1 : r.t2;
}

double arrivalTimeMinusFirst(double Vs, double px, double py, double cx, double cy, double vx,
                             double vy) {
    const Roots r = solveMeeting(Vs, px - cx, py - cy, vx, vy);
    return r.t1 >= 0 ? r.t1 : r.t2;
}

double arrivalTimePlusFirst(SharedState& s, double px, double py, double cx, double cy, double vx,
                            double vy) {
    const Roots r = solveMeeting(s, px, py, cx, cy, vx, vy);
    return r.t2 >= 0 ? r.t2 : r.t1;
}

double vectorAngleDeg(double pi, double x, double y) {
    if (x == 0) {
        if (y == 0) return 0.0;
        return y > 0 ? 90.0 : 270.0;
    }
    double q = std::atan(y / x) * (180.0 / pi);
    if (x < 0)
        q += 180;
    else if (y < 0)
        q += 360;
    return q;
}

double vectorAngleRad(double pi, double x, double y) {
    if (x == 0) {
        if (y == 0) return 0.0;
        return y > 0 ? pi / 2 : 3 * pi / 2;
    }
    double q = std::atan(y / x);
    if (x < 0)
        q += pi;
    else if (y < 0)
        q += 2 * pi;
    return q;
}

} // namespace sonrel
