#include "experiments/medium/medium_graph.h"

#include "base/checked_math.h"
#include "base/signal_delay.h"

#include <algorithm>

namespace sonrel {

namespace {
// Period k ends with arrival k + 1: only periods whose end was recorded.
int completedPeriods(const MediumExperiment& run) {
    return std::min(run.k - 2, 19);
}

constexpr Color kExperimental = rgb(0, 0, 250);
constexpr Color kClassical = rgb(250, 0, 0);
constexpr Color kRelativistic = rgb(0, 220, 0);

struct Axes {
    const MediumExperiment& run;
    const GraphSettings& g;

    double Tshift() const { return g.timeFromZero ? 0 : run.T0; }
    double Kt() const { return g.unitTimeRate ? 1 : run.G; }
    // 0° at −20, 90° at 0, 180° at 20; time in Mt per centimetre.
    double x(double Qm) const {
        if (g.byTime) return safeDiv(safeDiv(Qm - Tshift(), Kt()), g.Mt);
        return (Qm * run.st.degPerRad / 90 - 1) * 20;
    }
    double y(double ratio) const { return safeDiv(ratio, g.Mv); }

    // The two angles (or times) that bound period k.
    void span(int k, double& Qs, double& Qe) const {
        const SharedState& st = run.st;
        auto at = [&](int i) {
            if (g.byTime) return st.Tn1(i);
            switch (g.basis) {
            case AngleBasis::Q1Q2:
                return -(st.QV1(i) + st.QV2(i)) / 2;
            case AngleBasis::Q30:
                return vectorAngleDeg(st.pi, st.Xk1(i) - st.Xk2(i), st.Yk1(i) - st.Yk2(i)) /
                       st.degPerRad;
            case AngleBasis::Q3:
                break;
            }
            return vectorAngleDeg(st.pi, st.Xk1(i) - st.Xn2(i), st.Yk1(i) - st.Yn2(i)) /
                   st.degPerRad;
        };
        Qs = at(k);
        Qe = at(k + 1);
    }

    GraphPoint point(int k, double ratio, double Qs, double Qe) const {
        GraphPoint p;
        p.k = k;
        p.ratio = ratio;
        p.Qs = Qs;
        p.Qe = Qe;
        p.Qm = (Qs + Qe) / 2;
        if (g.byTime) p.time = safeDiv(p.Qm - Tshift(), Kt());
        return p;
    }
};
} // namespace

void plotExperimentalPoints(MediumExperiment& run, const GraphSettings& g, Canvas& c,
                            const PointHandler& afterPoint) {
    if (run.mode != 1) return; // a T00 search leaves no periods to plot
    const Axes axes{run, g};
    bool havePrevious = false;
    double px = 0, py = 0;
    for (int k = 1; k <= completedPeriods(run); ++k) {
        double Qs = 0, Qe = 0;
        axes.span(k, Qs, Qe);
        const double dT = run.Tn1p(k + 1) - run.Tn1p(k);
        if (dT <= 0) continue;
        const double v = safeDiv(1, dT);
        run.vsr(k) = v;
        const GraphPoint p = axes.point(k, safeDiv(v, run.v00), Qs, Qe);
        const double x = axes.x(p.Qm), y = axes.y(p.ratio);
        c.circle(x, y, 0.2, kExperimental);
        if (!g.byTime && havePrevious) c.line(px, py, x, y, kExperimental);
        havePrevious = true;
        px = x;
        py = y;
        if (afterPoint && !afterPoint(p)) return;
    }
}

void plotCalculatedPoints(MediumExperiment& run, const GraphSettings& g, Canvas& c,
                          const PointHandler& afterPoint) {
    if (run.mode != 1) return;
    SharedState& st = run.st;
    const Axes axes{run, g};
    const Color colour = g.frame == DopplerFrame::Classic ? kClassical : kRelativistic;
    bool havePrevious = false;
    double px = 0, py = 0;
    for (int k = 1; k <= completedPeriods(run); ++k) {
        const double dT = run.Tn1p(k + 1) - run.Tn1p(k);
        if (dT <= 0) continue;
        if (g.atVs0) run.Vs1(k) = run.Vs1(k + 1) = run.Vs2(k) = run.Vs2(k + 1) = run.Vs0;
        if (!g.averages) {
            run.vn(k) = run.frequencyAt(k, g.frame, st.Vs);
            run.vk(k) = run.frequencyAt(k + 1, g.frame, st.Vs);
            run.vsr(k) = (run.vn(k) + run.vk(k)) / 2;
        } else {
            st.QV1(k) = (st.QV1(k) + st.QV1(k + 1)) / 2;
            st.QV2(k) = (st.QV2(k) + st.QV2(k + 1)) / 2;
            run.Vs1(k) = (run.Vs1(k) + run.Vs1(k + 1)) / 2;
            run.Vs2(k) = (run.Vs2(k) + run.Vs2(k + 1)) / 2;
            run.vsr(k) = run.frequencyAt(k, g.frame, st.Vs);
        }
        double Qs = 0, Qe = 0;
        axes.span(k, Qs, Qe);
        const GraphPoint p = axes.point(k, safeDiv(run.vsr(k), run.v00), Qs, Qe);
        const double x = axes.x(p.Qm), y = axes.y(p.ratio);
        c.circle(x, y, 0.3, colour);
        if (havePrevious) c.line(px, py, x, y, kClassical);
        havePrevious = true;
        px = x;
        py = y;
        if (afterPoint && !afterPoint(p)) return;
    }
}

} // namespace sonrel
