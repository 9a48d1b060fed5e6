#include "experiments/relativity/beam.h"

#include "base/checked_math.h"
#include "base/signal_delay.h"

#include <algorithm>
#include <cmath>

namespace sonrel::relativity {

namespace {

double firstNotAbove(const std::vector<double>& dir, const std::vector<double>& speed, double q,
                     bool strictly) {
    for (std::size_t j = 0; j < dir.size(); ++j)
        if (strictly ? dir[j] < q : dir[j] <= q) return speed[j];
    throw MathError("no ray looks in this direction");
}

} // namespace

void Beam::build(int nRays, double firstAngle, double angleStep) {
    if (nRays < 1) throw MathError("a beam needs at least two rays");
    const auto n = static_cast<std::size_t>(nRays) + 1;
    for (auto* v : {&angle, &isoDir, &isoSpeed, &revDir, &revSpeed, &x, &y, &nextX, &nextY, &speed,
                    &dir, &velX, &velY, &cosDir_, &sinDir_})
        v->assign(n, 0.0);
    for (std::size_t j = 0; j < n; ++j)
        angle[j] = finite(firstAngle - static_cast<double>(j) * angleStep);
}

void Beam::buildViews(double pi, double vs, double vxIso) {
    viewSpeed_ = vs;
    viewDrift_ = -vxIso;
    for (std::size_t j = 0; j < angle.size(); ++j) {
        const double cx = vs * std::cos(angle[j]), cy = vs * std::sin(angle[j]);
        isoSpeed[j] = std::hypot(cx - vxIso, cy);
        isoDir[j] = vectorAngleRad(pi, cx - vxIso, cy);
        revSpeed[j] = std::hypot(cx + vxIso, cy);
        double r = vectorAngleRad(pi, cx + vxIso, cy);
        if (r > pi) r -= 2 * pi;
        revDir[j] = r;
    }
}

void Beam::travelInMedium(double vs) {
    for (std::size_t j = 0; j < angle.size(); ++j) {
        speed[j] = vs;
        dir[j] = angle[j];
    }
    driftX = driftY = 0;
    signalSpeed = vs;
    cacheDirections();
}

void Beam::travelAsSeenFromIso() {
    speed = isoSpeed;
    dir = isoDir;
    driftX = viewDrift_;
    driftY = 0;
    signalSpeed = viewSpeed_;
    cacheDirections();
}

void Beam::cacheDirections() {
    maxSpeed = 0;
    minSpeed = dir.empty() ? 0 : HUGE_VAL;
    for (std::size_t j = 0; j < dir.size(); ++j) {
        cosDir_[j] = std::cos(dir[j]);
        sinDir_[j] = std::sin(dir[j]);
        velX[j] = speed[j] * cosDir_[j];
        velY[j] = speed[j] * sinDir_[j];
        const double v = std::hypot(velX[j], velY[j]);
        maxSpeed = std::max(maxSpeed, v);
        minSpeed = std::min(minSpeed, v);
    }
}

void Beam::emitFrom(double x0, double y0) {
    for (std::size_t j = 0; j < x.size(); ++j) {
        x[j] = x0;
        y[j] = y0;
    }
}

double Beam::isoSpeedToward(double q) const {
    return firstNotAbove(isoDir, isoSpeed, q, false);
}
double Beam::reverseSpeedToward(double q) const {
    return firstNotAbove(revDir, revSpeed, q, false);
}
double Beam::isoSpeedBelow(double q) const {
    return firstNotAbove(isoDir, isoSpeed, q, true);
}

} // namespace sonrel::relativity
