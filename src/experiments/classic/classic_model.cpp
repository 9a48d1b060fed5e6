#include "experiments/classic/classic_model.h"

#include "base/checked_math.h"
#include "base/signal_delay.h"

#include <algorithm>
#include <cmath>

namespace sonrel {

namespace {

std::int16_t signOf(double v) {
    return v < 0 ? -1 : 1;
}

double distance(double dx, double dy) {
    return finite(std::sqrt(dx * dx + dy * dy));
}

bool sourceAtRest(const SharedState& s) {
    return s.VX(2) == 0 && s.VY(2) == 0;
}

// Front i of a moving source has not been emitted while the source is short
// of its emission point (along X, or along Y for a source without an X velocity).
bool emissionPending(const SharedState& s, int i) {
    if (s.VX(2) != 0) return s.sgnX2 * s.Xn2(i) > s.sgnX2 * s.X(2);
    return s.sgnY2 * s.Yn2(i) > s.sgnY2 * s.Y(2);
}

// The tracked front grows by Vs·dt. A source at rest stands on its emission
// point all the time, so the position cannot tell the emission: front i
// leaves at its emission time Tn2(i), has no radius before it and never more
// than the time since it allows.
void growFront(SharedState& s, int i) {
    if (!sourceAtRest(s)) {
        if (emissionPending(s, i)) s.frontRadius = 0;
        s.frontRadius = finite(s.frontRadius + s.dt * s.Vs);
        return;
    }
    const double sinceEmission = finite(s.Vs * (s.T - s.Tn2(i)));
    const double grown = finite(s.frontRadius + s.dt * s.Vs);
    s.frontRadius = std::max(0.0, std::min(grown, sinceEmission));
}

// Front i has reached the receiver at this step: the end of period i − 1,
// both bodies and the angles of the line of sight and of each velocity.
void recordArrivalEntries(SharedState& s, int i, const StepChecks& checks) {
    s.Tk1(i - 1) = s.T;
    s.Xk1(i - 1) = s.X(1);
    s.Yk1(i - 1) = s.Y(1);
    s.Xk2(i) = s.X(2);
    s.Yk2(i) = s.Y(2);
    if (checks.delayInCoordinates)
        s.Q3(i) = vectorAngleDeg(s.pi, s.Xk1(i - 1) - s.Xn2(i), s.Yk1(i - 1) - s.Yn2(i));
    else
        s.Q3(i) = vectorAngleDeg(s.pi, s.Xn1(i) - s.Xn2(i + 1), s.Yn1(i) - s.Yn2(i + 1));
    // Angles between the line of sight and each velocity. Taken from the
    // velocities themselves, so a front recorded again (after a stop) does not
    // subtract Q3 twice.
    s.QV1(i) = vectorAngleDeg(s.pi, s.VX(1), s.VY(1)) - s.Q3(i);
    s.QV2(i) = vectorAngleDeg(s.pi, s.VX(2), s.VY(2)) - s.Q3(i);
}

void recordArrival(SharedState& s, const StepChecks& checks, Prompts& prompts) {
    const int i = s.frontIndex;
    recordArrivalEntries(s, i, checks);
    if (!checks.automatic) {
        // Jump to the next period boundary: T00, 2·T00, ... whatever the arrival time.
        s.T = s.T + s.T00 - (s.T - s.lastJumpTime);
        s.lastJumpTime = s.T;
        s.X(1) = s.Xn1(i);
        s.Y(1) = s.Yn1(i);
        s.X(2) = s.Xn2(i + 1);
        s.Y(2) = s.Yn2(i + 1);
        if (!prompts.askYesNo(kContinueQuestion, kContinueTitle)) s.stopFlag = 1;
    }
    if (s.stopFlag == 0) ++s.frontIndex;
    s.arrivedFlag = 0;
    s.frontRadius = 0;
    s.frontRadiusDrawn = 0;
    // A source at rest with a period shorter than the travel time sent the next
    // front before this arrival: it has been growing since its emission time.
    // A moving source keeps the one-front-at-a-time tracking, whose late
    // fronts the short-period warning names (the "все фронты" mode tracks them).
    const int next = s.frontIndex;
    if (sourceAtRest(s) && next != i && next <= PeriodArray::hi() && s.T > s.Tn2(next))
        s.frontRadius = finite(s.Vs * (s.T - s.Tn2(next)));
}

// With the source at the emission point of front 1 and the receiver at its
// typed position (T = T00): records both, then moves the receiver back to T = 0.
void recordFirstEmission(SharedState& s) {
    s.Xn2(1) = s.X(2);
    s.Yn2(1) = s.Y(2);
    s.Xn2(0) = s.X(2);
    s.Yn2(0) = s.Y(2);
    s.Xn1(1) = s.X(1);
    s.Yn1(1) = s.Y(1);
    s.X(1) = s.X(1) - s.T00 * s.VX(1);
    s.Y(1) = s.Y(1) - s.T00 * s.VY(1);
    s.Xn1(0) = s.X(1);
    s.Yn1(0) = s.Y(1);
    s.Tn1(0) = 0;
}

} // namespace

double firstFrontTravelTime(SharedState& s) {
    // A source emits a front every T00 only for a positive period.
    if (!(s.T00 > 0)) throw MathError("period not positive");
    s.X(2) = finite(s.X(2) - s.T00 * s.VX(2));
    s.Y(2) = finite(s.Y(2) - s.T00 * s.VY(2));
    const double d = 1.0000000001 * distance(s.X(1) - s.X(2), s.Y(1) - s.Y(2));
    return safeDiv(d, s.Vs);
}

double placeFirstPeriod(SharedState& s) {
    if (!(s.T00 > 0)) throw MathError("period not positive");
    FpGuard guard;
    recordFirstEmission(s);
    s.Tn1(1) = s.T00;
    s.Xn2(2) = s.X(2) + s.T00 * s.VX(2);
    s.Yn2(2) = s.Y(2) + s.T00 * s.VY(2);
    s.Tn2(2) = s.T00;
    guard.check();
    s.v0 = safeDiv(1, s.T00);
    return s.v0;
}

bool periodShorterThanTravel(const SharedState& s, double travelTime) {
    return travelTime > 1.0000001 * s.T00;
}

void setupRun(SharedState& s) {
    // Fronts follow each other only with a positive period, and time goes on
    // only with a positive step: anything else would run forever or backwards.
    if (!(s.T00 > 0)) throw MathError("period not positive");
    if (!(s.dt > 0)) throw MathError("time step not positive");
    FpGuard guard;
    s.clearPeriodRecord();
    s.X(2) = s.X(2) - s.T00 * s.VX(2);
    s.Y(2) = s.Y(2) - s.T00 * s.VY(2);
    recordFirstEmission(s);
    s.V(1) = std::sqrt(s.VX(1) * s.VX(1) + s.VY(1) * s.VY(1));
    s.V(2) = std::sqrt(s.VX(2) * s.VX(2) + s.VY(2) * s.VY(2));
    s.sgnX1 = signOf(s.VX(1));
    s.sgnX2 = signOf(s.VX(2));
    s.sgnY2 = signOf(s.VY(2));
    s.QV1.fill(vectorAngleDeg(s.pi, s.VX(1), s.VY(1)));
    s.QV2.fill(vectorAngleDeg(s.pi, s.VX(2), s.VY(2)));
    s.stopFlag = 0;
    s.arrivedFlag = 0;
    s.warnPending = 1;
    s.frontRadius = 0;
    s.frontRadiusDrawn = 0;
    s.T = 0;
    s.lastJumpTime = 0;
    s.stepCount = 0;
    s.frontIndex = 1;
    for (int j = 1; j <= 20; ++j) {
        s.Tn1(j) = j * s.T00;
        s.Tn2(j) = (j - 1) * s.T00;
        s.Xn1(j) = j * s.T00 * s.VX(1) + s.Xn1(0);
        s.Yn1(j) = j * s.T00 * s.VY(1) + s.Yn1(0);
        s.Xn2(j) = (j - 1) * s.T00 * s.VX(2) + s.Xn2(1);
        s.Yn2(j) = (j - 1) * s.T00 * s.VY(2) + s.Yn2(1);
    }
    guard.check();
}

void setupRun(SharedState& s, AllFrontsState& fronts) {
    setupRun(s);
    fronts.radii.fill(0);
    fronts.radiiDrawn.fill(0);
    fronts.received.fill(0);
}

namespace {

void moveBodies(SharedState& s) {
    s.T = finite(s.T + s.dt);
    ++s.stepCount;
    s.X(1) += s.dt * s.VX(1);
    s.Y(1) += s.dt * s.VY(1);
    s.X(2) = finite(s.X(2) + s.dt * s.VX(2));
    s.Y(2) = finite(s.Y(2) + s.dt * s.VY(2));
}

// The end of a step: a display step every NC0 steps, and the stop.
void closeStep(SharedState& s, StepResult& result) {
    if (s.stepCount == s.NC0) {
        s.stepCount = 0;
        result.display = true;
        result.endRun = s.stopFlag == 1;
    } else if (s.stopFlag == 1 && (s.NC0 <= 0 || s.stepCount > s.NC0)) {
        // No display step can come any more: honour the stop now.
        result.endRun = true;
    }
}

// Every front emitted so far and not yet received grows from its own
// emission point, Vs·(T − Tn2(j)), and is tested against the receiver's
// present position; arrivals are recorded in front order. No front waits for
// another, so none is lost and the short-period warning has nothing to say.
// Without "Auto" each arrival asks whether to go on; time and bodies stay.
StepResult stepAllFronts(SharedState& s, AllFrontsState& f, const StepChecks& checks,
                         Prompts& prompts) {
    StepResult result;
    moveBodies(s);
    // The lowest front not yet received: its distance is the one shown, and
    // past front 20 the record ends the run as in one-front tracking.
    const int first = s.frontIndex;
    s.R = distance(s.X(1) - s.Xn2(first), s.Y(1) - s.Yn2(first));
    // As in one-front tracking, a signal without speed fails at once.
    static_cast<void>(safeDiv(s.R, s.Vs));
    for (int j = first; j <= PeriodArray::hi(); ++j) {
        if (f.received(j)) continue;
        if (s.T < s.Tn2(j)) break; // later fronts leave later still
        f.radii(j) = finite(s.Vs * (s.T - s.Tn2(j)));
        const double d = distance(s.X(1) - s.Xn2(j), s.Y(1) - s.Yn2(j));
        // Strictly beyond: equality is not an arrival.
        if (!(f.radii(j) > d)) continue;
        f.received(j) = 1;
        recordArrivalEntries(s, j, checks);
        if (!checks.automatic && !prompts.askYesNo(kContinueQuestion, kContinueTitle))
            s.stopFlag = 1;
    }
    while (s.frontIndex <= PeriodArray::hi() && f.received(s.frontIndex))
        ++s.frontIndex;
    s.frontRadius = s.frontIndex <= PeriodArray::hi() ? f.radii(s.frontIndex) : 0;
    closeStep(s, result);
    return result;
}

// One front at a time: the tracked front frontIndex grows until it passes
// the receiver.
// Inlined into both entry points: a step is a few nanoseconds of arithmetic,
// and a call of its own would be a measurable part of it.
[[gnu::always_inline]] inline StepResult stepOneFront(SharedState& s, const StepChecks& checks,
                                                      Prompts& prompts) {
    StepResult result;
    moveBodies(s);
    const int i = s.frontIndex;
    s.R = distance(s.X(1) - s.Xn2(i), s.Y(1) - s.Yn2(i));
    // The travel time is evaluated every step, so Vs = 0 always fails.
    const double travelTime = safeDiv(s.R, s.Vs);
    if (s.warnPending && travelTime > s.T00) {
        if (!prompts.askYesNo(kShortPeriodWarning, kShortPeriodTitle)) {
            result.endRun = true;
            return result;
        }
        s.warnPending = 0;
    }
    growFront(s, i);
    // Strictly beyond: equality is not an arrival; no interpolation inside the step.
    if (s.frontRadius > s.R) s.arrivedFlag = 1;
    if (s.arrivedFlag == 1) recordArrival(s, checks, prompts);
    closeStep(s, result);
    return result;
}

} // namespace

StepResult stepExperiment(SharedState& s, const StepChecks& checks, Prompts& prompts) {
    settleVectorRegisters();
    return stepOneFront(s, checks, prompts);
}

StepResult stepExperiment(SharedState& s, AllFrontsState& fronts, const StepChecks& checks,
                          Prompts& prompts) {
    settleVectorRegisters();
    if (fronts.allFronts) return stepAllFronts(s, fronts, checks, prompts);
    return stepOneFront(s, checks, prompts);
}

} // namespace sonrel
