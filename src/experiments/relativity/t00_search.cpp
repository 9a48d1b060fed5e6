#include "experiments/relativity/t00_search.h"

#include "base/checked_math.h"
#include "base/kinematics.h"
#include "experiments/relativity/theory.h"

namespace sonrel::relativity {

namespace {

constexpr Color kSearchRay = rgb(0, 0, 250);

} // namespace

void T00Search::prepare(const Inputs& in, Options& opt) {
    SharedState& s = m_.s;
    requirePositive(in.dt);
    requirePositive(in.M);
    m_.in = in;
    m_.Vs0 = in.Vs0;
    s.Vs = in.Vs0;
    m_.VXiso = in.VXiso;
    m_.M = in.M;
    s.dt = in.dt;
    s.NC0 = in.NC0;
    const double toRad = 1 / s.degPerRad;
    m_.beam.build(in.Nrays, (in.mean + in.cone / 2) * toRad, safeDiv(in.cone, in.Nrays) * toRad);
    m_.T1 = m_.T2 = s.T = 0;
    s.stepCount = 0;
    if (opt.kinematics == Kinematics::StoPlus) opt.frame = Frame::Aso;
    m_.opt = opt;

    double X1 = in.X1, Y1 = in.Y1, X2 = in.X2, Y2 = in.Y2;
    double VX1 = in.VX1, VY1 = in.VY1, VX2 = in.VX2, VY2 = in.VY2;
    const double vxIso = in.VXiso;
    if (opt.frame == Frame::Aso) {
        m_.VX1iso = VX1 - vxIso;
        m_.VX2iso = VX2 - vxIso;
        m_.VY1iso = VY1;
        m_.VY2iso = VY2;
    } else {
        if (opt.kinematics == Kinematics::Classic) {
            VX1 -= vxIso;
            VX2 -= vxIso;
        } else {
            const double k = clockRate(vxIso, s.Vs);
            m_.kTiso = k;
            m_.T1 = lorentzTime(0, X1, vxIso, s.Vs, k);
            m_.T2 = lorentzTime(0, X2, vxIso, s.Vs, k);
            const double lag = m_.T1 - m_.T2;
            s.T = m_.T1;
            X1 = safeDiv(X1, k);
            X2 = safeDiv(X2, k);
            for (auto [vx, vy] : {std::pair{&VX1, &VY1}, std::pair{&VX2, &VY2}}) {
                const Velocity v = boostVelocity({*vx, *vy}, vxIso, s.Vs);
                *vx = v.x;
                *vy = v.y;
            }
            X2 += lag * VX2;
            Y2 += lag * VY2;
        }
        m_.VX1iso = VX1;
        m_.VX2iso = VX2;
        m_.VY1iso = VY1;
        m_.VY2iso = VY2;
    }
    m_.X1iso = X1;
    m_.X2iso = X2;
    m_.Y1iso = Y1;
    m_.Y2iso = Y2;
    m_.placeBodies(X1, Y1, VX1, VY1, X2, Y2, VX2, VY2);
    m_.keepStartPositions();

    m_.beam.travelInMedium(s.Vs);
    if (opt.frame == Frame::Iso && opt.kinematics == Kinematics::Classic) {
        m_.beam.buildViews(s.pi, s.Vs, vxIso);
        m_.beam.travelAsSeenFromIso();
    }
    m_.beam.emitFrom(X2, Y2);
    s.stopFlag = 0;
    met_ = false;
    m_.runKind = 2;
    finite(X1 + X2 + VX1 + VX2 + VY1 + VY2 + s.T);
}

bool T00Search::step(Canvas& c) {
    settleVectorRegisters();
    SharedState& s = m_.s;
    Beam& beam = m_.beam;
    FpGuard guard;
    s.T += s.dt;
    for (int k = 1; k <= 2; ++k) {
        s.X(k) += s.dt * s.VX(k);
        s.Y(k) += s.dt * s.VY(k);
    }
    const double X1 = s.X(1), Y1 = s.Y(1), dt = s.dt;
    const bool draw = m_.opt.animation && s.NC0 == s.stepCount + 1;
    const double inv = safeDiv(1, m_.M);
    const int last = beam.last();
    for (int j = 0; j <= last; ++j) {
        beam.advance(j, dt);
        if (draw)
            c.line(beam.x[j] * inv, beam.y[j] * inv, beam.nextX[j] * inv, beam.nextY[j] * inv,
                   kSearchRay);
        beam.settle(j);
        if (j >= 1 && beam.nextY[j - 1] > Y1 && beam.nextX[j - 1] < X1 && beam.nextX[j] > X1)
            met_ = true;
    }
    t00_ = s.T - m_.T1;
    v0_ = safeDiv(1, t00_);
    ++s.stepCount;
    m_.X1iso = s.X(1);
    m_.Y1iso = s.Y(1);
    m_.X2iso = s.X(2);
    m_.Y2iso = s.Y(2);
    if (s.stepCount == s.NC0) {
        s.stepCount = 0;
        m_.marks.moveTo(c, s, inv, colors::source, colors::source);
    }
    if (met_) s.stopFlag = 1;
    guard.check();
    return s.stopFlag != 0;
}

} // namespace sonrel::relativity
