#pragma once
// The experiment's received periods as points of the graph against the
// observation angle: one point per period, with one report line each.
#include "base/shared_state.h"
#include "canvas/canvas.h"

namespace sonrel {

constexpr int kPlottedPeriods = 19; // periods 1..19: the angle of k reads period k + 1

namespace pointColors {
constexpr Color atEmission = rgb(0, 220, 0); // receiver where it was at the emission
constexpr Color delayed = rgb(0, 0, 250);    // receiver where it got the previous period
} // namespace pointColors

// Sets the graph scale (without clearing) and draws for each received period
// k of 1..19 a point at the mean observation angle of period k and v/v0 with
// v = 1/dT. With delayCorrected the line of sight ends at the receiver where
// it received the previous period. Appends one line per received period to
// the report text, and "период k не принят" for the first period not
// received, where the points end; leaves the shared v at the last point's
// value. A zero v0 or My, or a zero period, throws MathError after the
// points so far.
void plotExperimentalPoints(SharedState& s, Canvas& canvas, double My, bool delayCorrected);

} // namespace sonrel
