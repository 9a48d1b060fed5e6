#include "experiments/relativity/theory.h"

#include "base/checked_math.h"

#include <cmath>

namespace sonrel::relativity {

double classicalFrequency(double v0, double V1, double V2, double Qn1, double Qn2, double vs1,
                          double vs2) {
    const double receiver = 1 - safeDiv(V1 * std::cos(Qn1), vs1);
    const double source = 1 - safeDiv(V2 * std::cos(Qn2), vs2);
    return finite(v0 * safeDiv(receiver, source));
}

double relativeVelocityFrequency(double v0, double V12, double QV12, double Q3, double vs) {
    return finite(v0 * (1 - safeDiv(V12 * std::cos(QV12 - Q3), vs)));
}

double clockRate(double v, double vs) {
    const double r = safeDiv(v, vs);
    return safeSqrt(1 - r * r);
}

Velocity boostVelocity(Velocity u, double frame, double vs) {
    const double den = 1 - safeDiv(frame * u.x, vs * vs);
    return {safeDiv(u.x - frame, den), safeDiv(clockRate(frame, vs) * u.y, den)};
}

double relativisticFrequency(double v0, double V1, double V2, double Qn1, double Qn2, double vs1,
                             double vs2, double vs) {
    const double receiver = 1 - safeDiv(V1 * std::cos(Qn1), vs1);
    const double source = 1 - safeDiv(V2 * std::cos(Qn2), vs2);
    return finite(v0 * safeDiv(receiver * clockRate(V2, vs), source * clockRate(V1, vs)));
}

} // namespace sonrel::relativity
