#pragma once
// Report texts of the comparison experiment: the header printed at a start
// and one block per received period printed when a run ends.
#include "experiments/relativity/model.h"

#include <string>

namespace sonrel::relativity {

// First heading line (printed at 599.9) and the legend (printed at 599.3).
std::string reportHeading();
std::string reportLegend(Model& m);

// Block of period i, printed at 592 - 9 (i - 1). Throws MathError when a
// value cannot be shown (the report then fails with "Ошибка в отчете ").
std::string reportPeriodBlock(Model& m, int i);
// The line printed where the block of a period stands whose end was never
// received (a stopped run, or the 20th period at the limit).
std::string reportUnreceived(int i);
inline double reportBlockY(int i) {
    return 592 - 9.0 * (i - 1);
}

} // namespace sonrel::relativity
