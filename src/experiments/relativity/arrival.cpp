// What happens when a beam reaches the receiver: the arrival is recorded by
// ИСО clocks and by the receiver's clock, the elapsed period is compared with
// the theory, and the next beam's emission is checked for having been missed.
#include "base/checked_math.h"
#include "base/numbers.h"
#include "base/signal_delay.h"
#include "experiments/relativity/messages.h"
#include "experiments/relativity/model.h"
#include "experiments/relativity/theory.h"

namespace sonrel::relativity {

void Model::recordArrival(Canvas& c, Prompts& p, StepEvents& ev) {
    s.Tn1(N) = T1;
    Tn1p(N) = kT1iso * T1;
    s.Xn1(N) = X1iso;
    s.Yn1(N) = Y1iso;
    s.Xk2(N) = X2iso;
    s.Yk2(N) = Y2iso;
    if (modelInIso()) {
        Xr(N) = X1iso;
        Yr(N) = Y1iso;
        Tr(N) = T1;
    } else {
        Xr(N) = s.X(1);
        Yr(N) = s.Y(1);
        Tr(N) = s.T;
        if (opt.emissionFromArrival) emissionFromArrival();
    }
    Q3(N) = vectorAngleRad(s.pi, s.Xn1(N) - Xn2iso(N), s.Yn1(N) - Yn2iso(N));
    Vs1(N) = Vs2(N) = classic() ? beam.isoSpeedToward(Q3(N)) : Vs0;
    Q3(N + 20) = Q3(N);
    if (opt.markFronts) markFront(c, true);
    Qn1(N) = QV1 - Q3(N);
    Qn2(N) = QV2 - Q3(N);
    meanAngle = (Q3(N - 1) + Q3(N)) / 2;
    if (N >= 2) {
        processPeriod(c);
        ev.periodDone = true;
    }
    // Checked at every arrival, asked once per run: a later beam may be the
    // first to travel longer than the period. With every beam in flight on
    // its own no beam can miss its emission, and nothing is asked.
    if (overrunPending && !allFronts) overrunCheck(p);
    if (opt.markFronts) markFront(c, false);
    ev.arrived = true;
    ev.periodNumber = N - 1;
    ++N;
    arrivalState = 0;
    beamInFlight = false;
    if (opt.animation) drawPeriodHistory(c);
    if (N == 21) s.stepCount = s.NC0;
    if (!opt.autoMode && !p.askYesNo(continueQuestion(), kContinueTitle)) {
        s.stepCount = s.NC0;
        s.stopFlag = 1;
    }
}

// The emission of the arrived beam computed back from its arrival in ИСО.
void Model::emissionFromArrival() {
    double lag = 0;
    if (!classic()) {
        lag = arrivalTimeMinusFirst(s, X1iso, Y1iso, X2iso, Y2iso, VX2iso, VY2iso);
        if (opt.kinematics == Kinematics::StoPlus) lag *= kTiso3;
    } else {
        for (int n = 0; n < Niter; ++n) {
            lag = arrivalTimeMinusFirst(s, X1iso, Y1iso, X2iso, Y2iso, VX2iso, VY2iso);
            const double sight = vectorAngleRad(s.pi, X1iso - (X2iso - VX2iso * lag),
                                                Y1iso - (Y2iso - VY2iso * lag));
            s.Vs = beam.isoSpeedBelow(sight);
        }
        lag = arrivalTimeMinusFirst(s, X1iso, Y1iso, X2iso, Y2iso, VX2iso, VY2iso);
        s.Vs = Vs0;
    }
    Xn2iso(N) = X2iso - VX2iso * lag;
    Yn2iso(N) = Y2iso - VY2iso * lag;
    Tn2iso(N) = T1 - lag;
}

double Model::frequencyAt(int k, bool kto) {
    if (!classic())
        return relativisticFrequency(s.v0, V1iso, V2iso, Qn1(k), Qn2(k), Vs1(k), Vs2(k), s.Vs);
    if (kto) return relativeVelocityFrequency(s.v0, V12iso, QV12iso, Q3(k), Vs1(k));
    return classicalFrequency(s.v0, V1iso, V2iso, Qn1(k), Qn2(k), Vs1(k), Vs2(k));
}

void Model::processPeriod(Canvas& c) {
    const int p = N - 1;
    period.measuredSource = opt.t00FromIso;
    if (opt.t00FromIso) {
        const double measured = Tn2iso(N) - Tn2iso(N - 1);
        kT00 = safeDiv(s.T00, measured);
        T002 = measured * kT2used;
        s.v0 = safeDiv(1, T002);
        period.kT00 = kT00;
        period.sourcePeriod = measured;
        period.T002 = T002;
        period.v0 = s.v0;
    }
    const bool kto = classic() && opt.relativeVelocity;
    vn(p) = frequencyAt(p, kto);
    vk(p) = frequencyAt(N, kto);
    vsr(p) = (vn(p) + vk(p)) / 2;
    const double deg = s.degPerRad;
    period.Qn3 = Q3(p) * deg;
    period.Qk3 = Q3(N) * deg;
    period.Qn1 = Qn1(p) * deg;
    period.Qk1 = Qn1(N) * deg;
    period.Vs1n = Vs1(p);
    period.Vs1k = Vs1(N);
    period.vn = vn(p);
    period.vk = vk(p);
    period.vsr = vsr(p);
    period.Tn1 = s.Tn1(p);
    period.Tk1 = s.Tn1(N);
    const double dT = s.Tn1(N) - s.Tn1(p);
    period.vIsoClock = safeDiv(1, dT);
    period.vReceiverClock = safeDiv(1, dT * kT1iso);
    if (opt.theoryIso) {
        const double x = angleToX(meanAngle * deg);
        const double scale = s.v0 * Mv;
        c.circle(x, safeDiv(period.vReceiverClock, scale), 0.2, colors::receiver);
        c.circle(x, safeDiv(vsr(p), scale), 0.3, colors::source);
    }
    completed = p;
}

void Model::overrunCheck(Prompts& p) {
    // After the 20th beam there is no next emission to miss.
    if (N >= 20 || !(s.T > s.Tn2(N + 1))) return;
    overrunPending = false;
    if (!p.askYesNo(overrunQuestion(N, s.T, s.Tn2(N + 1)), kSystemTitle)) {
        s.stepCount = s.NC0;
        s.stopFlag = 1;
    }
}

int Model::unfinishedPeriod() const {
    // Period i starts with the arrival of beam i; the tables end at 20.
    const int started = N - 1 > 20 ? 20 : N - 1;
    return started > completed ? started : 0;
}

} // namespace sonrel::relativity
