#pragma once
// Per-period processing of the classical experiment and its report: the
// legend, one block per received period and a summary table.
#include "base/shared_state.h"
#include "ui/experiment.h"

#include <string>

namespace sonrel {

// Report heights: heading, legend, and 11 units per period block.
constexpr double kReportHeadingY = 599.9, kReportLegendY = 599.3;
constexpr double periodBlockY(int j) {
    return 591 - 11.0 * (j - 1);
}

std::string reportHeading();
// The legend; QV1, QV2 are the velocity directions of the run being started.
std::string reportLegend(const SharedState& s);

// Clears the report and prints the heading and the legend, each through reportText.
void printLegend(SharedState& s, ReportSink& sink);

// Period j has been received once front j + 1 has reached the receiver and
// recorded the period's end Tk1(j), which is 0 until then.
inline bool periodReceived(const SharedState& s, int j) {
    return s.Tk1(j) > 0;
}

// Observed period dT = Tk1(j) − Tk1(j − 1) and frequency 1/dT of a received
// period j, and formula (2) at its start and end and their mean. Throws
// MathError when a value is not finite (dT = 0, for instance).
struct ClassicPeriodValues {
    double dT = 0, v = 0, v1n = 0, v1k = 0, v1 = 0;
};
ClassicPeriodValues classicPeriodValues(const SharedState& s, int j);

// For every period j = 1 .. frontIndex − 1 that has been received: the
// observed period dT(j), formula (2) at the start and at the end of the
// period and their mean, and the period's block; then the table. A period
// not received (the last one after a stop or at the end of the record) gets
// one line "период j не принят" in place of its block and of its row, and
// no values. Throws MathError (for instance dT(j) = 0) after printing the
// blocks before the failing one.
void processPeriods(SharedState& s, ReportSink& sink);

} // namespace sonrel
