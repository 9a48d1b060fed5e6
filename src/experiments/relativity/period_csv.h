#pragma once
// The period table of a comparison run as CSV, with the values of the
// report's period blocks: the source's period dT_src and the receiver's dT by
// the ИСО clocks, v = 1/dT, dT_rcv = dT·kT1 and v_rcv = 1/dT_rcv after
// matching the clock rates, the calculated frequencies vn, vk and their mean
// vsr, the mean observation angle Q3_mean; then the record: the source at the
// emission of the period's start (Tn2, Xn2, Yn2) and when it was received
// (Xk2, Yk2), the receiver at that reception (Tn1, Xn1, Yn1, and Tn1p by its
// own clock), the lines of sight at emission and reception Q3_emit, Q3_recv,
// the relative velocity angles Qn1, Qn2 (degrees) and the signal speeds Vs1,
// Vs2 met by the bodies. Only periods whose end has been received have a row.
#include "experiments/relativity/model.h"

#include <string>

namespace sonrel::relativity {

// Throws MathError when a value of a row cannot be computed.
std::string periodCsv(Model& m);

} // namespace sonrel::relativity
