#include "theory/formulas.h"

#include "app/checked_math.h"

#include <cmath>

namespace sonrel {

double formula2(double v0, double V1, double V2, double Vs, double Qn1, double Qn2) {
    const double receiverFactor = 1 - std::cos(Qn1) * safeDiv(V1, Vs);
    const double sourceFactor = 1 - std::cos(Qn2) * safeDiv(V2, Vs);
    return safeDiv(v0 * receiverFactor, sourceFactor);
}

} // namespace sonrel
