#include "experiments/medium/period_csv.h"

#include "base/checked_math.h"
#include "base/csv_text.h"

#include <algorithm>

namespace sonrel {

int mediumCompletedPeriods(const MediumExperiment& run) {
    // Arrival i opens period i and arrival i + 1 closes it.
    return std::max(0, std::min(run.k - 2, 19));
}

std::string mediumPeriodCsv(const MediumExperiment& run, DopplerFrame frame) {
    const SharedState& st = run.st;
    const double deg = st.degPerRad;
    CsvText csv{"period", "Qn2", "Qk2", "Qn1", "Qk1", "v",   "vsr", "Tn2", "Xn2",  "Yn2", "Tk2",
                "Xk2",    "Yk2", "Tn1", "Xn1", "Yn1", "Tk1", "Xk1", "Yk1", "Tn1p", "Tk1p"};
    for (int i = 1; i <= mediumCompletedPeriods(run); ++i) {
        const double v = safeDiv(1, run.Tn1p(i + 1) - run.Tn1p(i));
        const double vsr =
            (run.frequencyAt(i, frame, run.Vs0) + run.frequencyAt(i + 1, frame, run.Vs0)) / 2;
        csv.row(i, {st.QV2(i) * deg,
                    st.QV2(i + 1) * deg,
                    st.QV1(i) * deg,
                    st.QV1(i + 1) * deg,
                    v,
                    vsr,
                    st.Tn2(i),
                    st.Xn2(i),
                    st.Yn2(i),
                    st.Tn2(i + 1),
                    st.Xn2(i + 1),
                    st.Yn2(i + 1),
                    st.Tn1(i),
                    st.Xk1(i),
                    st.Yk1(i),
                    st.Tn1(i + 1),
                    st.Xk1(i + 1),
                    st.Yk1(i + 1),
                    run.Tn1p(i),
                    run.Tn1p(i + 1)});
    }
    return csv.str();
}

} // namespace sonrel
