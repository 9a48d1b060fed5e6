#include "experiments/relativity/fronts.h"

#include "app/errors.h"

namespace sonrel::relativity {

BeamsInFlight::Launch& BeamsInFlight::at(int k) {
    if (k < 1 || k > kBeams) throw IndexError("beam index outside 1..20");
    return beams_[static_cast<std::size_t>(k)];
}

const BeamsInFlight::Launch& BeamsInFlight::at(int k) const {
    if (k < 1 || k > kBeams) throw IndexError("beam index outside 1..20");
    return beams_[static_cast<std::size_t>(k)];
}

void BeamsInFlight::clear() {
    beams_.fill(Launch{});
}

void BeamsInFlight::launch(int k, double x0, double y0) {
    at(k) = Launch{true, false, x0, y0, 0};
}

int BeamsInFlight::countInFlight() const {
    int n = 0;
    for (int k = 1; k <= kBeams; ++k)
        n += inFlight(k) ? 1 : 0;
    return n;
}

void BeamsInFlight::advance() {
    for (int k = 1; k <= kBeams; ++k)
        if (inFlight(k)) ++at(k).steps;
}

int BeamsInFlight::meets(const Beam& rays, int k, double px, double py, double dt) const {
    const Launch& b = at(k);
    const double t = static_cast<double>(b.steps) * dt;
    // A meeting needs a ray above the receiver; while even the fastest climb
    // has not got there, no pair can pass the test.
    if (b.y0 + rays.maxVelY * t <= py) return 0;
    const std::vector<double>&vx = rays.velX, &vy = rays.velY;
    double xPrev = b.x0 + vx[0] * t;
    const int last = rays.last();
    for (int j = 1; j <= last; ++j) {
        const double x = b.x0 + vx[static_cast<std::size_t>(j)] * t;
        if (xPrev < px && x > px) {
            if (b.y0 + vy[static_cast<std::size_t>(j - 1)] * t > py) return 1;
            if (b.y0 + vy[static_cast<std::size_t>(j)] * t > py) return 2;
        }
        xPrev = x;
    }
    return 0;
}

void BeamsInFlight::appendMoves(const Beam& rays, double dt, double inv,
                                std::vector<double>& out) const {
    const std::size_t n = rays.velX.size();
    for (int k = 1; k <= kBeams; ++k) {
        if (!inFlight(k)) continue;
        const Launch& b = at(k);
        const double t1 = static_cast<double>(b.steps) * dt, t0 = t1 - dt;
        for (std::size_t j = 0; j < n; ++j) {
            const double vx = rays.velX[j], vy = rays.velY[j];
            out.insert(out.end(), {(b.x0 + vx * t0) * inv, (b.y0 + vy * t0) * inv,
                                   (b.x0 + vx * t1) * inv, (b.y0 + vy * t1) * inv});
        }
    }
}

} // namespace sonrel::relativity
