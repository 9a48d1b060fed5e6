#pragma once
// Exact arrival of a signal front: emitted at te from the point (ex, ey), it
// spreads with vs in the medium at rest and meets a receiver moving uniformly
// from (x1, y1) at t = 0 with (vx1, vy1). The time t >= te solves
// |receiver(t) - emission point| = vs (t - te); for a receiver slower than
// the signal there is exactly one such root.
#include <cmath>

namespace sonrel::testing {

inline double exactArrival(double te, double ex, double ey, double x1, double y1, double vx1,
                           double vy1, double vs) {
    const double dx = x1 + vx1 * te - ex, dy = y1 + vy1 * te - ey;
    // (v1² - vs²) τ² + 2 (d·v1) τ + |d|² = 0 with τ = t - te.
    const double a = vx1 * vx1 + vy1 * vy1 - vs * vs;
    const double b = 2 * (dx * vx1 + dy * vy1);
    const double c = dx * dx + dy * dy;
    const double tau = (-b - std::sqrt(b * b - 4 * a * c)) / (2 * a);
    return te + tau;
}

// The same for a source moving uniformly from (x2, y2) with (vx2, vy2) that
// emits front k (k = 1, 2, ...) at (k - 1) T00 from where it then is.
inline double exactFrontArrival(int k, double T00, double x1, double y1, double vx1, double vy1,
                                double x2, double y2, double vx2, double vy2, double vs) {
    const double te = (k - 1) * T00;
    return exactArrival(te, x2 + vx2 * te, y2 + vy2 * te, x1, y1, vx1, vy1, vs);
}

} // namespace sonrel::testing
