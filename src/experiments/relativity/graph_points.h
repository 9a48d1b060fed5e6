#pragma once
// Observed and theory points of the stored periods on the v/v0 graphs.
#include "canvas/canvas.h"
#include "experiments/relativity/model.h"

#include <functional>

namespace sonrel::relativity {

struct GraphPoint {
    int period = 0;
    double ratio = 0;                    // v / v0
    double angleStart = 0, angleEnd = 0; // line of sight at both ends, degrees
    double time = 0;                     // x of the time graph
};

// Called after each point is drawn; false ends the series.
using PointShown = std::function<bool(const GraphPoint&)>;

// Observed frequencies by the receiver's clock, for the completed periods
// whose receiver times increase. Returns the number of points drawn.
int plotObservedPoints(Model& m, Canvas& c, const PointShown& shown);
// Theory frequencies vsr of the same periods.
int plotTheoryPoints(Model& m, Canvas& c, const PointShown& shown);

} // namespace sonrel::relativity
