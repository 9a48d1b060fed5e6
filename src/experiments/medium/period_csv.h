#pragma once
// The period table of a medium run as CSV: the report table's columns
// (period; the relative velocity angles at emission Qn2, Qk2 and at reception
// Qn1, Qk1 at the start and end of the period, in degrees; the observed
// frequency v = 1/dT by the receiver's clock and the calculated mean vsr),
// then the record: the source at the emission of the period's start and end
// (Tn2, Xn2, Yn2, Tk2, Xk2, Yk2), the receiver at their receptions (Tn1, Xn1,
// Yn1, Tk1, Xk1, Yk1) and those receptions by the receiver's clock (Tn1p,
// Tk1p). Only periods whose end has been received have a row.
#include "experiments/medium/medium_experiment.h"

#include <string>

namespace sonrel {

int mediumCompletedPeriods(const MediumExperiment& run);

// Throws MathError when a value of a row cannot be computed.
std::string mediumPeriodCsv(const MediumExperiment& run, DopplerFrame frame);

} // namespace sonrel
