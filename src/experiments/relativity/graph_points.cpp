#include "experiments/relativity/graph_points.h"

#include "base/checked_math.h"
#include "base/signal_delay.h"

#include <algorithm>

namespace sonrel::relativity {

namespace {

constexpr Color kObserved = colors::receiver;
constexpr Color kClassicTheory = rgb(250, 0, 0);
constexpr Color kRelativisticTheory = rgb(0, 220, 0);

// Line of sight of period boundary k in degrees: from the source's emission
// point ("Q3") or from its position at the arrival ("Q30") to the receiver.
double sightAt(Model& m, int k) {
    SharedState& s = m.s;
    const bool fromEmission = m.opt.sight == SightLine::FromEmission;
    const double sx = fromEmission ? m.Xn2iso(k) : s.Xk2(k);
    const double sy = fromEmission ? m.Yn2iso(k) : s.Yk2(k);
    return vectorAngleDeg(s.pi, s.Xn1(k) - sx, s.Yn1(k) - sy);
}

double timeScale(const Model& m) {
    switch (m.opt.timeScale) {
    case TimeScale::KT00:
        return m.kT00;
    case TimeScale::KTiso:
        return m.kTiso3;
    case TimeScale::One:
        break;
    }
    return 1;
}

// The x of period i on the graph in use, with the values it is shown by.
GraphPoint placePoint(Model& m, int i, double& x) {
    GraphPoint p;
    p.period = i;
    p.angleStart = sightAt(m, i);
    p.angleEnd = sightAt(m, i + 1);
    const double t0 = m.opt.fromT0 ? m.T0 : 0;
    p.time = safeDiv(((m.s.Tn1(i) + m.s.Tn1(i + 1)) / 2 - t0) * timeScale(m), m.MT);
    x = m.opt.byTime ? p.time : angleToX((p.angleStart + p.angleEnd) / 2);
    return p;
}

bool receiverTimesIncrease(Model& m, int i) {
    return m.Tn1p(i + 1) - m.Tn1p(i) > 0;
}

} // namespace

namespace {

struct Series {
    double radius;
    Color colour, lineColour;
    bool joinOverGaps; // theory points join across skipped periods
    bool joinOnTimeGraph;
};

// Draws one point per period whose receiver times increase; ratio(i) gives
// its v/v0. Returns the number of points drawn.
template <typename Ratio>
int plotSeries(Model& m, Canvas& c, const Series& look, Ratio ratio, const PointShown& shown) {
    requirePositive(m.Mv);
    if (m.opt.byTime) requirePositive(m.MT);
    int drawn = 0;
    bool havePrevious = false;
    double px = 0, py = 0;
    // Only completed periods: the last one of a stopped run has no end.
    const int periods = std::min(m.completedPeriods(), 19);
    for (int i = 1; i <= periods; ++i) {
        FpGuard guard;
        if (!receiverTimesIncrease(m, i)) {
            havePrevious = havePrevious && look.joinOverGaps;
            continue;
        }
        double x = 0;
        GraphPoint p = placePoint(m, i, x);
        p.ratio = ratio(i);
        const double y = safeDiv(p.ratio, m.Mv);
        guard.check();
        c.circle(x, y, look.radius, look.colour);
        if (havePrevious && (look.joinOnTimeGraph || !m.opt.byTime))
            c.line(px, py, x, y, look.lineColour);
        havePrevious = true;
        px = x;
        py = y;
        ++drawn;
        if (!shown(p)) break;
    }
    return drawn;
}

} // namespace

int plotObservedPoints(Model& m, Canvas& c, const PointShown& shown) {
    const Series look{0.2, kObserved, kObserved, false, false};
    return plotSeries(
        m, c, look, [&](int i) { return safeDiv(safeDiv(1, m.Tn1p(i + 1) - m.Tn1p(i)), m.s.v0); },
        shown);
}

int plotTheoryPoints(Model& m, Canvas& c, const PointShown& shown) {
    const bool classic = m.opt.kinematics == Kinematics::Classic;
    const bool kto = classic && m.opt.relativeVelocity;
    const Series look{0.3, classic ? kClassicTheory : kRelativisticTheory, kClassicTheory, true,
                      true};
    return plotSeries(
        m, c, look,
        [&](int i) {
            m.vn(i) = m.frequencyAt(i, kto);
            m.vk(i) = m.frequencyAt(i + 1, kto);
            m.vsr(i) = (m.vn(i) + m.vk(i)) / 2;
            return safeDiv(m.vsr(i), m.s.v0);
        },
        shown);
}

} // namespace sonrel::relativity
