#pragma once
// The membrane window's graph: v/v0 against the mean observation angle of
// each period, x = (A/90 - 1)·20 (0° at -20, 90° at 0, 180° at 20), y = ratio / My.
#include "canvas/canvas.h"
#include "experiments/membrane/membrane_model.h"

#include <string>

namespace sonrel {

constexpr double kGraphLeft = -21, kGraphTop = 17, kGraphRight = 20, kGraphBottom = -1;

inline double graphX(double angleDeg) {
    return (angleDeg / 90 - 1) * 20;
}

// Clears the canvas and draws the grid labelled with v/v0 (My per unit) and
// with the angle, and the axes.
void drawGraphGrid(Canvas& canvas, double My);

// Observed v/v0 of every complete period as blue circles; returns the lines
// "i= … Asr = … v1/v0 = …" for the report.
std::string plotObservedPoints(Canvas& canvas, SharedState& s, const MembraneModel& m, double My);

// Formula (2) v1/v0 of every complete period as red circles joined by lines.
// The periods' observation angles Q3(i) are replaced by the mean angles.
void plotCalculatedPoints(Canvas& canvas, SharedState& s, const MembraneModel& m, double My);

} // namespace sonrel
