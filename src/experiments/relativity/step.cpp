// One solving step of the comparison experiment: bodies, frame conversion,
// per-step theory, what is seen, the beam and its arrival at the receiver.
#include "base/checked_math.h"
#include "base/kinematics.h"
#include "base/signal_delay.h"
#include "experiments/emission.h"
#include "experiments/relativity/messages.h"
#include "experiments/relativity/model.h"
#include "experiments/relativity/theory.h"

#include <cmath>
#include <iterator>

namespace sonrel::relativity {

namespace {

constexpr Color kRay = rgb(0, 255, 255);
constexpr Color kIsoTheory = rgb(0, 250, 0);

// The working signal speed is replaced by ray speeds inside some
// computations; this puts the medium's speed back whatever happens.
class SignalSpeedRestorer {
public:
    SignalSpeedRestorer(SharedState& s, double vs0) : s_(s), vs0_(vs0) {}
    ~SignalSpeedRestorer() { s_.Vs = vs0_; }

private:
    SharedState& s_;
    double vs0_;
};

} // namespace

StepEvents Model::step(Canvas& canvas, Prompts& prompts) {
    settleVectorRegisters();
    FpGuard guard;
    StepEvents ev;
    s.T += s.dt;
    T1 = T2 = s.T;
    ++s.stepCount;
    moveBodies();
    if (opt.theoryAso) theoryInModellingFrame(canvas);
    toIsoCoordinates();
    if (classic() && opt.seen) whatIsSeen();
    if (opt.theoryIso) theoryInIso(canvas);
    if (allFronts) {
        stepEveryBeam(canvas, prompts, ev);
    } else {
        if (emitOrWait() && advanceRays(canvas)) recordArrival(canvas, prompts, ev);
        // With the beam received and the next emission point passed (or a
        // source that never reaches it) nothing can arrive any more: the run
        // stops at its next display step, as if "Остановить" had been
        // pressed. Past the 20th period the missing emission entry ends the
        // run instead.
        if (!beamInFlight && N <= 20 && !emitStillAhead()) {
            s.stopFlag = 1;
            nothingMoreArrives = true;
        }
    }
    if (s.stepCount == s.NC0) {
        s.stepCount = 0;
        ev.groupEnd = true;
        drawGroup(canvas);
    }
    guard.check();
    return ev;
}

void Model::moveBodies() {
    for (int k = 1; k <= 2; ++k) {
        s.X(k) += s.dt * s.VX(k);
        s.Y(k) += s.dt * s.VY(k);
    }
}

// Direction from the source's retarded position (lag back along its
// velocity, the lag scaled by lagFactor) to the receiver.
double Model::retardedSight(double x1, double y1, double x2, double y2, double vx, double vy,
                            double lagFactor) {
    const double lag = arrivalTimeMinusFirst(s, x1, y1, x2, y2, vx, vy) * lagFactor;
    return vectorAngleRad(s.pi, x1 - (x2 - lag * vx), y1 - (y2 - lag * vy));
}

void Model::plotTheory(Canvas& c, double q3, double v, Color colour) {
    c.point(angleToX(q3 * s.degPerRad), safeDiv(safeDiv(v, s.v0), Mv), colour);
}

void Model::theoryInModellingFrame(Canvas& c) {
    const double X1 = s.X(1), Y1 = s.Y(1), X2 = s.X(2), Y2 = s.Y(2);
    const double q3 = retardedSight(X1, Y1, X2, Y2, s.VX(2), s.VY(2), 1);
    const double qn1 = vectorAngleRad(s.pi, s.VX(1), s.VY(1)) - q3;
    const double qn2 = vectorAngleRad(s.pi, s.VX(2), s.VY(2)) - q3;
    if (!classic())
        vAso = relativisticFrequency(s.v0, V1, V2, qn1, qn2, s.Vs, s.Vs, s.Vs);
    else if (opt.relativeVelocity)
        vAso = relativeVelocityFrequency(s.v0, V12, QV12, q3, s.Vs);
    else
        vAso = classicalFrequency(s.v0, V1, V2, qn1, qn2, s.Vs, s.Vs);
    plotTheory(c, q3, vAso, colors::black);
}

void Model::toIsoCoordinates() {
    const double T = s.T, X1 = s.X(1), X2 = s.X(2);
    Y1iso = s.Y(1);
    Y2iso = s.Y(2);
    if (modelInIso()) {
        X1iso = X1;
        X2iso = X2;
        return;
    }
    switch (opt.kinematics) {
    case Kinematics::Classic:
        X1iso = X1 - T * VXiso;
        X2iso = X2 - T * VXiso;
        break;
    case Kinematics::Sto: {
        T1 = lorentzTime(T, X1, VXiso, s.Vs, kTiso);
        T2 = lorentzTime(T, X2, VXiso, s.Vs, kTiso);
        double lag = T1 - T2;
        X1iso = lorentzPosition(T, X1, VXiso, kTiso);
        X2iso = lorentzPosition(T, X2, VXiso, kTiso);
        if (opt.carrySource && !(opt.thirdFrame && opt.thirdFrameSkipCarry)) {
            X2iso += lag * VX2f;
            Y2iso += lag * VY2f;
            T2 = T1;
        }
        if (opt.thirdFrame) {
            const double t1 = T1, t2 = T2;
            T1 = lorentzTime(t1, X1iso, VXiso3, s.Vs, kTiso3);
            T2 = lorentzTime(t2, X2iso, VXiso3, s.Vs, kTiso3);
            lag = T1 - T2;
            X1iso = lorentzPosition(t1, X1iso, VXiso3, kTiso3);
            X2iso = lorentzPosition(t2, X2iso, VXiso3, kTiso3);
            if (opt.carrySource) {
                X2iso += VX2iso * lag;
                Y2iso += VY2iso * lag;
                T2 = T1;
            }
        }
        break;
    }
    case Kinematics::StoPlus:
        T1 = T2 = T * kTiso3;
        X1iso = (X1 - T * VXiso) * kTiso3;
        X2iso = (X2 - T * VXiso) * kTiso3;
        break;
    }
}

void Model::whatIsSeen() {
    if (!opt.seenInAso)
        seenFromIsoOrigin();
    else if (!modelInIso())
        seenInAso();
    seenLag = T1 - T2;
}

// Seen from the ИСО origin in ИСО: each body's signal runs back to the
// origin with the reverse-view ray speed of its direction.
void Model::seenFromIsoOrigin() {
    auto towardOrigin = [&](double x, double y) {
        double q = vectorAngleRad(s.pi, x, y);
        if (q > s.pi) q -= 2 * s.pi;
        return safeDiv(std::hypot(x, y), beam.reverseSpeedToward(q));
    };
    const double T = s.T;
    T1 = T + towardOrigin(X1iso, Y1iso);
    T2 = T + towardOrigin(X2iso, Y2iso);
    if (!opt.carrySource) return;
    double px = X2iso, py = Y2iso, shift = 0;
    for (int n = 0; n < Niter; ++n) {
        const double lag = (T1 - T2) / 4;
        shift += lag;
        px += lag * VX2iso;
        py += lag * VY2iso;
        T2 = T + shift + towardOrigin(px, py);
    }
    X2iso = px;
    Y2iso = py;
}

// Seen from the ИСО origin, computed in АСО: the origin moves with VXiso
// from (VXiso T, 0) and the signals travel with Vs in the medium.
void Model::seenInAso() {
    const double T = s.T, X1 = s.X(1), Y1 = s.Y(1), X2 = s.X(2), Y2 = s.Y(2);
    const double observer = VXiso * T;
    const double t1 = arrivalTimePlusFirst(s, observer, 0, X1, Y1, VXiso, 0);
    double t2 = arrivalTimePlusFirst(s, observer, 0, X2, Y2, VXiso, 0);
    double shift = 0;
    if (opt.carrySource) {
        for (int n = 0; n < Niter; ++n) {
            shift += (t1 - t2) / 4;
            const double sx = X2 + shift * s.VX(2), sy = Y2 + shift * s.VY(2);
            t2 = shift + arrivalTimePlusFirst(s, VXiso * (T + shift), 0, sx, sy, VXiso, 0);
        }
    }
    T1 = T + t1;
    X1iso = X1 - VXiso * T - VXiso * t1;
    T2 = T + t2;
    X2iso = X2 - VXiso * T - VXiso * t2 + shift * s.VX(2);
    Y2iso = Y2 + shift * s.VY(2);
}

void Model::theoryInIso(Canvas& c) {
    SignalSpeedRestorer restore(s, Vs0);
    double q3 = 0;
    if (!classic()) {
        const double factor = opt.kinematics == Kinematics::StoPlus ? kTiso3 : 1;
        q3 = retardedSight(X1iso, Y1iso, X2iso, Y2iso, VX2iso, VY2iso, factor);
        vIso = relativisticFrequency(s.v0, V1iso, V2iso, QV1 - q3, QV2 - q3, s.Vs, s.Vs, s.Vs);
    } else {
        // The ray speed depends on the line of sight, which depends on the speed.
        for (int n = 0; n < Niter; ++n) {
            q3 = retardedSight(X1iso, Y1iso, X2iso, Y2iso, VX2iso, VY2iso, 1);
            s.Vs = beam.isoSpeedToward(q3);
        }
        if (opt.relativeVelocity)
            vIso = relativeVelocityFrequency(s.v0, V12iso, QV12iso, q3, s.Vs);
        else
            vIso = classicalFrequency(s.v0, V1iso, V2iso, QV1 - q3, QV2 - q3, s.Vs, s.Vs);
    }
    plotTheory(c, q3, vIso, kIsoTheory);
}

// Emits the beam of period N when the source has just passed its nominal
// emission point; false while the source has not reached it yet.
bool Model::emitOrWait() {
    const double xn = s.Xn2(N); // past the 20th period there is no entry: the run ends
    const double X2 = s.X(2);
    if (X2 < xn) return false;
    if (X2 > xn && X2 < xn + 1.01 * s.dt * s.VX(2)) {
        beam.emitFrom(X2, s.Y(2));
        beamInFlight = true;
        recordEmission(N);
    }
    return true;
}

// Modelling in АСО the emission of beam k in ИСО is where and when ИСО sees
// the source at the emission; in ИСО it was scheduled at the start.
void Model::recordEmission(int k) {
    if (modelInIso()) return;
    Xn2iso(k) = X2iso;
    Yn2iso(k) = Y2iso;
    Tn2iso(k) = T2;
    if (k > lastEmission) lastEmission = k;
}

Model::Moment Model::now() const {
    return {s.T, s.X(1), s.Y(1), s.X(2), s.Y(2), T1, T2, X1iso, Y1iso, X2iso, Y2iso, seenLag};
}

void Model::restore(const Moment& m) {
    s.T = m.T;
    s.X(1) = m.X1;
    s.Y(1) = m.Y1;
    s.X(2) = m.X2;
    s.Y(2) = m.Y2;
    T1 = m.T1;
    T2 = m.T2;
    X1iso = m.X1iso;
    Y1iso = m.Y1iso;
    X2iso = m.X2iso;
    Y2iso = m.Y2iso;
    seenLag = m.seenLag;
}

// The bodies and their ИСО view at the earlier model time `when` (inside the
// step just made): both move uniformly, so they are taken back along their
// velocities and the frame conversion is made there.
void Model::viewAt(double when) {
    const double back = s.T - when;
    for (int k = 1; k <= 2; ++k) {
        s.X(k) -= back * s.VX(k);
        s.Y(k) -= back * s.VY(k);
    }
    s.T = when;
    T1 = T2 = when;
    toIsoCoordinates();
    if (classic() && opt.seen) whatIsSeen();
}

// Every beam whose emission time has come leaves from its nominal emission
// point at its emission time; in АСО its ИСО emission is read there.
void Model::emitDueBeams() {
    while (nextEmission <= AllFrontsInFlight::kBeams && s.T > s.Tn2(nextEmission)) {
        const int k = nextEmission++;
        fronts.emitBeam(k, s.Xn2(k), s.Yn2(k), s.Tn2(k));
        if (modelInIso()) continue;
        const Moment present = now();
        viewAt(s.Tn2(k));
        recordEmission(k);
        restore(present);
    }
}

// One step with every beam in flight: emissions, the rays' flight, and the
// arrivals, received in the order the beams left (a receiver slower than the
// signal cannot meet a later beam before an earlier one; should both pass in
// the same step, both are received in that order). Each arrival is recorded
// at the moment within the step when the front passed the receiver.
void Model::stepEveryBeam(Canvas& c, Prompts& p, StepEvents& ev) {
    (void)s.Tn2(N); // past the 20th period there is no entry: the run ends
    emitDueBeams();
    if (opt.animation && s.stepCount == s.NC0) {
        rayMoves.clear();
        fronts.appendMoves(beam, s.T, s.dt, safeDiv(1, M), rayMoves, opt.keepFronts ? &c : nullptr);
        c.lines(rayMoves.data(), rayMoves.size() / 4, kRay);
    }
    while (N <= AllFrontsInFlight::kBeams && fronts.inFlight(N)) {
        const std::optional<double> when =
            fronts.meets(beam, N, s.T, s.dt, s.X(1), s.Y(1), s.VX(1), s.VY(1));
        if (!when) break;
        arrivalState = 1;
        fronts.receive(N);
        const Moment present = now();
        viewAt(*when);
        recordArrival(c, p, ev);
        restore(present);
    }
}

bool Model::emitStillAhead() {
    return emissionStillAhead(s.X(2), s.VX(2), s.Xn2(N), s.dt);
}

bool Model::advanceRays(Canvas& c) {
    const bool draw = opt.animation && s.stepCount == s.NC0;
    const double inv = draw ? safeDiv(1, M) : 0;
    const double X1 = s.X(1), Y1 = s.Y(1), dt = s.dt;
    const int last = beam.last();
    rayMoves.clear();
    int state = 0;
    // A received beam flies on (and is drawn) but is not tested again.
    const bool test = beamInFlight;
    for (int j = 0; j <= last && !state; ++j) {
        beam.advance(j, dt);
        if (draw) {
            const double move[] = {beam.x[j] * inv, beam.y[j] * inv, beam.nextX[j] * inv,
                                   beam.nextY[j] * inv};
            rayMoves.insert(rayMoves.end(), std::begin(move), std::end(move));
        }
        state = test && j >= 1 ? beam.straddles(j, X1, Y1) : 0;
        beam.settle(j);
    }
    if (draw) c.lines(rayMoves.data(), rayMoves.size() / 4, kRay);
    if (state) arrivalState = state;
    return state != 0;
}

} // namespace sonrel::relativity
