// Preparing a run: the АСО → ИСО conversion of the initial state, the
// emission schedule, the clock rates and the beam.
#include "base/checked_math.h"
#include "base/kinematics.h"
#include "base/signal_delay.h"
#include "experiments/relativity/messages.h"
#include "experiments/relativity/model.h"
#include "experiments/relativity/theory.h"

#include <cmath>

namespace sonrel::relativity {

std::string Model::refuseVelocitiesForSto(const Options& o, double VY1, double VY2) {
    if (o.frame == Frame::Aso && o.kinematics == Kinematics::Sto && (VY1 != 0 || VY2 != 0))
        return kNoStoWithVy;
    return {};
}

// Velocities of both bodies seen from a frame moving along +X with `boost`,
// starting from the present ИСО velocities.
void Model::lorentzVelocities(double boost) {
    for (auto [vx, vy] : {std::pair{&VX1iso, &VY1iso}, std::pair{&VX2iso, &VY2iso}}) {
        const Velocity v = boostVelocity({*vx, *vy}, boost, s.Vs);
        *vx = v.x;
        *vy = v.y;
    }
}

void Model::placeBodies(double x1, double y1, double vx1, double vy1, double x2, double y2,
                        double vx2, double vy2) {
    s.X(1) = x1;
    s.Y(1) = y1;
    s.VX(1) = vx1;
    s.VY(1) = vy1;
    s.X(2) = x2;
    s.Y(2) = y2;
    s.VX(2) = vx2;
    s.VY(2) = vy2;
}

void Model::keepStartPositions() {
    marks = {s.X(1), s.Y(1), s.X(2), s.Y(2)};
    X1s = s.X(1);
    Y1s = s.Y(1);
    X2s = s.X(2);
    Y2s = s.Y(2);
}

std::string Model::start(const Inputs& i, Options& o) {
    // Nothing is changed by a start that cannot run: the period, the step
    // and the picture scale, and the graph scales its marks need.
    for (double x : {i.T00, i.dt, i.M})
        requirePositive(x);
    if (o.theoryAso || o.theoryIso) requirePositive(i.Mv);
    if (o.graphXt || o.markFronts) requirePositive(i.MT);
    in = i;
    Vs0 = i.Vs0;
    s.Vs = Vs0;
    VXiso = i.VXiso;
    VXiso3 = i.VXiso3;
    M = i.M;
    s.dt = i.dt;
    s.NC0 = i.NC0;
    MT = i.MT;
    Mv = i.Mv;
    s.T00 = i.T00;
    Niter = i.Niter;
    placeBodies(i.X1, i.Y1, i.VX1, i.VY1, i.X2, i.Y2, i.VX2, i.VY2);
    const double toRad = 1 / s.degPerRad;
    beam.build(i.Nrays, (i.mean + i.cone / 2) * toRad, safeDiv(i.cone, i.Nrays) * toRad);
    T1 = T2 = T0 = 0;
    kT1 = kT2 = kT1iso = kT2used = kTiso3 = kTiso = 1;

    if (i.VX2 < 0) return kSourceMustMoveRight;
    if (i.Y2 > i.Y1) return kSourceNotAbove;
    if (o.thirdFrame) {
        o.kinematics = Kinematics::Sto;
        if (o.frame != Frame::Aso) return kThirdFrameOnlyAso;
    }
    if (o.kinematics == Kinematics::StoPlus) {
        o.frame = Frame::Aso;
        o.carrySource = true;
    } else if (o.kinematics == Kinematics::Sto && o.frame == Frame::Iso) {
        o.carrySource = true;
    }
    opt = o;
    const bool inIso = o.frame == Frame::Iso;

    X1iso = i.X1;
    X2iso = i.X2;
    Y1iso = i.Y1;
    Y2iso = i.Y2;
    VX1iso = i.VX1;
    VX2iso = i.VX2;
    VY1iso = i.VY1;
    VY2iso = i.VY2;
    if (o.kinematics == Kinematics::Classic) {
        if (inIso && o.seen) {
            o.frame = Frame::Aso;
            opt = o;
        }
        VX1iso = i.VX1 - VXiso;
        VX2iso = i.VX2 - VXiso;
    } else {
        kTiso = clockRate(VXiso, s.Vs);
        kTiso3 = kTiso;
        lorentzVelocities(VXiso);
        T1 = lorentzTime(0, i.X1, VXiso, s.Vs, kTiso);
        T2 = lorentzTime(0, i.X2, VXiso, s.Vs, kTiso);
        const double lag = T1 - T2;
        X1iso = safeDiv(i.X1, kTiso);
        X2iso = safeDiv(i.X2, kTiso);
        VX2f = VX2iso;
        VY2f = VY2iso;
        if (inIso) {
            X2iso += VX2iso * lag;
            Y2iso += VY2iso * lag;
            T2 = T1;
        } else if (o.thirdFrame) {
            kTiso3 = clockRate(VXiso3, s.Vs);
            lorentzVelocities(VXiso3);
        }
        if (o.kinematics == Kinematics::StoPlus) {
            T1 = T2 = 0;
            VX1iso = i.VX1 - VXiso;
            VX2iso = i.VX2 - VXiso;
            VY1iso = i.VY1;
            VY2iso = i.VY2;
        }
    }
    const bool modelIso = opt.frame == Frame::Iso;

    Tn2iso.fill(0);
    Xn2iso.fill(0);
    Yn2iso.fill(0);
    if (!modelIso) {
        s.T = 0;
        T0 = T1;
        for (int k = 1; k <= 20; ++k) {
            s.Tn2(k) = (k - 1) * s.T00;
            s.Xn2(k) = (k - 1) * s.T00 * s.VX(2) + s.X(2);
            s.Yn2(k) = (k - 1) * s.T00 * s.VY(2) + s.Y(2);
        }
    } else {
        s.T = T1;
        T0 = T1;
        placeBodies(X1iso, Y1iso, VX1iso, VY1iso, X2iso, Y2iso, VX2iso, VY2iso);
        for (int k = 0; k <= 20; ++k) {
            Tn2iso(k) = s.Tn2(k) = (k - 1) * s.T00 + T2;
            Xn2iso(k) = s.Xn2(k) = (k - 1) * s.T00 * s.VX(2) + s.X(2);
            Yn2iso(k) = s.Yn2(k) = (k - 1) * s.T00 * s.VY(2) + s.Y(2);
        }
    }

    V1iso = std::hypot(VX1iso, VY1iso);
    V2iso = std::hypot(VX2iso, VY2iso);
    V1 = s.V(1) = std::hypot(s.VX(1), s.VY(1));
    V2 = s.V(2) = std::hypot(s.VX(2), s.VY(2));
    V12 = std::hypot(s.VX(1) - s.VX(2), s.VY(1) - s.VY(2));
    V12iso = std::hypot(VX1iso - VX2iso, VY1iso - VY2iso);
    if (opt.relativistic()) {
        kT1 = clockRate(V1, s.Vs);
        kT2 = clockRate(V2, s.Vs);
        kT1iso = clockRate(V1iso, s.Vs);
        kT2used = clockRate(V2iso, s.Vs);
    }
    kT2isoShown = kT2used;
    if (!modelIso && !opt.t00FromIso) kT2used = kT2;
    T002 = s.T00 * kT2used;
    s.v0 = safeDiv(safeDiv(1, s.T00), kT2used);
    v00 = safeDiv(1, s.T00);
    omega = safeDiv(2 * s.pi, s.T00);
    periodShift = safeDiv(s.T00 * s.VX(2), M);
    keepStartPositions();
    QV1 = vectorAngleRad(s.pi, VX1iso, VY1iso);
    QV2 = vectorAngleRad(s.pi, VX2iso, VY2iso);
    for (PeriodTable* t : {&Tn1p, &Xr, &Yr, &Tr, &vn, &vk, &vsr})
        t->fill(0);
    for (PeriodArray* t : {&s.Tn1, &s.Xn1, &s.Yn1, &s.Xk2, &s.Yk2})
        t->fill(0);
    if (!modelIso)
        for (PeriodArray* t : {&s.Tn2, &s.Xn2, &s.Yn2})
            (*t)(0) = 0;
    Q3.fill(0);
    Qn1.fill(QV1);
    Qn2.fill(QV2);
    Vs1.fill(s.Vs);
    Vs2.fill(s.Vs);
    QV12iso = vectorAngleRad(s.pi, VX1iso - VX2iso, VY1iso - VY2iso);
    QV12 = vectorAngleRad(s.pi, s.VX(1) - s.VX(2), s.VY(1) - s.VY(2));

    beam.travelInMedium(s.Vs);
    if (opt.kinematics == Kinematics::Classic) {
        beam.buildViews(s.pi, s.Vs, VXiso);
        if (modelIso) beam.travelAsSeenFromIso();
    }
    beam.emitFrom(s.X(2), s.Y(2));
    beamInFlight = true;
    nothingMoreArrives = false;
    // In ИСО every emission is scheduled; in АСО each is recorded at its
    // emission, the first one here (a source at rest never emits again).
    lastEmission = modelIso ? 20 : 1;
    if (!modelIso) {
        Xn2iso(1) = X2iso;
        Yn2iso(1) = Y2iso;
        Tn2iso(1) = T2;
    }
    completed = 0;
    allFronts = o.allFronts;
    fronts.clear();
    if (allFronts) fronts.emitBeam(1, s.X(2), s.Y(2), s.T);
    nextEmission = 2;

    runKind = 1;
    s.stopFlag = 0;
    arrivalState = 0;
    overrunPending = true;
    s.stepCount = 0;
    N = 1;
    finite(T1 + T2 + X1iso + X2iso + VX1iso + VX2iso + VY1iso + VY2iso + s.v0);
    return {};
}

} // namespace sonrel::relativity
