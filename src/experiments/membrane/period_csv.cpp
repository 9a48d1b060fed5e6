#include "experiments/membrane/period_csv.h"

#include "base/checked_math.h"
#include "base/csv_text.h"
#include "experiments/membrane/membrane_report.h"
#include "theory/formulas.h"

namespace sonrel {

std::string membranePeriodCsv(const SharedState& s, const MembraneModel& m) {
    CsvText csv{"period", "Q3_mean", "v",   "v1",  "Tn2", "Xn2", "Yn2", "Tk2",
                "Xk2",    "Yk2",     "Tn1", "Xn1", "Yn1", "Tk1", "Xk1", "Yk1"};
    for (int i = 1; i <= reportedPeriods(m); ++i) {
        const double v = safeDiv(1, s.Tk1(i) - s.Tk1(i - 1));
        // Formula (2) with the relative angles of the receptions that open
        // and close the period (radians).
        const double v1n = formula2(s.v0, s.V(1), s.V(2), s.Vs, s.QV1(i - 1), s.QV2(i - 1));
        const double v1k = formula2(s.v0, s.V(1), s.V(2), s.Vs, s.QV1(i), s.QV2(i));
        csv.row(i, {meanAngleDeg(s.pi, m, i), v, (v1n + v1k) / 2, s.Tn2(i), s.Xn2(i), s.Yn2(i),
                    s.Tn2(i + 1), s.Xn2(i + 1), s.Yn2(i + 1), s.Tk1(i - 1), s.Xk1(i - 1),
                    s.Yk1(i - 1), s.Tk1(i), s.Xk1(i), s.Yk1(i)});
    }
    return csv.str();
}

} // namespace sonrel
