#include "experiments/medium/medium_experiment.h"

#include "base/checked_math.h"
#include "base/kinematics.h"
#include "base/signal_delay.h"

#include <cmath>

namespace sonrel {

LorentzStart lorentzStart(double X1, double X2, double VX1, double VY1, double VX2, double VY2,
                          double VXiso, double Vs) {
    LorentzStart r{};
    r.kTiso = clockRate(VXiso, Vs);
    r.T1 = lorentzTime(0, X1, VXiso, Vs, r.kTiso);
    r.T2 = lorentzTime(0, X2, VXiso, Vs, r.kTiso);
    r.X1 = safeDiv(X1, r.kTiso);
    r.X2 = safeDiv(X2, r.kTiso);
    const Velocity v1 = boostVelocity({VX1, VY1}, VXiso, Vs);
    const Velocity v2 = boostVelocity({VX2, VY2}, VXiso, Vs);
    r.VX1 = v1.x;
    r.VY1 = v1.y;
    r.VX2 = v2.x;
    r.VY2 = v2.y;
    return r;
}

void MediumExperiment::setUpBeam(const MediumInputs& in) {
    // Np = 0 or Nr = 0 leaves the beam geometry undefined: a data error.
    if (in.Np == 0 || in.Nr <= 0) throw InputError("no layers or no rays");
    const double cone = in.cone / st.degPerRad, mean = in.meanAngle / st.degPerRad;
    a0 = st.pi / 2 - mean - cone / 2;
    da = cone / in.Nr;
    Nr = in.Nr;
    beam.resize(in.Nr + 1);
    Vs0 = in.Vs0;
    Vsv = in.Vsv;
    VXiso = in.VXiso;
    M = in.M;
}

void MediumExperiment::placeBodies(const MediumInputs& in) {
    sonrel::placeBodies(st, {in.X1, in.Y1, in.VX1, in.VY1, in.X2, in.Y2, in.VX2, in.VY2});
    st.dt = in.dt;
    st.NC0 = in.NC0;
}

void MediumExperiment::rememberBodies() {
    prevX1_ = st.X(1);
    prevY1_ = st.Y(1);
    prevX2_ = st.X(2);
    prevY2_ = st.Y(2);
}

void MediumExperiment::transformToFrame(const MediumInputs& in) {
    const LorentzStart L = lorentzStart(in.X1, in.X2, in.VX1, in.VY1, in.VX2, in.VY2, VXiso, Vs0);
    kTiso = L.kTiso;
    T1 = L.T1;
    T2 = L.T2;
    st.X(1) = L.X1;
    st.X(2) = L.X2;
    st.VX(1) = L.VX1;
    st.VY(1) = L.VY1;
    st.VX(2) = L.VX2;
    st.VY(2) = L.VY2;
    // The source is brought to the receiver's start time.
    const double dT12 = T1 - T2;
    st.X(2) += dT12 * st.VX(2);
    st.Y(2) += dT12 * st.VY(2);
    st.T = T1;
}

namespace {
// A step of no length never moves the run on, a negative one runs it
// backwards; a picture scale that is not positive cannot draw it.
void checkStepAndScale(const MediumInputs& in, bool drawn) {
    if (!(in.dt > 0)) throw MathError("solving step not positive");
    if (drawn && !(in.M > 0)) throw MathError("picture scale not positive");
}
} // namespace

StartOutcome MediumExperiment::start(const MediumInputs& in, const MediumOptions& o) {
    setUpBeam(in);
    checkStepAndScale(in, o.animation || o.middleRay);
    // The layers stay where the source and the receiver were typed.
    medium.setUp(in.law, in.Kp, in.Np, in.Y2, (in.Y1 - in.Y2) / in.Np);
    placeBodies(in);
    st.T00 = in.T00;
    mode = 1;
    st.Vs = Vs0;
    st.T = 0;
    T1 = T2 = T0 = 0;
    G1 = G2 = G = kTiso = 1;
    X2s = st.X(2);
    VX2draw = st.VX(2) - VXiso;

    if (o.frame == DopplerFrame::Classic && o.dragged) {
        st.VX(1) -= VXiso;
        st.VX(2) -= VXiso;
    }
    if (o.frame == DopplerFrame::Relativistic) {
        transformToFrame(in);
        VX2draw = st.VX(2);
        G1 = clockRate(st.VX(1), st.Vs);
        G2 = clockRate(st.VX(2), st.Vs);
        G = kTiso;
        T0 = st.T;
        X2s = st.X(2);
    }
    Y2s = st.Y(2);
    const bool through = o.frameThroughMedium();
    const double shift = through ? VXiso : 0;
    V1 = std::hypot(st.VX(1) - shift, st.VY(1));
    V2 = std::hypot(st.VX(2) - shift, st.VY(2));
    st.V(1) = V1;
    st.V(2) = V2;
    if (st.VX(2) <= 0) return StartOutcome::SourceNotMovingRight;

    // A period of no length or a negative one emits no sequence of beams.
    if (!(st.T00 > 0)) throw MathError("period not positive");
    st.v0 = safeDiv(1, st.T00);
    v00 = safeDiv(st.v0, G2);
    omega = 2 * st.pi * st.v0;
    QV1start = vectorAngleRad(st.pi, st.VX(1) - shift, st.VY(1));
    QV2start = vectorAngleRad(st.pi, st.VX(2) - shift, st.VY(2));

    st.clearPeriodRecord();
    for (PeriodArray* a : {&Tn1p, &Xe, &Vs1, &Vs2, &Qa, &Qe, &Q3, &vn, &vk, &vsr})
        a->fill(0.0);
    for (int i = 0; i <= 20; ++i) {
        const double span = (i - 1) * st.T00;
        st.Tn2(i) = finite(span + st.T);
        st.Xn2(i) = finite(span * st.VX(2) + st.X(2));
        st.Yn2(i) = finite(span * st.VY(2) + st.Y(2));
        Xe(i) = through ? finite(span * (st.VX(2) - VXiso) + st.X(2)) : st.Xn2(i);
        st.QV1(i) = QV1start;
        st.QV2(i) = QV2start;
        Vs1(i) = Vs2(i) = st.Vs;
    }
    beam.emitFan(st.X(2), st.Y(2), a0, da, medium.density(1));
    beamInFlight = true;
    allFronts = o.allFronts;
    emitted = 0;
    if (allFronts) {
        // Beam 1 leaves now; each later one at its own emission time.
        // A beam holds its rays only while it is in flight.
        flight_.assign(21, Beam{});
        passed_.assign(21, Beam{});
        flight_[1].resize(in.Nr + 1);
        inFlight_.assign(21, 0);
        pending_.assign(21, 0);
        arrivals_.assign(21, RayArrival{});
        flight_[1].emitFan(st.X(2), st.Y(2), a0, da, medium.density(1));
        flight_[1].emittedAt = st.T;
        inFlight_[1] = 1;
        emitted = 1;
    }

    rememberBodies();
    oscillationDrawn_ = 0;
    st.stopFlag = 0;
    endedByItself = false;
    arrivalFlag_ = 0;
    overrunArmed = true;
    st.stepCount = 0;
    k = 1;
    display = {};
    return StartOutcome::Running;
}

void MediumExperiment::startSearch(const MediumInputs& in, const MediumOptions& o) {
    // The search divides by both when it lays out the fan and the layers.
    if (in.Np == 0 || in.Nr <= 0) throw MathError("no layers or no rays");
    // The search marks the bodies on the picture whatever the animation.
    checkStepAndScale(in, true);
    setUpBeam(in);
    placeBodies(in);
    T1 = T2 = 0;
    st.T = 0;
    st.stepCount = 0;
    if (o.frame == DopplerFrame::Classic && o.dragged) {
        st.VX(1) -= VXiso;
        st.VX(2) -= VXiso;
    }
    if (o.frame == DopplerFrame::Relativistic) {
        st.Vs = Vs0;
        transformToFrame(in);
    }
    // The layers start at the source's height in the frame of the search.
    medium.setUp(in.law, in.Kp, in.Np, st.Y(2), (st.Y(1) - st.Y(2)) / in.Np);
    st.stopFlag = 0;
    mode = 2;
    rememberBodies();
    beam.emitFan(st.X(2), st.Y(2), a0, da, medium.density(1));
    display = {};
}

void MediumExperiment::resume() const {
    if (k > 20) throw IndexError("beam " + std::to_string(k) + " lies outside the period record");
}

void MediumExperiment::endRun(const MediumOptions& o) {
    if (mode != 1 || !o.frameThroughMedium()) return;
    // The graphs work with values seen in the moving frame.
    st.VX(1) -= VXiso;
    st.VX(2) -= VXiso;
    for (int i = 1; i <= 20; ++i)
        st.Xn2(i) = Xe(i);
}

double MediumExperiment::frequencyAt(int i, DopplerFrame frame, double Vs) const {
    if (frame == DopplerFrame::Classic)
        return finite(v00 * classicalDopplerRatio(V1, st.QV1(i), Vs1(i), V2, st.QV2(i), Vs2(i)));
    return finite(v00 * relativisticDopplerRatio(V1, st.QV1(i), Vs1(i), V2, st.QV2(i), Vs2(i), Vs));
}

} // namespace sonrel
