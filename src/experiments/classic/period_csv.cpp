#include "experiments/classic/period_csv.h"

#include "base/csv_text.h"
#include "experiments/classic/period_report.h"

namespace sonrel {

int classicCompletedPeriods(const SharedState& s) {
    int n = 0;
    for (int j = 1; j <= s.frontIndex - 1 && j <= PeriodArray::hi(); ++j)
        if (periodReceived(s, j)) ++n;
    return n;
}

std::string classicPeriodCsv(const SharedState& s) {
    CsvText csv{"period", "Q3",  "v",   "v1",       "Tn2",      "Xn2",      "Yn2", "Xk2", "Yk2",
                "Tn1",    "Xn1", "Yn1", "Tk1_prev", "Xk1_prev", "Yk1_prev", "Tk1", "Xk1", "Yk1"};
    for (int j = 1; j <= s.frontIndex - 1 && j <= PeriodArray::hi(); ++j) {
        if (!periodReceived(s, j)) continue;
        const ClassicPeriodValues p = classicPeriodValues(s, j);
        csv.row(j, {s.Q3(j), p.v, p.v1, s.Tn2(j), s.Xn2(j), s.Yn2(j), s.Xk2(j), s.Yk2(j), s.Tn1(j),
                    s.Xn1(j), s.Yn1(j), s.Tk1(j - 1), s.Xk1(j - 1), s.Yk1(j - 1), s.Tk1(j),
                    s.Xk1(j), s.Yk1(j)});
    }
    return csv.str();
}

} // namespace sonrel
