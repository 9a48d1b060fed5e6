#include "experiments/relativity/theory.h"

#include "base/checked_math.h"

namespace sonrel::relativity {

double classicalFrequency(double v0, double V1, double V2, double Qn1, double Qn2, double vs1,
                          double vs2) {
    return finite(v0 * classicalDopplerRatio(V1, Qn1, vs1, V2, Qn2, vs2));
}

double relativeVelocityFrequency(double v0, double V12, double QV12, double Q3, double vs) {
    return finite(v0 * sightFactor(V12, QV12 - Q3, vs));
}

double relativisticFrequency(double v0, double V1, double V2, double Qn1, double Qn2, double vs1,
                             double vs2, double vs) {
    return finite(v0 * relativisticDopplerRatio(V1, Qn1, vs1, V2, Qn2, vs2, vs));
}

} // namespace sonrel::relativity
