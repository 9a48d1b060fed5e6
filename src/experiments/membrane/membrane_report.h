#pragma once
// Per-period values and the report texts of the membrane experiment.
#include "base/shared_state.h"
#include "experiments/membrane/membrane_model.h"
#include "ui/experiment.h"

#include <string>

namespace sonrel {

// Complete periods of a run: the last front received (both ends, its
// reception recorded) closes the period before it. A run that ended at the
// receiver-turning message has received the front it was tracking.
inline int reportedPeriods(const MembraneModel& m) {
    return m.receivedCount - 1;
}

// Report line of period i (and of the table after N periods).
inline double reportLineY(int i) {
    return 593 - 8.0 * (i - 1);
}

// Clears the report and prints the legend with T00 and v0.
void printLegend(const SharedState& s, ReportSink& sink);

// Formula (2) at the start and the end of period i and their mean, stored
// in v1n(i), v1k(i), v1(i); returns the mean.
double periodFormulaValue(SharedState& s, int i);

// Observed period Tk1(i) - Tk1(i - 1), stored in dT(i).
double observedPeriod(SharedState& s, int i);

// Mean observation angle of period i in degrees of the caller's π.
double meanAngleDeg(double pi, const MembraneModel& m, int i);

std::string periodBlock(SharedState& s, const MembraneModel& m, int i, int N);
std::string periodTable(SharedState& s, const MembraneModel& m, int N);

// The end-of-run report: one block per period, then the table; each text
// replaces the shared report text before it is printed.
void printReport(SharedState& s, const MembraneModel& m, ReportSink& sink);

// Report line of one graph point.
std::string graphPointLine(int i, double angleDeg, double ratio);

} // namespace sonrel
