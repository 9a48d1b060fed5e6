#pragma once
// The inputs a run was started with, written at the head of its report and
// of its period table, so that a result says how it was made.
#include "base/experiment_file.h"

#include <string>
#include <vector>

namespace sonrel {

struct RunInputs {
    std::string program; // "Sonrel6 1.0.0"
    std::string window;  // "Form1"
    std::vector<ExperimentValue> values;
};

// "# caption = value" lines: the program, the window, then one per input,
// each ending in "\n": comment lines a spreadsheet or pandas skips
// (comment='#') before the table's header row.
std::string inputsTableHead(const RunInputs& inputs);

// The same as report lines (no "#"), joined by "\n".
std::string inputsReportBlock(const RunInputs& inputs);

} // namespace sonrel
