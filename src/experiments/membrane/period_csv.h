#pragma once
// The period table of a membrane run as CSV: the report table's columns
// (period, mean observation angle Q3_mean in degrees, observed frequency
// v = 1/dT, formula (2) mean v1), then the record: the source at the start
// and end of transmitting the period (Tn2, Xn2, Yn2, Tk2, Xk2, Yk2) and the
// receiver at the start and end of receiving it (Tn1, Xn1, Yn1, Tk1, Xk1,
// Yk1). Only complete periods have a row.
#include "base/shared_state.h"
#include "experiments/membrane/membrane_model.h"

#include <string>

namespace sonrel {

// Throws MathError when a value of a row cannot be computed.
std::string membranePeriodCsv(const SharedState& s, const MembraneModel& m);

} // namespace sonrel
