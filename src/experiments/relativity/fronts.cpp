#include "experiments/relativity/fronts.h"

#include "base/errors.h"
#include "experiments/picture_reach.h"

#include <algorithm>
#include <cmath>

namespace sonrel::relativity {

namespace {

double cross(double ax, double ay, double bx, double by) {
    return ax * by - ay * bx;
}

} // namespace

AllFrontsInFlight::Emission& AllFrontsInFlight::at(int k) {
    if (k < 1 || k > kBeams) throw IndexError("beam index outside 1..20");
    return beams_[static_cast<std::size_t>(k)];
}

const AllFrontsInFlight::Emission& AllFrontsInFlight::at(int k) const {
    if (k < 1 || k > kBeams) throw IndexError("beam index outside 1..20");
    return beams_[static_cast<std::size_t>(k)];
}

void AllFrontsInFlight::clear() {
    beams_.fill(Emission{});
}

void AllFrontsInFlight::emitBeam(int k, double x0, double y0, double t0) {
    at(k) = Emission{true, false, x0, y0, t0};
}

int AllFrontsInFlight::countInFlight() const {
    int n = 0;
    for (int k = 1; k <= kBeams; ++k)
        n += inFlight(k) ? 1 : 0;
    return n;
}

std::optional<double> AllFrontsInFlight::meets(const Beam& rays, int k, double t, double dt,
                                               double px, double py, double vx, double vy) const {
    constexpr std::nullopt_t kNotYet = std::nullopt;
    const Emission& b = at(k);
    const double age = t - b.t0;
    if (!(age > 0)) return kNotYet;
    // The receiver as seen from the emission point; no ray has got farther
    // than the fastest one.
    const double qx = px - b.x0, qy = py - b.y0;
    if (std::hypot(qx, qy) > rays.maxSpeed * age) return kNotYet;
    const std::vector<double>&rx = rays.velX, &ry = rays.velY;
    const int last = rays.last();
    for (int j = 1; j <= last; ++j) {
        const auto a = static_cast<std::size_t>(j - 1), c = static_cast<std::size_t>(j);
        // The rays turn clockwise with j: the receiver's direction lies
        // between rays j - 1 and j when it is clockwise from the first and
        // anticlockwise from the second.
        if (cross(rx[a], ry[a], qx, qy) > 0 || cross(qx, qy, rx[c], ry[c]) > 0) continue;
        const double dx = rx[c] - rx[a], dy = ry[c] - ry[a];
        // Reached when the receiver is on the emission point's side of the
        // chord between the two rays' present points (or on it).
        const double side = cross(dx, dy, qx - age * rx[a], qy - age * ry[a]);
        const double inner = cross(dx, dy, -rx[a], -ry[a]);
        if (side * inner < 0) return kNotYet;
        // When it crossed the chord: at beam age τ the receiver, moving
        // back from its present point, lies on the chord's line,
        //   q - v (age - τ) = τ a + μ d,  i.e.  τ (a - v) + μ d = q - v age.
        const double ax = qx - vx * age, ay = qy - vy * age;
        const double det = cross(rx[a] - vx, ry[a] - vy, dx, dy);
        double tau = det != 0 ? cross(ax, ay, dx, dy) / det : age;
        if (!std::isfinite(tau)) tau = age;
        tau = std::clamp(tau, std::max(age - dt, 0.0), age);
        return b.t0 + tau;
    }
    // Past the first or the last ray the front goes on along the circle all
    // rays lie on, down to the emission point's horizontal (a receiver is
    // never below the source), so a receiver just beyond the edge of the
    // cone is met where the signal really is.
    if (qy < 0) return kNotYet;
    const double ux = vx - rays.driftX, uy = vy - rays.driftY, c = rays.signalSpeed;
    const double gx = qx - rays.driftX * age, gy = qy - rays.driftY * age;
    if (std::hypot(gx, gy) > c * age) return kNotYet;
    // |q - v (age - τ) - drift τ| = c τ: with A = q - v age and u = v - drift,
    // (u·u - c²) τ² + 2 (A·u) τ + A·A = 0, the root that is not negative.
    const double ax = qx - vx * age, ay = qy - vy * age;
    const double qa = ux * ux + uy * uy - c * c, qb = 2 * (ax * ux + ay * uy),
                 qc = ax * ax + ay * ay;
    const double disc = qb * qb - 4 * qa * qc;
    double tau = qa != 0 && disc >= 0 ? (-qb - std::sqrt(disc)) / (2 * qa) : age;
    if (!std::isfinite(tau)) tau = age;
    return b.t0 + std::clamp(tau, std::max(age - dt, 0.0), age);
}

void AllFrontsInFlight::appendMoves(const Beam& rays, double t, double dt, double inv,
                                    std::vector<double>& out, const Canvas* keepOn) const {
    const std::size_t n = rays.velX.size();
    for (int k = 1; k <= kBeams; ++k) {
        const Emission& b = at(k);
        if (!b.emitted || (b.received && !keepOn)) continue;
        const double t1 = t - b.t0, t0 = std::max(t1 - dt, 0.0);
        // Every ray runs straight away from the emission point: once the
        // slowest is past the picture's farthest corner, the beam has left it.
        if (b.received && !(rays.minSpeed * t0 * std::fabs(inv) <=
                            farthestPictureCorner(*keepOn, b.x0 * inv, b.y0 * inv)))
            continue;
        for (std::size_t j = 0; j < n; ++j) {
            const double vx = rays.velX[j], vy = rays.velY[j];
            out.insert(out.end(), {(b.x0 + vx * t0) * inv, (b.y0 + vy * t0) * inv,
                                   (b.x0 + vx * t1) * inv, (b.y0 + vy * t1) * inv});
        }
    }
}

} // namespace sonrel::relativity
