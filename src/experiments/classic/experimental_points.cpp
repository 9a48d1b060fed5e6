#include "experiments/classic/experimental_points.h"

#include "base/checked_math.h"
#include "base/numbers.h"
#include "base/signal_delay.h"
#include "experiments/classic/period_report.h"
#include "experiments/unreceived_period.h"
#include "theory/graph_area.h"

namespace sonrel {

void plotExperimentalPoints(SharedState& s, Canvas& canvas, double My, bool delayCorrected) {
    setGraphScale(canvas);
    const Color color = delayCorrected ? pointColors::delayed : pointColors::atEmission;
    const PeriodArray& Xr = delayCorrected ? s.Xk1 : s.Xn1;
    const PeriodArray& Yr = delayCorrected ? s.Yk1 : s.Yn1;
    for (int k = 1; k <= kPlottedPeriods; ++k) {
        if (!periodReceived(s, k)) {
            // Later periods cannot have been received either.
            s.reportText += unreceivedPeriodLine(k) + "\n";
            break;
        }
        const double a1 = vectorAngleDeg(s.pi, Xr(k - 1) - s.Xn2(k), Yr(k - 1) - s.Yn2(k));
        const double a2 = vectorAngleDeg(s.pi, Xr(k) - s.Xn2(k + 1), Yr(k) - s.Yn2(k + 1));
        const double Asr = (a1 + a2) / 2;
        const double T = s.Tk1(k) - s.Tk1(k - 1);
        const double v = safeDiv(1, T);
        s.v = v;
        const double ratio = safeDiv(v, s.v0);
        canvas.circle((Asr / 90 - 1) * 20, safeDiv(ratio, My), 0.2, color);
        s.reportText += "N= " + std::to_string(k) + "    An = " + formatTrunc(s.Q3(k), 2) +
                        "    Asr = " + formatTrunc(Asr, 2) + "    dT = " + formatTrunc(T, 2) +
                        "    v1/v0 = " + formatTrunc(ratio, 2) + "\n";
    }
}

} // namespace sonrel
