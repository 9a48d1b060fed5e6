#pragma once
// The period table of a classical run as CSV: the report table's columns
// (period, observation angle Q3 in degrees, observed frequency v = 1/dT,
// formula (2) mean v1), then the period's record: the source at the start of
// transmitting (Tn2, Xn2, Yn2) and when the period's first front reached the
// receiver (Xk2, Yk2), the receiver at j·T00 (Tn1, Xn1, Yn1), and the
// receiver at the start and the end of receiving the period (Tk1_prev,
// Xk1_prev, Yk1_prev and Tk1, Xk1, Yk1). Only received periods have a row.
#include "base/shared_state.h"

#include <string>

namespace sonrel {

// Periods of the run whose end has been received.
int classicCompletedPeriods(const SharedState& s);

// Throws MathError when a value of a row cannot be computed.
std::string classicPeriodCsv(const SharedState& s);

} // namespace sonrel
