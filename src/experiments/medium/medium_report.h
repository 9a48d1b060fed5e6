#pragma once
// The report of a medium run: the legend printed at the start, one block per
// recorded arrival and a summary table printed at the end.
#include "experiments/medium/medium_experiment.h"
#include "ui/experiment.h"

namespace sonrel {

// Clears the report and prints the two legend blocks of a run that has just
// been set up.
void mediumReportLegend(const MediumExperiment& run, ReportSink& sink);

// The blocks of the recorded arrivals and the summary table; the period that
// the last arrival opened has no end, and stands as "период N не принят" in
// both. Recomputes and stores vn, vk and vsr (the relativistic form with
// Vs = Vs0). Arithmetic faults throw MathError; what was printed before stays.
void mediumReportBody(MediumExperiment& run, DopplerFrame frame, ReportSink& sink);

} // namespace sonrel
