#include "experiments/relativity/graph_points.h"

#include "app/checked_math.h"
#include "app/signal_delay.h"

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
    return vectorAngleDeg(s, s.Xn1(k) - sx, s.Yn1(k) - sy);
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

int plotObservedPoints(Model& m, Canvas& c, const PointShown& shown) {
    int drawn = 0;
    bool havePrevious = false;
    double px = 0, py = 0;
    for (int i = 1; i <= 19; ++i) {
        FpGuard guard;
        if (!receiverTimesIncrease(m, i)) {
            havePrevious = false;
            continue;
        }
        double x = 0;
        GraphPoint p = placePoint(m, i, x);
        const double v = safeDiv(1, m.Tn1p(i + 1) - m.Tn1p(i));
        p.ratio = safeDiv(v, m.s.v0);
        const double y = safeDiv(p.ratio, m.Mv);
        guard.check();
        c.circle(x, y, 0.2, kObserved);
        if (havePrevious && !m.opt.byTime) c.line(px, py, x, y, kObserved);
        havePrevious = true;
        px = x;
        py = y;
        ++drawn;
        if (!shown(p)) break;
    }
    return drawn;
}

int plotTheoryPoints(Model& m, Canvas& c, const PointShown& shown) {
    int drawn = 0;
    bool havePrevious = false;
    double px = 0, py = 0;
    const bool kto = m.opt.kinematics == Kinematics::Classic && m.opt.relativeVelocity;
    const Color colour =
        m.opt.kinematics == Kinematics::Classic ? kClassicTheory : kRelativisticTheory;
    for (int i = 1; i <= 19; ++i) {
        FpGuard guard;
        if (!receiverTimesIncrease(m, i)) continue;
        double x = 0;
        GraphPoint p = placePoint(m, i, x);
        m.vn(i) = m.frequencyAt(i, kto);
        m.vk(i) = m.frequencyAt(i + 1, kto);
        m.vsr(i) = (m.vn(i) + m.vk(i)) / 2;
        p.ratio = safeDiv(m.vsr(i), m.s.v0);
        const double y = safeDiv(p.ratio, m.Mv);
        guard.check();
        c.circle(x, y, 0.3, colour);
        if (havePrevious) c.line(px, py, x, y, kClassicTheory);
        havePrevious = true;
        px = x;
        py = y;
        ++drawn;
        if (!shown(p)) break;
    }
    return drawn;
}

} // namespace sonrel::relativity
