#pragma once
// Doppler frequencies the comparison window sets beside its observations,
// all from the retarded line of sight (angles in radians). The clock rates and
// the Lorentz change of velocities are those of base/kinematics.h.
#include "base/kinematics.h"

namespace sonrel::relativity {

// Classical: v0 (1 - V1 cos Qn1 / vs1) / (1 - V2 cos Qn2 / vs2).
double classicalFrequency(double v0, double V1, double V2, double Qn1, double Qn2, double vs1,
                          double vs2);

// Formula (4-4), relative velocity V12 at direction QV12: v0 (1 - V12 cos(QV12 - Q3) / vs).
double relativeVelocityFrequency(double v0, double V12, double QV12, double Q3, double vs);

// Special relativity: the classical ratio times the clock rates of source
// and receiver, sqrt(1 - (V2/vs)^2) / sqrt(1 - (V1/vs)^2).
double relativisticFrequency(double v0, double V1, double V2, double Qn1, double Qn2, double vs1,
                             double vs2, double vs);

} // namespace sonrel::relativity
