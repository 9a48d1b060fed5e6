#include "base/kinematics.h"

#include "base/checked_math.h"

#include <cmath>

namespace sonrel {

double clockRate(double v, double c) {
    const double r = safeDiv(v, c);
    return safeSqrt(1 - r * r);
}

namespace {
// 1 - frame ux / c^2, the denominator of every velocity seen from the moving frame.
double boostDenominator(double ux, double frame, double c) {
    return 1 - safeDiv(frame * ux, c * c);
}
} // namespace

double relativeVelocity(double u, double frame, double c) {
    return safeDiv(u - frame, boostDenominator(u, frame, c));
}

Velocity boostVelocity(Velocity u, double frame, double c) {
    const double den = boostDenominator(u.x, frame, c);
    return {safeDiv(u.x - frame, den), safeDiv(clockRate(frame, c) * u.y, den)};
}

double lorentzTime(double t, double x, double frame, double c, double rate) {
    return safeDiv(t - safeDiv(frame * x, c * c), rate);
}

double lorentzPosition(double t, double x, double frame, double rate) {
    return safeDiv(x - frame * t, rate);
}

double sightFactor(double v, double q, double c) {
    return 1 - std::cos(q) * safeDiv(v, c);
}

double classicalDopplerRatio(double V1, double Q1, double c1, double V2, double Q2, double c2) {
    return safeDiv(sightFactor(V1, Q1, c1), sightFactor(V2, Q2, c2));
}

double relativisticDopplerRatio(double V1, double Q1, double c1, double V2, double Q2, double c2,
                                double c) {
    const double receiver = sightFactor(V1, Q1, c1);
    const double source = sightFactor(V2, Q2, c2);
    return safeDiv(receiver * clockRate(V2, c), source * clockRate(V1, c));
}

} // namespace sonrel
