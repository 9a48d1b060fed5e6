#pragma once
// The report of a medium run: the legend printed at the start, one block per
// recorded arrival and a summary table printed at the end.
#include "experiments/medium/medium_experiment.h"

#include <string>
#include <vector>

namespace sonrel {

struct ReportPiece {
    double y; // vertical position on the report picture
    std::string text;
};

// The two legend blocks of a run that has just been set up.
std::vector<ReportPiece> mediumReportLegend(const MediumExperiment& run);

// The blocks of the recorded arrivals and the summary table; the period that
// the last arrival opened has no end, and stands as "период N не принят" in
// both. Recomputes and stores vn, vk and vsr (the relativistic form with
// Vs = Vs0). Arithmetic faults throw MathError; what was appended to pieces
// before stays there.
void mediumReportBody(MediumExperiment& run, DopplerFrame frame, std::vector<ReportPiece>& pieces);

} // namespace sonrel
