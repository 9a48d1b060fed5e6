#pragma once
// Graph sweeps: 5000 theory points against the receiver's speed VX1, the
// source's speed VX2 or the observation angle, with a report line every 100.
#include "base/shared_state.h"
#include "canvas/canvas.h"
#include "theory/calculated_points.h"
#include "theory/formulas.h"

#include <optional>

namespace sonrel {

constexpr int kSweepPoints = 5000;
constexpr int kSweepReportEvery = 100;

struct SweepSettings {
    SpeedArgument argument = SpeedArgument::VX1;
    double My = 0.1; // graph scale, v/v0 per unit
    double Vs = 20;
    double Qdeg = 0;         // angle in degrees (the argument of the angle sweep)
    double VX1 = 0, VX2 = 0; // typed X speeds; the swept one is replaced point by point
    double fieldValue = 0;
};

// Draws the sweep on the graph in the current scale and replaces the report
// text by its header and lines. A point is left out (with its report line)
// where no formula applies: a speed of the formula not below Vs, no variant
// ticked, a zero denominator; and where yg ≥ 20. The sweep works on its own
// speeds, counters and index: a paused experiment's state is not touched.
// lastAccepted receives the last point drawn from a formula, also when a
// MathError ends the sweep early.
void runSweep(SharedState& s, Canvas& canvas, const SweepSettings& set, const FormulaSelection& sel,
              std::optional<FormulaResult>& lastAccepted);

} // namespace sonrel
