#pragma once
// When the source sends out the next period's beam. The comparison window and
// the layered medium share the rule: a beam leaves once the source has passed
// the beam's nominal emission point, within a step-wide window behind it.

namespace sonrel {

// The source at x, moving with vx, still has to pass the emission point
// xNext: it moves in +X and has not yet left the step-wide window (of a step
// dt) behind that point. A source at rest or moving back never reaches it.
inline bool emissionStillAhead(double x, double vx, double xNext, double dt) {
    return vx > 0 && x < xNext + 1.01 * dt * vx;
}

} // namespace sonrel
