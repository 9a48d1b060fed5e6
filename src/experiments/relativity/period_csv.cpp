#include "experiments/relativity/period_csv.h"

#include "base/checked_math.h"
#include "base/csv_text.h"

namespace sonrel::relativity {

std::string periodCsv(Model& m) {
    const SharedState& s = m.s;
    const double deg = s.degPerRad;
    CsvText csv{"period",  "dT_src",  "dT",      "v",   "dT_rcv", "v_rcv", "vn",  "vk",  "vsr",
                "Q3_mean", "Tn2",     "Xn2",     "Yn2", "Xk2",    "Yk2",   "Tn1", "Xn1", "Yn1",
                "Tn1p",    "Q3_emit", "Q3_recv", "Qn1", "Qn2",    "Vs1",   "Vs2"};
    for (int i = 1; i <= m.completedPeriods(); ++i) {
        const double dT = s.Tn1(i + 1) - s.Tn1(i);
        const double dTReceiver = dT * m.kT1iso;
        const double vn = m.frequencyAt(i, false), vk = m.frequencyAt(i + 1, false);
        csv.row(i, {m.Tn2iso(i + 1) - m.Tn2iso(i),
                    dT,
                    safeDiv(1, dT),
                    dTReceiver,
                    safeDiv(1, dTReceiver),
                    vn,
                    vk,
                    (vn + vk) / 2,
                    (m.Q3(i) + m.Q3(i + 1)) / 2 * deg,
                    m.Tn2iso(i),
                    m.Xn2iso(i),
                    m.Yn2iso(i),
                    s.Xk2(i),
                    s.Yk2(i),
                    s.Tn1(i),
                    s.Xn1(i),
                    s.Yn1(i),
                    m.Tn1p(i),
                    m.Q3(i + 20) * deg,
                    m.Q3(i) * deg,
                    m.Qn1(i) * deg,
                    m.Qn2(i) * deg,
                    m.Vs1(i),
                    m.Vs2(i)});
    }
    return csv.str();
}

} // namespace sonrel::relativity
