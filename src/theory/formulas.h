#pragma once
// The reference set of Doppler formulas that the experiments are compared with.

namespace sonrel {

// Formula (2) "Лоренц (2)": v0·(1 − cos Qn1·V1/Vs) / (1 − cos Qn2·V2/Vs),
// angles in radians between each velocity and the line of sight.
// A zero Vs or a zero denominator throws MathError.
double formula2(double v0, double V1, double V2, double Vs, double Qn1, double Qn2);

} // namespace sonrel
